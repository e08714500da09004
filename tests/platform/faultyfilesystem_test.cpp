#include "fakes/faultyfilesystem.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "platform/linux/posixfilesystem.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;
using platform::FileCall;
using platform::FileSystem;

class FaultyFileSystemTest : public testing::Test {
protected:
    Sandbox sandbox;
    platform::PosixFileSystem real;
    fakes::FaultyFileSystem files{real};
    std::string Path(const std::string& name) const { return sandbox.Path() + "/" + name; }

    int WriteBlocks(int blocks) {
        FileSystem::Handle out = FileSystem::kNoHandle;
        int result = files.CreateNew(Path("out.ttf"), 0644, out);
        for (int i = 0; i < blocks && result == 0; ++i) {
            result = files.Write(out, "block", 5);
        }
        if (out != FileSystem::kNoHandle) {
            files.Close(out);
        }
        return result;
    }
};

TEST_F(FaultyFileSystemTest, TheNthCallOfAKindFailsWithTheMappedErrno) {
    files.FailNth(FileCall::Write, 3, ENOSPC);
    EXPECT_EQ(WriteBlocks(5), 112);
    EXPECT_EQ(files.CountOf(FileCall::Write), 3);
    EXPECT_EQ(fs::file_size(Path("out.ttf")), 10u);
    EXPECT_EQ(files.Log().back().kind, FileCall::Close);
    EXPECT_EQ(files.Log().back().path, Path("out.ttf"));
}

TEST_F(FaultyFileSystemTest, NthCountsFromWhenTheFaultIsSet) {
    EXPECT_EQ(WriteBlocks(2), 0);
    files.FailNth(FileCall::Write, 1, EIO);
    fs::remove(Path("out.ttf"));
    EXPECT_EQ(WriteBlocks(2), 30);
}

TEST_F(FaultyFileSystemTest, PathFaultsHitEveryCallOnThatPath) {
    sandbox.WriteFile("locked.ttf", "x");
    sandbox.WriteFile("open.ttf", "x");
    files.FailPath(FileCall::OpenRead, "locked", EACCES);
    FileSystem::Handle handle = FileSystem::kNoHandle;
    EXPECT_EQ(files.OpenRead(Path("locked.ttf"), handle), 5);
    EXPECT_EQ(files.OpenRead(Path("locked.ttf"), handle), 5);
    ASSERT_EQ(files.OpenRead(Path("open.ttf"), handle), 0);
    files.Close(handle);
}

TEST_F(FaultyFileSystemTest, AnOtherVolumeRefusesRenamesAcrossItsBorder) {
    const std::string far = sandbox.Path() + "/far";
    fs::create_directories(far);
    sandbox.WriteFile("near.ttf", "x");
    files.SetOtherVolume(far);
    bool same = true;
    ASSERT_EQ(files.SameVolume(Path("near.ttf"), far, same), 0);
    EXPECT_FALSE(same);
    EXPECT_EQ(files.Rename(Path("near.ttf"), far + "/near.ttf", platform::RenameMode::NoReplace),
              17);
    EXPECT_TRUE(fs::exists(Path("near.ttf")));
    ASSERT_EQ(files.SameVolume(sandbox.Path(), Path("near.ttf"), same), 0);
    EXPECT_TRUE(same);
}

}  // namespace
