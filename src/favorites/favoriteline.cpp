#include "favorites/favoriteline.h"

#include "platform/collation.h"

bool TNameLess::operator()(std::string_view a, std::string_view b) const {
    return platform::CompareStrI(a, b) < 0;
}

bool IsHeaderLine(std::string_view line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

std::string_view HeaderName(std::string_view header) {
    if (header.size() < 2) {
        return {};
    }
    return header.substr(1, header.size() - 2);
}

std::string HeaderLine(std::string_view groupName) {
    std::string line;
    line.reserve(groupName.size() + 2);
    line += '[';
    line += groupName;
    line += ']';
    return line;
}

namespace {

// Where name and path meet; npos for a line without "=".
std::size_t SplitPoint(std::string_view line) {
    const std::size_t beforeSlash = line.find("=/");
    return beforeSlash != std::string_view::npos ? beforeSlash : line.find('=');
}

}  // namespace

TFavoriteEntry SplitEntry(std::string_view line) {
    const std::size_t split = SplitPoint(line);
    if (split == std::string_view::npos) {
        return {std::string(line), {}};
    }
    return {std::string(line.substr(0, split)), std::string(line.substr(split + 1))};
}

std::string_view EntryPath(std::string_view line) {
    const std::size_t split = SplitPoint(line);
    return split == std::string_view::npos ? std::string_view() : line.substr(split + 1);
}

bool IsSingleLine(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::optional<std::string> MakeEntryLine(std::string_view name, std::string_view path) {
    if (!IsSingleLine(name) || !IsSingleLine(path)) {
        return std::nullopt;
    }
    std::string line;
    line.reserve(name.size() + path.size() + 1);
    line += name;
    line += '=';
    line += path;
    const TFavoriteEntry back = SplitEntry(line);
    if (IsHeaderLine(line) || back.name != name || back.path != path) {
        return std::nullopt;
    }
    return line;
}

std::string CleanGroupName(std::string_view typed) {
    std::string name(typed);
    for (char& c : name) {
        if (c == '\r' || c == '\n' || c == '\0' || c == '\t') {
            c = ' ';
        }
    }
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}
