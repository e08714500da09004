#include "platform/filesystem.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/diskspace.h"
#include "platform/linux/posixfilesystem.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;
using platform::FileCall;
using platform::FileSystem;
using platform::PosixFileSystem;
using platform::RenameMode;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A file system whose rename knows no RENAME_NOREPLACE, as on NFS and many FUSE mounts.
int NoReplaceUnsupported(const char*, const char*) {
    errno = EINVAL;
    return -1;
}

TEST(FileCallError, EachCallMapsErrnoInItsOwnContext) {
    struct Case {
        FileCall call;
        int err;
        int expected;
    };
    const Case cases[] = {
        {FileCall::CreateNew, EEXIST, 80}, {FileCall::CreateNew, ENOENT, 3},
        {FileCall::Rename, EEXIST, 183},   {FileCall::MakeFolder, EEXIST, 183},
        {FileCall::FreeSpace, ENOENT, 3},  {FileCall::OpenRead, ENOENT, 2},
        {FileCall::Write, ENOSPC, 112},    {FileCall::Read, EIO, 30},
        {FileCall::Rename, EXDEV, 17},     {FileCall::Unlink, EACCES, 5},
        {FileCall::Rename, EINVAL, 123},   {FileCall::Sync, EROFS, 19},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::FileCallError(c.call, c.err), c.expected)
            << static_cast<int>(c.call) << " errno " << c.err;
    }
}

class PosixFileSystemTest : public testing::Test {
protected:
    Sandbox sandbox;
    PosixFileSystem files;
    std::string Path(const std::string& name) const { return sandbox.Path() + "/" + name; }
};

TEST_F(PosixFileSystemTest, WrittenBytesReadBackWithPermissionsAndTime) {
    FileSystem::Handle out = FileSystem::kNoHandle;
    ASSERT_EQ(files.CreateNew(Path("a.ttf"), 0600, out), 0);
    ASSERT_EQ(files.Write(out, "glyphs", 6), 0);
    ASSERT_EQ(files.SetPermissions(out, 0444), 0);
    ASSERT_EQ(files.SetModifiedTime(out, {1000000000, 123456789}), 0);
    ASSERT_EQ(files.Sync(out), 0);
    ASSERT_EQ(files.Close(out), 0);

    platform::FileStatus status;
    ASSERT_EQ(files.Status(Path("a.ttf"), status), 0);
    EXPECT_TRUE(status.isRegular);
    EXPECT_EQ(status.size, 6u);
    EXPECT_EQ(status.permissions, 0444u);
    EXPECT_EQ(status.modified.seconds, 1000000000);
    EXPECT_EQ(status.modified.nanoseconds, 123456789);

    FileSystem::Handle in = FileSystem::kNoHandle;
    ASSERT_EQ(files.OpenRead(Path("a.ttf"), in), 0);
    char buffer[16] = {};
    std::size_t got = 0;
    ASSERT_EQ(files.Read(in, buffer, sizeof buffer, got), 0);
    EXPECT_EQ(std::string(buffer, got), "glyphs");
    ASSERT_EQ(files.Read(in, buffer, sizeof buffer, got), 0);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(files.Close(in), 0);
}

TEST_F(PosixFileSystemTest, CreateNewNeverOpensWhatExists) {
    sandbox.WriteFile("old.ttf", "old");
    fs::create_symlink(Path("elsewhere.ttf"), Path("link.ttf"));
    FileSystem::Handle handle = FileSystem::kNoHandle;
    EXPECT_EQ(files.CreateNew(Path("old.ttf"), 0644, handle), 80);
    // A planted link is not followed to create or truncate its target.
    EXPECT_EQ(files.CreateNew(Path("link.ttf"), 0644, handle), 80);
    EXPECT_FALSE(fs::exists(Path("elsewhere.ttf")));
    EXPECT_EQ(files.CreateNew(Path("missing/new.ttf"), 0644, handle), 3);
    EXPECT_EQ(handle, FileSystem::kNoHandle);
    EXPECT_EQ(ReadAll(Path("old.ttf")), "old");
}

TEST_F(PosixFileSystemTest, OpenReadTakesRegularFilesOnly) {
    ASSERT_EQ(::mkfifo(Path("pipe.ttf").c_str(), 0644), 0);
    FileSystem::Handle handle = FileSystem::kNoHandle;
    // A named pipe would wait for a writer; it is refused at once instead.
    EXPECT_EQ(files.OpenRead(Path("pipe.ttf"), handle), 5);
    EXPECT_EQ(files.OpenRead(sandbox.Path(), handle), 5);
    EXPECT_EQ(files.OpenRead(Path("missing.ttf"), handle), 2);
    EXPECT_EQ(handle, FileSystem::kNoHandle);
}

// Both ways to a no-replace rename: the kernel's flag, and link then unlink where the file
// system rejects the flag with EINVAL.
class NoReplaceRenameTest : public testing::TestWithParam<bool> {
protected:
    Sandbox sandbox;
    PosixFileSystem files{GetParam() ? PosixFileSystem() : PosixFileSystem(NoReplaceUnsupported)};
    std::string Path(const std::string& name) const { return sandbox.Path() + "/" + name; }
};

