#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class Shell;
}

// Path, file, folder and shell helpers shared by the font commands, the file operation
// engine, the font list and the main window. Paths are native ('/'-separated); results are
// whole strings, never cut to a buffer size.

// The part after the last '/'; the whole path when it has none.
std::string ExtractFileName(const std::string& path);
// Size of the regular file at path; 0 when it cannot be opened or is no regular file (a named
// pipe is never waited on).
std::uint64_t GetFileSize(const std::string& path);
// The mount point of the volume holding path (of its nearest existing ancestor when path
// does not exist yet), ending in '/'.
std::string RootPath(const std::string& path);
// Free bytes of the volume holding path that the user may fill; 0 when the volume cannot be
// queried.
std::uint64_t GetDiskFreeSpaceA(const std::string& path);
// folder + '/' + name, without doubling a trailing '/'; either part alone when the other is
// empty.
std::string AddToPath(const std::string& folder, const std::string& name);
// True when path names a folder (following links).
bool DirExists(const std::string& path);

// Opens a document or folder, or starts one of the programs the shell names ("notepad.exe",
// "charmap.exe"), through the shell; nothing else is ever run. The overload without
// a shell uses the one installed with SetExecuteShell (false when none is).
bool ExecuteFile(platform::Shell& shell, const std::string& file, const std::string& parameters,
                 const std::string& workingFolder);
bool ExecuteFile(const std::string& file, const std::string& parameters,
                 const std::string& workingFolder);
// Installs the shell ExecuteFile uses (not owned); returns the previous one.
platform::Shell* SetExecuteShell(platform::Shell* shell);

// Files in folder and all its subfolders; -1 when folder cannot be entered.
int GetFileCount(const std::string& folder);
// Total size of those files; UINT64_MAX when folder cannot be entered.
std::uint64_t GetFolderSize(const std::string& folder);
// Number of files among paths, folders counted by their content (a missing path adds nothing).
int GetSelectedCount(const std::vector<std::string>& paths);
// Total bytes among paths, folders counted by their content.
std::uint64_t GetSelectedSize(const std::vector<std::string>& paths);
