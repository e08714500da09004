#include "catalogue/collectionheader.h"

#include <algorithm>
#include <cstring>

namespace catalogue {
namespace {

constexpr std::size_t kCollectionHeaderSize = 12;

}  // namespace

bool ReadCollectionHeader(FontBytes& bytes, std::vector<std::uint32_t>& faceOffsets) {
    faceOffsets.clear();
    std::uint8_t header[kCollectionHeaderSize + 4 * std::size_t{kMaxCollectionFaces}];
    const std::size_t got = bytes.Read(0, sizeof header, header);
    if (got < kCollectionHeaderSize || std::memcmp(header, "ttcf", 4) != 0) {
        return false;
    }
    const std::uint32_t readable = static_cast<std::uint32_t>((got - kCollectionHeaderSize) / 4);
    const std::uint32_t faces = std::min({ReadBe32(header + 8), kMaxCollectionFaces, readable});
    for (std::uint32_t i = 0; i < faces; ++i) {
        faceOffsets.push_back(ReadBe32(header + kCollectionHeaderSize + 4 * std::size_t{i}));
    }
    return true;
}

}  // namespace catalogue
