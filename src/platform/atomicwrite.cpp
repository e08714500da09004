#include "platform/atomicwrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <random>

namespace platform {
namespace {

// As many links as the kernel follows when it opens a path.
constexpr int kMaxLinks = 40;

// The file a path finally names after following its symbolic links; nothing when the links
// loop or cannot be read. The file itself need not exist.
std::optional<std::filesystem::path> FinalTarget(std::filesystem::path path) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0) {
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
    return std::nullopt;
}

struct Replacement {
    std::filesystem::path target;
    std::optional<mode_t> keptMode;  // the bits of the file replaced; none for a new file
};

// Where the new content goes; nothing when the file there must not be replaced.
std::optional<Replacement> PlanReplacement(const std::string& path) {
    const std::optional<std::filesystem::path> target = FinalTarget(path);
    if (!target) {
        return std::nullopt;
    }
    struct stat info {};
    if (stat(target->c_str(), &info) != 0) {
        return errno == ENOENT ? std::optional(Replacement{*target, std::nullopt}) : std::nullopt;
    }
    if (!S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0 ||
        access(target->c_str(), W_OK) != 0) {
        return std::nullopt;
    }
    return Replacement{*target, info.st_mode & 07777};
}

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t wrote = write(fd, content.data() + done, content.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// A new file beside target with a name no one else uses; -1 when none can be made.
int CreateTemporary(const std::filesystem::path& target, std::string& name) {
    std::random_device seed;
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target.string() + ".tmp" + std::to_string(seed() % 1000000);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    const std::optional<Replacement> plan = PlanReplacement(path);
    if (!plan) {
        return false;
    }
    std::string temporary;
    const int fd = CreateTemporary(plan->target, temporary);
    if (fd < 0) {
        return false;
    }
    // A new file gets what the user's umask allows, a replaced one keeps its bits.
    const bool written = (!plan->keptMode || fchmod(fd, *plan->keptMode) == 0) &&
                         WriteAll(fd, content) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), plan->target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
