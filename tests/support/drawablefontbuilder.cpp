#include "support/drawablefontbuilder.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "support/bigendian.h"
#include "support/cffbuilder.h"
#include "support/truetypebuilder.h"

namespace testsupport {
namespace {

constexpr int kAdvance = 600;
constexpr int kGlyphCount = 2;  // the missing glyph and the square
struct Point {
    int x;
    int y;
};
using Contour = std::vector<Point>;

// Outer contours run clockwise, holes counter-clockwise, as TrueType fills them.
const std::vector<Contour> kMissingBox = {{{50, 0}, {50, 700}, {550, 700}, {550, 0}},
                                          {{100, 50}, {500, 50}, {500, 650}, {100, 650}}};
const std::vector<Contour> kSquare = {{{50, 0}, {50, 600}, {550, 600}, {550, 0}}};

void PadTo4(std::string& out) {
    out.append((4 - out.size() % 4) % 4, '\0');
}

std::uint32_t Checksum(const std::string& table) {
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < table.size(); at += 4) {
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t index = at + i;
            word = (word << 8) |
                   (index < table.size() ? static_cast<unsigned char>(table[index]) : 0u);
        }
        sum += word;
    }
    return sum;
}

// A simple glyph: its box, contour ends, no instructions, every point on the curve with
// two-byte coordinate deltas.
std::string Glyph(const std::vector<Contour>& contours) {
    std::string out;
    if (contours.empty()) {
        return out;
    }
    Put16(out, static_cast<int>(contours.size()));
    const Contour& outer = contours.front();
    Put16(out, outer[0].x);
    Put16(out, outer[0].y);
    Put16(out, outer[2].x);
    Put16(out, outer[2].y);
    int points = 0;
    for (const Contour& contour : contours) {
        points += static_cast<int>(contour.size());
        Put16(out, points - 1);
    }
    Put16(out, 0);
    out.append(static_cast<std::size_t>(points), '\x01');
    for (int axis = 0; axis < 2; ++axis) {
        int previous = 0;
        for (const Contour& contour : contours) {
            for (const Point& point : contour) {
                const int value = axis == 0 ? point.x : point.y;
                Put16(out, value - previous);
                previous = value;
            }
        }
    }
    PadTo4(out);
    return out;
}

// Fonts with PostScript outlines keep only the glyph count (version 0.5).
std::string Maxp(bool postScript) {
    std::string out;
    if (postScript) {
        Put32(out, 0x00005000);
        Put16(out, kGlyphCount);
        return out;
    }
    Put32(out, 0x00010000);
    Put16(out, kGlyphCount);
    Put16(out, 8);  // most points in a glyph
    Put16(out, 2);  // most contours
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, 2);  // zones
    for (int field = 0; field < 8; ++field) {
        Put16(out, 0);
    }
    return out;
}

std::string Hmtx() {
    std::string out;
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
        Put16(out, kAdvance);
        Put16(out, 50);
    }
    return out;
}

std::string Post() {
    std::string out;
    Put32(out, 0x00030000);
    Put32(out, 0);     // italic angle
    Put16(out, -100);  // underline position
    Put16(out, 50);    // underline thickness
    out.append(20, '\0');
    return out;
}

}  // namespace

DrawableFontBuilder::DrawableFontBuilder(std::string_view family, std::string_view style)
    : family_(family), style_(style) {}

DrawableFontBuilder& DrawableFontBuilder::Characters(std::string_view utf8) {
    const std::string units = Utf16Be(utf8);
    for (std::size_t at = 0; at + 1 < units.size(); at += 2) {
        characters_.push_back(static_cast<char16_t>((static_cast<unsigned char>(units[at]) << 8) |
                                                    static_cast<unsigned char>(units[at + 1])));
    }
    std::sort(characters_.begin(), characters_.end());
    characters_.erase(std::unique(characters_.begin(), characters_.end()), characters_.end());
    return *this;
}

DrawableFontBuilder& DrawableFontBuilder::LineMetrics(int ascent, int descent) {
    ascent_ = ascent;
    descent_ = descent;
    return *this;
}

DrawableFontBuilder& DrawableFontBuilder::EmptyMissingGlyph() {
    missingBox_ = false;
    return *this;
}

DrawableFontBuilder& DrawableFontBuilder::PostScriptOutlines() {
    postScript_ = true;
    return *this;
}

// A format 4 subtable for Windows Unicode: one segment per character, mapped to the square.
std::string DrawableFontBuilder::BuildCmap() const {
    std::vector<std::pair<int, int>> segments;  // first code, glyph delta
    for (const char16_t code : characters_) {
        if (code != 0xFFFF) {
            segments.emplace_back(code, 1 - code);
        }
    }
    segments.emplace_back(0xFFFF, 1);
    const int count = static_cast<int>(segments.size());
    int range = 1;
    int selector = 0;
    while (range * 2 <= count) {
        range *= 2;
        ++selector;
    }
    std::string out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 3);
    Put16(out, 1);
    Put32(out, 12);
    Put16(out, 4);
    Put16(out, 16 + 8 * count);
    Put16(out, 0);
    Put16(out, 2 * count);
    Put16(out, 2 * range);
    Put16(out, selector);
    Put16(out, 2 * (count - range));
    for (const auto& segment : segments) {
        Put16(out, segment.first);
    }
    Put16(out, 0);
    for (const auto& segment : segments) {
        Put16(out, segment.first);
    }
    for (const auto& segment : segments) {
        Put16(out, segment.second);
    }
    for (int segment = 0; segment < count; ++segment) {
        Put16(out, 0);
    }
    return out;
}

