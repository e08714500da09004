#include "platform/programfolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "platform/diskspace.h"
#include "platform/userfonts.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;
using platform::ChooseProgramFolder;

TEST(ChooseProgramFolder, HomeArgumentWinsAndIsCreated) {
    Sandbox sandbox;
    const std::string home = sandbox.Path() + "/given/home";
    EXPECT_EQ(ChooseProgramFolder(home, sandbox.Path()), home + "/");
    EXPECT_TRUE(fs::is_directory(home));
}

TEST(ChooseProgramFolder, WritableExecutableFolderIsPortable) {
    Sandbox sandbox;
    const std::string bin = sandbox.Path() + "/bin";
    fs::create_directories(bin);
    EXPECT_EQ(ChooseProgramFolder("", bin), bin + "/");
}

// A program installed under a prefix keeps its settings per user, also when it may write its
// own bin/ (root may); a bin/ without the shared data beside it stays portable.
TEST(ChooseProgramFolder, InstalledProgramUsesConfigHomeEvenWhenItsFolderIsWritable) {
    Sandbox sandbox;
    const std::string prefix = sandbox.Path() + "/usr";
    fs::create_directories(prefix + "/bin");
    EXPECT_EQ(ChooseProgramFolder("", prefix + "/bin"), prefix + "/bin/");
    fs::create_directories(prefix + "/share/glyphwell/help");
    const std::string config = sandbox.ConfigFolder() + "/glyphwell/";
    EXPECT_EQ(ChooseProgramFolder("", prefix + "/bin"), config);
    EXPECT_EQ(ChooseProgramFolder("", prefix + "/bin/"), config);
    EXPECT_TRUE(fs::is_directory(config));
    EXPECT_EQ(ChooseProgramFolder(sandbox.Path() + "/given", prefix + "/bin"),
              sandbox.Path() + "/given/");
}

TEST(ChooseProgramFolder, ReadOnlyExecutableFolderFallsBackToConfigHome) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    Sandbox sandbox;
    const std::string bin = sandbox.Path() + "/bin";
    fs::create_directories(bin);
    chmod(bin.c_str(), 0555);
    const std::string expected = sandbox.ConfigFolder() + "/glyphwell/";
    EXPECT_EQ(ChooseProgramFolder("", bin), expected);
    EXPECT_TRUE(fs::is_directory(expected));
    chmod(bin.c_str(), 0755);
}

TEST(ChooseProgramFolder, MissingExecutableFolderFallsBackToConfigHome) {
    Sandbox sandbox;
    EXPECT_EQ(ChooseProgramFolder("", sandbox.Path() + "/absent"),
              sandbox.ConfigFolder() + "/glyphwell/");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ChooseProgramFolder("", ""), sandbox.Path() + "/.config/glyphwell/");
}

TEST(UserFontsFolder, FollowsXdgDataHomeAndIgnoresRelativeValues) {
    Sandbox sandbox;
    EXPECT_EQ(platform::UserFontsFolder(), sandbox.FontsFolder());
    setenv("XDG_DATA_HOME", (sandbox.Path() + "/other//").c_str(), 1);
    EXPECT_EQ(platform::UserFontsFolder(), sandbox.Path() + "/other/fonts");
    setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(platform::UserFontsFolder(), sandbox.Path() + "/.local/share/fonts");
}

TEST(FreeDiskSpace, RealVolumeHasSpaceAndMissingPathHasNone) {
    Sandbox sandbox;
    EXPECT_GT(platform::FreeDiskSpace(sandbox.Path()), 0u);
    EXPECT_EQ(platform::FreeDiskSpace(sandbox.Path() + "/absent"), 0u);
    EXPECT_EQ(platform::FreeDiskSpace(""), 0u);
}

}  // namespace
