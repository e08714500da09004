#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "preview/lrucache.h"

// The anti-aliased sample renderer: the text is drawn bi-level at four times its size, and
// every 4 x 4 block of that drawing becomes the coverage (alpha) of one output pixel in the
// text colour. The large drawing is composed from the face's own bi-level glyph bitmaps
// (shaped by Qt's text layout), which is several times faster than filling glyph outlines at
// that size. The coverage of the last rows drawn is kept (a few kilobytes each, a bounded
// number of them), so repaints and focus moves only blend again.
class TSupersampledText {
public:
    static constexpr int kScale = 4;
    static constexpr std::size_t kMaskLimit = 64;

    // Draws text onto target (a 32-bit RGB image) with its left edge at x and its top at row 0.
    // bigFont is the face at kScale times the size, bigAscent the height of its baseline above
    // the large drawing's top (its ascent, less any part cut off above the target) and bigWidth
    // the advance of the text followed by one space in it; target.height() is the output height.
    // faceKey names bigFont uniquely; it is the key of the kept coverage.
    void Render(QImage& target, int x, const std::string& faceKey, const QFont& bigFont,
                int bigAscent, int bigWidth, const QString& text, std::uint32_t textColor);
    // Forgets the kept coverage, e.g. when faces may now resolve differently.
    void Clear() { masks_.Clear(); }

private:
    struct Mask {
        int columns = 0;
        int rows = 0;
        std::vector<std::uint8_t> alpha;  // rows x columns coverage, 0 to 255
    };

    void DrawLarge(const QFont& bigFont, int bigAscent, const QString& text);
    void DrawGlyph(const QImage& glyph, int left, int top);
    void FillOutline(const QPainterPath& outline);
    void DrawLine(int top, int thickness, int left, int right);
    Mask Reduce(int columns, int rows) const;
    static void Blend(const Mask& mask, QImage& target, int x, std::uint32_t textColor);

    // The large drawing: one byte per pixel, 0 or 255, width_ x height_.
    std::vector<std::uint8_t> large_;
    int width_ = 0;
    int height_ = 0;
    TLruCache<Mask> masks_{kMaskLimit};
};
