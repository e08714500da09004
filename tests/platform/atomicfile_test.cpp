#include "platform/atomicfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
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

TEST_F(AtomicFileTest, ReplacingKeepsThePermissionBits) {
    sandbox.WriteFile("home/installed.fav", "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(platform::ReplaceFile(file, "new content"));
    EXPECT_EQ(Read(file), "new content");
    EXPECT_EQ(Mode(file), 0640u);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, NewFileGetsTheUsualPermissions) {
    const mode_t previous = ::umask(022);
    const bool written = platform::ReplaceFile(file, "x");
    ::umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(Mode(file), 0644u);
}

TEST_F(AtomicFileTest, WhatCannotBeReadAsAFileIsNeverReplaced) {
    fs::create_directory(file);
    EXPECT_FALSE(platform::ReplaceFile(file, "x"));
    EXPECT_TRUE(fs::is_directory(file));
    fs::remove(file);

    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_FALSE(platform::ReplaceFile(file, "x"));
    EXPECT_TRUE(fs::is_fifo(file));
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, ALinkStaysALinkToTheReplacedFile) {
    const std::string target = sandbox.WriteFile("elsewhere/real.fav", "old");
    fs::create_symlink(target, file);
    ASSERT_TRUE(platform::ReplaceFile(file, "new"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(Read(target), "new");
}

TEST_F(AtomicFileTest, AFailedWriteLeavesNothingBehind) {
    EXPECT_FALSE(platform::ReplaceFile(folder + "/missing/installed.fav", "x"));
    EXPECT_EQ(Entries(), 0u);
}

TEST_F(AtomicFileTest, ReadingTellsMissingFromUnreadable) {
    std::string content = "stale";
    EXPECT_EQ(platform::ReadWholeFile(file, content), platform::ReadStatus::Missing);
    EXPECT_EQ(content, "");
    sandbox.WriteFile("home/installed.fav", std::string("a\0b", 3));
    EXPECT_EQ(platform::ReadWholeFile(file, content), platform::ReadStatus::Ok);
    EXPECT_EQ(content, std::string("a\0b", 3));
    EXPECT_EQ(platform::ReadWholeFile(folder, content), platform::ReadStatus::Failed);
    const std::string pipe = folder + "/pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(platform::ReadWholeFile(pipe, content), platform::ReadStatus::Failed);
}

}  // namespace
