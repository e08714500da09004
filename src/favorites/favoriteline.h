#pragma once

#include <optional>
#include <string>
#include <string_view>

// The line forms of the favorites file "installed.fav": group headers "[name]", font entries
// "name=path" and anything else, which the file may hold after a hand edit.

struct TFavoriteEntry {
    std::string name;
    std::string path;

    bool operator==(const TFavoriteEntry&) const = default;
};

// Orders names without regard to case, as group and font names compare everywhere.
struct TNameLess {
    bool operator()(std::string_view a, std::string_view b) const;
};

// A header is a non-empty line that begins with "[" and ends with "]".
bool IsHeaderLine(std::string_view line);
// The text between a header's brackets, taken verbatim.
std::string_view HeaderName(std::string_view header);
std::string HeaderLine(std::string_view groupName);

// Splits at the first "=" that a "/" follows, since a full name may hold "=" while a path
// begins with "/"; else at the first "=". A line without "=" is all name, with no path.
TFavoriteEntry SplitEntry(std::string_view line);
// The path part alone, by the same rule.
std::string_view EntryPath(std::string_view line);

// "%s=%s" of a font's name and path, or nothing when the line would not read back as that
// very entry: a font name is untrusted text, and a line break in it would write a forged
// "[Group]" line into the file.
std::optional<std::string> MakeEntryLine(std::string_view name, std::string_view path);

// True for a line that can be stored without becoming more than one line.
bool IsSingleLine(std::string_view text);

// A group name as the user typed it, made storable: line breaks and NUL become blanks and
// blanks around it go. Empty when nothing is left.
std::string CleanGroupName(std::string_view typed);
