#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "favorites/favoriteline.h"

// Reading or writing the favorites file failed; what() is the message the user sees.
class TFavoritesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The favorites store: the lines of "installed.fav" in memory, the questions the pane and
// the add dialog ask about groups and their fonts, and the edits of those lines. Group and
// font names compare without regard to case; with two headers of one name the first counts.
// Only SaveToFile writes the file.
class TFontFavorites {
public:
    const std::vector<std::string>& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }

    // A missing file is an empty store. Anything else that cannot be read throws
    // TFavoritesError "Cannot open file <name>" and keeps the lines as they were.
    void LoadFromFile(const std::string& fileName);
    // Takes the lines from the file's bytes: CR, LF and CR LF end lines, and a byte-order
    // marks an editor put in front of the first line are dropped.
    void LoadFromBytes(std::string_view bytes);
    // The file's bytes: every line ended by CR LF.
    std::string SaveToBytes() const;
    // Replaces the file whole (see platform::WriteFileAtomically); throws TFavoritesError
    // "Cannot create file <name>" when it cannot.
    void SaveToFile(const std::string& fileName) const;

    // Throws std::out_of_range "List index out of bounds!" for an index outside the lines.
    bool IsGroup(int index) const;
    // The line of the first header of that group, or -1.
    int FindGroup(const std::string& name) const;
    // Group names in file order (duplicates included, as the file has them).
    std::vector<std::string> GetGroups() const;
    // Name parts of the group's non-empty lines, sorted without regard to case.
    std::vector<std::string> GetGroupFonts(const std::string& name) const;
    // The same lines as name and path, in the same order.
    std::vector<TFavoriteEntry> GetGroupEntries(const std::string& name) const;
    int GetFontCount(const std::string& name) const;

    // Appends a blank line and the group's header; returns the header's line, or -1 for a
    // name that cannot be stored (one with a line break or NUL).
    int AddGroup(const std::string& name);
    // Appends the header alone, as a new folder made from the pane gets it.
    int AppendGroup(const std::string& name);
    // Puts the lines right after the group's header (creating the group when it is missing),
    // so they end up in reverse order ahead of the older lines. A line that is not a single
    // entry line is skipped: it would change the file's structure.
    void AddFonts(const std::string& name, const std::vector<std::string>& entryLines);
    void DeleteFont(const std::string& group, const std::string& font);
    void DeleteGroup(const std::string& name);
    // Renames unless another group has the new name already; true when renamed.
    bool RenameGroup(const std::string& oldName, const std::string& newName);
    // Drops every line that cannot name a font file: lines without "=" or without a folder
    // in their path, and entries whose folder exists while the file does not. An entry whose
    // folder is missing stays: it may be on a drive that is not plugged in or mounted.
    void DeleteMissingFonts();

    // Reads the file again (so groups others wrote into it since the last load survive),
    // drops missing fonts, lets change edit the lines and, when it says it changed them,
    // saves. Errors throw TFavoritesError as LoadFromFile and SaveToFile do.
    void Edit(const std::string& fileName, const std::function<bool(TFontFavorites&)>& change);
    // A new folder made by the user: edits the file so that it has a group of that name,
    // adding the header alone unless a group of that name (ignoring case) is there already,
    // so a second folder of one name can never hide the fonts of the first.
    void AddFolder(const std::string& fileName, const std::string& name);

private:
    // The line after the group's lines: the next header or the end.
    int GroupEnd(int header) const;
    void Changed() { indexed_ = false; }
    void BuildIndex() const;

    std::vector<std::string> lines_;
    // Header lines by name (the first of each name), rebuilt after every change.
    mutable std::map<std::string, int, TNameLess> firstHeader_;
    mutable bool indexed_ = false;
};
