#pragma once

#include <string>
#include <vector>

namespace platform {

// The list of installed fonts (the "registry key" of installed fonts).
class InstalledFonts {
public:
    virtual ~InstalledFonts() = default;
    // Every .ttf/.ttc/.otf/.otc file the system knows, in the system's order: a full path, or
    // the bare file name for files directly in the user's Fonts folder.
    virtual std::vector<std::string> Files() = 0;
    // Makes a change in a fonts folder visible to the next Files() and to other programs.
    virtual void RefreshFolder(const std::string& folder) = 0;
};

}  // namespace platform
