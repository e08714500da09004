// The main window's part of the program's look: menu pictures and the top strip's gradient.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>

#include "mainformfixture.h"
#include "mainwindow/scan.h"
#include "platform/uifont.h"

namespace {

class LookTest : public MainFormTest {};

}  // namespace

TEST_F(LookTest, CommandItemsCarryTheirMenuPicturesAndMarkedItemsNone) {
    Open();
    for (const char* name :
         {"Charmap1", "Find1", "InstallFont1", "Print1", "Properties1", "UninstallFont1",
          "DeleteFont1", "Refresh1", "AddtoFavorites1", "Contents1", "RenameFontFiles1",
          "OpenExplorer1", "Charmap2", "InstallFont2", "UninstallFont2", "DeleteFont2",
          "AddtoFavorites2", "Properties2"}) {
        ASSERT_NE(Action(name), nullptr) << name;
        EXPECT_FALSE(Action(name)->icon().isNull()) << name;
    }
    for (const char* name : {"ScreenFonts1", "All1", "Bold1", "Exit1", "CharacterMap1"}) {
        EXPECT_TRUE(Action(name)->icon().isNull()) << name;
    }
}

TEST_F(LookTest, TopStripDarkensFromItsFifteenthRowDown) {
    TestMainForm& form = Open();
    auto* strip = form.findChild<QWidget*>(QStringLiteral("XPanel1"));
    ASSERT_NE(strip, nullptr);
    const QImage image = strip->grab().toImage();
    const QColor face = strip->palette().color(QPalette::Button);
    const int x = image.width() - 2;
    EXPECT_EQ(image.pixelColor(x, 13), face);
    EXPECT_LT(image.pixelColor(x, 14).red(), face.red());
    EXPECT_LT(image.pixelColor(x, image.height() - 1).red(), image.pixelColor(x, 14).red());
}

TEST(TfScanLook, UsesTheStandInOfMsSansSerifAndItsLabelsDoNotClip) {
    TfScan scan(nullptr, [] {});
    EXPECT_EQ(scan.font(), platform::UiFont(QStringLiteral("MS Sans Serif"), 8));
    // The counter label is 17 pixels high.
    EXPECT_LE(scan.fontMetrics().height(), 17);
}
