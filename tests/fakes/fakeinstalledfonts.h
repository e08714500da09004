#pragma once

#include <string>
#include <vector>

#include "platform/installedfonts.h"

namespace fakes {

// Installed fonts as the test sets them; refreshes are counted and their folders kept.
class FakeInstalledFonts : public platform::InstalledFonts {
public:
    std::vector<std::string> Files() override;
    void RefreshFolder(const std::string& folder) override;

    void SetFiles(std::vector<std::string> files) { files_ = std::move(files); }
    int RefreshCount() const { return static_cast<int>(refreshedFolders_.size()); }
    const std::vector<std::string>& RefreshedFolders() const { return refreshedFolders_; }
    // How often the list was read.
    int ListCount() const { return listCount_; }

private:
    std::vector<std::string> files_;
    std::vector<std::string> refreshedFolders_;
    int listCount_ = 0;
};

}  // namespace fakes
