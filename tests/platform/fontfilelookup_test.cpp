#include "platform/linux/fontconfigfontfilelookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/sandbox.h"

namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

class FontFileLookupTest : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kDejaVu + "DejaVuSans.ttf")) {
            GTEST_SKIP() << "fonts-dejavu-core is not installed";
        }
        sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "data/fonts/DejaVuSans.ttf");
        sandbox.CopyFile(kDejaVu + "DejaVuSans-Bold.ttf", "data/fonts/DejaVuSans-Bold.ttf");
        sandbox.ReloadFonts();
    }
    Sandbox sandbox;
    platform::FontconfigFontFileLookup lookup;
};

TEST_F(FontFileLookupTest, AFamilyResolvesToItsRegularFace) {
    for (const char* family : {"DejaVu Sans", "dejavu sans"}) {
        const auto face = lookup.FileOfFamily(family);
        ASSERT_TRUE(face.has_value()) << family;
        EXPECT_EQ(face->path, sandbox.FontsFolder() + "/DejaVuSans.ttf");
        EXPECT_EQ(face->faceIndex, 0);
    }
}

TEST_F(FontFileLookupTest, AnUnknownFamilyIsNotSubstituted) {
    EXPECT_FALSE(lookup.FileOfFamily("No Such Family").has_value());
    EXPECT_FALSE(lookup.FileOfFamily("").has_value());
}

}  // namespace
