#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "platform/services.h"

// `glyphwell list`: the catalogue without a window, on the same code path as the viewer.
//   list [--mode screen|installed|folders] [--sort name|path] [--all-names]
//        [--lang 0xNNNN] [--home DIR] [FOLDER ...]
// args are the words after "list". One line per record goes to out (tab-separated, with
// backslash, tab, line feed and carriage return escaped); reader messages and load failures
// go to err. services.programFolder is the executable's folder, from which the program
// folder is chosen as the viewer chooses it; --lang replaces services.userLanguage. Returns
// 0 after a load, 2 for bad arguments.
int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const platform::Services& services);

// True when the arguments ask for a mode that needs the font table (screen or folders), so
// the caller must start a GUI platform first. The installed mode runs without one.
bool ListCommandNeedsFontTable(const std::vector<std::string>& args);

// "screen", "installed" or "folders" as the command lines of the program spell the modes.
std::optional<TFontListMode> ParseListMode(const std::string& word);

// Loads list as the commands without a window do: in mode (installed when none), folder mode
// from folders, or from the viewer's stored folder slots when folders is empty; the viewer's
// stored file types ("Option"/"OpenType") in every mode.
void LoadForCommand(TFontList& list, std::optional<TFontListMode> mode,
                    const std::vector<std::string>& folders, const std::string& programFolder);