std::string DrawableFontBuilder::BuildGlyphs(std::string& loca) const {
    std::string glyf;
    for (const auto& contours : {missingBox_ ? kMissingBox : std::vector<Contour>{}, kSquare}) {
        Put32(loca, static_cast<std::uint32_t>(glyf.size()));
        glyf += Glyph(contours);
    }
    Put32(loca, static_cast<std::uint32_t>(glyf.size()));
    return glyf;
}

std::string DrawableFontBuilder::BuildHead() const {
    std::string out;
    Put32(out, 0x00010000);
    Put32(out, 0x00010000);
    Put32(out, 0);           // checksum adjustment
    Put32(out, 0x5F0F3CF5);  // magic number
    Put16(out, 0x0003);      // baseline and left side bearing at zero
    Put16(out, 1000);        // units per em
    out.append(16, '\0');    // created, modified
    Put16(out, 50);
    Put16(out, 0);
    Put16(out, 550);
    Put16(out, 700);
    Put16(out, 0);  // mac style
    Put16(out, 8);  // smallest readable size
    Put16(out, 2);  // direction hint
    Put16(out, 1);  // long offsets in loca
    Put16(out, 0);
    return out;
}

std::string DrawableFontBuilder::BuildHhea() const {
    std::string out;
    Put32(out, 0x00010000);
    Put16(out, ascent_);
    Put16(out, -descent_);
    Put16(out, 0);  // line gap
    Put16(out, kAdvance);
    Put16(out, 50);   // least left side bearing
    Put16(out, 50);   // least right side bearing
    Put16(out, 550);  // greatest extent
    Put16(out, 1);    // caret slope rise
    out.append(14, '\0');
    Put16(out, kGlyphCount);
    return out;
}

// Version 1: a regular weight, a normal width, the line of the face in both metric sets.
std::string DrawableFontBuilder::BuildOs2() const {
    std::string out;
    Put16(out, 1);
    Put16(out, kAdvance);
    Put16(out, 400);
    Put16(out, 5);
    Put16(out, 0);
    for (const int field : {650, 600, 0, 75, 650, 600, 0, 350, 50, 300}) {
        Put16(out, field);
    }
    out.append(2 + 10 + 16, '\0');  // family class, PANOSE, Unicode ranges
    out += "NONE";
    Put16(out, 0x0040);  // regular
    Put16(out, characters_.empty() ? 0xFFFF : characters_.front());
    Put16(out, characters_.empty() ? 0xFFFF : characters_.back());
    Put16(out, ascent_);
    Put16(out, -descent_);
    Put16(out, 0);
    Put16(out, ascent_);
    Put16(out, descent_);
    out.append(8, '\0');  // code page ranges
    return out;
}

std::string DrawableFontBuilder::Build() const {
    // Tags in the sorted order a directory needs.
    std::map<std::string, std::string> tables = {
        {"OS/2", BuildOs2()},
        {"cmap", BuildCmap()},
        {"head", BuildHead()},
        {"hhea", BuildHhea()},
        {"hmtx", Hmtx()},
        {"maxp", Maxp(postScript_)},
        {"name", TrueTypeBuilder().AllNames(kLangEnglish, family_, style_).BuildNameTable()},
        {"post", Post()}};
    if (postScript_) {
        std::string postScriptName = family_ + "-" + style_;
        std::erase(postScriptName, ' ');
        tables["CFF "] = BuildCffTable(postScriptName, kAdvance, missingBox_);
    } else {
        std::string loca;
        tables["glyf"] = BuildGlyphs(loca);
        tables["loca"] = loca;
    }
    const int count = static_cast<int>(tables.size());
    std::string out;
    out += postScript_ ? std::string("OTTO") : std::string("\x00\x01\x00\x00", 4);
    Put16(out, count);
    Put16(out, 128);  // search range: 8 tables x 16
    Put16(out, 3);
    Put16(out, count * 16 - 128);
    std::string data;
    std::uint32_t offset = 12 + 16 * static_cast<std::uint32_t>(count);
    for (const auto& [tag, table] : tables) {
        out += tag;
        Put32(out, Checksum(table));
        Put32(out, offset + static_cast<std::uint32_t>(data.size()));
        Put32(out, static_cast<std::uint32_t>(table.size()));
        data += table;
        PadTo4(data);
    }
    return out + data;
}

bool DrawableFontBuilder::Write(const std::string& path) const {
    return WriteBytes(path, Build());
}

}  // namespace testsupport
