#include "platform/atomicwrite.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

class AtomicWriteTest : public ::testing::Test {
protected:
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    mode_t Mode(const std::string& path) {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
        return info.st_mode & 07777;
    }

    // Nothing but the named entries: no temporary file was left behind.
    std::size_t Entries() {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    Sandbox sandbox;
    std::string folder = sandbox.Path() + "/home";
    std::string file = folder + "/installed.fav";
};

TEST_F(AtomicWriteTest, ReplacingKeepsThePermissionBitsAndLeavesNoTemporaryFile) {
    sandbox.WriteFile("home/installed.fav", "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(platform::WriteFileAtomically(file, "new content"));
    EXPECT_EQ(Read(file), "new content");
    EXPECT_EQ(Mode(file), 0640u);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicWriteTest, NewFileGetsTheUsualPermissions) {
    const mode_t previous = ::umask(022);
    const bool written = platform::WriteFileAtomically(file, "x");
    ::umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(Mode(file), 0644u);
}

TEST_F(AtomicWriteTest, WhatCannotBeReadAsAFileIsNeverReplaced) {
    const std::string pipe = folder + "/pipe.fav";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string inner = folder + "/folder.fav";
    fs::create_directories(inner);
    for (const std::string& path : {pipe, inner}) {
        EXPECT_FALSE(platform::WriteFileAtomically(path, "x")) << path;
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_directory(inner));
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(AtomicWriteTest, UnreadableAndReadOnlyFilesAreNeverReplaced) {
    sandbox.WriteFile("home/installed.fav", "kept");
    const std::string readOnly = sandbox.WriteFile("home/readonly.fav", "kept too");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    EXPECT_FALSE(platform::WriteFileAtomically(readOnly, "x"));

    // Writable, but not readable: only its owner may still know what it holds.
    ASSERT_EQ(::chmod(sandbox.Path().c_str(), 0711), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0222), 0);
    const bool privileged = ::geteuid() == 0;
    if (privileged) {
        setfsgid(kNobody);
        setfsuid(kNobody);
    }
    const bool written = platform::WriteFileAtomically(file, "x");
    if (privileged) {
        setfsuid(0);
        setfsgid(0);
    }
    EXPECT_FALSE(written);
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    EXPECT_EQ(Read(file), "kept");
    EXPECT_EQ(Read(readOnly), "kept too");
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(AtomicWriteTest, ALinkStaysALinkToTheReplacedFile) {
    const std::string target = sandbox.WriteFile("elsewhere/real.fav", "old");
    fs::create_symlink(target, file);
    ASSERT_TRUE(platform::WriteFileAtomically(file, "new"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(Read(target), "new");
}

TEST_F(AtomicWriteTest, AFailedWriteLeavesNothingBehind) {
    EXPECT_FALSE(platform::WriteFileAtomically(folder + "/missing/installed.fav", "x"));
    EXPECT_EQ(Entries(), 0u);
}

}  // namespace
