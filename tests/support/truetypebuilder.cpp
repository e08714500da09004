#include "support/truetypebuilder.h"

#include <algorithm>
#include <fstream>
#include <tuple>

namespace testsupport {
namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kTableRecordSize = 16;
constexpr std::size_t kDummyTableSize = 4;

void Put16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value >> 16);
    Put16(out, value & 0xFFFF);
}

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

void Overwrite32(std::string& bytes, std::size_t at, std::uint32_t value) {
    std::string field;
    Put32(field, value);
    bytes.replace(at, 4, field);
}

// A collection header (tag, version 1.0, the face count it declares) and faceCount faces, each
// as makeFace(index, base) lays it out for the offset where it lands.
template <typename MakeFace>
std::string Collection(std::string_view tag, std::uint32_t declared, std::size_t faceCount,
                       MakeFace makeFace) {
    std::string out(tag);
    Put32(out, 0x00010000);
    Put32(out, declared);
    const std::size_t offsetsAt = out.size();
    out.append(4 * faceCount, '\0');
    for (std::size_t i = 0; i < faceCount; ++i) {
        out.append((4 - out.size() % 4) % 4, '\0');
        const auto base = static_cast<std::uint32_t>(out.size());
        Overwrite32(out, offsetsAt + 4 * i, base);
        out += makeFace(i, base);
    }
    return out;
}

// Tags in the order a directory lists them; "name" is placed among them by sorting.
std::vector<std::string> TableTags(std::uint16_t count, bool withName) {
    static const char* const kCommon[] = {"OS/2", "cmap", "cvt ", "fpgm", "gasp", "glyf", "head",
                                          "hhea", "hmtx", "loca", "maxp", "post", "prep"};
    std::vector<std::string> tags;
    if (withName && count > 0) {
        tags.emplace_back("name");
    }
    for (const char* tag : kCommon) {
        if (tags.size() < count) {
            tags.emplace_back(tag);
        }
    }
    for (int i = 0; tags.size() < count; ++i) {
        tags.push_back("z" + std::to_string(100 + i));
    }
    std::sort(tags.begin(), tags.end());
    return tags;
}

std::uint32_t DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i++);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    std::uint32_t code = extra == 3   ? lead & 0x07
                         : extra == 2 ? lead & 0x0F
                         : extra      ? lead & 0x1F
                                      : lead;
    while (extra-- > 0 && i < text.size()) {
        code = (code << 6) | (byte(i++) & 0x3F);
    }
    return code;
}

}  // namespace

std::string Utf16Be(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::uint32_t code = DecodeUtf8(utf8, i);
        if (code >= 0x10000) {
            Put16(out, 0xD800 + ((code - 0x10000) >> 10));
            Put16(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            Put16(out, code);
        }
    }
    return out;
}

TrueTypeBuilder& TrueTypeBuilder::Name(std::uint16_t languageId, std::uint16_t nameId,
                                       std::string_view utf8) {
    return Record({3, 1, languageId, nameId, Utf16Be(utf8)});
}

