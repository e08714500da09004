#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <filesystem>
#include <limits>

#include "controls/ximagelabel.h"
#include "mainwindow/mainform.h"
#include "mainwindow/mainformfixture.h"

namespace {

using SettingsTest = MainFormTest;

TEST_F(SettingsTest, WithoutFileEverythingIsDefaultAndCloseWritesEveryKey) {
    InstallFonts({"Alpha", "Beta"});
    TestMainForm& form = Open();
    EXPECT_EQ(form.geometry(), QRect(100, 100, 550, 500));
    EXPECT_TRUE(Action("tbFavorites")->isChecked());
    EXPECT_FALSE(Child<QWidget>("pnFavorites")->isHidden());
    QApplication::processEvents();
    EXPECT_EQ(Child<QWidget>("pnFavorites")->width(), 160);
    EXPECT_EQ(form.FontList().Mode(), flmInstalled);
    EXPECT_EQ(form.FontList().SortType(), stName);
    EXPECT_EQ(View().FontSize(), 16);
    EXPECT_EQ(View().FontStyle(), 0);
    EXPECT_FALSE(View().AntiAlias());
    EXPECT_EQ(View().Color(), 16777215u);
    EXPECT_EQ(View().TextColor(), 0u);
    EXPECT_EQ(View().NameColor(), 32768u);
    EXPECT_EQ(Child<QComboBox>("cbString")->count(), 0);
    EXPECT_EQ(Child<QComboBox>("cbString")->currentText().toStdString(),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890");
    EXPECT_EQ(View().Text(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890");
    EXPECT_EQ(Child<QComboBox>("cbFontSize")->currentText().toStdString(), "16");
    EXPECT_EQ(Items().GetCount(), 2);
    EXPECT_EQ(form.BackupFolder(), sandbox_.HomeFolder() + "uninstalled");
    EXPECT_TRUE(form.BackupOnUninstall());
    EXPECT_FALSE(std::filesystem::exists(sandbox_.HomeFolder() + "glyphwell.ini"));

    CloseForm();
    const platform::IniFile ini = Ini();
    EXPECT_EQ(ini.ReadString("Window", "Main", "?"), "0,100,100,550,500");
    EXPECT_EQ(ini.ReadString("Window", "FavPane", "?"), "160");
    EXPECT_EQ(ini.ReadString("Option", "Left", "?"), "1");
    EXPECT_EQ(ini.ReadString("Option", "Sort", "?"), "2");
    EXPECT_EQ(ini.ReadString("Option", "ViewMode", "?"), "1");
    EXPECT_EQ(ini.ReadSection("Folders"),
              (std::vector<std::string>{"Folder1", "Folder2", "Folder3", "Folder4", "Folder5"}));
    EXPECT_EQ(ini.ReadString("Folders", "Folder1", "?"), "");
    EXPECT_EQ(ini.ReadString("Font", "Style", "?"), "0");
    EXPECT_EQ(ini.ReadString("Font", "Size", "?"), "16");
    EXPECT_EQ(ini.ReadString("Font", "AntiAlias", "?"), "0");
    EXPECT_EQ(ini.ReadString("Color", "Back", "?"), "16777215");
    EXPECT_EQ(ini.ReadString("Color", "Fore", "?"), "0");
    EXPECT_EQ(ini.ReadString("Color", "Name", "?"), "32768");
    EXPECT_TRUE(ini.ReadSection("History").empty());
    // The backup settings are only ever edited by hand.
    EXPECT_EQ(ini.ReadString("Option", "Backup", "?"), "?");
}

TEST_F(SettingsTest, StyleFourteenIsBoldItalicUnderlineAndOneIsRegular) {
    InstallFonts({"Alpha"});
    Ini().WriteInteger("Font", "Style", 14);
    Open();
    EXPECT_EQ(View().FontStyle(), fsBold | fsItalic | fsUnderline);
    EXPECT_TRUE(Child<QToolButton>("sbBold")->isChecked());
    EXPECT_TRUE(Child<QToolButton>("sbItalic")->isChecked());
    EXPECT_TRUE(Child<QToolButton>("sbUnderline")->isChecked());
    CloseForm();
    EXPECT_EQ(Ini().ReadInteger("Font", "Style", -1), 14);

    form_.reset();
    Ini().WriteInteger("Font", "Style", 1);
    Open();
    EXPECT_EQ(View().FontStyle(), 0);
    EXPECT_FALSE(Child<QToolButton>("sbBold")->isChecked());
    CloseForm();
    EXPECT_EQ(Ini().ReadInteger("Font", "Style", -1), 0);
}

TEST_F(SettingsTest, FolderSlotGapStaysInPlaceAndIsWrittenBackEmpty) {
    const std::string folder = sandbox_.Path() + "/type/latin";
    WriteFont("type/latin/Alpha.ttf", "Alpha");
    platform::IniFile ini = Ini();
    ini.WriteString("Folders", "Folder2", "");
    ini.WriteString("Folders", "Folder3", "  " + folder + " ");
    ini.WriteInteger("Option", "ViewMode", 2);
    TestMainForm& form = Open();
    EXPECT_EQ(form.FontList().GetFolders(1), "");
    EXPECT_EQ(form.FontList().GetFolders(2), folder);
    EXPECT_TRUE(Child<TXImageLabel>("ilFolder2")->isHidden());
    EXPECT_FALSE(Child<TXImageLabel>("ilFolder3")->isHidden());
    EXPECT_EQ(Child<TXImageLabel>("ilFolder3")->Caption(), "latin  ");
    EXPECT_EQ(Child<TXImageLabel>("ilFolder3")->toolTip().toStdString(), folder);
    EXPECT_EQ(Items().GetCount(), 1);
    CloseForm();
    EXPECT_EQ(Ini().ReadString("Folders", "Folder2", "?"), "");
    EXPECT_EQ(Ini().ReadString("Folders", "Folder3", "?"), folder);
    EXPECT_EQ(Ini().ReadString("Option", "ViewMode", "?"), "2");
}

TEST_F(SettingsTest, HistoryGapGivesEmptyEntryAndIsRenumberedAtClose) {
    InstallFonts({"Alpha"});
    platform::IniFile ini = Ini();
    ini.WriteString("History", "1", "The quick brown fox");
    ini.WriteString("History", "3", "Third");
    Open();
    ASSERT_EQ(Child<QComboBox>("cbString")->count(), 2);
    EXPECT_EQ(Child<QComboBox>("cbString")->itemText(0).toStdString(), "The quick brown fox");
    EXPECT_EQ(Child<QComboBox>("cbString")->itemText(1).toStdString(), "");
    // Filling the list does not replace the sample text.
    EXPECT_EQ(View().Text(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890");
    CloseForm();
    EXPECT_EQ(Ini().ReadSectionValues("History"), (std::vector<std::pair<std::string, std::string>>{
                                                      {"1", "The quick brown fox"}, {"2", ""}}));
}

TEST_F(SettingsTest, MainWithTooFewItemsOrNonNumbersFallsBackToDefault) {
    InstallFonts({"Alpha"});
    for (const char* value : {"0,10,20", "0,a,20,600,450", "0,,20,600,450"}) {
        Ini().WriteString("Window", "Main", value);
        TestMainForm& form = Open();
        EXPECT_EQ(form.geometry(), QRect(100, 100, 550, 500)) << value;
        form_.reset();
    }
    Ini().WriteString("Window", "Main", "0 , 30, 40 ,640,480");
    EXPECT_EQ(Open().geometry(), QRect(30, 40, 640, 480));
}

TEST_F(SettingsTest, MaximizedFlagMaximizesAndIgnoresTheBounds) {
    InstallFonts({"Alpha"});
    Ini().WriteString("Window", "Main", "1,5,6,700,600");
    TestMainForm& form = Open();
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    EXPECT_NE(form.normalGeometry(), QRect(5, 6, 700, 600));
}

TEST_F(SettingsTest, WindowIsNeverSmallerThanMinimum) {
    InstallFonts({"Alpha"});
    Ini().WriteString("Window", "Main", "0,10,10,200,100");
    TestMainForm& form = Open();
    EXPECT_GE(form.width(), 500);
    EXPECT_GE(form.height(), 400);
}

QRect Desktop() {
    return QGuiApplication::primaryScreen()->availableVirtualGeometry();
}

// Stored bounds far off or far too big put the window where the desktop holds it whole, frame
// included (and at least 500 x 400), and the bounds used are what the close step writes back.
TEST_F(SettingsTest, WindowBoundsAreClampedToTheDesktopAndWrittenBackAsUsed) {
    InstallFonts({"Alpha"});
    ASSERT_TRUE(Desktop().contains(QRect(0, 0, 600, 550)));
    // Each expected rectangle is given within the room the desktop leaves inside the frame.
    const struct {
        const char* stored;
        QRect (*expected)(const QRect& room);
    } cases[] = {
        {"0,2147483647,2147483647,550,500",
         [](const QRect& room) {
             return QRect(room.right() + 1 - 550, room.bottom() + 1 - 500, 550, 500);
         }},
        {"0,-2147483648,-2147483648,550,500",
         [](const QRect& room) { return QRect(room.topLeft(), QSize(550, 500)); }},
        {"0,10,20,2000000000,2000000000", [](const QRect& room) { return room; }},
        {"0,10,20,-2147483648,-2147483648", [](const QRect&) { return QRect(10, 20, 500, 400); }},
    };
    for (const auto& c : cases) {
        Ini().WriteString("Window", "Main", c.stored);
        TestMainForm& form = Open();
        QApplication::processEvents();
        const QRect frame = form.frameGeometry();
        const QRect client = form.geometry();
        const QRect room = Desktop().marginsRemoved(
            QMargins(client.left() - frame.left(), client.top() - frame.top(),
                     frame.right() - client.right(), frame.bottom() - client.bottom()));
        const QRect expected = c.expected(room);
        EXPECT_EQ(client, expected) << c.stored;
        EXPECT_TRUE(Desktop().contains(frame)) << c.stored;
        CloseForm();
        EXPECT_EQ(Ini().ReadString("Window", "Main", "?"), QString("0,%1,%2,%3,%4")
                                                               .arg(expected.left())
                                                               .arg(expected.top())
                                                               .arg(expected.width())
                                                               .arg(expected.height())
                                                               .toStdString())
            << c.stored;
        form_.reset();
    }
}

// A stored favorites pane width leaves the tabs and the list their room on the desktop and
// never goes below the pane's minimum; the width used is written back.
TEST_F(SettingsTest, FavoritesPaneWidthIsClampedAndWrittenBackAsUsed) {
    InstallFonts({"Alpha"});
    for (const int stored : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 0}) {
        Ini().WriteInteger("Window", "FavPane", stored);
        TestMainForm& form = Open();
        QApplication::processEvents();
        const int centreMinimum = form.findChild<QWidget*>("pnCentre")->minimumSizeHint().width();
        EXPECT_TRUE(Child<TXFontListView>("FontView")->isVisible()) << stored;
        EXPECT_GE(Child<TXFontListView>("FontView")->width(), centreMinimum) << stored;
        EXPECT_LE(Child<QToolButton>("tbSelected")->geometry().right(),
                  Child<QWidget>("TabBar")->width())
            << stored;
        EXPECT_GE(Child<QWidget>("pnFavorites")->width(), 100) << stored;
        CloseForm();
        const int written = Ini().ReadInteger("Window", "FavPane", -1);
        EXPECT_GE(written, 100) << stored;
        EXPECT_LE(written,
                  Desktop().width() - Child<QSplitter>("Splitter1")->handleWidth() - centreMinimum)
            << stored;
        if (stored < 100) {
            EXPECT_EQ(written, 100) << stored;
        }
        form_.reset();
    }
}

TEST_F(SettingsTest, ColoursChosenInTheBoxesAreKeptIncludingTheNameColour) {
    InstallFonts({"Alpha"});
    Open();
    dialogs_.QueueColor(0x0000FF);  // red
    QTest::mouseClick(Child<QWidget>("sFontNameColor"), Qt::LeftButton);
    EXPECT_EQ(View().NameColor(), 0x0000FFu);
    EXPECT_EQ(Child<QWidget>("sFontNameColor")->palette().color(QPalette::Window),
              QColor(255, 0, 0));
    dialogs_.QueueColor(0x00FF00);
    QTest::mouseClick(Child<QWidget>("sForeColor"), Qt::LeftButton);
    EXPECT_EQ(View().TextColor(), 0x00FF00u);
    // A cancelled dialog changes nothing.
    QTest::mouseClick(Child<QWidget>("sBackColor"), Qt::LeftButton);
    EXPECT_EQ(View().Color(), 16777215u);
    ASSERT_EQ(dialogs_.Calls().size(), 3u);
    EXPECT_EQ(dialogs_.Calls()[0].kind, "ChooseColor");
    CloseForm();
    EXPECT_EQ(Ini().ReadInteger("Color", "Name", -1), 0x0000FF);
    EXPECT_EQ(Ini().ReadInteger("Color", "Fore", -1), 0x00FF00);
    EXPECT_EQ(Ini().ReadInteger("Color", "Back", -1), 16777215);
}

TEST_F(SettingsTest, ClosingOnTheSelectedFontsStoresTheMasterMode) {
    InstallFonts({"Alpha", "Beta"});
    TestMainForm& form = Open();
    Key(Qt::Key_1, Qt::AltModifier);
    ASSERT_EQ(form.FontList().Mode(), flmScreen);
    Key(Qt::Key_4, Qt::AltModifier);
    ASSERT_EQ(form.ViewKind(), vkSelected);
    CloseForm();
    EXPECT_EQ(Ini().ReadInteger("Option", "ViewMode", -1), 0);
}

TEST_F(SettingsTest, UnknownViewModeIsPassedOnAndKept) {
    InstallFonts({"Alpha"});
    Ini().WriteInteger("Option", "ViewMode", 7);
    TestMainForm& form = Open();
    EXPECT_EQ(form.windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta");
    EXPECT_EQ(Items().GetCount(), 0);
    CloseForm();
    EXPECT_EQ(Ini().ReadInteger("Option", "ViewMode", -1), 7);
}

TEST_F(SettingsTest, StoredValuesComeBack) {
    InstallFonts({"Alpha"});
    platform::IniFile ini = Ini();
    ini.WriteInteger("Font", "Size", 30);
    ini.WriteInteger("Font", "AntiAlias", 1);
    ini.WriteInteger("Option", "Sort", 1);
    ini.WriteInteger("Option", "Left", 0);
    ini.WriteInteger("Window", "FavPane", 210);
    ini.WriteString("Option", "BackupPath", "/somewhere/else");
    ini.WriteInteger("Option", "Backup", 0);
    TestMainForm& form = Open();
    EXPECT_EQ(View().FontSize(), 30);
    EXPECT_EQ(Child<QComboBox>("cbFontSize")->currentText().toStdString(), "30");
    EXPECT_TRUE(View().AntiAlias());
    EXPECT_EQ(form.FontList().SortType(), stPath);
    EXPECT_TRUE(Child<QWidget>("pnFavorites")->isHidden());
    EXPECT_FALSE(Action("tbFavorites")->isChecked());
    EXPECT_EQ(form.BackupFolder(), "/somewhere/else");
    EXPECT_FALSE(form.BackupOnUninstall());
    CloseForm();
    EXPECT_EQ(Ini().ReadInteger("Window", "FavPane", -1), 210);
    EXPECT_EQ(Ini().ReadInteger("Option", "Left", -1), 0);
    EXPECT_EQ(Ini().ReadInteger("Option", "Sort", -1), 1);
    EXPECT_EQ(Ini().ReadString("Font", "AntiAlias", "?"), "1");
    EXPECT_EQ(Ini().ReadInteger("Font", "Size", -1), 30);
}

}  // namespace
