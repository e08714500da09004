#pragma once

#include <string>

namespace platform {

// The folder of the running executable, with a trailing '/'; "./" when it cannot be told.
std::string ExecutableFolder();

// Chooses the program folder at start-up (the folder that holds "glyphwell.ini",
// "installed.fav", "error.log", "protect.lst", the backup folder and the help pages): --home
// when given; else, for an installed program (its executable in <prefix>/bin with
// <prefix>/share/glyphwell beside it), $XDG_CONFIG_HOME/glyphwell/ (default
// ~/.config/glyphwell/), even when bin/ is writable, as it is for root; else the executable's
// folder when it is writable (portable use, the build tree); else the config folder as well.
// The folder is created; the result ends in '/'.
std::string ChooseProgramFolder(const std::string& homeArgument, const std::string& executableDir);

}  // namespace platform
