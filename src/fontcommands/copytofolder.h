#pragma once

#include <string>

#include "fontcommands/fontcommand.h"

// "Copy To Folder..." and "Move To Folder...": copies or moves the chosen font files into a
// folder the user picks. Moved fonts leave both lists; copied ones are unmarked; the others
// stay marked and are listed in "error.log".
class TCopyToFolder : public TFontCommand {
public:
    using TFontCommand::TFontCommand;

    // lastFolder is where the folder picker starts; it receives the folder chosen, so the
    // next run of the session starts there. Returns the number of files handled.
    int Run(int focusedIndex, bool move, std::string& lastFolder);
};
