#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR values, as the settings file stores them.
struct HslColor {
    double hue = 0;         // 0 to 1 (a full turn)
    double saturation = 0;  // 0 to 1
    double lightness = 0;   // 0 to 1
};

HslColor RgbToHsl(std::uint32_t color);
std::uint32_t HslToRgb(const HslColor& hsl);

// The colour made lighter or darker by delta (in lightness, 0 to 1). When the step would leave
// the range it goes the other way, so a black background still yields visible (lighter) shades.
std::uint32_t ShadeColor(std::uint32_t color, double delta);
