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
    // [Option] StartMode 1: every run starts in viewMode, the mode chosen in the Options
    // window, and closing leaves ViewMode alone; 0: a run starts in the mode used last.
    bool fixedStartMode = false;
    // [Option] Backup and BackupPath: written by the Options window only.
    bool backupOnUninstall = true;
    std::string backupPath;    // empty: the program folder's "uninstalled"
    bool showFullPath = true;  // [Option] FullPath: rows show the whole path, not the file name
    bool openType = false;     // [Option] OpenType: the OpenType kinds too (TFontFileTypes)
    bool ownSample = false;    // [Option] OwnSample: a row draws a sample its face covers
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
// Writes every key the viewer keeps at close, the expanded groups replacing their section;
// ViewMode only while the file's StartMode is not fixed. The keys of the Options window are
// not among them, nor the sample texts of [History]: output's sample-text list reads and
// writes those, quoting what the reader would change. Keys written before a failing write
// stay written.
void WriteViewerSettings(const std::string& fileName, const TViewerSettings& settings);
// Writes the keys the Options window stands for: StartMode, ViewMode when the start mode is
// fixed, Backup, BackupPath, FullPath, OpenType and OwnSample.
void WriteOptionSettings(const std::string& fileName, const TViewerSettings& settings);
