#include "render/supersampledtext.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "render/syntheticstyle.h"

namespace {

constexpr int kBlock = TSupersampledText::kScale * TSupersampledText::kScale;

// dst + (src - dst) * alpha / 255 for one channel, rounded.
int Mix(int dst, std::uint32_t src, std::uint32_t alpha) {
    return static_cast<int>((static_cast<std::uint32_t>(dst) * (255 - alpha) + src * alpha + 127) /
                            255);
}

}  // namespace

void TSupersampledText::Render(QImage& target, int x, const LargeFace& face, const QString& text,
                               std::uint32_t textColor) {
    // One spare block past the text's advance, so overhanging glyph edges are kept; nothing
    // beyond the target's right edge is drawn at all.
    const int columns = std::min(face.width / kScale + 1, target.width() - x);
    const int rows = target.height();
    if (columns <= 0 || rows <= 0) {
        return;
    }
    std::string key(face.key);
    key.push_back('\0');
    key += text.toStdString();
    key.push_back('\0');
    key += std::to_string(columns) + 'x' + std::to_string(rows) + '@' + std::to_string(face.ascent);
    const Mask* mask = masks_.Find(key);
    if (mask == nullptr) {
        width_ = columns * kScale;
        height_ = rows * kScale;
        large_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        DrawLarge(face, text);
        mask = &masks_.Insert(key, Reduce(columns, rows));
    }
    Blend(*mask, target, x, textColor);
}

void TSupersampledText::DrawLarge(const LargeFace& face, const QString& text) {
    std::fill(large_.begin(), large_.end(), 0);
    QTextLayout layout(text, face.font);
    layout.setCacheEnabled(false);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        return;
    }
    // Positions are relative to the line's top; the text sits on the row's baseline.
    const double shift = face.ascent - line.ascent();
    std::vector<Line> lines;
    double extra = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        DrawRun(run, face, shift, extra, lines);
    }
    // Whole large pixels, rounded down, keep the smoothed bold nearest the plain one's weight.
    Embolden(static_cast<int>(face.boldStrength));
    for (const Line& decoration : lines) {
        DrawLine(decoration);
    }
}

// Draws the glyphs of run, each moved right by the advance emboldening added before it (extra,
// which grows by the face's bold advance per glyph), and notes its underline and strike-out.
void TSupersampledText::DrawRun(const QGlyphRun& run, const LargeFace& face, double shift,
                                double& extra, std::vector<Line>& lines) {
    const QRawFont font = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    const bool slanted = face.font.style() != QFont::StyleNormal && EngineSlants(font);
    const double extraBefore = extra;
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
        const double x = positions[i].x() + extra;
        extra += face.boldAdvance;
        const QRectF box = font.boundingRect(glyphs[i]);
        // A broken face (an em of a few units) makes glyphs tens of thousands of pixels
        // across, whose images would take gigabytes; such a glyph's outline is filled into
        // the drawing instead, clipped to it.
        if (box.width() * box.height() > static_cast<double>(width_) * height_) {
            FillOutline(font.pathForGlyph(glyphs[i]).translated(x, positions[i].y() + shift));
            continue;
        }
        const QImage image = font.alphaMapForGlyph(glyphs[i], QRawFont::PixelAntialiasing);
        const double inkLeft =
            slanted ? font.pathForGlyph(glyphs[i]).boundingRect().left() : box.left();
        const int left = static_cast<int>(std::floor(x + inkLeft));
        const int top = static_cast<int>(std::lround(positions[i].y() + shift + box.top()));
        DrawGlyph(image, left, top);
    }
    if (positions.isEmpty() || (!run.underline() && !run.strikeOut())) {
        return;
    }
    const int thickness = std::max(1, static_cast<int>(std::lround(font.lineThickness())));
    const int left = static_cast<int>(positions.first().x() + extraBefore);
    const int right = static_cast<int>(run.boundingRect().right() + extra);
    if (run.underline()) {
        lines.push_back({face.ascent + static_cast<int>(std::lround(font.underlinePosition())),
                         thickness, left, right});
    }
    if (run.strikeOut()) {
        lines.push_back(
            {face.ascent - static_cast<int>(font.ascent() / 3), thickness, left, right});
    }
}

