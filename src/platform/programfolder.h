#pragma once

#include <string>

namespace platform {

// The folder of the running executable, with a trailing '/'; "./" when it cannot be told.
std::string ExecutableFolder();

// Chooses the program folder at start-up (the folder that holds "glyphwell.ini",
// "installed.fav", "error.log", "protect.lst", the backup folder and the help pages): --home
// when given; else the executable's folder when it is writable (portable use, the build
// tree); else $XDG_CONFIG_HOME/glyphwell/ (default ~/.config/glyphwell/). The folder is
// created; the result ends in '/'.
std::string ChooseProgramFolder(const std::string& homeArgument, const std::string& executableDir);

}  // namespace platform
