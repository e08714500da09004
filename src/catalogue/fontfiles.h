#pragma once

#include <string>
#include <string_view>
#include <vector>

// The few file-system facts the font list needs: folder entries in a fixed order, path parts
// for sorting, extension tests, and writing the error log.
namespace catalogue {

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// Entries of folder other than "." and "..", sorted by name so a scan visits them in the
// same order on every file system. A symbolic link to a folder is not listed at all:
// following it could walk in circles, and taken as a file (one named "x.ttf") it would only
// fail.
std::vector<FolderEntry> ListFolder(const std::string& folder);

bool FileExists(const std::string& path);
// True when path's extension is ext (".ttf"), ignoring case.
bool HasExtensionI(std::string_view path, std::string_view ext);
// True when path is folder or lies inside it at any depth, comparing whole names ignoring
// case ("/a/big2" is not inside "/a/big"); trailing separators do not count.
bool IsWithinFolderI(std::string_view path, std::string_view folder);
// True when both name the same folder, ignoring case and trailing separators.
bool IsSameFolderI(std::string_view a, std::string_view b);
// The folder part of path, without its trailing separator ("" when path has none).
std::string FolderPart(const std::string& path);
// The part after the last separator.
std::string NamePart(const std::string& path);

// Replaces file with lines, one per line. False when it could not be written.
bool WriteLines(const std::string& file, const std::vector<std::string>& lines);

}  // namespace catalogue
