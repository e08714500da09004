#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes small TrueType fonts and collections for tests: just enough of a font for the name
// reader (an offset table, a table directory, dummy tables and a `name` table with chosen
// records), plus the broken variants the reader must turn into error codes.
namespace testsupport {

struct TtNameRecord {
    std::uint16_t platformId = 3;
    std::uint16_t encodingId = 1;
    std::uint16_t languageId = 0x0409;
    std::uint16_t nameId = 4;
    std::string bytes;  // stored as they are
};

constexpr std::uint16_t kLangEnglish = 0x0409;
constexpr std::uint16_t kLangKorean = 0x0412;
constexpr std::uint16_t kLangGerman = 0x0407;

// UTF-8 text as UTF-16 big-endian bytes.
std::string Utf16Be(std::string_view utf8);

class TrueTypeBuilder {
public:
    // A Microsoft Unicode (platform 3, encoding 1) name.
    TrueTypeBuilder& Name(std::uint16_t languageId, std::uint16_t nameId, std::string_view utf8);
    // Any record, bytes as given.
    TrueTypeBuilder& Record(const TtNameRecord& record);
    // Names 0 to 7 in one language: "<family> Copyright", family, style, "<family> Unique",
    // "<family> <style>", "Version 1.0", "<family>-<style>", "<family> Trademark".
    TrueTypeBuilder& AllNames(std::uint16_t languageId, std::string_view family,
                              std::string_view style);
    // Records are written sorted by platform, encoding, language and name ID, as real fonts
    // have them; this keeps them in the order given.
    TrueTypeBuilder& KeepRecordOrder();

    // Tables in the directory, the `name` table included (default 9).
    TrueTypeBuilder& TableCount(std::uint16_t count);
    TrueTypeBuilder& WithoutNameTable();
    // Overrides what the directory says of the `name` table.
    TrueTypeBuilder& NameTableOffset(std::uint32_t offset);
    TrueTypeBuilder& NameTableLength(std::uint32_t length);
    // Overrides the record count of the `name` header.
    TrueTypeBuilder& NameRecordCount(std::uint16_t count);
    // Cuts the built file to size bytes.
    TrueTypeBuilder& TruncateTo(std::size_t size);

    // A .ttf file.
    std::string Build() const { return BuildAt(0); }
    // The face as it sits at base inside a collection (its offsets count from the file start).
    std::string BuildAt(std::uint32_t base) const;
    bool Write(const std::string& path) const;
    // The `name` table alone, as Build writes it.
    std::string BuildNameTable() const;

private:
    std::vector<TtNameRecord> records_;
    bool keepOrder_ = false;
    std::uint16_t tableCount_ = 9;
    bool withName_ = true;
    std::optional<std::uint32_t> nameOffset_;
    std::optional<std::uint32_t> nameLength_;
    std::optional<std::uint16_t> recordCount_;
    std::optional<std::size_t> truncateTo_;
};

class CollectionBuilder {
public:
    CollectionBuilder& Face(const TrueTypeBuilder& face);
    // The first four bytes (default "ttcf").
    CollectionBuilder& Tag(std::string_view tag);
    // numFonts as written in the header (default the number of faces).
    CollectionBuilder& DeclaredCount(std::uint32_t count);
    // Cuts the built file to size bytes.
    CollectionBuilder& TruncateTo(std::size_t size);

    std::string Build() const;
    bool Write(const std::string& path) const;

private:
    std::vector<TrueTypeBuilder> faces_;
    std::string tag_ = "ttcf";
    std::optional<std::uint32_t> declared_;
    std::optional<std::size_t> truncateTo_;
};

bool WriteBytes(const std::string& path, const std::string& bytes);

// A collection of whole fonts (the bytes of .ttf files, or what the builders write): each face
// keeps its tables, their offsets moved to where the face lands in the collection.
std::string CollectionOfFonts(const std::vector<std::string>& fonts);

// Broken files, each named after what is wrong with it.
namespace brokenfonts {
std::string ShortOffsetTable();    // error 1
std::string SixtyTables();         // error 2
std::string SixTables();           // error 2
std::string NoNameTable();         // error 3
std::string NameOffsetPastEnd();   // error 3
std::string NameHeaderCut();       // error 4
std::string RecordCountPastEnd();  // error 5
std::string StringPastEnd();       // error 6
std::string CollectionWithoutTag();
std::string CollectionWithFaces(std::uint32_t declared, int real);
// Every broken font above with the error code the reader gives it.
std::vector<std::pair<std::string, int>> Corpus();
}  // namespace brokenfonts

}  // namespace testsupport
