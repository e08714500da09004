#include "platform/inifile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>

#include "platform/collation.h"

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

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Lines Load(const std::string& fileName) {
    Lines lines;
    const std::optional<std::string> content = ReadWholeFile(fileName);
    if (!content) {
        return lines;
    }
    const std::string& text = *content;
    // A byte-order mark written by an editor must not hide the first section.
    std::size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(ParseLine(text.substr(pos)));
            break;
        }
        lines.push_back(ParseLine(text.substr(pos, end - pos)));
        pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// Written beside the target and renamed over it, so a full disk or a crash never leaves a
// half-written settings file behind.
bool Save(const std::string& fileName, const Lines& lines) {
    const std::string temp = fileName + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        for (const Line& line : lines) {
            out << line.raw << "\r\n";
        }
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

std::size_t FindSection(const Lines& lines, const std::string& section, std::size_t from = 0) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].kind == Line::Kind::Section && Same(lines[i].name, section)) {
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
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == Line::Kind::Key && Same(lines[i].name, key)) {
            return &lines[i];
        }
    }
    return nullptr;
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

// Names and values that would change the file's structure when written are refused.
bool Writable(const std::string& section, const std::string& key, const std::string& value) {
    return !section.empty() && !HasLineBreak(section) && section.find(']') == std::string::npos &&
           !Trim(key).empty() && !HasLineBreak(key) && key.find('=') == std::string::npos &&
           !HasLineBreak(value);
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

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const Lines lines = Load(fileName_);
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
    for (const Line& line : Load(fileName_)) {
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
    const Lines lines = Load(fileName_);
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
    const Lines lines = Load(fileName_);
    return FindSection(lines, section) != lines.size();
}

bool IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!Writable(section, key, value)) {
        return false;
    }
    const std::string name = Trim(key);
    Lines lines = Load(fileName_);
    Line entry = ParseLine(name + "=" + value);
    const std::size_t header = FindSection(lines, section);
    if (header == lines.size()) {
        lines.push_back(ParseLine("[" + section + "]"));
        lines.push_back(std::move(entry));
        return Save(fileName_, lines);
    }
    const std::size_t end = SectionEnd(lines, header);
    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == Line::Kind::Key && Same(lines[i].name, name)) {
            lines[i] = std::move(entry);
            return Save(fileName_, lines);
        }
        if (lines[i].kind == Line::Kind::Key) {
            insertAt = i + 1;
        }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
    return Save(fileName_, lines);
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::EraseSection(const std::string& section) {
    Lines lines = Load(fileName_);
    bool changed = false;
    // Every copy goes: with only the first erased, a second one would surface in its place.
    for (std::size_t header = FindSection(lines, section); header < lines.size();
         header = FindSection(lines, section, header)) {
        const std::size_t end = SectionEnd(lines, header);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header),
                    lines.begin() + static_cast<std::ptrdiff_t>(end));
        changed = true;
    }
    return !changed || Save(fileName_, lines);
}

bool IniFile::DeleteKey(const std::string& section, const std::string& key) {
    Lines lines = Load(fileName_);
    const std::size_t header = FindSection(lines, section);
    if (header == lines.size()) {
        return true;
    }
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == Line::Kind::Key && Same(lines[i].name, key)) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            return Save(fileName_, lines);
        }
    }
    return true;
}

}  // namespace platform
