#pragma once

#include "platform/events.h"

namespace platform {

class FontTable;
class InstalledFonts;
class FontChange;
class Shell;
class Trash;
class OutlineMetricsSource;
class FontFileLookup;
class CharacterMap;

// The services of the operating system, built once in main() (or by a test) and handed down
// explicitly to what needs them. Pointers are not owned; any may be null where the caller
// never needs it (a list without a font table cannot load folder fonts).
struct Services {
    FontTable* fontTable = nullptr;
    InstalledFonts* installedFonts = nullptr;
    FontChange* fontChange = nullptr;
    Shell* shell = nullptr;
    Trash* trash = nullptr;
    OutlineMetricsSource* outlineMetrics = nullptr;
    FontFileLookup* fontFiles = nullptr;
    CharacterMap* characterMap = nullptr;
    ProcessEvents processEvents;
};

}  // namespace platform
