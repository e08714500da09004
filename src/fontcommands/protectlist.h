#pragma once

#include <string>
#include <vector>

namespace platform {
class FileSystem;
}

// "protect.lst": bare file names, one a line, of fonts that uninstall never touches. A line
// protects every file of that name in any folder, ignoring letter case.
class TProtectList {
public:
    // Reads the file. A missing file is an empty list (most program folders never had one);
    // any other failure gives its Windows error code and leaves the list empty.
    int Load(platform::FileSystem& files, const std::string& path);

    bool Protects(const std::string& path) const;
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
