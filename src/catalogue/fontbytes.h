#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/regularfile.h"

namespace catalogue {

inline std::uint16_t ReadBe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

inline std::uint32_t ReadBe32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

// Random access to the bytes of one font file, or of a buffer already in memory (the
// fuzz entry point and tests use that form). The reader asks for small pieces at many
// offsets; a window loaded once (the table directory, the whole `name` table) answers them
// from memory, and only pieces outside every window cost a system call. Every request is
// checked against what was really there: a piece past the end comes back short.
class FontBytes {
public:
    // A file: Open() must succeed before anything is read.
    explicit FontBytes(const std::string& path);
    // A buffer in memory (not owned; must outlive this object).
    FontBytes(const std::uint8_t* data, std::size_t size);
    ~FontBytes();
    FontBytes(const FontBytes&) = delete;
    FontBytes& operator=(const FontBytes&) = delete;

    // Opens the file read-only; false (with errno set) when it cannot be opened.
    bool Open();
    std::uint64_t Size() const { return size_; }

    // Copies up to length bytes from position into out; returns how many were there.
    std::size_t Read(std::uint64_t position, std::size_t length, std::uint8_t* out);
    // Loads [position, position + length) (clipped to the file) as the window that later
    // reads are served from. Replaces the previous window.
    void LoadWindow(std::uint64_t position, std::size_t length);

private:
    std::size_t ReadFromFile(std::uint64_t position, std::size_t length, std::uint8_t* out) const;

    std::string path_;
    std::optional<platform::RegularFile> file_;
    const std::uint8_t* memory_ = nullptr;
    std::uint64_t size_ = 0;
    std::vector<std::uint8_t> window_;
    std::uint64_t windowStart_ = 0;
};

}  // namespace catalogue
