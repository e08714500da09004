#include "fileops/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

TEST(AddToPath, JoinsWithOneSeparator) {
    EXPECT_EQ(AddToPath("/fonts/", "a.ttf"), "/fonts/a.ttf");
    EXPECT_EQ(AddToPath("/fonts", "a.ttf"), "/fonts/a.ttf");
    EXPECT_EQ(AddToPath("", "a.ttf"), "a.ttf");
    EXPECT_EQ(AddToPath("/fonts", ""), "/fonts");
    EXPECT_EQ(AddToPath("/", "a.ttf"), "/a.ttf");
}

TEST(AddToPath, LongPathsAreNotCut) {
    const std::string folder = "/" + std::string(300, 'f');
    const std::string name = std::string(300, 'n') + ".ttf";
    EXPECT_EQ(AddToPath(folder, name), folder + "/" + name);
}

TEST(ExtractFileName, TakesThePartAfterTheLastSlash) {
    EXPECT_EQ(ExtractFileName("/usr/share/fonts/a.ttf"), "a.ttf");
    EXPECT_EQ(ExtractFileName("a.ttf"), "a.ttf");
    EXPECT_EQ(ExtractFileName("/fonts/"), "");
    EXPECT_EQ(ExtractFileName(""), "");
    // A colon is an ordinary character in a native file name.
    EXPECT_EQ(ExtractFileName("/fonts/C:a.ttf"), "C:a.ttf");
}

TEST(FolderPart, TheFolderAsTextOrAsSomethingToOpen) {
    const struct {
        const char* path;
        const char* folderPart;
        const char* containing;
    } cases[] = {
        {"/fonts/latin/a.ttf", "/fonts/latin", "/fonts/latin"},
        {"/a.ttf", "", "/"},
        {"a.ttf", "", "."},
        {"/fonts/", "/fonts", "/fonts"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderPart(c.path), c.folderPart) << c.path;
        EXPECT_EQ(ContainingFolder(c.path), c.containing) << c.path;
    }
}

TEST(DirExists, OnlyFolders) {
    Sandbox sandbox;
    EXPECT_TRUE(DirExists(sandbox.Path()));
    EXPECT_FALSE(DirExists(sandbox.WriteFile("file", "x")));
    EXPECT_FALSE(DirExists(sandbox.Path() + "/missing"));
    EXPECT_FALSE(DirExists(""));
    fs::create_directory_symlink(sandbox.Path() + "/home", sandbox.Path() + "/link");
    EXPECT_TRUE(DirExists(sandbox.Path() + "/link"));
}

TEST(CountFontFiles, CountsWhatAScanOfTheFolderReports) {
    Sandbox sandbox;
    for (const char* name : {"type/a.ttf", "type/B.TTF", "type/sub/c.ttf", "type/notes.txt",
                             "type/sub/deeper/d.ttf.bak"}) {
        sandbox.WriteFile(name, "x");
    }
    fs::create_directories(sandbox.Path() + "/type/folder.ttf");
    // A link to a folder is not followed, one to a file counts as that file.
    fs::create_directory_symlink(sandbox.Path() + "/type", sandbox.Path() + "/type/sub/up");
    fs::create_symlink(sandbox.Path() + "/type/a.ttf", sandbox.Path() + "/type/sub/e.ttf");
    const auto trueType = [](std::string_view name) { return HasExtensionI(name, ".ttf"); };
    EXPECT_EQ(CountFontFiles(sandbox.Path() + "/type", trueType), 4);
    EXPECT_EQ(CountFontFiles(sandbox.Path() + "/type/", trueType), 4);
    EXPECT_EQ(CountFontFiles(sandbox.Path() + "/missing", trueType), 0);
}

}  // namespace
