#include "favorites/folderlistings.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>

#include "fileops/paths.h"

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// Gone only when the system says so: a file it cannot look at (no permission) stays.
bool StatSaysGone(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        return S_ISDIR(info.st_mode);
    }
    return errno == ENOENT || errno == ENOTDIR;
}

}  // namespace

const TFolderListings::Listing& TFolderListings::ListingOf(const std::string& folder) {
    const auto known = listings_.find(folder);
    if (known != listings_.end()) {
        return known->second;
    }
    Listing& listing = listings_[folder];
    std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir) {
        listing.folderMissing = errno == ENOENT || errno == ENOTDIR;
        return listing;
    }
    listing.files.emplace();
    while (const dirent* entry = ::readdir(dir.get())) {
        switch (entry->d_type) {
            case DT_REG:
                listing.files->insert(entry->d_name);
                break;
            case DT_DIR:
                listing.folders.insert(entry->d_name);
                break;
            default:
                listing.others.insert(entry->d_name);
                break;
        }
    }
    return listing;
}

bool TFolderListings::FileIsGone(const std::string& path) {
    if (path.find('/') == std::string::npos) {
        return true;
    }
    const Listing& listing = ListingOf(ContainingFolder(path));
    if (listing.folderMissing) {
        return false;
    }
    const std::string name = ExtractFileName(path);
    if (!listing.files || listing.others.count(name) != 0) {
        return StatSaysGone(path);
    }
    return listing.files->count(name) == 0;
}
