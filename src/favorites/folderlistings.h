#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

// Answers "is this font file gone?" for many paths, reading each folder once instead of
// asking the disk per file, since a favorites file may name tens of thousands of fonts. A
// file counts as gone only when its folder is there and the file is not (or is a folder):
// a font on a drive that is not plugged in or mounted stays.
class TFolderListings {
public:
    bool FileIsGone(const std::string& path);

private:
    struct Listing {
        bool folderMissing = false;
        // Empty when the folder is there but cannot be listed: each file is asked about then.
        std::optional<std::unordered_set<std::string>> files;
        std::unordered_set<std::string> folders;
        // Links and entries of unknown kind: only the file system can say what they lead to.
        std::unordered_set<std::string> others;
    };

    const Listing& ListingOf(const std::string& folder);

    std::unordered_map<std::string, Listing> listings_;
};
