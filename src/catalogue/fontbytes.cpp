#include "catalogue/fontbytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace catalogue {

FontBytes::FontBytes(const std::string& path) : path_(path) {}

FontBytes::FontBytes(const std::uint8_t* data, std::size_t size) : memory_(data), size_(size) {}

FontBytes::~FontBytes() = default;

bool FontBytes::Open() {
    if (memory_ != nullptr) {
        return true;
    }
    // Only regular files are read: a named pipe named like a font in a scanned folder must
    // not stop the whole load waiting for a writer.
    file_.emplace(path_);
    if (!file_->IsOpen()) {
        errno = file_->Error();
        file_.reset();
        return false;
    }
    size_ = file_->Size();
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
    return file_ ? file_->ReadAt(position, length, out) : 0;
}

}  // namespace catalogue
