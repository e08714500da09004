#include "catalogue/viewersettings.h"

#include "platform/inifile.h"

namespace {

constexpr int kStyleBold = 2;
constexpr int kStyleItalic = 4;
constexpr int kStyleUnderline = 8;

std::string FolderKey(int slot) {
    return "Folder" + std::to_string(slot + 1);
}

std::string WithoutBlanks(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

void ReadWindowAndOptions(const platform::IniFile& ini, TViewerSettings& s) {
    s.mainBounds = ini.ReadString("Window", "Main", s.mainBounds);
    s.favPaneWidth = ini.ReadInteger("Window", "FavPane", s.favPaneWidth);
    s.favoritesShown = ini.ReadInteger("Option", "Left", 1) != 0;
    s.sortType = static_cast<TSortType>(
        static_cast<std::uint8_t>(ini.ReadInteger("Option", "Sort", stName)));
    s.viewMode = static_cast<TFontListMode>(
        static_cast<std::uint8_t>(ini.ReadInteger("Option", "ViewMode", flmInstalled)));
    s.fixedStartMode = ini.ReadInteger("Option", "StartMode", 0) == 1;
    s.backupOnUninstall = ini.ReadInteger("Option", "Backup", 1) != 0;
    s.backupPath = ini.ReadString("Option", "BackupPath", "");
    s.showFullPath = ini.ReadInteger("Option", "FullPath", 1) != 0;
    s.openType = ini.ReadInteger("Option", "OpenType", 0) != 0;
    s.ownSample = ini.ReadInteger("Option", "OwnSample", 0) != 0;
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        s.folders[static_cast<std::size_t>(slot)] =
            WithoutBlanks(ini.ReadString("Folders", FolderKey(slot), ""));
    }
}

void ReadFontAndColours(const platform::IniFile& ini, TViewerSettings& s) {
    const int style = ini.ReadInteger("Font", "Style", 0);
    s.bold = (style & kStyleBold) != 0;
    s.italic = (style & kStyleItalic) != 0;
    s.underline = (style & kStyleUnderline) != 0;
    s.fontSize = ini.ReadInteger("Font", "Size", s.fontSize);
    s.antiAlias = ini.ReadInteger("Font", "AntiAlias", 0) != 0;
    s.backColor =
        static_cast<std::uint32_t>(ini.ReadInteger("Color", "Back", static_cast<int>(s.backColor)));
    s.foreColor =
        static_cast<std::uint32_t>(ini.ReadInteger("Color", "Fore", static_cast<int>(s.foreColor)));
    s.nameColor =
        static_cast<std::uint32_t>(ini.ReadInteger("Color", "Name", static_cast<int>(s.nameColor)));
}

}  // namespace

TViewerSettings ReadViewerSettings(const std::string& fileName) {
    const platform::IniFile ini(fileName);
    TViewerSettings settings;
    ReadWindowAndOptions(ini, settings);
    ReadFontAndColours(ini, settings);
    settings.expandedFavorites = ini.ReadSectionValues("ExpandedFav");
    return settings;
}

void WriteViewerSettings(const std::string& fileName, const TViewerSettings& s) {
    platform::IniFile ini(fileName);
    ini.WriteString("Window", "Main", s.mainBounds);
    ini.WriteInteger("Window", "FavPane", s.favPaneWidth);
    ini.WriteInteger("Option", "Left", s.favoritesShown ? 1 : 0);
    ini.WriteInteger("Option", "Sort", s.sortType);
    // A fixed start mode is the Options window's to change, not the last run's.
    if (ini.ReadInteger("Option", "StartMode", 0) != 1) {
        ini.WriteInteger("Option", "ViewMode", s.viewMode);
    }
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        ini.WriteString("Folders", FolderKey(slot), s.folders[static_cast<std::size_t>(slot)]);
    }
    ini.WriteInteger("Font", "Style",
                     (s.bold ? kStyleBold : 0) + (s.italic ? kStyleItalic : 0) +
                         (s.underline ? kStyleUnderline : 0));
    ini.WriteInteger("Font", "Size", s.fontSize);
    ini.WriteString("Font", "AntiAlias", s.antiAlias ? "1" : "0");
    ini.WriteInteger("Color", "Back", static_cast<int>(s.backColor));
    ini.WriteInteger("Color", "Fore", static_cast<int>(s.foreColor));
    ini.WriteInteger("Color", "Name", static_cast<int>(s.nameColor));
    ini.EraseSection("ExpandedFav");
    for (const auto& [row, group] : s.expandedFavorites) {
        ini.WriteString("ExpandedFav", row, group);
    }
}

void WriteOptionSettings(const std::string& fileName, const TViewerSettings& s) {
    platform::IniFile ini(fileName);
    ini.WriteInteger("Option", "StartMode", s.fixedStartMode ? 1 : 0);
    if (s.fixedStartMode) {
        ini.WriteInteger("Option", "ViewMode", s.viewMode);
    }
    ini.WriteInteger("Option", "Backup", s.backupOnUninstall ? 1 : 0);
    ini.WriteString("Option", "BackupPath", s.backupPath);
    ini.WriteInteger("Option", "FullPath", s.showFullPath ? 1 : 0);
    ini.WriteInteger("Option", "OpenType", s.openType ? 1 : 0);
    ini.WriteInteger("Option", "OwnSample", s.ownSample ? 1 : 0);
}
