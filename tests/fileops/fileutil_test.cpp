#include "fileops/fileutil.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <limits>

#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kFiveGiB = 5ull << 30;

std::string CurrentFolder() {
    return fs::current_path().string();
}

// A sparse file: its size is real, its blocks are not, so the test costs no disk space.
void MakeSparseFile(const std::string& path, std::uint64_t size) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path).close();
    fs::resize_file(path, size);
}

TEST(GetFileSize, SizesFilesAndGivesZeroOtherwise) {
    Sandbox sandbox;
    EXPECT_EQ(GetFileSize(sandbox.WriteFile("ten.ttf", "0123456789")), 10u);
    EXPECT_EQ(GetFileSize(sandbox.WriteFile("empty.ttf", "")), 0u);
    EXPECT_EQ(GetFileSize(sandbox.Path() + "/missing.ttf"), 0u);
    EXPECT_EQ(GetFileSize(sandbox.Path()), 0u);
    const std::string big = sandbox.Path() + "/big.ttc";
    MakeSparseFile(big, kFiveGiB);
    EXPECT_EQ(GetFileSize(big), kFiveGiB);
}

// Runs size on a thread of its own. Should it wait on the pipe for a writer, opening the pipe
// for writing after a grace period releases it, so the fault fails the test instead of
// hanging the suite.
std::optional<std::uint64_t> SizeWithoutWaiting(const std::string& fifo,
                                                const std::function<std::uint64_t()>& size) {
    std::future<std::uint64_t> result = std::async(std::launch::async, size);
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        return result.get();
    }
    const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    result.wait();
    close(writer);
    return std::nullopt;
}

TEST(GetFileSize, NamedPipeNamedLikeAFontGivesZeroWithoutWaiting) {
    Sandbox sandbox;
    const std::string font = sandbox.WriteFile("sel/a.ttf", "0123456789");
    const std::string fifo = sandbox.Path() + "/sel/x.ttf";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(SizeWithoutWaiting(fifo, [&] { return GetFileSize(fifo); }), 0u);
    EXPECT_EQ(SizeWithoutWaiting(fifo, [&] { return GetSelectedSize({fifo, font}); }), 10u);
    EXPECT_EQ(SizeWithoutWaiting(fifo, [&] { return GetFolderSize(sandbox.Path() + "/sel"); }),
              10u);
    EXPECT_EQ(GetSelectedCount({fifo, font}), 2);
}

TEST(RootPath, IsTheMountPointOfTheNearestExistingFolder) {
    Sandbox sandbox;
    const std::string root = RootPath(sandbox.Path());
    ASSERT_FALSE(root.empty());
    EXPECT_EQ(root.back(), '/');
    EXPECT_EQ((sandbox.Path() + "/").rfind(root, 0), 0u);
    EXPECT_EQ(RootPath(sandbox.Path() + "/not/yet/there.ttf"), root);
    EXPECT_EQ(RootPath("/"), "/");
}

TEST(GetDiskFreeSpaceA, AlsoForAPathNotCreatedYet) {
    Sandbox sandbox;
    EXPECT_GT(GetDiskFreeSpaceA(sandbox.Path()), 0u);
    EXPECT_GT(GetDiskFreeSpaceA(sandbox.Path() + "/new/file.ttf"), 0u);
}

class FolderWalkTest : public testing::Test {
protected:
    void SetUp() override {
        sandbox.WriteFile("sel/a.ttf", std::string(10, 'a'));
        sandbox.WriteFile("sel/sub/b.ttf", std::string(20, 'b'));
        folder = sandbox.Path() + "/sel";
    }
    Sandbox sandbox;
    std::string folder;
};

TEST_F(FolderWalkTest, CountsAndSizesFilesInAllSubfolders) {
    EXPECT_EQ(GetFileCount(folder), 2);
    EXPECT_EQ(GetFolderSize(folder), 30u);
    EXPECT_EQ(GetSelectedCount({folder}), 2);
    EXPECT_EQ(GetSelectedSize({folder}), 30u);
}

TEST_F(FolderWalkTest, MixesFilesFoldersAndMissingPaths) {
    const std::string file = sandbox.WriteFile("single.ttf", "12345");
    const std::vector<std::string> paths = {file, folder, sandbox.Path() + "/missing"};
    EXPECT_EQ(GetSelectedCount(paths), 3);
    EXPECT_EQ(GetSelectedSize(paths), 35u);
}

TEST_F(FolderWalkTest, FolderThatCannotBeEnteredIsMinusOne) {
    EXPECT_EQ(GetFileCount(sandbox.Path() + "/missing"), -1);
    EXPECT_EQ(GetFolderSize(sandbox.Path() + "/missing"),
              std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(GetFileCount(folder + "/a.ttf"), -1);
}

TEST_F(FolderWalkTest, LeavesTheCurrentFolderAlone) {
    const std::string before = CurrentFolder();
    GetSelectedSize({folder});
    GetFileCount(sandbox.Path() + "/missing");
    EXPECT_EQ(CurrentFolder(), before);
}

TEST_F(FolderWalkTest, SizesAboveFourGibibytesAreKept) {
    MakeSparseFile(folder + "/sub/huge.ttc", kFiveGiB);
    EXPECT_EQ(GetFolderSize(folder), kFiveGiB + 30);
    EXPECT_EQ(GetSelectedSize({folder}), kFiveGiB + 30);
}

TEST_F(FolderWalkTest, LinkBackUpTheTreeIsNotFollowed) {
    fs::create_directory_symlink(folder, folder + "/sub/loop");
    EXPECT_EQ(GetFileCount(folder), 2);
    EXPECT_EQ(GetFolderSize(folder), 30u);
}

TEST_F(FolderWalkTest, EmptyFolderCountsZero) {
    fs::create_directories(sandbox.Path() + "/empty");
    EXPECT_EQ(GetFileCount(sandbox.Path() + "/empty"), 0);
    EXPECT_EQ(GetSelectedCount({sandbox.Path() + "/empty"}), 0);
}

}  // namespace
