#include "platform/inifile.h"

#include <cerrno>
#include <limits>
#include <optional>

#include "platform/atomicwrite.h"
#include "platform/collation.h"
#include "platform/regularfile.h"

namespace platform {
namespace {

struct Line {
    enum class Kind { Other, Section, Key };
    std::string raw;
    Kind kind = Kind::Other;
    std::string name;   // section or key name
    std::string value;  // key lines only
};

using Lines = std::vector<Line>;

bool Same(const std::string& a, const std::string& b) {
    return CompareStrI(a, b) == 0;
}

std::string Trim(const std::string& text) {
    const char* blanks = " \t";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// Values written with surrounding quotes read back without them, as profile readers always did.
std::string Unquote(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

Line ParseLine(std::string raw) {
    Line line;
    const std::string text = Trim(raw);
    line.raw = std::move(raw);
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string::npos) {
            line.kind = Line::Kind::Section;
            line.name = Trim(text.substr(1, close - 1));
        }
        return line;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        return line;
    }
    line.name = Trim(text.substr(0, equals));
    if (!line.name.empty()) {
        line.kind = Line::Kind::Key;
        line.value = Unquote(Trim(text.substr(equals + 1)));
    }
    return line;
}

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
// Far above any settings or favorites file; a larger one is not taken for one.
constexpr std::uint64_t kMaxFileSize = 64ull << 20;

struct Document {
    // An editor's byte-order mark is kept, so that a save never changes what follows it
    // means (a second mark keeps hiding the first line).
    std::string mark;
    Lines lines;
};

Document Parse(const std::string& text) {
    Document document;
    if (text.compare(0, 3, kByteOrderMark) == 0) {
        document.mark = kByteOrderMark;
    }
    std::size_t pos = document.mark.size();
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            document.lines.push_back(ParseLine(text.substr(pos)));
            break;
        }
        document.lines.push_back(ParseLine(text.substr(pos, end - pos)));
        pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return document;
}

std::string Serialize(const Document& document) {
    std::string text = document.mark;
    for (const Line& line : document.lines) {
        text += line.raw;
        text += "\r\n";
    }
    return text;
}

// Where a document is read from and written to: the file, or a text held in memory.
struct Storage {
    const std::string& fileName;
    std::string* text;
};

// The file's lines; nothing when it exists but cannot be read, so that no write replaces
// settings it never saw. A missing file is an empty one.
std::optional<Document> Load(const Storage& storage) {
    if (storage.text != nullptr) {
        return Parse(*storage.text);
    }
    RegularFile file(storage.fileName);
    if (!file.IsOpen()) {
        return file.Error() == ENOENT ? std::optional<Document>(Document{}) : std::nullopt;
    }
    const std::optional<std::string> content = file.ReadAll(kMaxFileSize);
    if (!content) {
        return std::nullopt;
    }
    return Parse(*content);
}

// What readers see: an unreadable file reads as an empty one, so every value is its default.
Lines LoadLines(const Storage& storage) {
    std::optional<Document> document = Load(storage);
    return document ? std::move(document->lines) : Lines{};
}

bool Save(const Storage& storage, const Document& document) {
    if (storage.text != nullptr) {
        *storage.text = Serialize(document);
        return true;
    }
    return WriteFileAtomically(storage.fileName, Serialize(document));
}

// Names are looked up as the file's own are read: without the blanks around them.
std::size_t FindSection(const Lines& lines, const std::string& section, std::size_t from = 0) {
    const std::string name = Trim(section);
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].kind == Line::Kind::Section && Same(lines[i].name, name)) {
            return i;
        }
    }
    return lines.size();
}

std::size_t SectionEnd(const Lines& lines, std::size_t header) {
    std::size_t i = header + 1;
    while (i < lines.size() && lines[i].kind != Line::Kind::Section) {
        ++i;
    }
    return i;
}

const Line* FindKey(const Lines& lines, const std::string& section, const std::string& key) {
    const std::size_t header = FindSection(lines, section);
    if (header == lines.size()) {
        return nullptr;
    }
    const std::string name = Trim(key);
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == Line::Kind::Key && Same(lines[i].name, name)) {
            return &lines[i];
        }
    }
    return nullptr;
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

