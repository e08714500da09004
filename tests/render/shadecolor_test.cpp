#include <gtest/gtest.h>

#include "render/shadecolor.h"

TEST(ShadeColor, DarkensGreysByTheLightnessStep) {
    EXPECT_EQ(ShadeColor(0xFFFFFF, -0.25), 0xBFBFBFu);
    EXPECT_EQ(ShadeColor(0x808080, -0.06), 0x717171u);
}

TEST(ShadeColor, TurnsLighterWhenDarkerIsImpossible) {
    EXPECT_EQ(ShadeColor(0x000000, -0.25), 0x404040u);
    EXPECT_EQ(ShadeColor(0xFFFFFF, 0.1), 0xE6E6E6u);
}

TEST(ShadeColor, KeepsHueAndSaturation) {
    EXPECT_EQ(ShadeColor(0x0000FF, -0.25), 0x000080u);  // pure red in 0x00BBGGRR
    // The default name colour (red 67, green 125, blue 255) darkened keeps its blue hue.
    const std::uint32_t shaded = ShadeColor(16743747, -0.25);
    const HslColor before = RgbToHsl(16743747);
    const HslColor after = RgbToHsl(shaded);
    EXPECT_NEAR(after.hue, before.hue, 0.01);
    EXPECT_NEAR(after.saturation, before.saturation, 0.01);
    EXPECT_NEAR(after.lightness, before.lightness - 0.25, 0.01);
}

TEST(Hsl, StandardModelValues) {
    const HslColor green = RgbToHsl(0x00FF00);
    EXPECT_NEAR(green.hue, 1.0 / 3, 1e-9);
    EXPECT_NEAR(green.saturation, 1.0, 1e-9);
    EXPECT_NEAR(green.lightness, 0.5, 1e-9);
    const HslColor orange = RgbToHsl(33023);  // red 255, green 128, blue 0
    EXPECT_NEAR(orange.hue * 360, 30.1, 0.1);
    EXPECT_EQ(HslToRgb(HslColor{2.0 / 3, 1.0, 0.5}), 0xFF0000u);  // blue
}

TEST(Hsl, RoundTripsEveryColourOfAGrid) {
    for (std::uint32_t r = 0; r < 256; r += 17) {
        for (std::uint32_t g = 0; g < 256; g += 15) {
            for (std::uint32_t b = 0; b < 256; b += 51) {
                const std::uint32_t color = r | (g << 8) | (b << 16);
                ASSERT_EQ(HslToRgb(RgbToHsl(color)), color) << std::hex << color;
            }
        }
    }
}
