// Writes the seed inputs of the fuzz targets: fonts and collections from the test builder
// with their broken variants, the name tables of the DejaVu fonts (cut down to what the
// reader looks at), and settings files as the program writes them. scripts/fuzz.sh merges
// them into the corpus once; the corpus in the repository is what the fuzzers start from.
// Usage: fuzz_makeseeds OUTPUT_FOLDER [REAL_FONT ...]
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "support/drawablefontbuilder.h"
#include "support/truetypebuilder.h"

namespace {

namespace fs = std::filesystem;
using testsupport::CollectionBuilder;
using testsupport::kLangEnglish;
using testsupport::kLangGerman;
using testsupport::kLangKorean;
using testsupport::TrueTypeBuilder;

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kTableRecordSize = 16;
constexpr std::size_t kNameHeaderSize = 6;
constexpr std::size_t kNameRecordSize = 12;

std::uint32_t Be(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

void PutBe32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.at(at + i) = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
    }
}

std::string Be16(std::uint16_t value) {
    return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}

// A real `name` table without the records the reader never looks at (IDs 8 and up: the
// licence, descriptions, URLs), which are most of its bytes. Empty when it cannot be read.
std::string NamesZeroToSeven(const std::string& table) {
    if (table.size() < kNameHeaderSize) {
        return {};
    }
    const std::size_t count = Be(table, 2, 2);
    const std::size_t stringBase = Be(table, 4, 2);
    if (kNameHeaderSize + count * kNameRecordSize > table.size() || stringBase > table.size()) {
        return {};
    }
    std::string records;
    std::string strings;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kNameHeaderSize + i * kNameRecordSize;
        const std::size_t length = Be(table, at + 8, 2);
        const std::size_t offset = stringBase + Be(table, at + 10, 2);
        if (Be(table, at + 6, 2) >= 8 || offset > table.size() || length > table.size() - offset) {
            continue;
        }
        records += table.substr(at, 8) + Be16(static_cast<std::uint16_t>(length)) +
                   Be16(static_cast<std::uint16_t>(strings.size()));
        strings += table.substr(offset, length);
    }
    const std::size_t kept = records.size() / kNameRecordSize;
    return Be16(0) + Be16(static_cast<std::uint16_t>(kept)) +
           Be16(static_cast<std::uint16_t>(kNameHeaderSize + records.size())) + records + strings;
}

// Where a font's table directory ends; 0 when the font is too short to hold it.
std::size_t DirectoryEnd(const std::string& font) {
    if (font.size() < kOffsetTableSize) {
        return 0;
    }
    const std::size_t end = kOffsetTableSize + Be(font, 4, 2) * kTableRecordSize;
    return end <= font.size() ? end : 0;
}

// A real font cut down to its offset table, its table directory and its `name` table (names 0
// to 7), placed at base inside a file: every table entry points at the `name` table, which
// follows the directory. Empty when the font has no readable `name` table.
std::string NameTableOnly(const std::string& font, std::uint32_t base) {
    const std::size_t directoryEnd = DirectoryEnd(font);
    if (directoryEnd == 0) {
        return {};
    }
    std::string out = font.substr(0, directoryEnd);
    std::string nameTable;
    for (std::size_t at = kOffsetTableSize; at < directoryEnd; at += kTableRecordSize) {
        const std::size_t offset = Be(font, at + 8, 4);
        const std::size_t length = Be(font, at + 12, 4);
        if (font.compare(at, 4, "name") == 0 && offset <= font.size() &&
            length <= font.size() - offset) {
            nameTable = NamesZeroToSeven(font.substr(offset, length));
        }
    }
    if (nameTable.empty()) {
        return {};
    }
    for (std::size_t at = kOffsetTableSize; at < directoryEnd; at += kTableRecordSize) {
        PutBe32(out, at + 8, base + static_cast<std::uint32_t>(directoryEnd));
        PutBe32(out, at + 12, static_cast<std::uint32_t>(nameTable.size()));
    }
    return out + nameTable;
}

