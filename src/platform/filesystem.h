#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// The kinds of call the file operations make, so a test can fail the Nth call of one kind.
enum class FileCall {
    OpenRead,
    CreateNew,
    Read,
    Write,
    Sync,
    StartWriteback,
    SyncFolder,
    SyncVolume,
    Close,
    SetPermissions,
    SetModifiedTime,
    Rename,
    Unlink,
    Status,
    FreeSpace,
    MakeFolder,
    SameVolume
};

// The Windows error code for errno err met by a call of the given kind: creating a file
// that exists is 80, renaming onto or making a folder that exists is 183, a missing folder
// on the way of a new file or a free-space query is 3.
int FileCallError(FileCall call, int err);

struct FileTime {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
};

struct FileStatus {
    bool isRegular = false;
    bool isFolder = false;
    bool isLink = false;  // only when asked not to follow links
    std::uint64_t size = 0;
    std::uint32_t permissions = 0;  // the mode's permission bits (07777)
    std::uint64_t device = 0;
    std::uint64_t inode = 0;  // with device, tells whether two paths name one file
    FileTime modified;
};

enum class RenameMode {
    NoReplace,  // fails with 183 when the target exists, as MoveFileA does
    Replace     // atomically takes the target's place
};

// The file calls of the copy, move and delete operations. Every call returns 0 or a Windows
// error code (see FileCallError) and never throws, so a test can put a wrapper in between
// that fails a chosen call with a chosen error, without a special file system.
class FileSystem {
public:
    using Handle = int;
    static constexpr Handle kNoHandle = -1;

    virtual ~FileSystem() = default;

    // Opens an existing file for reading, without waiting on named pipes.
    virtual int OpenRead(const std::string& path, Handle& handle) = 0;
    // Creates a file that must not exist yet (a link at path counts as existing: 80), for
    // writing, with the permission bits given.
    virtual int CreateNew(const std::string& path, std::uint32_t permissions, Handle& handle) = 0;
    // Reads up to size bytes; got = 0 at the end of the file.
    virtual int Read(Handle handle, void* buffer, std::size_t size, std::size_t& got) = 0;
    // Writes all size bytes.
    virtual int Write(Handle handle, const void* buffer, std::size_t size) = 0;
    // Puts the file's data on the disk.
    virtual int Sync(Handle handle) = 0;
    // Starts putting the file's data on the disk and returns at once, so the disk works
    // while the next file is copied and a later sync has less to wait for.
    virtual int StartWriteback(Handle handle) = 0;
    // Puts a folder's entries (names just renamed or removed) on the disk.
    virtual int SyncFolder(const std::string& folder) = 0;
    // Puts everything written to the volume holding folder on the disk: one wait for many
    // files instead of one each.
    virtual int SyncVolume(const std::string& folder) = 0;
    virtual int Close(Handle handle) = 0;
    virtual int SetPermissions(Handle handle, std::uint32_t permissions) = 0;
    virtual int SetModifiedTime(Handle handle, const FileTime& time) = 0;

    virtual int Rename(const std::string& from, const std::string& to, RenameMode mode) = 0;
    virtual int Unlink(const std::string& path) = 0;
    virtual int Status(const std::string& path, FileStatus& status, bool followLinks = true) = 0;
    // Bytes the user may still write on the volume holding folder (the root reserve is not
    // the user's to take).
    virtual int FreeSpace(const std::string& folder, std::uint64_t& bytes) = 0;
    virtual int MakeFolder(const std::string& path) = 0;
    // Whether two existing paths lie on one file system, so a rename can move between them.
    virtual int SameVolume(const std::string& a, const std::string& b, bool& same) = 0;
};

}  // namespace platform
