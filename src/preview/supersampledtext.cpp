#include "preview/supersampledtext.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kBlock = TSupersampledText::kScale * TSupersampledText::kScale;

// dst + (src - dst) * alpha / 255 for one channel, rounded.
std::uint32_t Mix(std::uint32_t dst, std::uint32_t src, std::uint32_t alpha) {
    return (dst * (255 - alpha) + src * alpha + 127) / 255;
}

}  // namespace

void TSupersampledText::Render(QImage& target, int x, const QFont& bigFont, int bigAscent,
                               int bigWidth, const QString& text, std::uint32_t textColor) {
    // One spare block past the text's advance, so overhanging glyph edges are kept.
    const int width = (bigWidth / kScale + 1) * kScale;
    const int height = target.height() * kScale;
    if (width <= 0 || height <= 0 || x >= target.width()) {
        return;
    }
    DrawLarge(bigFont, bigAscent, width, height, text);
    ReduceOnto(target, x, width, textColor);
}

void TSupersampledText::DrawLarge(const QFont& bigFont, int bigAscent, int width, int height,
                                  const QString& text) {
    if (large_.width() < width || large_.height() < height) {
        large_ = QImage(std::max(width, large_.width()), std::max(height, large_.height()),
                        QImage::Format_RGB32);
    }
    QPainter painter(&large_);
    const QRect area(0, 0, width, height);
    painter.fillRect(area, Qt::black);
    painter.setClipRect(area);
    painter.setFont(bigFont);
    painter.setPen(Qt::white);
    painter.drawText(0, bigAscent, text);
}

void TSupersampledText::ReduceOnto(QImage& target, int x, int width, std::uint32_t textColor) {
    const int columns = std::min(width / kScale, target.width() - x);
    coverage_.assign(static_cast<std::size_t>(columns), 0);
    const std::uint32_t red = textColor & 0xFFu;
    const std::uint32_t green = (textColor >> 8) & 0xFFu;
    const std::uint32_t blue = (textColor >> 16) & 0xFFu;
    for (int row = 0; row < target.height(); ++row) {
        std::fill(coverage_.begin(), coverage_.end(), 0u);
        for (int sub = 0; sub < kScale; ++sub) {
            const auto* source =
                reinterpret_cast<const QRgb*>(large_.constScanLine(row * kScale + sub));
            for (int column = 0; column < columns; ++column) {
                const QRgb* block = source + column * kScale;
                // White on black: the blue channel alone carries the coverage.
                coverage_[column] += (block[0] & 0xFFu) + (block[1] & 0xFFu) +
                                     (block[2] & 0xFFu) + (block[3] & 0xFFu);
            }
        }
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(row)) + x;
        for (int column = 0; column < columns; ++column) {
            const std::uint32_t alpha = coverage_[column] / kBlock;
            if (alpha == 0) {
                continue;
            }
            const QRgb dst = line[column];
            line[column] = qRgb(static_cast<int>(Mix(qRed(dst), red, alpha)),
                                static_cast<int>(Mix(qGreen(dst), green, alpha)),
                                static_cast<int>(Mix(qBlue(dst), blue, alpha)));
        }
    }
}
