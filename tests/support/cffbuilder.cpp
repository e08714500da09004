#include "support/cffbuilder.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "support/bigendian.h"

namespace testsupport {
namespace {

// Type 2 charstring operators and Top DICT operators used here.
constexpr char kRMoveTo = 21;
constexpr char kHLineTo = 6;
constexpr char kVLineTo = 7;
constexpr char kEndChar = 14;
constexpr char kCharset = 15;
constexpr char kCharStrings = 17;
constexpr char kPrivate = 18;
constexpr char kDefaultWidthX = 20;
constexpr char kNominalWidthX = 21;
// The first string of a font's own String INDEX (the standard strings come before it).
constexpr int kFirstOwnString = 391;

// A charstring or DICT number between -1131 and 1131, in the shortest form both share.
void PutNumber(std::string& out, int value) {
    if (value >= -107 && value <= 107) {
        out.push_back(static_cast<char>(value + 139));
    } else if (value > 0) {
        out.push_back(static_cast<char>(((value - 108) >> 8) + 247));
        out.push_back(static_cast<char>((value - 108) & 0xFF));
    } else {
        out.push_back(static_cast<char>(((-value - 108) >> 8) + 251));
        out.push_back(static_cast<char>((-value - 108) & 0xFF));
    }
}

// A DICT operand of fixed size, so offsets can be written before the layout is known.
void PutDictInt32(std::string& out, std::uint32_t value) {
    out.push_back(29);
    Put32(out, value);
}

std::string Charstring(std::initializer_list<std::pair<std::vector<int>, char>> steps) {
    std::string out;
    for (const auto& [operands, op] : steps) {
        for (const int value : operands) {
            PutNumber(out, value);
        }
        out.push_back(op);
    }
    return out;
}

// An INDEX with four-byte offsets; an empty one is its count alone.
std::string Index(const std::vector<std::string>& items) {
    std::string out;
    Put16(out, static_cast<int>(items.size()));
    if (items.empty()) {
        return out;
    }
    out.push_back(4);
    std::uint32_t offset = 1;
    Put32(out, offset);
    for (const std::string& item : items) {
        offset += static_cast<std::uint32_t>(item.size());
        Put32(out, offset);
    }
    for (const std::string& item : items) {
        out += item;
    }
    return out;
}

std::string TopDict(std::uint32_t charset, std::uint32_t charStrings, std::uint32_t privateSize,
                    std::uint32_t privateOffset) {
    std::string out;
    PutDictInt32(out, charset);
    out.push_back(kCharset);
    PutDictInt32(out, charStrings);
    out.push_back(kCharStrings);
    PutDictInt32(out, privateSize);
    PutDictInt32(out, privateOffset);
    out.push_back(kPrivate);
    return out;
}

}  // namespace

std::string BuildCffTable(std::string_view postScriptName, int advance, bool missingBox) {
    // Each outline starts with the advance (the nominal width is 0). Outer contours run
    // counter-clockwise and holes clockwise, as PostScript outlines are filled.
    const std::string missing = missingBox ? Charstring({{{advance, 50, 0}, kRMoveTo},
                                                         {{500, 700, -500}, kHLineTo},
                                                         {{50, -650}, kRMoveTo},
                                                         {{600, 400, -600}, kVLineTo},
                                                         {{}, kEndChar}})
                                           : Charstring({{{advance}, kEndChar}});
    const std::string square =
        Charstring({{{advance, 50, 0}, kRMoveTo}, {{500, 600, -500}, kHLineTo}, {{}, kEndChar}});
    std::string privateDict;
    PutNumber(privateDict, 0);
    privateDict.push_back(kDefaultWidthX);
    PutNumber(privateDict, 0);
    privateDict.push_back(kNominalWidthX);
    std::string charset(1, '\0');  // format 0: one string per glyph after the missing one
    Put16(charset, kFirstOwnString);

    const std::string header("\x01\x00\x04\x04", 4);
    const std::string names = Index({std::string(postScriptName)});
    const std::string strings = Index({"square"});
    const std::string globalSubrs = Index({});
    const std::string charStrings = Index({missing, square});
    const std::size_t topSize = Index({TopDict(0, 0, 0, 0)}).size();
    const auto charsetAt = static_cast<std::uint32_t>(header.size() + names.size() + topSize +
                                                      strings.size() + globalSubrs.size());
    const auto charStringsAt = charsetAt + static_cast<std::uint32_t>(charset.size());
    const auto privateAt = charStringsAt + static_cast<std::uint32_t>(charStrings.size());
    const std::string top = Index({TopDict(
        charsetAt, charStringsAt, static_cast<std::uint32_t>(privateDict.size()), privateAt)});
    return header + names + top + strings + globalSubrs + charset + charStrings + privateDict;
}

}  // namespace testsupport
