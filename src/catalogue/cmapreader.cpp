#include "catalogue/cmapreader.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace catalogue {
namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kTableRecordSize = 16;
// Real faces have a few dozen tables; the bound keeps a forged count from costing reads.
constexpr unsigned kMaxTables = 512;
constexpr std::size_t kSubtableRecordSize = 8;
constexpr unsigned kMaxSubtables = 256;
// Real subtables stay below a megabyte; a forged one is never read past this.
constexpr std::uint64_t kMaxSubtableBytes = 16u << 20;
constexpr std::size_t kFormat4HeaderSize = 14;
constexpr std::size_t kFormat12HeaderSize = 16;
constexpr std::size_t kGroupSize = 12;
constexpr char32_t kLastCode = 0x10FFFF;

using Runs = std::vector<std::pair<char32_t, char32_t>>;

struct Span {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// The bytes of [offset, offset + length), clipped to what the file holds.
std::vector<std::uint8_t> ReadSpan(FontBytes& bytes, std::uint64_t offset, std::uint64_t length) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(std::min(length, kMaxSubtableBytes)));
    data.resize(bytes.Read(offset, data.size(), data.data()));
    return data;
}

// The `cmap` and `maxp` tables of the face, each only when it lies inside the file.
bool FindTables(FontBytes& bytes, std::uint32_t faceOffset, Span& cmap, Span& maxp) {
    const std::vector<std::uint8_t> head = ReadSpan(bytes, faceOffset, kOffsetTableSize);
    if (head.size() < kOffsetTableSize) {
        return false;
    }
    const unsigned count = std::min<unsigned>(ReadBe16(head.data() + 4), kMaxTables);
    const std::vector<std::uint8_t> directory =
        ReadSpan(bytes, std::uint64_t{faceOffset} + kOffsetTableSize, count * kTableRecordSize);
    for (std::size_t at = 0; at + kTableRecordSize <= directory.size(); at += kTableRecordSize) {
        const Span span{ReadBe32(directory.data() + at + 8), ReadBe32(directory.data() + at + 12)};
        if (span.offset > bytes.Size() || span.length > bytes.Size() - span.offset) {
            continue;
        }
        if (std::memcmp(directory.data() + at, "cmap", 4) == 0) {
            cmap = span;
        } else if (std::memcmp(directory.data() + at, "maxp", 4) == 0) {
            maxp = span;
        }
    }
    return cmap.length != 0 && maxp.length != 0;
}

unsigned GlyphCount(FontBytes& bytes, const Span& maxp) {
    const std::vector<std::uint8_t> data = ReadSpan(bytes, maxp.offset, 6);
    return data.size() == 6 ? ReadBe16(data.data() + 4) : 0;
}

// How well a subtable serves: format 12 under a Unicode encoding best, then format 4 under
// one; 0 for the others (symbol, legacy encodings, formats a font engine must read).
int Rank(std::uint16_t platformId, std::uint16_t encodingId, std::uint16_t format) {
    const bool unicode =
        platformId == 0 || (platformId == 3 && (encodingId == 1 || encodingId == 10));
    // Platform 0 encoding 5 holds variation sequences, not characters.
    if (!unicode || (platformId == 0 && encodingId == 5)) {
        return 0;
    }
    return format == 12 ? 2 : (format == 4 ? 1 : 0);
}

// Adds code to runs, whose last run ends at or before it.
void AddCode(Runs& runs, char32_t code) {
    if (!runs.empty() && code - runs.back().second <= 1) {
        runs.back().second = code;
    } else {
        runs.emplace_back(code, code);
    }
}

// Each group maps startCode..endCode to consecutive glyphs from startGlyph: the codes whose
// glyph is neither 0 nor past the last are one run.
void ReadFormat12(const std::vector<std::uint8_t>& table, unsigned glyphs, Runs& runs) {
    if (table.size() < kFormat12HeaderSize) {
        return;
    }
    const std::uint64_t declared = ReadBe32(table.data() + 12);
    const std::uint64_t groups =
        std::min(declared, (table.size() - kFormat12HeaderSize) / kGroupSize);
    for (std::uint64_t i = 0; i < groups; ++i) {
        const std::uint8_t* group = table.data() + kFormat12HeaderSize + i * kGroupSize;
        const std::uint64_t start = ReadBe32(group);
        const std::uint64_t end = std::min<std::uint64_t>(ReadBe32(group + 4), kLastCode);
        const std::uint64_t startGlyph = ReadBe32(group + 8);
        if (start > end || startGlyph >= glyphs) {
            continue;
        }
        const std::uint64_t first = start + (startGlyph == 0 ? 1 : 0);
        const std::uint64_t last = std::min(end, start + (glyphs - 1 - startGlyph));
        if (first <= last) {
            runs.emplace_back(static_cast<char32_t>(first), static_cast<char32_t>(last));
        }
    }
}