TEST_P(NoReplaceRenameTest, AnExistingTargetIs183AndBothFilesStay) {
    sandbox.WriteFile("from.ttf", "new");
    sandbox.WriteFile("to.ttf", "old");
    EXPECT_EQ(files.Rename(Path("from.ttf"), Path("to.ttf"), RenameMode::NoReplace), 183);
    EXPECT_EQ(ReadAll(Path("from.ttf")), "new");
    EXPECT_EQ(ReadAll(Path("to.ttf")), "old");
}

TEST_P(NoReplaceRenameTest, AFreeTargetTakesTheFile) {
    sandbox.WriteFile("from.ttf", "new");
    EXPECT_EQ(files.Rename(Path("from.ttf"), Path("to.ttf"), RenameMode::NoReplace), 0);
    EXPECT_FALSE(fs::exists(Path("from.ttf")));
    EXPECT_EQ(ReadAll(Path("to.ttf")), "new");
}

TEST_P(NoReplaceRenameTest, AMissingSourceIsNotAnInvalidName) {
    EXPECT_EQ(files.Rename(Path("gone.ttf"), Path("to.ttf"), RenameMode::NoReplace), 2);
}

INSTANTIATE_TEST_SUITE_P(FlagOrLink, NoReplaceRenameTest, testing::Bool());

TEST_F(PosixFileSystemTest, ReplacingRenameTakesTheTargetsPlace) {
    sandbox.WriteFile("from.ttf", "new");
    sandbox.WriteFile("to.ttf", "old");
    EXPECT_EQ(files.Rename(Path("from.ttf"), Path("to.ttf"), RenameMode::Replace), 0);
    EXPECT_EQ(ReadAll(Path("to.ttf")), "new");
    EXPECT_FALSE(fs::exists(Path("from.ttf")));
}

TEST_F(PosixFileSystemTest, StatusOfALinkItselfOrOfItsTarget) {
    sandbox.WriteFile("font.ttf", "12345");
    fs::create_symlink(Path("font.ttf"), Path("link.ttf"));
    platform::FileStatus status;
    ASSERT_EQ(files.Status(Path("link.ttf"), status, false), 0);
    EXPECT_TRUE(status.isLink);
    ASSERT_EQ(files.Status(Path("link.ttf"), status), 0);
    EXPECT_TRUE(status.isRegular);
    EXPECT_EQ(status.size, 5u);
    EXPECT_EQ(files.Status(Path("missing.ttf"), status), 2);
}

TEST_F(PosixFileSystemTest, FreeSpaceIsTheUsersShare) {
    std::uint64_t bytes = 0;
    ASSERT_EQ(files.FreeSpace(sandbox.Path(), bytes), 0);
    struct statvfs info {};
    ASSERT_EQ(::statvfs(sandbox.Path().c_str(), &info), 0);
    const std::uint64_t available = std::uint64_t{info.f_bavail} * info.f_frsize;
    const std::uint64_t free = std::uint64_t{info.f_bfree} * info.f_frsize;
    // Other programs write meanwhile; the answer must be near f_bavail, below f_bfree.
    EXPECT_LE(bytes, free);
    EXPECT_NEAR(static_cast<double>(bytes), static_cast<double>(available), 64.0 * 1024 * 1024);
    // The free-space helper of the file utilities answers the same share.
    EXPECT_LE(platform::FreeDiskSpace(sandbox.Path()), free);
    EXPECT_NEAR(static_cast<double>(platform::FreeDiskSpace(sandbox.Path())),
                static_cast<double>(available), 64.0 * 1024 * 1024);
    EXPECT_EQ(files.FreeSpace(Path("missing"), bytes), 3);
    EXPECT_EQ(bytes, 0u);
}

TEST_F(PosixFileSystemTest, FoldersAndVolumes) {
    EXPECT_EQ(files.MakeFolder(Path("new")), 0);
    EXPECT_EQ(files.MakeFolder(Path("new")), 183);
    EXPECT_EQ(files.MakeFolder(Path("a/b")), 2);
    EXPECT_EQ(files.SyncFolder(Path("new")), 0);
    EXPECT_EQ(files.SyncVolume(Path("new")), 0);
    EXPECT_EQ(files.SyncVolume(Path("missing")), 2);
    bool same = false;
    ASSERT_EQ(files.SameVolume(sandbox.Path(), Path("new"), same), 0);
    EXPECT_TRUE(same);
    ASSERT_EQ(files.SameVolume(sandbox.Path(), "/proc", same), 0);
    EXPECT_FALSE(same);
    EXPECT_EQ(files.SameVolume(Path("missing"), sandbox.Path(), same), 2);
}

TEST_F(PosixFileSystemTest, UnlinkRemovesTheNameOnly) {
    sandbox.WriteFile("font.ttf", "x");
    fs::create_symlink(Path("font.ttf"), Path("link.ttf"));
    EXPECT_EQ(files.Unlink(Path("link.ttf")), 0);
    EXPECT_TRUE(fs::exists(Path("font.ttf")));
    EXPECT_EQ(files.Unlink(Path("link.ttf")), 2);
}

}  // namespace
