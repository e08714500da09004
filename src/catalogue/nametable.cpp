#include "catalogue/nametable.h"

#include <algorithm>

#include "platform/textconv.h"

namespace catalogue {
namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kTableRecordSize = 16;
constexpr unsigned kMinTables = 7;
constexpr unsigned kMaxTables = 50;
constexpr std::size_t kNameHeaderSize = 6;
constexpr std::size_t kNameRecordSize = 12;
// Names are read into a 512-byte zero-filled buffer: at most 511 bytes (255 UTF-16 units).
constexpr std::size_t kMaxStringBytes = 511;
// A `name` table larger than this (real ones are a few kilobytes; CJK fonts reach a few
// hundred) is not loaded whole: the pieces outside the window are read one by one.
constexpr std::size_t kMaxNameWindow = 1 << 20;
constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::uint16_t kPlatformIso = 2;
constexpr std::uint16_t kPlatformMicrosoft = 3;
constexpr std::uint16_t kEncodingWansung = 5;
constexpr std::uint16_t kFullNameId = 4;
constexpr std::uint16_t kTrademarkId = 7;

struct NameTableLocation {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

struct NameRecord {
    std::uint16_t platformId;
    std::uint16_t encodingId;
    std::uint16_t languageId;
    std::uint16_t nameId;
    std::uint16_t length;
    std::uint16_t offset;
};

NameRecord ParseRecord(const std::uint8_t* p) {
    return {ReadBe16(p),     ReadBe16(p + 2), ReadBe16(p + 4),
            ReadBe16(p + 6), ReadBe16(p + 8), ReadBe16(p + 10)};
}

// Steps through the table directory. Records that were not read whole are passed over; as
// they are contiguous, the first short one ends the search.
int FindNameTable(FontBytes& bytes, std::uint32_t faceOffset, NameTableLocation& location) {
    std::uint8_t directory[kOffsetTableSize + kMaxTables * kTableRecordSize];
    const std::size_t got = bytes.Read(faceOffset, sizeof directory, directory);
    if (got < kOffsetTableSize) {
        return kNameOffsetTableShort;
    }
    const unsigned numTables = ReadBe16(directory + 4);
    if (numTables < kMinTables || numTables > kMaxTables) {
        return kNameTableCount;
    }
    for (unsigned i = 0; i < numTables; ++i) {
        const std::size_t at = kOffsetTableSize + i * kTableRecordSize;
        if (at + kTableRecordSize > got) {
            break;
        }
        if (std::equal(directory + at, directory + at + 4, "name")) {
            location = {ReadBe32(directory + at + 8), ReadBe32(directory + at + 12)};
            break;
        }
    }
    if (location.offset == 0 || location.offset >= bytes.Size()) {
        return kNameNoTable;
    }
    return kNameOk;
}

// The language rules: the user's language wins, English is the fallback, the language the
// record already has lets the second pass match the first (and ISO names, language 0, in).
bool AcceptsRecord(const NameRecord& record, const NameRequest& request, std::uint16_t lastLang) {
    if (record.platformId != kPlatformMicrosoft && record.platformId != kPlatformIso) {
        return false;
    }
    const std::uint16_t lang = record.languageId;
    if (lang != kEnglishUs && lang != request.userLang && lang != request.langId) {
        return false;
    }
    if (lastLang == request.userLang && lang != request.langId) {
        return false;
    }
    if (request.fullNameOnly ? record.nameId != kFullNameId
                             : (record.nameId == kFullNameId || record.nameId >= 8)) {
        return false;
    }
    return record.length != 0;
}

bool EndsPass(const NameRecord& record, const NameRequest& request) {
    if (request.langId == 0) {
        return record.languageId == request.userLang;
    }
    return record.languageId == request.langId;
}

class NameWalker {
public:
    NameWalker(FontBytes& bytes, const NameRequest& request, const NameTargets& targets)
        : bytes_(bytes), request_(request), targets_(targets) {}

    NameReadResult Walk(const NameTableLocation& table) {
        bytes_.LoadWindow(table.offset,
                          std::clamp<std::size_t>(table.length, kNameHeaderSize, kMaxNameWindow));
        std::uint8_t header[kNameHeaderSize];
        if (bytes_.Read(table.offset, kNameHeaderSize, header) < kNameHeaderSize) {
            return {kNameHeaderShort, result_.lastLang};
        }
        const unsigned count = ReadBe16(header + 2);
        const std::uint64_t stringBase = std::uint64_t{table.offset} + ReadBe16(header + 4);
        std::uint64_t at = std::uint64_t{table.offset} + kNameHeaderSize;
        for (unsigned i = 0; i < count; ++i, at += kNameRecordSize) {
            std::uint8_t raw[kNameRecordSize];
            if (bytes_.Read(at, kNameRecordSize, raw) < kNameRecordSize) {
                result_.error = kNameRecordShort;
                break;
            }
            if (TakeRecord(ParseRecord(raw), stringBase)) {
                break;
            }
        }
        return result_;
    }

private:
    // Returns true when the pass ends here (its stopping record, or an error).
    bool TakeRecord(const NameRecord& record, std::uint64_t stringBase) {
        if (!AcceptsRecord(record, request_, result_.lastLang)) {
            return false;
        }
        const std::uint64_t position = stringBase + record.offset;
        if (record.length > bytes_.Size() || position > bytes_.Size() - record.length) {
            result_.error = kNameStringPastEnd;
            return true;
        }
        std::uint8_t text[kMaxStringBytes];
        const std::size_t size = std::min<std::size_t>(record.length, kMaxStringBytes);
        const std::size_t got = bytes_.Read(position, size, text);
        if (std::string* target = Target(record.nameId)) {
            *target = ConvertNameString(record.encodingId, text, got);
        }
        if (!request_.fullNameOnly && record.nameId != kTrademarkId) {
            return false;
        }
        result_.lastLang = record.languageId;
        return EndsPass(record, request_);
    }

    std::string* Target(std::uint16_t nameId) const {
        if (nameId >= targets_.size() || nameId == 3 || nameId == 6) {
            return nullptr;
        }
        return targets_[nameId];
    }

    FontBytes& bytes_;
    const NameRequest& request_;
    const NameTargets& targets_;
    NameReadResult result_;
};

}  // namespace

std::string ConvertNameString(std::uint16_t encodingId, const std::uint8_t* data,
                              std::size_t size) {
    if (encodingId != kEncodingWansung) {
        return platform::Utf16BeToUtf8(data, size);
    }
    std::string packed;
    packed.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != 0) {
            packed.push_back(static_cast<char>(data[i]));
        }
    }
    return platform::Cp949ToUtf8(packed);
}

NameReadResult ReadNames(FontBytes& bytes, const NameRequest& request, const NameTargets& targets) {
    NameTableLocation table;
    if (const int error = FindNameTable(bytes, request.faceOffset, table); error != kNameOk) {
        return {error, 0};
    }
    return NameWalker(bytes, request, targets).Walk(table);
}

NameReadResult ReadNamesFromMemory(const std::uint8_t* data, std::size_t size,
                                   const NameRequest& request, const NameTargets& targets) {
    FontBytes bytes(data, size);
    return ReadNames(bytes, request, targets);
}

}  // namespace catalogue