// Segments map a range of codes by adding a delta, or through the glyph array. Font engines
// find a code's segment by its end; a code is read once, from the first segment that holds
// it, so overlapping segments cannot make the walk longer than the plane.
void ReadFormat4(const std::vector<std::uint8_t>& table, unsigned glyphs, Runs& runs) {
    if (table.size() < kFormat4HeaderSize) {
        return;
    }
    const std::size_t segments = ReadBe16(table.data() + 6) / 2;
    const std::size_t ends = kFormat4HeaderSize;
    const std::size_t starts = ends + 2 * segments + 2;
    const std::size_t deltas = starts + 2 * segments;
    const std::size_t rangeOffsets = deltas + 2 * segments;
    if (rangeOffsets + 2 * segments > table.size()) {
        return;
    }
    std::uint32_t next = 0;  // codes below were read already
    for (std::size_t s = 0; s < segments; ++s) {
        const std::uint32_t end =
            std::min<std::uint32_t>(ReadBe16(table.data() + ends + 2 * s), 0xFFFE);
        const std::uint32_t start =
            std::max<std::uint32_t>(ReadBe16(table.data() + starts + 2 * s), next);
        const std::uint16_t delta = ReadBe16(table.data() + deltas + 2 * s);
        const std::size_t rangeAt = rangeOffsets + 2 * s;
        const std::uint16_t rangeOffset = ReadBe16(table.data() + rangeAt);
        const std::uint32_t segmentStart = ReadBe16(table.data() + starts + 2 * s);
        for (std::uint32_t code = start; code <= end; ++code) {
            std::uint32_t glyph = 0;
            if (rangeOffset == 0) {
                glyph = (code + delta) & 0xFFFF;
            } else {
                const std::uint64_t at =
                    std::uint64_t{rangeAt} + rangeOffset + 2 * std::uint64_t{code - segmentStart};
                glyph = at + 2 <= table.size() ? ReadBe16(table.data() + at) : 0;
                glyph = glyph != 0 ? (glyph + delta) & 0xFFFF : 0;
            }
            if (glyph != 0 && glyph < glyphs) {
                AddCode(runs, static_cast<char32_t>(code));
            }
        }
        next = std::max(next, end + 1);
    }
}

}  // namespace

std::optional<TCharCoverage> ReadUnicodeCoverage(FontBytes& bytes, std::uint32_t faceOffset) {
    Span cmap;
    Span maxp;
    if (!FindTables(bytes, faceOffset, cmap, maxp)) {
        return std::nullopt;
    }
    const unsigned glyphs = GlyphCount(bytes, maxp);
    const std::vector<std::uint8_t> head = ReadSpan(bytes, cmap.offset, 4);
    if (glyphs == 0 || head.size() < 4) {
        return std::nullopt;
    }
    const unsigned count = std::min<unsigned>(ReadBe16(head.data() + 2), kMaxSubtables);
    const std::vector<std::uint8_t> records =
        ReadSpan(bytes, cmap.offset + 4,
                 std::min<std::uint64_t>(count * kSubtableRecordSize, cmap.length - 4));
    int bestRank = 0;
    std::uint64_t bestOffset = 0;
    for (std::size_t at = 0; at + kSubtableRecordSize <= records.size();
         at += kSubtableRecordSize) {
        const std::uint64_t offset = ReadBe32(records.data() + at + 4);
        const std::vector<std::uint8_t> format = ReadSpan(bytes, cmap.offset + offset, 2);
        if (offset + 2 > cmap.length || format.size() < 2) {
            continue;
        }
        const int rank = Rank(ReadBe16(records.data() + at), ReadBe16(records.data() + at + 2),
                              ReadBe16(format.data()));
        if (rank > bestRank) {
            bestRank = rank;
            bestOffset = offset;
        }
    }
    if (bestRank == 0) {
        return std::nullopt;
    }
    // A format 4 subtable's own length field cannot hold the size of a large one; like font
    // engines, read up to the end of the `cmap` table.
    const std::vector<std::uint8_t> table =
        ReadSpan(bytes, cmap.offset + bestOffset, cmap.length - bestOffset);
    Runs runs;
    if (bestRank == 2) {
        ReadFormat12(table, glyphs, runs);
    } else {
        ReadFormat4(table, glyphs, runs);
    }
    return TCharCoverage::FromRuns(std::move(runs));
}

std::optional<TCharCoverage> ReadUnicodeCoverageFromMemory(const std::uint8_t* data,
                                                           std::size_t size,
                                                           std::uint32_t faceOffset) {
    FontBytes bytes(data, size);
    return ReadUnicodeCoverage(bytes, faceOffset);
}

}  // namespace catalogue