// Names and values that would change the file's structure when written are refused: a key
// beginning with '[' would read back as a section header or as garbage.
bool Writable(const std::string& section, const std::string& key, const std::string& value) {
    const std::string sectionName = Trim(section);
    const std::string keyName = Trim(key);
    return !sectionName.empty() && !HasLineBreak(sectionName) &&
           sectionName.find(']') == std::string::npos && !keyName.empty() &&
           keyName.front() != '[' && !HasLineBreak(keyName) &&
           keyName.find('=') == std::string::npos && !HasLineBreak(value);
}

std::optional<int> ParseInteger(const std::string& text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (text.compare(pos, 2, "0x") == 0 || text.compare(pos, 2, "0X") == 0) {
        base = 16;
        pos += 2;
    } else if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > static_cast<long long>(std::numeric_limits<unsigned int>::max()) + 1) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (base == 16 && !negative && value > std::numeric_limits<int>::max() &&
        value <= std::numeric_limits<unsigned int>::max()) {
        // Hexadecimal values name bit patterns, such as colours with the top bit set.
        return static_cast<int>(static_cast<unsigned int>(value));
    }
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace

IniFile IniFile::OverText(std::string& text) {
    IniFile file("");
    file.text_ = &text;
    return file;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const Lines lines = LoadLines({fileName_, text_});
    const Line* line = FindKey(lines, section, key);
    return line != nullptr ? line->value : defaultValue;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key,
                         int defaultValue) const {
    const std::optional<int> value = ParseInteger(ReadString(section, key, ""));
    return value.value_or(defaultValue);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key,
                       bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::ReadSections() const {
    std::vector<std::string> names;
    for (const Line& line : LoadLines({fileName_, text_})) {
        if (line.kind == Line::Kind::Section) {
            names.push_back(line.name);
        }
    }
    return names;
}

std::vector<std::string> IniFile::ReadSection(const std::string& section) const {
    std::vector<std::string> keys;
    for (const auto& [key, value] : ReadSectionValues(section)) {
        keys.push_back(key);
    }
    return keys;
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionValues(
    const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> pairs;
    const Lines lines = LoadLines({fileName_, text_});
    const std::size_t header = FindSection(lines, section);
    if (header == lines.size()) {
        return pairs;
    }
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == Line::Kind::Key) {
            pairs.emplace_back(lines[i].name, lines[i].value);
        }
    }
    return pairs;
}

bool IniFile::SectionExists(const std::string& section) const {
    const Lines lines = LoadLines({fileName_, text_});
    return FindSection(lines, section) != lines.size();
}

bool IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!Writable(section, key, value)) {
        return false;
    }
    std::optional<Document> document = Load({fileName_, text_});
    if (!document) {
        return false;
    }
    Lines& lines = document->lines;
    const std::string name = Trim(key);
    Line entry = ParseLine(name + "=" + value);
    const std::size_t header = FindSection(lines, section);
    if (header == lines.size()) {
        // Built by appending: GCC 12 at -O3 reports a false -Wrestrict on "[" + std::string&&.
        std::string heading = "[";
        heading += Trim(section);
        heading += ']';
        lines.push_back(ParseLine(heading));
        lines.push_back(std::move(entry));
        return Save({fileName_, text_}, *document);
    }
    const std::size_t end = SectionEnd(lines, header);
    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == Line::Kind::Key && Same(lines[i].name, name)) {
            lines[i] = std::move(entry);
            return Save({fileName_, text_}, *document);
        }
        if (lines[i].kind == Line::Kind::Key) {
            insertAt = i + 1;
        }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
    return Save({fileName_, text_}, *document);
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::EraseSection(const std::string& section) {
    std::optional<Document> document = Load({fileName_, text_});
    if (!document) {
        return false;
    }
    Lines& lines = document->lines;
    bool changed = false;
    // Every copy goes: with only the first erased, a second one would surface in its place.
    for (std::size_t header = FindSection(lines, section); header < lines.size();
         header = FindSection(lines, section, header)) {
        const std::size_t end = SectionEnd(lines, header);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header),
                    lines.begin() + static_cast<std::ptrdiff_t>(end));
        changed = true;
    }
    return !changed || Save({fileName_, text_}, *document);
}

bool IniFile::DeleteKey(const std::string& section, const std::string& key) {
    std::optional<Document> document = Load({fileName_, text_});
    if (!document) {
        return false;
    }
    Lines& lines = document->lines;
    const std::size_t header = FindSection(lines, section);
    if (header == lines.size()) {
        return true;
    }
    const std::string name = Trim(key);
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == Line::Kind::Key && Same(lines[i].name, name)) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            return Save({fileName_, text_}, *document);
        }
    }
    return true;
}

}  // namespace platform
