#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue/fontbytes.h"

namespace catalogue {

// What one pass over a face's `name` table looks for.
struct NameRequest {
    std::uint32_t faceOffset = 0;  // the face's offset table (0 for a .ttf)
    std::uint16_t userLang = 0x0409;
    std::uint16_t langId = 0;  // the record's LangID before this pass
    bool fullNameOnly = true;  // name ID 4 only, or IDs 0-7 except 4
};

// The reader's own error codes; the message shows the digit.
enum NameError : int {
    kNameOk = 0,
    kNameOffsetTableShort = 1,  // the 12-byte offset table could not be read
    kNameTableCount = 2,        // numTables below 7 or above 50
    kNameNoTable = 3,           // no `name` table, or it starts past the end of the file
    kNameHeaderShort = 4,       // the `name` table header cannot be reached whole
    kNameRecordShort = 5,       // a name record cannot be reached whole
    kNameStringPastEnd = 6,     // a string would end beyond the end of the file
};

struct NameReadResult {
    int error = kNameOk;
    // Language of the last record taken by the pass (0 when none was taken).
    std::uint16_t lastLang = 0;
};

// Where the strings of name IDs 0 to 7 go; a null entry drops that ID (3 and 6 always are).
// Strings are UTF-8. A name already in a target is only replaced by a record that is taken,
// so what was stored before an error stays.
using NameTargets = std::array<std::string*, 8>;

// Runs one pass of the name reader over bytes. The table directory is read in one piece and
// the whole `name` table in another; records and strings are then walked in memory, with the
// outcome (names, language, error code) that reading each piece in turn would have.
NameReadResult ReadNames(FontBytes& bytes, const NameRequest& request, const NameTargets& targets);

// Fuzz entry point: the same pass over a buffer in memory.
NameReadResult ReadNamesFromMemory(const std::uint8_t* data, std::size_t size,
                                   const NameRequest& request, const NameTargets& targets);

// The string of one name record as UTF-8: encodingID 5 keeps the non-zero bytes of a
// Wansung string, every other encoding is UTF-16 big-endian up to its first zero unit.
std::string ConvertNameString(std::uint16_t encodingId, const std::uint8_t* data, std::size_t size);

}  // namespace catalogue
