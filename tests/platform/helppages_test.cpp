#include "platform/helppages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/programfolder.h"
#include "support/sandbox.h"

namespace {

using platform::FindHelpPage;

// A program installed under prefix/ (executable in prefix/bin) that also has a copy of its
// pages beside the executable, run with its settings in home/.
class HelpPagesTest : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(sandbox.Path() + "/prefix/bin"); }
    std::string Page(const std::string& relativePath) {
        return sandbox.WriteFile(relativePath, "<html></html>");
    }
    std::string Find(const std::string& page) {
        return FindHelpPage(page, sandbox.HomeFolder(), sandbox.Path() + "/prefix/bin/");
    }
    Sandbox sandbox;
};

TEST_F(HelpPagesTest, ProgramFolderThenExecutableFolderThenInstalledData) {
    const std::string installed = Page("prefix/share/glyphwell/help/help.html");
    EXPECT_EQ(Find("help.html"), sandbox.Path() + "/prefix/bin/../share/glyphwell/help/help.html");
    EXPECT_TRUE(std::filesystem::equivalent(Find("help.html"), installed));

    Page("prefix/bin/help/help.html");
    EXPECT_EQ(Find("help.html"), sandbox.Path() + "/prefix/bin/help/help.html");

    Page("home/help/help.html");
    EXPECT_EQ(Find("help.html"), sandbox.HomeFolder() + "help/help.html");
}

TEST_F(HelpPagesTest, EachPageIsLookedUpOnItsOwn) {
    Page("prefix/bin/help/help.html");
    Page("prefix/share/glyphwell/help/shortcut.html");
    EXPECT_EQ(Find("help.html"), sandbox.Path() + "/prefix/bin/help/help.html");
    EXPECT_EQ(Find("shortcut.html"),
              sandbox.Path() + "/prefix/bin/../share/glyphwell/help/shortcut.html");
}

TEST_F(HelpPagesTest, MissingEverywhereIsTheProgramFoldersPath) {
    std::filesystem::create_directories(sandbox.Path() + "/prefix/bin/help/help.html");
    EXPECT_EQ(Find("help.html"), sandbox.HomeFolder() + "help/help.html");
}

TEST(ExecutableFolder, HoldsTheRunningProgram) {
    const std::string folder = platform::ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "platform_tests"));
}

}  // namespace
