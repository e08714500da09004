#pragma once

#include "fontcommands/fontcommand.h"

// "&Install Font": copies the chosen fonts of a folder into the user's Fonts folder, makes
// fontconfig see them once for the whole run, loads them and unmarks them. Fonts that were
// not copied keep their marks; the list itself does not change.
class TInstallFonts : public TFontCommand {
public:
    using TFontCommand::TFontCommand;

    // Returns the number of fonts installed.
    int Run(int focusedIndex);

private:
    // Creates the Fonts folder and its parents when missing; 0 or a Windows error code.
    int MakeFontsFolder();
};
