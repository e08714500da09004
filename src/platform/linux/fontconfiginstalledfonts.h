#pragma once

#include "platform/installedfonts.h"

namespace platform {

// Installed fonts as fontconfig knows them: a font counts as installed when it lies in a
// folder of fontconfig's configuration; installing means copying it into the user's Fonts
// folder and refreshing that folder.
class FontconfigInstalledFonts : public InstalledFonts {
public:
    std::vector<std::string> Files() override;
    void RefreshFolder(const std::string& folder) override;
};

}  // namespace platform
