#include "platform/linux/fontconfiginstalledfonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/linux/fontconfigfontchange.h"
#include "support/sandbox.h"

namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

class InstalledFontsTest : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kDejaVu + "DejaVuSans.ttf")) {
            GTEST_SKIP() << "fonts-dejavu-core is not installed";
        }
    }
    Sandbox sandbox;
    platform::FontconfigInstalledFonts fonts;
};

TEST_F(InstalledFontsTest, SeesOnlySandboxFolders) {
    EXPECT_TRUE(fonts.Files().empty());
}

TEST_F(InstalledFontsTest, UserFolderFilesAreBareNamesOthersFullPaths) {
    sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "data/fonts/DejaVuSans.ttf");
    sandbox.CopyFile(kDejaVu + "DejaVuSerif.ttf", "data/fonts/sub/DejaVuSerif.ttf");
    const std::string extra = sandbox.AddFontDir("extra");
    sandbox.CopyFile(kDejaVu + "DejaVuSansMono.ttf", "extra/DejaVuSansMono.ttf");
    sandbox.ReloadFonts();
    const auto files = fonts.Files();
    EXPECT_EQ(files.size(), 3u);
    EXPECT_TRUE(Contains(files, "DejaVuSans.ttf"));
    EXPECT_TRUE(Contains(files, sandbox.FontsFolder() + "/sub/DejaVuSerif.ttf"));
    EXPECT_TRUE(Contains(files, extra + "/DejaVuSansMono.ttf"));
}

TEST_F(InstalledFontsTest, OnlyTrueTypeAndOpenTypeFilesAreListed) {
    sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "data/fonts/Upper.TTF");
    sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "data/fonts/other.otf");
    // fontconfig reads a font by its content; the name says what the catalogue may take.
    sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "data/fonts/web.woff");
    sandbox.WriteFile("data/fonts/readme.txt", "not a font");
    sandbox.ReloadFonts();
    auto files = fonts.Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"Upper.TTF", "other.otf"}));
}

TEST_F(InstalledFontsTest, RefreshFolderShowsAddedAndRemovedFiles) {
    EXPECT_TRUE(fonts.Files().empty());
    const std::string added =
        sandbox.CopyFile(kDejaVu + "DejaVuSans-Bold.ttf", "data/fonts/DejaVuSans-Bold.ttf");
    fonts.RefreshFolder(sandbox.FontsFolder());
    EXPECT_EQ(fonts.Files(), std::vector<std::string>{"DejaVuSans-Bold.ttf"});
    std::filesystem::remove(added);
    fonts.RefreshFolder(sandbox.FontsFolder());
    EXPECT_TRUE(fonts.Files().empty());
}

TEST_F(InstalledFontsTest, RefreshWritesTheCacheOtherProgramsRead) {
    sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "data/fonts/DejaVuSans.ttf");
    fonts.RefreshFolder(sandbox.FontsFolder());
    const auto cacheDir = std::filesystem::path(sandbox.Path()) / "cache/fontconfig";
    EXPECT_FALSE(std::filesystem::is_empty(cacheDir));
}

TEST_F(InstalledFontsTest, FollowsFontconfigFileChangedAfterStart) {
    sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "elsewhere/DejaVuSans.ttf");
    const std::string conf = sandbox.WriteFile(
        "other.conf", "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + sandbox.Path() +
                          "/elsewhere</dir><cachedir>" + sandbox.Path() +
                          "/cache/fontconfig</cachedir></fontconfig>\n");
    EXPECT_TRUE(fonts.Files().empty());
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    EXPECT_EQ(fonts.Files(),
              std::vector<std::string>{sandbox.Path() + "/elsewhere/DejaVuSans.ttf"});
}

// Two changes within one tick of the file system's clock leave the folder with the time its
// cache recorded, so fontconfig trusts a cache that no longer tells the truth; a refresh must
// read the folder itself, for this program and for every other.
TEST_F(InstalledFontsTest, RefreshReadsTheFolderEvenWhenItsTimeDidNotChange) {
    const std::string folder = sandbox.FontsFolder();
    EXPECT_TRUE(fonts.Files().empty());
    const auto cached = std::filesystem::last_write_time(folder);
    const std::string added = sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "data/fonts/New.ttf");
    std::filesystem::last_write_time(folder, cached);
    fonts.RefreshFolder(folder);
    EXPECT_EQ(fonts.Files(), std::vector<std::string>{"New.ttf"});
    EXPECT_EQ(sandbox.FilesOtherProgramsSee(), std::vector<std::string>{added});

    std::filesystem::remove(added);
    std::filesystem::last_write_time(folder, cached);
    fonts.RefreshFolder(folder);
    EXPECT_TRUE(fonts.Files().empty());
    EXPECT_TRUE(sandbox.FilesOtherProgramsSee().empty());
}

// A broadcast is what the program and others hear of an install: the user's Fonts folder is
// read again, so the next listing holds the new font.
TEST_F(InstalledFontsTest, FontChangeRefreshesTheUserFontsFolder) {
    EXPECT_TRUE(fonts.Files().empty());
    sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "data/fonts/DejaVuSans.ttf");
    platform::FontconfigFontChange().Broadcast();
    EXPECT_EQ(fonts.Files(), std::vector<std::string>{"DejaVuSans.ttf"});
}

}  // namespace