TrueTypeBuilder& TrueTypeBuilder::Record(const TtNameRecord& record) {
    records_.push_back(record);
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::AllNames(std::uint16_t languageId, std::string_view family,
                                           std::string_view style) {
    const std::string f(family);
    const std::string s(style);
    Name(languageId, 0, f + " Copyright");
    Name(languageId, 1, f);
    Name(languageId, 2, s);
    Name(languageId, 3, f + " Unique");
    Name(languageId, 4, f + " " + s);
    Name(languageId, 5, "Version 1.0");
    Name(languageId, 6, f + "-" + s);
    return Name(languageId, 7, f + " Trademark");
}

TrueTypeBuilder& TrueTypeBuilder::KeepRecordOrder() {
    keepOrder_ = true;
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::TableCount(std::uint16_t count) {
    tableCount_ = count;
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::WithoutNameTable() {
    withName_ = false;
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::NameTableOffset(std::uint32_t offset) {
    nameOffset_ = offset;
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::NameTableLength(std::uint32_t length) {
    nameLength_ = length;
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::NameRecordCount(std::uint16_t count) {
    recordCount_ = count;
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::TruncateTo(std::size_t size) {
    truncateTo_ = size;
    return *this;
}

std::string TrueTypeBuilder::BuildNameTable() const {
    std::vector<TtNameRecord> records = records_;
    if (!keepOrder_) {
        std::stable_sort(records.begin(), records.end(), [](const auto& a, const auto& b) {
            return std::tie(a.platformId, a.encodingId, a.languageId, a.nameId) <
                   std::tie(b.platformId, b.encodingId, b.languageId, b.nameId);
        });
    }
    std::string table;
    Put16(table, 0);
    Put16(table, recordCount_.value_or(static_cast<std::uint16_t>(records.size())));
    Put16(table, static_cast<std::uint32_t>(6 + 12 * records.size()));
    std::string strings;
    for (const TtNameRecord& record : records) {
        Put16(table, record.platformId);
        Put16(table, record.encodingId);
        Put16(table, record.languageId);
        Put16(table, record.nameId);
        Put16(table, static_cast<std::uint32_t>(record.bytes.size()));
        Put16(table, static_cast<std::uint32_t>(strings.size()));
        strings += record.bytes;
    }
    return table + strings;
}

std::string TrueTypeBuilder::BuildAt(std::uint32_t base) const {
    const std::vector<std::string> tags = TableTags(tableCount_, withName_);
    const std::string nameTable = BuildNameTable();
    std::string out;
    Put32(out, 0x00010000);
    Put16(out, tableCount_);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, 0);
    std::uint32_t next =
        static_cast<std::uint32_t>(kOffsetTableSize + kTableRecordSize * tags.size());
    std::uint32_t nameAt = 0;
    for (const std::string& tag : tags) {
        if (tag != "name") {
            out += tag;
            Put32(out, 0);
            Put32(out, base + next);
            Put32(out, kDummyTableSize);
            next += kDummyTableSize;
            continue;
        }
        out += tag;
        Put32(out, 0);
        nameAt = static_cast<std::uint32_t>(out.size());
        Put32(out, 0);
        Put32(out, nameLength_.value_or(static_cast<std::uint32_t>(nameTable.size())));
    }
    out.append(next - out.size(), '\0');
    if (nameAt != 0) {
        const std::uint32_t offset = nameOffset_.value_or(base + next);
        std::string patch;
        Put32(patch, offset);
        out.replace(nameAt, 4, patch);
        out += nameTable;
    }
    if (truncateTo_ && *truncateTo_ < out.size()) {
        out.resize(*truncateTo_);
    }
    return out;
}

bool TrueTypeBuilder::Write(const std::string& path) const {
    return WriteBytes(path, Build());
}

CollectionBuilder& CollectionBuilder::Face(const TrueTypeBuilder& face) {
    faces_.push_back(face);
    return *this;
}

CollectionBuilder& CollectionBuilder::Tag(std::string_view tag) {
    tag_ = tag;
    return *this;
}

CollectionBuilder& CollectionBuilder::DeclaredCount(std::uint32_t count) {
    declared_ = count;
    return *this;
}

CollectionBuilder& CollectionBuilder::TruncateTo(std::size_t size) {
    truncateTo_ = size;
    return *this;
}

std::string CollectionBuilder::Build() const {
    std::string tag = tag_.substr(0, 4);
    tag.resize(4, ' ');
    std::string out = Collection(
        tag, declared_.value_or(static_cast<std::uint32_t>(faces_.size())), faces_.size(),
        [&](std::size_t i, std::uint32_t base) { return faces_[i].BuildAt(base); });
    if (truncateTo_ && *truncateTo_ < out.size()) {
        out.resize(*truncateTo_);
    }
    return out;
}

bool CollectionBuilder::Write(const std::string& path) const {
    return WriteBytes(path, Build());
}

std::string CollectionOfFonts(const std::vector<std::string>& fonts) {
    const auto count = static_cast<std::uint32_t>(fonts.size());
    return Collection("ttcf", count, fonts.size(), [&](std::size_t i, std::uint32_t base) {
        std::string face = fonts[i];
        const std::uint32_t tableCount = Read32(face, 4) >> 16;
        for (std::uint32_t t = 0; t < tableCount; ++t) {
            const std::size_t offsetAt = kOffsetTableSize + kTableRecordSize * t + 8;
            Overwrite32(face, offsetAt, Read32(face, offsetAt) + base);
        }
        return face;
    });
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

namespace brokenfonts {

std::string ShortOffsetTable() {
    return TrueTypeBuilder().AllNames(kLangEnglish, "Short", "Regular").TruncateTo(8).Build();
}

std::string SixtyTables() {
    return TrueTypeBuilder().AllNames(kLangEnglish, "Sixty", "Regular").TableCount(60).Build();
}

std::string SixTables() {
    return TrueTypeBuilder().AllNames(kLangEnglish, "Six", "Regular").TableCount(6).Build();
}

std::string NoNameTable() {
    return TrueTypeBuilder().WithoutNameTable().Build();
}

std::string NameOffsetPastEnd() {
    return TrueTypeBuilder()
        .AllNames(kLangEnglish, "Past", "Regular")
        .NameTableOffset(0x7FFFFFF0)
        .Build();
}

std::string NameHeaderCut() {
    TrueTypeBuilder font;
    font.AllNames(kLangEnglish, "Cut", "Regular");
    const auto size = static_cast<std::uint32_t>(font.Build().size());
    return font.NameTableOffset(size - 3).Build();
}

std::string RecordCountPastEnd() {
    return TrueTypeBuilder().Record({1, 0, 0, 4, "Mac Name"}).NameRecordCount(40).Build();
}

std::string StringPastEnd() {
    TrueTypeBuilder font;
    font.Name(kLangEnglish, 4, "A name whose end is cut off");
    const std::size_t size = font.Build().size();
    return font.TruncateTo(size - 10).Build();
}

std::string CollectionWithoutTag() {
    return CollectionBuilder()
        .Tag("ttcx")
        .Face(TrueTypeBuilder().AllNames(kLangEnglish, "A", "B"))
        .Build();
}

std::string CollectionWithFaces(std::uint32_t declared, int real) {
    CollectionBuilder collection;
    for (int i = 0; i < real; ++i) {
        collection.Face(
            TrueTypeBuilder().AllNames(kLangEnglish, "Face" + std::to_string(i), "Regular"));
    }
    return collection.DeclaredCount(declared).Build();
}

std::vector<std::pair<std::string, int>> Corpus() {
    return {{ShortOffsetTable(), 1},   {SixtyTables(), 2},       {SixTables(), 2},
            {NoNameTable(), 3},        {NameOffsetPastEnd(), 3}, {NameHeaderCut(), 4},
            {RecordCountPastEnd(), 5}, {StringPastEnd(), 6}};
}

}  // namespace brokenfonts
}  // namespace testsupport
