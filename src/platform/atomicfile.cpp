#include "platform/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace platform {
namespace {

constexpr int kTempAttempts = 100;

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    // Closes now, so that a failing close (a late write error on some file systems) is seen.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool ReadAll(int fd, std::string& content) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t put = ::write(fd, content.data(), content.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            if (put == 0) {
                errno = EIO;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// The file a name stands for: a link is followed so that replacing keeps the link.
std::optional<std::string> ResolveTarget(const std::string& fileName) {
    struct stat info {};
    if (::lstat(fileName.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return fileName;
    }
    char* resolved = ::realpath(fileName.c_str(), nullptr);
    if (resolved == nullptr) {
        return std::nullopt;
    }
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// The mode and owner of what is at target now, or nothing when it does not exist. Fails
// when something is there that cannot be read as a regular file.
bool InspectExisting(const std::string& target, std::optional<struct stat>& existing) {
    const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT;
    }
    Descriptor file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    existing = info;
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new, empty file beside target that nobody else is using. A new file gets the usual
// permissions (the process's umask applies); a replacement is narrowed first and given the
// old file's bits once written.
int CreateTemp(const std::string& target, bool replacing, std::string& tempName) {
    static unsigned counter = 0;
    const mode_t mode = replacing ? 0600 : 0666;
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        tempName = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool WriteTemp(int fd, std::string_view content, const std::optional<struct stat>& existing) {
    if (!WriteAll(fd, content)) {
        return false;
    }
    if (existing) {
        if (::fchmod(fd, existing->st_mode & 07777) != 0) {
            return false;
        }
        // Only a privileged process can give the file back to its owner; others own it anyway.
        if (existing->st_uid != ::geteuid() || existing->st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd, existing->st_uid, existing->st_gid);
        }
    }
    return ::fsync(fd) == 0;
}

}  // namespace

ReadStatus ReadWholeFile(const std::string& fileName, std::string& content) {
    content.clear();
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    }
    Descriptor file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return ReadStatus::Failed;
    }
    if (!ReadAll(fd, content)) {
        content.clear();
        return ReadStatus::Failed;
    }
    return ReadStatus::Ok;
}

bool ReplaceFile(const std::string& fileName, std::string_view content) {
    const std::optional<std::string> target = ResolveTarget(fileName);
    if (!target) {
        return false;
    }
    std::optional<struct stat> existing;
    if (!InspectExisting(*target, existing)) {
        return false;
    }
    std::string tempName;
    Descriptor temp(CreateTemp(*target, existing.has_value(), tempName));
    if (temp.Get() < 0) {
        return false;
    }
    const bool written = WriteTemp(temp.Get(), content, existing);
    const bool closed = temp.Close();
    if (!written || !closed || std::rename(tempName.c_str(), target->c_str()) != 0) {
        const int error = errno;
        ::unlink(tempName.c_str());
        errno = error;
        return false;
    }
    SyncFolder(FolderOf(*target));
    return true;
}

}  // namespace platform
