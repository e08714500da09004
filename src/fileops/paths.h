#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Paths and folders as the whole program sees them: native ('/'-separated) paths split and
// joined one way, the existence tests, and the one walk over a folder that the font list's
// scan and the scan window's count share. Results are whole strings, never cut to a buffer.

// The part after the last '/'; the whole path when it has none.
std::string ExtractFileName(const std::string& path);
// The part before the last '/', without it ("" when path has none, and for "/name").
std::string FolderPart(const std::string& path);
// The folder that holds path, as something that can be opened: "." for a bare name, "/" for
// a name directly in the root.
std::string ContainingFolder(const std::string& path);
// folder + '/' + name, without doubling a trailing '/'; either part alone when the other is
// empty.
std::string AddToPath(const std::string& folder, const std::string& name);

// True when path names a folder (following links).
bool DirExists(const std::string& path);
// True when something other than a folder is at path (following links).
bool FileExists(const std::string& path);
// True when path's extension is ext (".ttf"), ignoring case.
bool HasExtensionI(std::string_view path, std::string_view ext);
// True when path is folder or lies inside it at any depth, comparing whole names ignoring
// case ("/a/big2" is not inside "/a/big"); trailing separators do not count.
bool IsWithinFolderI(std::string_view path, std::string_view folder);
// True when both name the same folder, ignoring case and trailing separators.
bool IsSameFolderI(std::string_view a, std::string_view b);

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// Entries of folder other than "." and "..", sorted by name so a scan visits them in the
// same order on every file system. A symbolic link to a folder is not listed at all:
// following it could walk in circles, and taken as a file (one named "x.ttf") it would only
// fail.
std::vector<FolderEntry> ListFolder(const std::string& folder);
// Number of entries that are not folders and whose name isFontFile takes, in folder and all
// its subfolders as ListFolder walks them: the files a scan of folder reports.
int CountFontFiles(const std::string& folder,
                   const std::function<bool(std::string_view name)>& isFontFile);
