#include "platform/fontmatch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

TEST(FontMatch, KoreanSansPatternAnswersWithAFamilyTheConfigurationHas) {
    const std::string dejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!fs::exists(dejaVu)) {
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    }
    Sandbox sandbox;
    sandbox.CopyFile(dejaVu, "data/fonts/DejaVuSans.ttf");
    sandbox.ReloadFonts();
    EXPECT_EQ(platform::MatchFontFamily("sans-serif:lang=ko"), "DejaVu Sans");
}

}  // namespace