// Glyph bitmaps come bi-level (one bit per pixel) from a face asked for without
// anti-aliasing; any other format is read by its alpha.
void TSupersampledText::DrawGlyph(const QImage& glyph, int left, int top) {
    if (glyph.isNull()) {
        return;
    }
    const bool mono = glyph.format() == QImage::Format_Mono;
    const QImage alpha = mono ? glyph : glyph.convertToFormat(QImage::Format_Alpha8);
    const bool inkIsOne = !mono || qAlpha(glyph.color(1)) >= qAlpha(glyph.color(0));
    const int fromY = std::max(0, -top);
    const int toY = std::min(alpha.height(), height_ - top);
    const int fromX = std::max(0, -left);
    const int toX = std::min(alpha.width(), width_ - left);
    for (int y = fromY; y < toY; ++y) {
        const uchar* source = alpha.constScanLine(y);
        std::uint8_t* out = large_.data() + static_cast<std::size_t>(top + y) * width_ + left;
        for (int x = fromX; x < toX; ++x) {
            const bool ink = mono ? (((source[x >> 3] >> (7 - (x & 7))) & 1) != 0) == inkIsOne
                                  : source[x] >= 128;
            if (ink) {
                out[x] = 255;
            }
        }
    }
}

void TSupersampledText::FillOutline(const QPainterPath& outline) {
    QImage drawing(large_.data(), width_, height_, width_, QImage::Format_Grayscale8);
    QPainter painter(&drawing);
    painter.fillPath(outline, Qt::white);
}

// Thickens the glyphs as the engine's emboldening does: every ink pixel also inks the
// strength pixels to its right and above it.
void TSupersampledText::Embolden(int strength) {
    if (strength <= 0) {
        return;
    }
    const auto columns = static_cast<std::size_t>(width_);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* line = large_.data() + static_cast<std::size_t>(y) * columns;
        int owed = 0;  // pixels still to ink after the last ink seen
        for (std::size_t x = 0; x < columns; ++x) {
            if (line[x] != 0) {
                owed = strength;
            } else if (owed > 0) {
                line[x] = 255;
                --owed;
            }
        }
    }
    std::vector<int> owed(columns, 0);  // per column, lines still to ink above the last ink
    for (int y = height_ - 1; y >= 0; --y) {
        std::uint8_t* line = large_.data() + static_cast<std::size_t>(y) * columns;
        for (std::size_t x = 0; x < columns; ++x) {
            if (line[x] != 0) {
                owed[x] = strength;
            } else if (owed[x] > 0) {
                line[x] = 255;
                --owed[x];
            }
        }
    }
}

void TSupersampledText::DrawLine(const Line& line) {
    const int fromX = std::max(0, line.left);
    const int toX = std::min(width_, line.right);
    for (int y = std::max(0, line.top); y < std::min(height_, line.top + line.thickness); ++y) {
        std::uint8_t* out = large_.data() + static_cast<std::size_t>(y) * width_;
        std::fill(out + fromX, out + std::max(fromX, toX), 255);
    }
}

// The box filter: each output pixel is the mean of its 4 x 4 source block.
TSupersampledText::Mask TSupersampledText::Reduce(int columns, int rows) const {
    Mask mask;
    mask.columns = columns;
    mask.rows = rows;
    mask.alpha.resize(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(columns));
    for (int row = 0; row < rows; ++row) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int sub = 0; sub < kScale; ++sub) {
            const std::uint8_t* source =
                large_.data() + static_cast<std::size_t>(row * kScale + sub) * width_;
            for (int column = 0; column < columns; ++column) {
                const std::uint8_t* block = source + static_cast<std::size_t>(column) * kScale;
                sums[column] += block[0] + block[1] + block[2] + block[3];
            }
        }
        std::uint8_t* out = mask.alpha.data() + static_cast<std::size_t>(row) * columns;
        for (int column = 0; column < columns; ++column) {
            out[column] = static_cast<std::uint8_t>(sums[column] / kBlock);
        }
    }
    return mask;
}

void TSupersampledText::Blend(const Mask& mask, QImage& target, int x, std::uint32_t textColor) {
    const std::uint32_t red = textColor & 0xFFu;
    const std::uint32_t green = (textColor >> 8) & 0xFFu;
    const std::uint32_t blue = (textColor >> 16) & 0xFFu;
    const int rows = std::min(mask.rows, target.height());
    const int columns = std::min(mask.columns, target.width() - x);
    for (int row = 0; row < rows; ++row) {
        const std::uint8_t* alpha =
            mask.alpha.data() + static_cast<std::size_t>(row) * mask.columns;
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(row)) + x;
        for (int column = 0; column < columns; ++column) {
            const std::uint32_t a = alpha[column];
            if (a == 0) {
                continue;
            }
            const QRgb dst = line[column];
            line[column] =
                qRgb(Mix(qRed(dst), red, a), Mix(qGreen(dst), green, a), Mix(qBlue(dst), blue, a));
        }
    }
}
