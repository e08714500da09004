#include "fakes/fakeinstalledfonts.h"

namespace fakes {

std::vector<std::string> FakeInstalledFonts::Files() {
    ++listCount_;
    return files_;
}

void FakeInstalledFonts::RefreshFolder(const std::string& folder) {
    refreshedFolders_.push_back(folder);
}

}  // namespace fakes
