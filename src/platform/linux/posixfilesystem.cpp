#include "platform/linux/posixfilesystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

int Fail(FileCall call) {
    return FileCallError(call, errno);
}

int RenameAt2NoReplace(const char* from, const char* to) {
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

// The flag is unknown to the file system (NFS, FUSE, older kernels): EINVAL here means
// "cannot do it this way", never an invalid name.
bool FlagNotSupported(int err) {
    return err == EINVAL || err == ENOSYS || err == EOPNOTSUPP;
}

// Hard links are not offered (FAT, some FUSE file systems) or not allowed on this file.
bool LinkNotPossible(int err) {
    return err == EPERM || err == EOPNOTSUPP || err == ENOSYS || err == EMLINK;
}

void FillStatus(const struct stat& info, FileStatus& status) {
    status.isRegular = S_ISREG(info.st_mode);
    status.isFolder = S_ISDIR(info.st_mode);
    status.isLink = S_ISLNK(info.st_mode);
    status.size = static_cast<std::uint64_t>(info.st_size);
    status.permissions = static_cast<std::uint32_t>(info.st_mode & 07777);
    status.device = static_cast<std::uint64_t>(info.st_dev);
    status.inode = static_cast<std::uint64_t>(info.st_ino);
    status.modified = {info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

}  // namespace

PosixFileSystem::PosixFileSystem() : noReplaceRename_(RenameAt2NoReplace) {}

PosixFileSystem::PosixFileSystem(NoReplaceRename noReplaceRename)
    : noReplaceRename_(noReplaceRename) {}

int PosixFileSystem::OpenRead(const std::string& path, Handle& handle) {
    handle = kNoHandle;
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return Fail(FileCall::OpenRead);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        // Folders, pipes and devices are no files to copy; Windows answers "access denied".
        ::close(fd);
        return FileCallError(FileCall::OpenRead, EACCES);
    }
    handle = fd;
    return 0;
}

int PosixFileSystem::CreateNew(const std::string& path, std::uint32_t permissions, Handle& handle) {
    handle = kNoHandle;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          static_cast<mode_t>(permissions & 07777));
    if (fd < 0) {
        return Fail(FileCall::CreateNew);
    }
    handle = fd;
    return 0;
}

int PosixFileSystem::Read(Handle handle, void* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    for (;;) {
        const ssize_t n = ::read(handle, buffer, size);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno != EINTR) {
            return Fail(FileCall::Read);
        }
    }
}

int PosixFileSystem::Write(Handle handle, const void* buffer, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    while (size > 0) {
        const ssize_t n = ::write(handle, bytes, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Fail(FileCall::Write);
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

int PosixFileSystem::Sync(Handle handle) {
    return ::fsync(handle) == 0 ? 0 : Fail(FileCall::Sync);
}

int PosixFileSystem::StartWriteback(Handle handle) {
    return ::sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE) == 0
               ? 0
               : Fail(FileCall::StartWriteback);
}

int PosixFileSystem::SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return Fail(FileCall::SyncFolder);
    }
    const int result = ::fsync(fd) == 0 ? 0 : Fail(FileCall::SyncFolder);
    ::close(fd);
    return result;
}

int PosixFileSystem::SyncVolume(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return Fail(FileCall::SyncVolume);
    }
    const int result = ::syncfs(fd) == 0 ? 0 : Fail(FileCall::SyncVolume);
    ::close(fd);
    return result;
}

int PosixFileSystem::Close(Handle handle) {
    // Linux frees the descriptor even when close reports an error; never close it twice.
    return ::close(handle) == 0 || errno == EINTR ? 0 : Fail(FileCall::Close);
}

int PosixFileSystem::SetPermissions(Handle handle, std::uint32_t permissions) {
    return ::fchmod(handle, static_cast<mode_t>(permissions & 07777)) == 0
               ? 0
               : Fail(FileCall::SetPermissions);
}

int PosixFileSystem::SetModifiedTime(Handle handle, const FileTime& time) {
    struct timespec times[2] = {};
    times[0].tv_nsec = UTIME_OMIT;  // the last-access time is not copied
    times[1].tv_sec = static_cast<time_t>(time.seconds);
    times[1].tv_nsec = static_cast<long>(time.nanoseconds);
    return ::futimens(handle, times) == 0 ? 0 : Fail(FileCall::SetModifiedTime);
}

int PosixFileSystem::Rename(const std::string& from, const std::string& to, RenameMode mode) {
    if (mode == RenameMode::NoReplace) {
        return RenameWithoutReplacing(from, to);
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : Fail(FileCall::Rename);
}

int PosixFileSystem::RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (noReplaceRename_(from.c_str(), to.c_str()) == 0) {
        return 0;
    }
    if (!FlagNotSupported(errno)) {
        return Fail(FileCall::Rename);
    }
    return LinkThenUnlink(from, to);
}

// A link fails on an existing target as the no-replace rename does; the old name goes only
// once the new one exists.
int PosixFileSystem::LinkThenUnlink(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) != 0) {
        if (!LinkNotPossible(errno)) {
            return Fail(FileCall::Rename);
        }
        // Without links the target can only be checked first; a plain rename follows.
        struct stat info {};
        if (::lstat(to.c_str(), &info) == 0) {
            return FileCallError(FileCall::Rename, EEXIST);
        }
        return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : Fail(FileCall::Rename);
    }
    if (::unlink(from.c_str()) != 0) {
        const int result = Fail(FileCall::Rename);
        ::unlink(to.c_str());
        return result;
    }
    return 0;
}

int PosixFileSystem::Unlink(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : Fail(FileCall::Unlink);
}

int PosixFileSystem::Status(const std::string& path, FileStatus& status, bool followLinks) {
    status = FileStatus{};
    struct stat info {};
    const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (result != 0) {
        return Fail(FileCall::Status);
    }
    FillStatus(info, status);
    return 0;
}

int PosixFileSystem::FreeSpace(const std::string& folder, std::uint64_t& bytes) {
    bytes = 0;
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) != 0) {
        return Fail(FileCall::FreeSpace);
    }
    bytes = static_cast<std::uint64_t>(info.f_bavail) * static_cast<std::uint64_t>(info.f_frsize);
    return 0;
}

int PosixFileSystem::MakeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0 ? 0 : Fail(FileCall::MakeFolder);
}

int PosixFileSystem::SameVolume(const std::string& a, const std::string& b, bool& same) {
    same = false;
    struct stat infoA {};
    struct stat infoB {};
    if (::stat(a.c_str(), &infoA) != 0 || ::stat(b.c_str(), &infoB) != 0) {
        return Fail(FileCall::SameVolume);
    }
    same = infoA.st_dev == infoB.st_dev;
    return 0;
}

}  // namespace platform
