#include "catalogue/fontfiles.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "fileops/fileutil.h"
#include "platform/collation.h"

namespace catalogue {
namespace {

// "/a/b/" and "/a/b" are one folder; the root keeps its only separator.
std::string_view WithoutTrailingSeparators(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

enum class EntryKind { kSkipped, kFile, kFolder };

// Most file systems tell the kind in the entry itself; only links and unknown kinds cost a
// look-up. A link to a folder is skipped; any other link counts as the file it names.
EntryKind KindOf(const std::string& folder, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) {
        return entry.d_type == DT_DIR ? EntryKind::kFolder : EntryKind::kFile;
    }
    const std::string path = AddToPath(folder, entry.d_name);
    struct stat info {};
    if (entry.d_type == DT_UNKNOWN) {
        if (::lstat(path.c_str(), &info) != 0) {
            return EntryKind::kSkipped;
        }
        if (!S_ISLNK(info.st_mode)) {
            return S_ISDIR(info.st_mode) ? EntryKind::kFolder : EntryKind::kFile;
        }
    }
    const bool toFolder = ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    return toFolder ? EntryKind::kSkipped : EntryKind::kFile;
}

}  // namespace

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return entries;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        const EntryKind kind = KindOf(folder, *entry);
        if (kind != EntryKind::kSkipped) {
            entries.push_back({name, kind == EntryKind::kFolder});
        }
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool HasExtensionI(std::string_view path, std::string_view ext) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return false;
    }
    const std::string_view own = path.substr(dot);
    return own.size() == ext.size() && platform::StartsWithI(own, ext);
}

bool IsWithinFolderI(std::string_view path, std::string_view folder) {
    path = WithoutTrailingSeparators(path);
    folder = WithoutTrailingSeparators(folder);
    if (folder.empty() || path.size() < folder.size() || !platform::StartsWithI(path, folder)) {
        return false;
    }
    return path.size() == folder.size() || folder.back() == '/' || path[folder.size()] == '/';
}

bool IsSameFolderI(std::string_view a, std::string_view b) {
    return platform::CompareStrI(WithoutTrailingSeparators(a), WithoutTrailingSeparators(b)) == 0;
}

std::string FolderPart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NamePart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteLines(const std::string& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
        out << line << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace catalogue
