#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/userfonts.h"

namespace {

namespace fs = std::filesystem;

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "<unset>";
}

TEST(Sandbox, PointsEverythingInsideAndRestoresOnExit) {
    const std::string home = Env("HOME");
    const std::string fontconfigFile = Env("FONTCONFIG_FILE");
    const std::string dataHome = Env("XDG_DATA_HOME");
    std::string root;
    {
        Sandbox sandbox;
        root = sandbox.Path();
        EXPECT_TRUE(fs::is_directory(sandbox.HomeFolder()));
        EXPECT_TRUE(fs::is_directory(sandbox.FontsFolder()));
        EXPECT_EQ(sandbox.Services().programFolder, sandbox.HomeFolder());
        EXPECT_EQ(sandbox.Services().userFontsFolder, sandbox.FontsFolder());
        EXPECT_EQ(platform::UserFontsFolder(), sandbox.FontsFolder());
        EXPECT_EQ(Env("HOME"), root);
        EXPECT_EQ(Env("FONTCONFIG_FILE"), root + "/fonts.conf");
        EXPECT_TRUE(fs::exists(root + "/fonts.conf"));
        EXPECT_EQ(sandbox.WriteFile("a/b/c.txt", "x"), root + "/a/b/c.txt");
    }
    EXPECT_FALSE(fs::exists(root));
    EXPECT_EQ(Env("HOME"), home);
    EXPECT_EQ(Env("FONTCONFIG_FILE"), fontconfigFile);
    EXPECT_EQ(Env("XDG_DATA_HOME"), dataHome);
}

TEST(Sandbox, TwoSandboxesDoNotShareAFolder) {
    Sandbox first;
    Sandbox second;
    EXPECT_NE(first.Path(), second.Path());
}

}  // namespace