// A collection of the given faces, each laid out for its place by makeFace(base).
template <typename MakeFace>
std::string Collection(std::size_t faces, MakeFace makeFace) {
    std::string out = "ttcf" + Be16(1) + Be16(0) + std::string(4, '\0');
    PutBe32(out, 8, static_cast<std::uint32_t>(faces));
    const std::size_t offsetsAt = out.size();
    out.append(4 * faces, '\0');
    for (std::size_t i = 0; i < faces; ++i) {
        const auto base = static_cast<std::uint32_t>(out.size());
        PutBe32(out, offsetsAt + 4 * i, base);
        out += makeFace(i, base);
    }
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SeedWriter {
public:
    explicit SeedWriter(fs::path folder) : folder_(std::move(folder)) {
        fs::create_directories(folder_);
    }
    void Add(const std::string& name, const std::string& bytes) {
        testsupport::WriteBytes((folder_ / name).string(), bytes);
    }

private:
    fs::path folder_;
};

std::vector<std::pair<std::string, TrueTypeBuilder>> BuilderFonts() {
    TrueTypeBuilder wansung;
    wansung.AllNames(kLangEnglish, "Myeongjo", "Regular")
        .Record({3, 5, kLangKorean, 4, "\xB8\xED\xC1\xB6"})
        .Record({3, 5, kLangKorean, 1, "\xB8\xED\xC1\xB6"});
    TrueTypeBuilder mixed;
    mixed.Record({1, 0, 0, 4, "Mac Name"})
        .Record({2, 1, 0, 4, testsupport::Utf16Be("Iso")})
        .AllNames(kLangGerman, "Schrift", "Fett")
        .Name(kLangEnglish, 4, "Type Bold")
        .Name(kLangKorean, 4, "\xED\x95\x9C\xEA\xB8\x80 \xF0\x9F\x98\x80");
    TrueTypeBuilder unordered;
    unordered.Name(kLangKorean, 4, "Second").Name(kLangEnglish, 4, "First").KeepRecordOrder();
    return {{"english", TrueTypeBuilder().AllNames(kLangEnglish, "Sample", "Regular")},
            {"wansung", wansung},
            {"languages", mixed},
            {"unordered", unordered},
            {"english-korean", TrueTypeBuilder()
                                   .AllNames(kLangEnglish, "Gothic", "Bold")
                                   .AllNames(kLangKorean, "\xEA\xB3\xA0\xEB\x94\x95", "Bold")}};
}

void WriteNameTableSeeds(SeedWriter& out, const std::vector<std::string>& realFonts) {
    const std::pair<std::uint16_t, std::uint16_t> languages[] = {
        {kLangEnglish, 0}, {kLangKorean, 0}, {kLangGerman, kLangGerman}, {kLangKorean, 0x0411}};
    for (const auto& [name, font] : BuilderFonts()) {
        for (const auto& [user, record] : languages) {
            out.Add("builder-" + name + "-" + std::to_string(user) + "-" + std::to_string(record),
                    Be16(user) + Be16(record) + font.Build());
        }
    }
    for (const auto& [font, code] : testsupport::brokenfonts::Corpus()) {
        out.Add("broken-" + std::to_string(code) + "-" + std::to_string(font.size()),
                Be16(kLangEnglish) + Be16(0) + font);
    }
    for (const std::string& path : realFonts) {
        const std::string cut = NameTableOnly(ReadFile(path), 0);
        if (!cut.empty()) {
            out.Add("real-" + fs::path(path).stem().string(), Be16(kLangEnglish) + Be16(0) + cut);
        }
    }
}

void WriteCollectionSeeds(SeedWriter& out, const std::vector<std::string>& realFonts) {
    CollectionBuilder builder;
    for (const auto& [name, font] : BuilderFonts()) {
        builder.Face(font);
    }
    out.Add("builder-faces", builder.Build());
    out.Add("builder-declares-more", CollectionBuilder(builder).DeclaredCount(9).Build());
    out.Add("builder-cut", CollectionBuilder(builder).TruncateTo(30).Build());
    out.Add("broken-tag", testsupport::brokenfonts::CollectionWithoutTag());
    out.Add("broken-many", testsupport::brokenfonts::CollectionWithFaces(150, 3));
    std::vector<std::string> fonts;
    for (const std::string& path : realFonts) {
        fonts.push_back(ReadFile(path));
    }
    if (!fonts.empty()) {
        out.Add("real-faces", Collection(fonts.size(), [&](std::size_t i, std::uint32_t base) {
                    return NameTableOnly(fonts[i], base);
                }));
    }
}

// A real font cut down to its offset table, its directory and the two tables the `cmap`
// reader looks at (`cmap` and `maxp`); the other entries point at nothing (length 0).
std::string CmapTablesOnly(const std::string& font) {
    const std::size_t directoryEnd = DirectoryEnd(font);
    if (directoryEnd == 0) {
        return {};
    }
    std::string out = font.substr(0, directoryEnd);
    for (std::size_t at = kOffsetTableSize; at < directoryEnd; at += kTableRecordSize) {
        const std::size_t offset = Be(font, at + 8, 4);
        const std::size_t length = Be(font, at + 12, 4);
        const bool kept = font.compare(at, 4, "cmap") == 0 || font.compare(at, 4, "maxp") == 0;
        if (!kept || offset > font.size() || length > font.size() - offset) {
            PutBe32(out, at + 8, 0);
            PutBe32(out, at + 12, 0);
            continue;
        }
        PutBe32(out, at + 8, static_cast<std::uint32_t>(out.size()));
        out += font.substr(offset, length);
    }
    return out;
}

void WriteCmapSeeds(SeedWriter& out, const std::vector<std::string>& realFonts) {
    testsupport::DrawableFontBuilder drawable("Squares", "Regular");
    drawable.Characters("ABCê°ê°");
    out.Add("builder-truetype", drawable.Build());
    out.Add("builder-postscript",
            testsupport::DrawableFontBuilder(drawable).PostScriptOutlines().Build());
    out.Add("builder-without-cmap",
            TrueTypeBuilder().AllNames(kLangEnglish, "Sample", "Regular").Build());
    for (const std::string& path : realFonts) {
        const std::string cut = CmapTablesOnly(ReadFile(path));
        if (!cut.empty()) {
            out.Add("real-" + fs::path(path).stem().string(), cut);
        }
    }
}

void WriteIniSeeds(SeedWriter& out) {
    using namespace std::string_literals;
    const std::string settings =
        "[Window]\r\nMain=10,20,800,600\r\n[Option]\r\nSort=1\r\nBackupPath=/tmp/b\r\n"
        "[Folders]\r\nFolder1=/usr/share/fonts\r\nFolder2=\r\n[Font]\r\nAntiAlias=1\r\n"
        "Color=$00FF00\r\nSize=0x10\r\n[History]\r\n1=\"  The quick brown fox\"\r\n"
        "2='quoted'\r\n[ExpandedFav]\r\nGroup 1=1\r\n";
    const std::string unusual =
        "\xEF\xBB\xBF; comment\n[ Spaced ]\n  key  =  value  \nno equals\n=empty name\r"
        "[spaced]\nKEY=second\n[Dup]\na=1\nA=2\n[Dup]\nb=3\n[\n[x]y]\nk=v\xFF\xFE\n";
    out.Add("settings", settings);
    out.Add("unusual", unusual);
    out.Add("edit-settings", "Font\0Size\0-12\0"s + settings);
    out.Add("edit-new-section", "New\0Key\0\"quoted value\"\0"s + settings);
    out.Add("edit-duplicates", "dup\0A\0 x \0"s + unusual);
    out.Add("edit-refused", "Bad]\0k\0v\0"s + unusual);
    out.Add("edit-empty", "S\0K\0V\0"s);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "Usage: fuzz_makeseeds OUTPUT_FOLDER [REAL_FONT ...]\n";
        return 2;
    }
    const fs::path folder = argv[1];
    const std::vector<std::string> realFonts(argv + 2, argv + argc);
    SeedWriter nameTable(folder / "nametable");
    WriteNameTableSeeds(nameTable, realFonts);
    SeedWriter collection(folder / "collection");
    WriteCollectionSeeds(collection, realFonts);
    SeedWriter cmap(folder / "cmap");
    WriteCmapSeeds(cmap, realFonts);
    SeedWriter ini(folder / "inifile");
    WriteIniSeeds(ini);
    return 0;
}
