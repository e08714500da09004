#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// Helpers shared by the widget tests: render a widget and look for colours in what it drew.
inline QImage Render(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline bool SameRgb(QRgb pixel, const QColor& color) {
    return qRed(pixel) == color.red() && qGreen(pixel) == color.green() &&
           qBlue(pixel) == color.blue();
}

// Number of pixels of exactly this colour inside the columns [x0, x1).
inline int CountColor(const QImage& image, const QColor& color, int x0 = 0, int x1 = -1) {
    if (x1 < 0) {
        x1 = image.width();
    }
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = x0; x < x1; ++x) {
            count += SameRgb(image.pixel(x, y), color) ? 1 : 0;
        }
    }
    return count;
}

// Leftmost column holding a pixel of this colour, -1 when there is none.
inline int LeftmostColor(const QImage& image, const QColor& color) {
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (SameRgb(image.pixel(x, y), color)) {
                return x;
            }
        }
    }
    return -1;
}

// Rightmost column holding a pixel of this colour, -1 when there is none.
inline int RightmostColor(const QImage& image, const QColor& color) {
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = 0; y < image.height(); ++y) {
            if (SameRgb(image.pixel(x, y), color)) {
                return x;
            }
        }
    }
    return -1;
}

// A font drawn without anti-aliasing, so text pixels carry exactly the pen colour.
inline QFont CrispFont(int pointSize = 10) {
    QFont font("DejaVu Sans", pointSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}
