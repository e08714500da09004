#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/linux/qtshell.h"
#include "platform/linux/qttrash.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

// Programs are looked up in folder alone while this lives.
class ProgramsOnlyIn {
public:
    explicit ProgramsOnlyIn(const std::string& folder) {
        const char* path = std::getenv("PATH");
        saved_ = path != nullptr ? path : "";
        setenv("PATH", folder.c_str(), 1);
    }
    ~ProgramsOnlyIn() { setenv("PATH", saved_.c_str(), 1); }
    ProgramsOnlyIn(const ProgramsOnlyIn&) = delete;
    ProgramsOnlyIn& operator=(const ProgramsOnlyIn&) = delete;

private:
    std::string saved_;
};

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
    const ProgramsOnlyIn path(bin);
    platform::QtShell shell;
    EXPECT_EQ(platform::QtShell::CharacterMapProgram(), "");
    EXPECT_FALSE(shell.Execute("charmap.exe", "", ""));

    const std::string fake = sandbox.WriteFile("bin/kcharselect", "#!/bin/sh\nexit 0\n");
    fs::permissions(fake, fs::perms::owner_all);
    EXPECT_EQ(platform::QtShell::CharacterMapProgram(), fake);
    EXPECT_TRUE(shell.Execute("CHARMAP.EXE", "", ""));
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

// Records what the shell decided instead of opening or starting anything.
struct RecordingLauncher {
    std::vector<std::string> documents;
    std::vector<std::string> programs;

    platform::QtShell::Launcher Launcher() {
        return {[this](const std::string& path) {
                    documents.push_back(path);
                    return true;
                },
                [this](const std::string& program, const std::string&, const std::string&) {
                    programs.push_back(program);
                    return true;
                }};
    }
};

std::string WriteExecutable(Sandbox& sandbox, const std::string& relativePath,
                            const std::string& content) {
    const std::string path = sandbox.WriteFile(relativePath, content);
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    return path;
}

// The first line a started program writes to path, waiting up to two seconds for it.
std::string FirstLineWrittenTo(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        std::ifstream in(path);
        std::string line;
        if (std::getline(in, line) && !in.eof()) {
            return line;
        }
        usleep(10000);
    }
    return {};
}

// A font on a FAT drive carries the execute bit, and a script may be named like a font:
// both must open as the documents they claim to be.
TEST(QtShell, DocumentsOpenWithTheDesktopWhateverTheirModeBits) {
    Sandbox sandbox;
    const std::string home = sandbox.Path() + "/home";
    struct Case {
        std::string file;
        std::string workingFolder;
        std::string opened;
    };
    const std::string evil =
        WriteExecutable(sandbox, "fonts/Evil Sans.ttf", "#!/bin/sh\ntouch \"$0.ran\"\n");
    const std::string fatFont = WriteExecutable(sandbox, "fat/font.ttf", std::string(64, '\0'));
    const std::string help = WriteExecutable(sandbox, "home/help/help.html", "<html></html>");
    const std::string log = sandbox.WriteFile("home/error.log", "a.ttf\n");
    const std::string tool = WriteExecutable(sandbox, "home/tool.sh", "#!/bin/sh\nexit 0\n");
    const Case cases[] = {
        {evil, "", evil},
        {fatFont, "", fatFont},
        {help, "", help},
        {log, "", log},
        {sandbox.Path() + "/fonts", "", sandbox.Path() + "/fonts"},
        {"tool.sh", home, home + "/tool.sh"},
    };
    for (const Case& c : cases) {
        RecordingLauncher launcher;
        platform::QtShell shell(launcher.Launcher());
        EXPECT_TRUE(shell.Execute(c.file, "", c.workingFolder)) << c.file;
        EXPECT_EQ(launcher.documents, std::vector<std::string>{c.opened}) << c.file;
        EXPECT_TRUE(launcher.programs.empty()) << c.file;
    }
}

TEST(QtShell, OnlyTheNamedProgramsStart) {
    Sandbox sandbox;
    const std::string bin = sandbox.Path() + "/bin";
    const std::string charmap = WriteExecutable(sandbox, "bin/gucharmap", "#!/bin/sh\nexit 0\n");
    WriteExecutable(sandbox, "bin/tool", "#!/bin/sh\nexit 0\n");
    const ProgramsOnlyIn path(bin);

    RecordingLauncher launcher;
    platform::QtShell shell(launcher.Launcher());
    EXPECT_FALSE(shell.Execute("tool", "", ""));
    EXPECT_TRUE(shell.Execute("charmap.exe", "", ""));
    EXPECT_TRUE(shell.Execute("notepad.exe", "\"/home/error.log\"", ""));
    EXPECT_EQ(launcher.programs, std::vector<std::string>{charmap});
    EXPECT_EQ(launcher.documents, std::vector<std::string>{"/home/error.log"});
}

TEST(QtShell, CharacterMapStartsInTheWorkingFolder) {
    Sandbox sandbox;
    const std::string bin = sandbox.Path() + "/bin";
    WriteExecutable(sandbox, "bin/gucharmap", "#!/bin/sh\npwd > \"$1\"\n");
    const ProgramsOnlyIn path(bin);
    fs::create_directories(sandbox.Path() + "/home");
    const std::string out = sandbox.Path() + "/out.txt";
    platform::QtShell shell;
    ASSERT_TRUE(shell.Execute("charmap.exe", "\"" + out + "\"", sandbox.Path() + "/home"));
    const std::string folder = FirstLineWrittenTo(out);
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(fs::canonical(folder), fs::canonical(sandbox.Path() + "/home"));
}

}  // namespace
