#pragma once

#include <cstdint>
#include <string>
#include <vector>

// File, folder and volume helpers shared by the font commands, the file operation engine and
// the font list (paths themselves: fileops/paths.h).

// Size of the regular file at path; 0 when it cannot be opened or is no regular file (a named
// pipe is never waited on).
std::uint64_t GetFileSize(const std::string& path);
// The mount point of the volume holding path (of its nearest existing ancestor when path
// does not exist yet), ending in '/'.
std::string RootPath(const std::string& path);
// Free bytes of the volume holding path that the user may fill; 0 when the volume cannot be
// queried.
std::uint64_t GetDiskFreeSpaceA(const std::string& path);

// Files in folder and all its subfolders; -1 when folder cannot be entered.
int GetFileCount(const std::string& folder);
// Total size of those files; UINT64_MAX when folder cannot be entered.
std::uint64_t GetFolderSize(const std::string& folder);
// Number of files among paths, folders counted by their content (a missing path adds nothing).
int GetSelectedCount(const std::vector<std::string>& paths);
// Total bytes among paths, folders counted by their content.
std::uint64_t GetSelectedSize(const std::vector<std::string>& paths);

// Replaces file with lines, one per line (the error log). False when it could not be written.
bool WriteLines(const std::string& file, const std::vector<std::string>& lines);
