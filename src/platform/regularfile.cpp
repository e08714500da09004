#include "platform/regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

RegularFile::RegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error_ = errno;
    } else if (!S_ISREG(info.st_mode)) {
        error_ = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    }
    if (error_ != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<std::string> RegularFile::ReadAll(std::uint64_t limit) {
    if (fd_ < 0 || size_ > limit) {
        return std::nullopt;
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error_ = errno;
            return std::nullopt;
        }
        if (got == 0) {
            return content;
        }
        // A file that grows while it is read is held to the same limit.
        if (static_cast<std::uint64_t>(got) > limit - content.size()) {
            error_ = EFBIG;
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

std::size_t RegularFile::ReadAt(std::uint64_t position, std::size_t length,
                                std::uint8_t* out) const {
    if (fd_ < 0) {
        return 0;
    }
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got =
            ::pread(fd_, out + done, length - done, static_cast<off_t>(position + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

}  // namespace platform
