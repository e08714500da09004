#include "catalogue/fontbytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace catalogue {

FontBytes::FontBytes(const std::string& path) : path_(path) {}

FontBytes::FontBytes(const std::uint8_t* data, std::size_t size) : memory_(data), size_(size) {}

FontBytes::~FontBytes() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FontBytes::Open() {
    if (memory_ != nullptr) {
        return true;
    }
    // Without O_NONBLOCK, opening a named pipe waits for a writer: a pipe named like a font
    // in a scanned folder would stop the whole load. Only regular files are read.
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        return false;
    }
    struct stat info {};
    const bool statted = ::fstat(fd_, &info) == 0;
    if (!statted || !S_ISREG(info.st_mode)) {
        const int err = !statted ? errno : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd_);
        fd_ = -1;
        errno = err;
        return false;
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
    return true;
}

std::size_t FontBytes::Read(std::uint64_t position, std::size_t length, std::uint8_t* out) {
    if (position >= size_ || length == 0) {
        return 0;
    }
    length = static_cast<std::size_t>(std::min<std::uint64_t>(length, size_ - position));
    if (memory_ != nullptr) {
        std::memcpy(out, memory_ + position, length);
        return length;
    }
    if (position >= windowStart_ && position - windowStart_ <= window_.size() &&
        length <= window_.size() - (position - windowStart_)) {
        std::memcpy(out, window_.data() + (position - windowStart_), length);
        return length;
    }
    return ReadFromFile(position, length, out);
}

void FontBytes::LoadWindow(std::uint64_t position, std::size_t length) {
    window_.clear();
    windowStart_ = position;
    if (memory_ != nullptr || position >= size_) {
        return;
    }
    length = static_cast<std::size_t>(std::min<std::uint64_t>(length, size_ - position));
    window_.resize(length);
    window_.resize(ReadFromFile(position, length, window_.data()));
}

std::size_t FontBytes::ReadFromFile(std::uint64_t position, std::size_t length,
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

}  // namespace catalogue
