#include "render/shadecolor.h"

#include <algorithm>
#include <cmath>

namespace {

double Channel(std::uint32_t color, int shift) {
    return ((color >> shift) & 0xFFu) / 255.0;
}

std::uint32_t ToByte(double value) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

// One channel of the inverse transform; t is the hue shifted by a third of a turn per channel.
double HueToChannel(double p, double q, double t) {
    if (t < 0) {
        t += 1;
    }
    if (t > 1) {
        t -= 1;
    }
    if (t < 1.0 / 6) {
        return p + (q - p) * 6 * t;
    }
    if (t < 0.5) {
        return q;
    }
    if (t < 2.0 / 3) {
        return p + (q - p) * (2.0 / 3 - t) * 6;
    }
    return p;
}

}  // namespace

HslColor RgbToHsl(std::uint32_t color) {
    const double r = Channel(color, 0);
    const double g = Channel(color, 8);
    const double b = Channel(color, 16);
    const double maxC = std::max({r, g, b});
    const double minC = std::min({r, g, b});
    HslColor hsl;
    hsl.lightness = (maxC + minC) / 2;
    const double chroma = maxC - minC;
    if (chroma <= 0) {
        return hsl;
    }
    hsl.saturation = hsl.lightness > 0.5 ? chroma / (2 - maxC - minC) : chroma / (maxC + minC);
    double hue = 0;
    if (maxC == r) {
        hue = (g - b) / chroma + (g < b ? 6 : 0);
    } else if (maxC == g) {
        hue = (b - r) / chroma + 2;
    } else {
        hue = (r - g) / chroma + 4;
    }
    hsl.hue = hue / 6;
    return hsl;
}

std::uint32_t HslToRgb(const HslColor& hsl) {
    const double l = hsl.lightness;
    const double s = hsl.saturation;
    if (s <= 0) {
        const std::uint32_t grey = ToByte(l);
        return grey | (grey << 8) | (grey << 16);
    }
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    const std::uint32_t r = ToByte(HueToChannel(p, q, hsl.hue + 1.0 / 3));
    const std::uint32_t g = ToByte(HueToChannel(p, q, hsl.hue));
    const std::uint32_t b = ToByte(HueToChannel(p, q, hsl.hue - 1.0 / 3));
    return r | (g << 8) | (b << 16);
}

std::uint32_t ShadeColor(std::uint32_t color, double delta) {
    HslColor hsl = RgbToHsl(color);
    const double shifted = hsl.lightness + delta;
    hsl.lightness = (shifted < 0 || shifted > 1) ? hsl.lightness - delta : shifted;
    return HslToRgb(hsl);
}
