#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The index of the face whose offset table sits at faceOffset: its position in the offset
// list of a TrueType collection's header, or 0 for a single font file (whose one face starts
// at offset 0). -1 when the file cannot be read or lists no face at that offset.
int CollectionFaceIndex(const std::string& path, std::uint32_t faceOffset);

}  // namespace platform
