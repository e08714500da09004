#pragma once

#include <cstdint>
#include <vector>

#include "catalogue/fontbytes.h"

namespace catalogue {

// The collection's face table has room for this many offsets; later faces are ignored.
constexpr std::uint32_t kMaxCollectionFaces = 100;

// Reads the header of a TrueType collection: false when the bytes do not start with a whole
// 12-byte header tagged "ttcf". Otherwise faceOffsets gets the offset of each face's offset
// table, as many as the header declares, at most kMaxCollectionFaces, and only those really
// read: a face table cut short by the end of the file gives fewer faces.
bool ReadCollectionHeader(FontBytes& bytes, std::vector<std::uint32_t>& faceOffsets);

}  // namespace catalogue
