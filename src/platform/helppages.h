#pragma once

#include <string>

namespace platform {

// The help page to open (page is "help.html" or "shortcut.html"). The pages travel with the
// program, not with the settings, so a program folder chosen with --home or in the user's
// config folder usually has none: the first of these that holds the page wins:
//   programFolder + "help/"                           pages the user put beside the settings
//   executableFolder + "help/"                        the build tree, a portable copy
//   executableFolder + "../share/glyphwell/help/"     an installed program (<prefix>/bin)
// When none does, the program folder's path, which then simply does not open.
std::string FindHelpPage(const std::string& page, const std::string& programFolder,
                         const std::string& executableFolder);

}  // namespace platform
