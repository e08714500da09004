#include "catalogue/viewersettings.h"

#include <gtest/gtest.h>

#include "platform/inifile.h"
#include "support/sandbox.h"

namespace {

class ViewerSettingsTest : public testing::Test {
protected:
    Sandbox sandbox;
    std::string file = sandbox.HomeFolder() + kSettingsFileName;
};

// What the viewer and the list command both rely on: blanks around a stored folder go, a gap
// stays in its slot, and unknown modes and sorts are passed on as stored.
TEST_F(ViewerSettingsTest, FolderSlotsAndModesReadOneWay) {
    sandbox.WriteFile("home/glyphwell.ini",
                      "[Folders]\r\nFolder1=\t/fonts/a \r\nFolder3=\"  /fonts/c  \"\r\n"
                      "[Option]\r\nViewMode=7\r\nSort=1\r\n[Font]\r\nStyle=14\r\n");
    const TViewerSettings settings = ReadViewerSettings(file);
    EXPECT_EQ(settings.folders,
              (std::array<std::string, kFolderSlots>{"/fonts/a", "", "/fonts/c", "", ""}));
    EXPECT_EQ(settings.viewMode, static_cast<TFontListMode>(7));
    EXPECT_EQ(settings.sortType, stPath);
    EXPECT_TRUE(settings.bold && settings.italic && settings.underline);
}

TEST_F(ViewerSettingsTest, WrittenSettingsReadBackAndTheOptionKeysAndHistoryAreLeftAlone) {
    TViewerSettings written;
    written.mainBounds = "1,2,3,640,480";
    written.folders[1] = "/fonts/b";
    written.italic = true;
    written.nameColor = 0x0000FF;
    written.expandedFavorites = {{"4", "Body text"}};
    // The sample texts have their own writer; these settings never touch them.
    platform::IniFile(file).WriteString("History", "9", "kept");
    WriteViewerSettings(file, written);

    const TViewerSettings read = ReadViewerSettings(file);
    EXPECT_EQ(read.mainBounds, written.mainBounds);
    EXPECT_EQ(read.folders, written.folders);
    EXPECT_FALSE(read.bold);
    EXPECT_TRUE(read.italic);
    EXPECT_EQ(read.nameColor, 0x0000FFu);
    EXPECT_EQ(read.expandedFavorites, written.expandedFavorites);
    EXPECT_EQ(platform::IniFile(file).ReadString("History", "9", "?"), "kept");
    for (const char* key :
         {"Backup", "BackupPath", "StartMode", "FullPath", "OpenType", "OwnSample"}) {
        EXPECT_EQ(platform::IniFile(file).ReadString("Option", key, "?"), "?") << key;
    }
}

TEST_F(ViewerSettingsTest, OptionsReadBackAndAFixedStartModeOutlivesClosing) {
    TViewerSettings defaults = ReadViewerSettings(file);
    EXPECT_FALSE(defaults.fixedStartMode || defaults.openType || defaults.ownSample);
    EXPECT_TRUE(defaults.showFullPath && defaults.backupOnUninstall);

    TViewerSettings options;
    options.fixedStartMode = true;
    options.viewMode = flmScreen;
    options.backupOnUninstall = false;
    options.backupPath = "/backup/fonts";
    options.showFullPath = false;
    options.openType = true;
    options.ownSample = true;
    WriteOptionSettings(file, options);
    TViewerSettings closing;
    closing.viewMode = flmFolders;
    WriteViewerSettings(file, closing);

    const TViewerSettings read = ReadViewerSettings(file);
    EXPECT_TRUE(read.fixedStartMode);
    EXPECT_EQ(read.viewMode, flmScreen);
    EXPECT_FALSE(read.backupOnUninstall);
    EXPECT_EQ(read.backupPath, "/backup/fonts");
    EXPECT_FALSE(read.showFullPath);
    EXPECT_TRUE(read.openType && read.ownSample);

    // Back to the mode used last: the Options window leaves ViewMode, closing writes it.
    options.fixedStartMode = false;
    options.viewMode = flmInstalled;
    WriteOptionSettings(file, options);
    EXPECT_EQ(ReadViewerSettings(file).viewMode, flmScreen);
    WriteViewerSettings(file, closing);
    EXPECT_EQ(ReadViewerSettings(file).viewMode, flmFolders);
}

}  // namespace
