#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Outline text metrics of one face at a character (em) height in pixels, in pixels except
// emSquare (font units). ascent/descent/lineGap are the outline (typographic) values;
// height and the leadings are those of the text metrics (Windows ascent + descent).
struct OutlineMetrics {
    int height = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int ascent = 0;
    int descent = 0;
    int lineGap = 0;
    int emSquare = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int xHeight = 0;
    int capHeight = 0;
    int italicAngle = 0;  // tenths of a degree
    int underlinePosition = 0;
    int underlineThickness = 0;
    int strikeoutPosition = 0;
    int strikeoutSize = 0;
    std::uint16_t weight = 400;
};

class OutlineMetricsSource {
public:
    virtual ~OutlineMetricsSource() = default;
    virtual std::optional<OutlineMetrics> Get(const std::string& path, int faceIndex,
                                              int pixelHeight) = 0;
};

}  // namespace platform
