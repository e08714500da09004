#include <gtest/gtest.h>

#include <QSignalSpy>
#include <filesystem>
#include <fstream>

#include "platform/linux/qtfontchange.h"
#include "platform/linux/qtshell.h"
#include "platform/linux/qttrash.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

TEST(QtTrash, MovesFileIntoTheSandboxTrash) {
    Sandbox sandbox;
    const std::string file = sandbox.WriteFile("home/uninstalled/old.ttf", "data");
    platform::QtTrash trash;
    EXPECT_EQ(trash.MoveToTrash(file), 0);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(sandbox.Path() + "/data/Trash/files/old.ttf"));
}

TEST(QtTrash, MissingFileIsErrorTwo) {
    Sandbox sandbox;
    platform::QtTrash trash;
    EXPECT_EQ(trash.MoveToTrash(sandbox.Path() + "/absent.ttf"), 2);
    EXPECT_EQ(trash.MoveToTrash(""), 2);
}

TEST(QtTrash, FileInReadOnlyFolderIsErrorFive) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    Sandbox sandbox;
    const std::string file = sandbox.WriteFile("locked/a.ttf", "data");
    fs::permissions(sandbox.Path() + "/locked", fs::perms::owner_read | fs::perms::owner_exec);
    platform::QtTrash trash;
    EXPECT_EQ(trash.MoveToTrash(file), 5);
    EXPECT_TRUE(fs::exists(file));
    fs::permissions(sandbox.Path() + "/locked", fs::perms::owner_all);
}

TEST(QtShell, CharacterMapNeedsAnInstalledProgram) {
    Sandbox sandbox;
    const std::string bin = sandbox.Path() + "/bin";
    fs::create_directories(bin);
    const char* oldPath = std::getenv("PATH");
    const std::string saved = oldPath != nullptr ? oldPath : "";
    setenv("PATH", bin.c_str(), 1);
    platform::QtShell shell;
    EXPECT_EQ(platform::QtShell::CharacterMapProgram(), "");
    EXPECT_FALSE(shell.Execute("charmap.exe", "", ""));

    const std::string fake = sandbox.WriteFile("bin/kcharselect", "#!/bin/sh\nexit 0\n");
    fs::permissions(fake, fs::perms::owner_all);
    EXPECT_EQ(platform::QtShell::CharacterMapProgram(), fake);
    EXPECT_TRUE(shell.Execute("CHARMAP.EXE", "", ""));
    setenv("PATH", saved.c_str(), 1);
}

TEST(QtShell, MissingFileOrProgramIsNotStarted) {
    Sandbox sandbox;
    platform::QtShell shell;
    EXPECT_FALSE(shell.Execute(sandbox.Path() + "/absent.html", "", ""));
    EXPECT_FALSE(shell.Execute("no-such-program-4711", "", ""));
    EXPECT_FALSE(shell.Execute("notepad.exe", "", ""));
    EXPECT_FALSE(shell.Execute("notepad.exe", "\"\"", ""));
    EXPECT_FALSE(shell.OpenUrl("not a url"));
}

TEST(QtShell, ExecutableStartsInItsWorkingFolder) {
    Sandbox sandbox;
    const std::string script = sandbox.WriteFile("home/tool.sh", "#!/bin/sh\npwd > \"$1\"\n");
    fs::permissions(script, fs::perms::owner_all);
    const std::string out = sandbox.Path() + "/out.txt";
    platform::QtShell shell;
    ASSERT_TRUE(shell.Execute("tool.sh", "\"" + out + "\"", sandbox.Path() + "/home"));
    for (int i = 0; i < 200 && !fs::exists(out); ++i) {
        usleep(10000);
    }
    ASSERT_TRUE(fs::exists(out));
    std::ifstream in(out);
    std::string folder;
    std::getline(in, folder);
    EXPECT_EQ(fs::canonical(folder), fs::canonical(sandbox.Path() + "/home"));
}

TEST(QtFontChange, CountsSignalsAndCallsListeners) {
    Sandbox sandbox;
    platform::QtFontChange change;
    QSignalSpy spy(&change, &platform::QtFontChange::FontsChanged);
    int heard = 0;
    change.AddListener([&] { ++heard; });
    change.Broadcast();
    change.Broadcast();
    EXPECT_EQ(change.BroadcastCount(), 2);
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(heard, 2);
}

}  // namespace
