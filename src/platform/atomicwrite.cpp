#include "platform/atomicwrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "platform/regularfile.h"

namespace platform {
namespace {

// As many links as the kernel follows when it opens a path.
constexpr int kMaxLinks = 40;
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

// The file a path finally names after following its symbolic links; nothing when the links
// loop or cannot be read. The file itself need not exist.
std::optional<std::filesystem::path> FinalTarget(std::filesystem::path path) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            return errno == ENOENT ? std::optional(path) : std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            return path;
        }
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
        if (ec) {
            return std::nullopt;
        }
        path = path.parent_path() / next;
    }
    errno = ELOOP;
    return std::nullopt;
}

struct Replacement {
    std::filesystem::path target;
    std::optional<struct stat> replaced;  // what is there now; nothing for a new file
};

// Where the new content goes; nothing when what is there must not be replaced.
std::optional<Replacement> PlanReplacement(const std::string& path) {
    const std::optional<std::filesystem::path> target = FinalTarget(path);
    if (!target) {
        return std::nullopt;
    }
    struct stat info {};
    if (::stat(target->c_str(), &info) != 0) {
        return errno == ENOENT ? std::optional(Replacement{*target, std::nullopt}) : std::nullopt;
    }
    // Opening proves the file can be read as the user the process acts for.
    const RegularFile existing(target->string());
    if (!existing.IsOpen()) {
        errno = existing.Error();
        return std::nullopt;
    }
    if ((info.st_mode & S_IWUSR) == 0 || ::access(target->c_str(), W_OK) != 0) {
        errno = EACCES;
        return std::nullopt;
    }
    return Replacement{*target, info};
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t wrote = ::write(fd, content.data(), content.size());
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            if (wrote == 0) {
                errno = EIO;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

// A new, empty file beside target that nobody else is using. A new file gets the usual
// permissions (the process's umask applies); a replacement is kept private until it has the
// old file's bits.
int CreateTemporary(const std::filesystem::path& target, bool replacing, std::string& name) {
    static unsigned counter = 0;
    const mode_t mode = replacing ? 0600 : 0666;
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        name =
            target.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteTemporary(int fd, std::string_view content, const std::optional<struct stat>& old) {
    if (!WriteAll(fd, content)) {
        return false;
    }
    if (old) {
        if (::fchmod(fd, old->st_mode & 07777) != 0) {
            return false;
        }
        // Only a privileged process can give the file back to its owner; others own it anyway.
        if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd, old->st_uid, old->st_gid);
        }
    }
    return ::fsync(fd) == 0;
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    const std::optional<Replacement> plan = PlanReplacement(path);
    if (!plan) {
        return false;
    }
    std::string temporary;
    Descriptor temp(CreateTemporary(plan->target, plan->replaced.has_value(), temporary));
    if (temp.Get() < 0) {
        return false;
    }
    const bool written = WriteTemporary(temp.Get(), content, plan->replaced);
    const bool closed = temp.Close();
    if (!written || !closed || ::rename(temporary.c_str(), plan->target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        return false;
    }
    SyncFolder(plan->target.parent_path());
    return true;
}

}  // namespace platform
