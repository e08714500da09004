#include "platform/linux/freetypecharactermap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/sandbox.h"

namespace {

const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

TEST(FreeTypeCharacterMap, ListsTheMappedCodePointsInOrder) {
    if (!std::filesystem::exists(kDejaVuSans)) {
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    }
    platform::FreeTypeCharacterMap map;
    const auto codes = map.CodePoints(kDejaVuSans, 0);
    ASSERT_GT(codes.size(), 1000u);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end());
    for (const char32_t present : {U'A', U'\u00E9', U'\u0416'}) {
        EXPECT_TRUE(std::binary_search(codes.begin(), codes.end(), present));
    }
    EXPECT_FALSE(std::binary_search(codes.begin(), codes.end(), U'\uAC00'));  // no Hangul
}

TEST(FreeTypeCharacterMap, UnreadableFacesHaveNoCharacters) {
    Sandbox sandbox;
    platform::FreeTypeCharacterMap map;
    EXPECT_TRUE(map.CodePoints(sandbox.WriteFile("junk.ttf", std::string(300, '\x01')), 0).empty());
    EXPECT_TRUE(map.CodePoints(sandbox.Path() + "/absent.ttf", 0).empty());
    if (std::filesystem::exists(kDejaVuSans)) {
        EXPECT_TRUE(map.CodePoints(kDejaVuSans, 3).empty());
        EXPECT_TRUE(map.CodePoints(kDejaVuSans, -1).empty());
    }
}

}  // namespace
