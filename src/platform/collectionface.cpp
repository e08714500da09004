#include "platform/collectionface.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <vector>

namespace platform {
namespace {

constexpr std::size_t kHeaderSize = 12;  // tag, version, numFonts
// A collection lists far fewer faces; the bound keeps a forged count from asking for
// gigabytes of offsets.
constexpr std::uint32_t kMaxFaces = 0x10000;

std::uint32_t Be32(const unsigned char* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

}  // namespace

int CollectionFaceIndex(const std::string& path, std::uint32_t faceOffset) {
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, kHeaderSize> header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) {
        return -1;
    }
    if (std::memcmp(header.data(), "ttcf", 4) != 0) {
        return faceOffset == 0 ? 0 : -1;
    }
    const std::uint32_t count = std::min(Be32(header.data() + 8), kMaxFaces);
    std::vector<unsigned char> offsets(static_cast<std::size_t>(count) * 4);
    in.read(reinterpret_cast<char*>(offsets.data()), static_cast<std::streamsize>(offsets.size()));
    // A header cut short still names the faces it holds whole.
    const auto whole = static_cast<std::size_t>(in.gcount()) / 4;
    for (std::size_t i = 0; i < whole; ++i) {
        if (Be32(offsets.data() + 4 * i) == faceOffset) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace platform
