#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/events.h"
#include "platform/language.h"

namespace platform {

class FontTable;
class InstalledFonts;
class FontChange;
class Shell;
class Trash;
class OutlineMetricsSource;
class FontFileLookup;
class CharacterMap;
class FileSystem;
class Printer;

// The services of the operating system and the facts of this run, built once in main() (or
// by a test) and handed down explicitly to what needs them. Pointers are not owned; any may
// be null where the caller never needs it (a list without a font table cannot load folder
// fonts).
struct Services {
    FontTable* fontTable = nullptr;
    InstalledFonts* installedFonts = nullptr;
    FontChange* fontChange = nullptr;
    Shell* shell = nullptr;
    Trash* trash = nullptr;
    OutlineMetricsSource* outlineMetrics = nullptr;
    FontFileLookup* fontFiles = nullptr;
    CharacterMap* characterMap = nullptr;
    // The file calls of the font commands (copy, move, delete, rename).
    FileSystem* fileSystem = nullptr;
    ProcessEvents processEvents;
    // Makes the printer the main window prints with, on first use: setting up the desktop's
    // printers takes long enough that a window which never prints should not pay for it.
    std::function<std::unique_ptr<Printer>()> newPrinter;
    // "glyphwell.ini", "installed.fav", "error.log", "protect.lst", the backup folder and the
    // help pages live here (see ChooseProgramFolder); ends in '/'. Empty: nothing is kept.
    std::string programFolder;
    // The user's Fonts folder, where fonts are installed (see UserFontsFolder).
    std::string userFontsFolder;
    // The language names are read in first (see UserDefaultLangID).
    std::uint16_t userLanguage = kLangEnglishUs;
};

}  // namespace platform
