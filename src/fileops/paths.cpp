#include "fileops/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/collation.h"

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

std::string ExtractFileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ContainingFolder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string AddToPath(const std::string& folder, const std::string& name) {
    if (name.empty()) {
        return folder;
    }
    if (folder.empty()) {
        return name;
    }
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

bool DirExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool HasExtensionI(std::string_view path, std::string_view ext) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
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

int CountFontFiles(const std::string& folder,
                   const std::function<bool(std::string_view name)>& isFontFile) {
    int count = 0;
    for (const FolderEntry& entry : ListFolder(folder)) {
        if (entry.isFolder) {
            count += CountFontFiles(AddToPath(folder, entry.name), isFontFile);
        } else if (isFontFile(entry.name)) {
            ++count;
        }
    }
    return count;
}
