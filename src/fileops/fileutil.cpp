#include "fileops/fileutil.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <system_error>

#include "platform/diskspace.h"
#include "platform/regularfile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kFolderNotEntered = std::numeric_limits<std::uint64_t>::max();

struct FolderTotals {
    int count = 0;
    std::uint64_t size = 0;
};

std::uint64_t EntrySize(const fs::directory_entry& entry) {
    std::error_code ec;
    if (!entry.is_regular_file(ec)) {
        return 0;
    }
    const std::uintmax_t size = entry.file_size(ec);
    return ec ? 0 : static_cast<std::uint64_t>(size);
}

// Walks folder with directory iterators, so the process's current folder stays where it
// is. Links to folders are not followed (a link back up the tree would never end), and
// subfolders that cannot be entered add nothing; only the folder itself must open.
std::optional<FolderTotals> WalkFolder(const std::string& folder) {
    std::error_code ec;
    if (fs::directory_iterator probe(folder, ec); ec) {
        return std::nullopt;
    }
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    if (ec) {
        return std::nullopt;
    }
    FolderTotals totals;
    for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            return totals;
        }
        const fs::directory_entry& entry = *it;
        std::error_code typeError;
        if (entry.is_directory(typeError)) {
            continue;
        }
        ++totals.count;
        totals.size += EntrySize(entry);
    }
    return totals;
}

bool IsFolderOrUnreadable(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode);
}

fs::path NearestExistingAncestor(const std::string& path) {
    std::error_code ec;
    fs::path current = fs::absolute(path.empty() ? "." : path, ec);
    while (!fs::exists(current, ec) && current.has_relative_path()) {
        current = current.parent_path();
    }
    return current;
}

}  // namespace

std::uint64_t GetFileSize(const std::string& path) {
    return platform::RegularFile(path).Size();
}

std::string RootPath(const std::string& path) {
    fs::path current = NearestExistingAncestor(path);
    struct stat info {};
    if (stat(current.c_str(), &info) != 0) {
        return "/";
    }
    const dev_t device = info.st_dev;
    while (current.has_relative_path()) {
        const fs::path parent = current.parent_path();
        struct stat parentInfo {};
        if (stat(parent.c_str(), &parentInfo) != 0 || parentInfo.st_dev != device) {
            break;
        }
        current = parent;
    }
    std::string root = current.string();
    return root.back() == '/' ? root : root + '/';
}

std::uint64_t GetDiskFreeSpaceA(const std::string& path) {
    return platform::FreeDiskSpace(RootPath(path));
}

int GetFileCount(const std::string& folder) {
    const std::optional<FolderTotals> totals = WalkFolder(folder);
    return totals ? totals->count : -1;
}

std::uint64_t GetFolderSize(const std::string& folder) {
    const std::optional<FolderTotals> totals = WalkFolder(folder);
    return totals ? totals->size : kFolderNotEntered;
}

int GetSelectedCount(const std::vector<std::string>& paths) {
    int count = 0;
    for (const std::string& path : paths) {
        if (!IsFolderOrUnreadable(path)) {
            ++count;
        } else if (const int inFolder = GetFileCount(path); inFolder != -1) {
            count += inFolder;
        }
    }
    return count;
}

std::uint64_t GetSelectedSize(const std::vector<std::string>& paths) {
    std::uint64_t size = 0;
    for (const std::string& path : paths) {
        if (!IsFolderOrUnreadable(path)) {
            size += GetFileSize(path);
        } else if (const std::uint64_t inFolder = GetFolderSize(path);
                   inFolder != kFolderNotEntered) {
            size += inFolder;
        }
    }
    return size;
}

bool WriteLines(const std::string& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
        out << line << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}
