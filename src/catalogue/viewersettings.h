#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/fontlist.h"

// The settings file in the program folder.
constexpr const char* kSettingsFileName = "glyphwell.ini";

// What the viewer keeps in "glyphwell.ini" between runs, each key with its default. The viewer
// and `glyphwell list` read it here, so every key (the folder slots above all) is read one way.
struct TViewerSettings {
    // [Window] Main: "maximized,left,top,width,height" as stored; the window parses it.
    std::string mainBounds = "0,100,100,550,500";
    int favPaneWidth = 160;                 // [Window] FavPane
    bool favoritesShown = true;             // [Option] Left
    TSortType sortType = stName;            // [Option] Sort; unknown values are passed on
    TFontListMode viewMode = flmInstalled;  // [Option] ViewMode; unknown values are passed on
    // [Option] Backup and BackupPath are only ever edited by hand: read, never written.
    bool backupOnUninstall = true;
    std::string backupPath;  // empty: the program folder's "uninstalled"
    // [Folders] Folder1 to Folder5, without the blanks around them; a gap stays in place.
    std::array<std::string, kFolderSlots> folders;
    // [Font] Style is the sum of 2 (bold), 4 (italic) and 8 (underline); 1 means nothing.
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fontSize = 16;       // [Font] Size
    bool antiAlias = false;  // [Font] AntiAlias
    // [Color] Back, Fore, Name as 0x00BBGGRR values.
    std::uint32_t backColor = 16777215;
    std::uint32_t foreColor = 0;
    std::uint32_t nameColor = 32768;
    // [ExpandedFav] the favorites pane's expanded groups, row to group name.
    std::vector<std::pair<std::string, std::string>> expandedFavorites;
};

// The settings in fileName; the default of every key that is missing or unreadable.
TViewerSettings ReadViewerSettings(const std::string& fileName);
// Writes every key the viewer keeps, the expanded groups replacing their section. Keys
// written before a failing write stay written. The sample texts of [History] are not here:
// output's sample-text list reads and writes them, quoting what the reader would change.
void WriteViewerSettings(const std::string& fileName, const TViewerSettings& settings);
