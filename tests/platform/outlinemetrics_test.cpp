#include "platform/linux/freetypeoutlinemetrics.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/sandbox.h"

namespace {

const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kDejaVuBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

class OutlineMetricsTest : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kDejaVuSans)) {
            GTEST_SKIP() << "fonts-dejavu-core is not installed";
        }
    }
    platform::FreeTypeOutlineMetrics metrics;
};

TEST_F(OutlineMetricsTest, ScalesTheFaceTablesToTheCharacterHeight) {
    // DejaVu Sans: 2048 units per em, Windows ascent 1901 and descent 483, typographic
    // ascender 1556 and descender -492, weight 400.
    const auto m = metrics.Get(kDejaVuSans, 0, 2048);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->emSquare, 2048);
    EXPECT_EQ(m->height, 1901 + 483);
    EXPECT_EQ(m->internalLeading, 1901 + 483 - 2048);
    EXPECT_EQ(m->ascent, 1556);
    EXPECT_EQ(m->descent, -492);
    EXPECT_EQ(m->weight, 400);
    EXPECT_EQ(m->italicAngle, 0);
    EXPECT_GT(m->maxCharWidth, m->averageCharWidth);
}

TEST_F(OutlineMetricsTest, SmallHeightsRound) {
    const auto m = metrics.Get(kDejaVuSans, 0, 12);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->height, 14);  // 11.14 + 2.83, each rounded: 11 + 3
    EXPECT_EQ(m->internalLeading, 2);
    EXPECT_EQ(m->ascent, 9);
    EXPECT_EQ(m->descent, -3);
}

TEST_F(OutlineMetricsTest, BoldFaceReportsItsWeight) {
    const auto m = metrics.Get(kDejaVuBold, 0, 12);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->weight, 700);
}

TEST_F(OutlineMetricsTest, FailsSafelyOnBadInput) {
    Sandbox sandbox;
    const std::string junk = sandbox.WriteFile("junk.ttf", std::string(300, '\x01'));
    EXPECT_FALSE(metrics.Get(junk, 0, 12).has_value());
    EXPECT_FALSE(metrics.Get(sandbox.Path() + "/absent.ttf", 0, 12).has_value());
    EXPECT_FALSE(metrics.Get(kDejaVuSans, 5, 12).has_value());
    EXPECT_FALSE(metrics.Get(kDejaVuSans, -1, 12).has_value());
    EXPECT_FALSE(metrics.Get(kDejaVuSans, 0, 0).has_value());
}

}  // namespace
