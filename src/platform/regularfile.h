#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// A regular file opened for reading without waiting: opening a named pipe or a device
// named like a document would otherwise block until something writes to it, or read
// forever. Anything but a regular file fails to open, folders with EISDIR, others with
// EINVAL; a failed open keeps its errno in Error().
class RegularFile {
public:
    explicit RegularFile(const std::string& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Error() const { return error_; }
    // The size the file had when it was opened; 0 when it is not open.
    std::uint64_t Size() const { return size_; }
    // The whole content; nothing when the file is not open, cannot be read, or is larger than
    // limit bytes.
    std::optional<std::string> ReadAll(std::uint64_t limit);
    // Copies up to length bytes from position into out without moving the read position;
    // returns how many were there (fewer at the end of the file or on a read error).
    std::size_t ReadAt(std::uint64_t position, std::size_t length, std::uint8_t* out) const;

private:
    int fd_ = -1;
    int error_ = 0;
    std::uint64_t size_ = 0;
};

}  // namespace platform
