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

TEST_F(ViewerSettingsTest, WrittenSettingsReadBackAndBackupAndHistoryAreLeftAlone) {
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
    EXPECT_EQ(platform::IniFile(file).ReadString("Option", "Backup", "?"), "?");
    EXPECT_EQ(platform::IniFile(file).ReadString("History", "9", "?"), "kept");
}

}  // namespace
