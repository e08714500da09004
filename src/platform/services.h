#pragma once

#include <cstdint>
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
    // "glyphwell.ini", "installed.fav", "error.log", "protect.lst", the backup folder and the
    // help pages live here (see ChooseProgramFolder); ends in '/'. Empty: nothing is kept.
    std::string programFolder;
    // The user's Fonts folder, where fonts are installed (see UserFontsFolder).
    std::string userFontsFolder;
    // The language names are read in first (see UserDefaultLangID).
    std::uint16_t userLanguage = kLangEnglishUs;
};

}  // namespace platform
