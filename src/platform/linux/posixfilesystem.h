#pragma once

#include "platform/filesystem.h"

namespace platform {

// The machine's file system through the POSIX calls.
class PosixFileSystem : public FileSystem {
public:
    // A rename that refuses to replace its target: 0, or -1 with errno set.
    using NoReplaceRename = int (*)(const char* from, const char* to);

    PosixFileSystem();
    // Tests hand in a stand-in for renameat2 to walk the fallbacks of file systems that do
    // not know the no-replace flag.
    explicit PosixFileSystem(NoReplaceRename noReplaceRename);

    int OpenRead(const std::string& path, Handle& handle) override;
    int CreateNew(const std::string& path, std::uint32_t permissions, Handle& handle) override;
    int Read(Handle handle, void* buffer, std::size_t size, std::size_t& got) override;
    int Write(Handle handle, const void* buffer, std::size_t size) override;
    int Sync(Handle handle) override;
    int StartWriteback(Handle handle) override;
    int SyncFolder(const std::string& folder) override;
    int SyncVolume(const std::string& folder) override;
    int Close(Handle handle) override;
    int SetPermissions(Handle handle, std::uint32_t permissions) override;
    int SetModifiedTime(Handle handle, const FileTime& time) override;
    int Rename(const std::string& from, const std::string& to, RenameMode mode) override;
    int Unlink(const std::string& path) override;
    int Status(const std::string& path, FileStatus& status, bool followLinks = true) override;
    int FreeSpace(const std::string& folder, std::uint64_t& bytes) override;
    int MakeFolder(const std::string& path) override;
    int SameVolume(const std::string& a, const std::string& b, bool& same) override;

private:
    int RenameWithoutReplacing(const std::string& from, const std::string& to);
    int LinkThenUnlink(const std::string& from, const std::string& to);

    NoReplaceRename noReplaceRename_;
};

}  // namespace platform
