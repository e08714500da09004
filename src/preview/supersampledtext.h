#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

// The anti-aliased sample renderer: the text is drawn bi-level at four times its size, and
// every 4 x 4 block of that drawing becomes the coverage (alpha) of one output pixel in the
// text colour. Its scratch images are kept between calls and only grow to the largest row.
class TSupersampledText {
public:
    static constexpr int kScale = 4;

    // Draws text onto target (a 32-bit RGB image) with its left edge at x and its top at row 0.
    // bigFont is the face at kScale times the size, bigAscent its ascent and bigWidth the
    // advance of the text followed by one space in it; target.height() is the output height.
    void Render(QImage& target, int x, const QFont& bigFont, int bigAscent, int bigWidth,
                const QString& text, std::uint32_t textColor);

private:
    void DrawLarge(const QFont& bigFont, int bigAscent, int width, int height,
                   const QString& text);
    void ReduceOnto(QImage& target, int x, int width, std::uint32_t textColor);

    QImage large_;
    std::vector<std::uint32_t> coverage_;
};
