#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "render/lrucache.h"

// The anti-aliased sample renderer: the text is drawn bi-level at four times its size, and
// every 4 x 4 block of that drawing becomes the coverage (alpha) of one output pixel in the
// text colour. The large drawing is composed from the face's own bi-level glyph bitmaps
// (shaped by Qt's text layout), which is several times faster than filling glyph outlines at
// that size; a bold the face lacks is made up here as the engine makes it up for the plain
// sample, which it does not do at the large size. The coverage of the last rows drawn is
// kept (a few kilobytes each, a bounded number of them), so repaints and focus moves only
// blend again.
class TSupersampledText {
public:
    static constexpr int kScale = 4;
    static constexpr std::size_t kMaskLimit = 64;

    // The face to draw with, at kScale times the output size.
    struct LargeFace {
        std::string_view key;  // names the face uniquely; the key of the kept coverage
        const QFont& font;
        int ascent = 0;  // of its baseline above the drawing's top, less any part not drawn
        int width = 0;   // advance of the text followed by one space
        // A bold the engine makes up at the output size: how much thicker it draws the
        // strokes and how much it widens each glyph's advance, in this font's pixels.
        double boldStrength = 0;
        double boldAdvance = 0;
    };

    // Draws text onto target (a 32-bit RGB image) with its left edge at x and its top at row 0;
    // target.height() is the output height.
    void Render(QImage& target, int x, const LargeFace& face, const QString& text,
                std::uint32_t textColor);
    // Forgets the kept coverage, e.g. when faces may now resolve differently.
    void Clear() { masks_.Clear(); }

private:
    struct Mask {
        int columns = 0;
        int rows = 0;
        std::vector<std::uint8_t> alpha;  // rows x columns coverage, 0 to 255
    };

    struct Line {
        int top = 0;
        int thickness = 0;
        int left = 0;
        int right = 0;
    };

    void DrawLarge(const LargeFace& face, const QString& text);
    void DrawRun(const QGlyphRun& run, const LargeFace& face, double shift, double& extra,
                 std::vector<Line>& lines);
    void DrawGlyph(const QImage& glyph, int left, int top);
    void FillOutline(const QPainterPath& outline);
    void Embolden(int strength);
    void DrawLine(const Line& line);
    Mask Reduce(int columns, int rows) const;
    static void Blend(const Mask& mask, QImage& target, int x, std::uint32_t textColor);

    // The large drawing: one byte per pixel, 0 or 255, width_ x height_.
    std::vector<std::uint8_t> large_;
    int width_ = 0;
    int height_ = 0;
    TLruCache<Mask> masks_{kMaskLimit};
};
