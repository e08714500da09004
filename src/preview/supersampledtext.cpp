#include "preview/supersampledtext.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kBlock = TSupersampledText::kScale * TSupersampledText::kScale;

// dst + (src - dst) * alpha / 255 for one channel, rounded.
int Mix(int dst, std::uint32_t src, std::uint32_t alpha) {
    return static_cast<int>((static_cast<std::uint32_t>(dst) * (255 - alpha) + src * alpha + 127) /
                            255);
}

// True when the font engine slants font's face itself when italic is asked of it (the face
// is upright): its glyph images are then sheared, and only the outline knows their left edge.
// The face's own style bits tell: OS/2 fsSelection (italic, oblique), else head macStyle; the
// font itself reports the style of the face, not the one asked for.
bool EngineSlants(const QRawFont& font) {
    auto bigEndian16 = [](const QByteArray& table, int offset) {
        return (static_cast<unsigned>(static_cast<unsigned char>(table[offset])) << 8) |
               static_cast<unsigned char>(table[offset + 1]);
    };
    constexpr int kFsSelection = 62;
    constexpr unsigned kItalicOrOblique = 0x0001u | 0x0200u;
    const QByteArray os2 = font.fontTable("OS/2");
    if (os2.size() >= kFsSelection + 2) {
        return (bigEndian16(os2, kFsSelection) & kItalicOrOblique) == 0;
    }
    constexpr int kMacStyle = 44;
    const QByteArray head = font.fontTable("head");
    if (head.size() >= kMacStyle + 2) {
        return (bigEndian16(head, kMacStyle) & 0x0002u) == 0;
    }
    return false;
}

}  // namespace

void TSupersampledText::Render(QImage& target, int x, const std::string& faceKey,
                               const QFont& bigFont, int bigAscent, int bigWidth,
                               const QString& text, std::uint32_t textColor) {
    // One spare block past the text's advance, so overhanging glyph edges are kept; nothing
    // beyond the target's right edge is drawn at all.
    const int columns = std::min(bigWidth / kScale + 1, target.width() - x);
    const int rows = target.height();
    if (columns <= 0 || rows <= 0) {
        return;
    }
    std::string key = faceKey;
    key.push_back('\0');
    key += text.toStdString();
    key.push_back('\0');
    key += std::to_string(columns) + 'x' + std::to_string(rows) + '@' + std::to_string(bigAscent);
    const Mask* mask = masks_.Find(key);
    if (mask == nullptr) {
        width_ = columns * kScale;
        height_ = rows * kScale;
        large_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        DrawLarge(bigFont, bigAscent, text);
        mask = &masks_.Insert(key, Reduce(columns, rows));
    }
    Blend(*mask, target, x, textColor);
}

void TSupersampledText::DrawLarge(const QFont& bigFont, int bigAscent, const QString& text) {
    std::fill(large_.begin(), large_.end(), 0);
    QTextLayout layout(text, bigFont);
    layout.setCacheEnabled(false);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        return;
    }
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        // Positions are relative to the line's top; the text sits on the row's baseline.
        const double shift = bigAscent - line.ascent();
        const bool slanted = bigFont.style() != QFont::StyleNormal && EngineSlants(font);
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            const QRectF box = font.boundingRect(glyphs[i]);
            // A broken face (an em of a few units) makes glyphs tens of thousands of pixels
            // across, whose images would take gigabytes; such a glyph's outline is filled into
            // the drawing instead, clipped to it.
            if (box.width() * box.height() > static_cast<double>(width_) * height_) {
                FillOutline(font.pathForGlyph(glyphs[i]).translated(positions[i].x(),
                                                                    positions[i].y() + shift));
                continue;
            }
            const QImage image = font.alphaMapForGlyph(glyphs[i], QRawFont::PixelAntialiasing);
            const double inkLeft =
                slanted ? font.pathForGlyph(glyphs[i]).boundingRect().left() : box.left();
            const int left = static_cast<int>(std::floor(positions[i].x() + inkLeft));
            const int top = static_cast<int>(std::lround(positions[i].y() + shift + box.top()));
            DrawGlyph(image, left, top);
        }
        if (positions.isEmpty() || (!run.underline() && !run.strikeOut())) {
            continue;
        }
        const int baseline = bigAscent;
        const int thickness = std::max(1, static_cast<int>(std::lround(font.lineThickness())));
        const int left = static_cast<int>(positions.first().x());
        const int right = static_cast<int>(run.boundingRect().right());
        if (run.underline()) {
            DrawLine(baseline + static_cast<int>(std::lround(font.underlinePosition())), thickness,
                     left, right);
        }
        if (run.strikeOut()) {
            DrawLine(baseline - static_cast<int>(font.ascent() / 3), thickness, left, right);
        }
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

void TSupersampledText::DrawLine(int top, int thickness, int left, int right) {
    const int fromX = std::max(0, left);
    const int toX = std::min(width_, right);
    for (int y = std::max(0, top); y < std::min(height_, top + thickness); ++y) {
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
                const std::uint8_t* block = source + column * kScale;
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
