#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QToolButton>
#include <filesystem>

#include "controls/btnstatusbar.h"
#include "controls/ximagelabel.h"
#include "mainwindow/mainformfixture.h"
#include "mainwindow/scan.h"

namespace {

using ModesTest = MainFormTest;

class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

TEST_F(ModesTest, CaptionTabsAndToolbarFollowTheMode) {
    InstallFonts({"Alpha", "Beta"});
    TestMainForm& form = Open();
    EXPECT_EQ(form.windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta - Installed Fonts");
    EXPECT_TRUE(Child<QToolButton>("tbInstalled")->isChecked());
    EXPECT_TRUE(Action("tbDelete")->isEnabled());
    EXPECT_EQ(Action("tbDelete")->toolTip().toStdString(), "Uninstall");
    EXPECT_EQ(Action("tbDelete")->property("tag").toInt(), 1);
    EXPECT_FALSE(Action("tbInstall")->isEnabled());
    EXPECT_TRUE(Child<QWidget>("pnFolders")->isHidden());
    EXPECT_TRUE(Child<QToolButton>("tbFavGroup")->isHidden());

    Key(Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(form.windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta - Screen Fonts");
    EXPECT_TRUE(Child<QToolButton>("tbScreen")->isChecked());
    EXPECT_FALSE(Action("tbDelete")->isEnabled());
    EXPECT_FALSE(Action("tbInstall")->isEnabled());
    EXPECT_EQ(Items().GetCount(), 3);

    // Folder mode with every slot free opens no dialog and shows an empty list.
    Key(Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(form.windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta - Fonts in folder");
    EXPECT_TRUE(Child<QToolButton>("tbFolders")->isChecked());
    EXPECT_EQ(Items().GetCount(), 0);
    EXPECT_FALSE(Child<QWidget>("pnFolders")->isHidden());
    EXPECT_FALSE(Child<QToolButton>("sbAddFolder")->isHidden());
    for (const char* slot : {"ilFolder1", "ilFolder2", "ilFolder3", "ilFolder4", "ilFolder5"}) {
        EXPECT_TRUE(Child<TXImageLabel>(slot)->isHidden()) << slot;
    }
    EXPECT_EQ(Action("tbDelete")->toolTip().toStdString(), "Delete");
    EXPECT_EQ(Action("tbDelete")->property("tag").toInt(), 0);
    EXPECT_TRUE(dialogs_.Calls().empty());
    EXPECT_EQ(Child<TBtnStatusBar>("StatusBar1")->Items().value(0).toStdString(), "Font Count=0");
}

TEST_F(ModesTest, TheModeAlreadyShownInFullReloadsNothing) {
    InstallFonts({"Alpha", "Beta"});
    Open();
    const int reads = installed_.ListCount();
    QTest::mouseClick(Child<QToolButton>("tbInstalled"), Qt::LeftButton);
    EXPECT_EQ(installed_.ListCount(), reads);
    EXPECT_TRUE(Child<QToolButton>("tbInstalled")->isChecked());
    Key(Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(installed_.ListCount(), reads);
}

TEST_F(ModesTest, SelectedThenAllFontsRestoresTheMarksByFileName) {
    InstallFonts({"Alpha", "Beta", "Chi", "Delta"});
    TestMainForm& form = Open();
    View().Select(1, false);
    View().Select(3, false);
    Key(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form.ViewKind(), vkSelected);
    ASSERT_EQ(Items().GetCount(), 2);
    EXPECT_EQ(Items().GetItems(0).FullName(), "Beta Regular");
    EXPECT_FALSE(Items().GetItems(0).Selected());
    EXPECT_TRUE(Child<QToolButton>("tbSelected")->isChecked());
    EXPECT_EQ(form.windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta - Installed Fonts");

    // Inside the set the marks do not matter: every font shown comes back marked.
    Key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(form.ViewKind(), vkAll);
    ASSERT_EQ(Items().GetCount(), 4);
    std::vector<bool> marks;
    for (int i = 0; i < Items().GetCount(); ++i) {
        marks.push_back(Items().GetItems(i).Selected());
    }
    EXPECT_EQ(marks, (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(Child<QToolButton>("tbInstalled")->isChecked());
    EXPECT_EQ(form.SelectedFonts().size(), 2u);
    EXPECT_EQ(form.SelectedFonts()[1], (std::pair<std::string, int>{"Delta Regular", 3}));
}

TEST_F(ModesTest, SelectedWithNothingMarkedGivesAnEmptyViewAndPressedTab) {
    InstallFonts({"Alpha", "Beta"});
    Open();
    Key(Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(Items().GetCount(), 0);
    EXPECT_TRUE(Child<QToolButton>("tbSelected")->isChecked());
    EXPECT_EQ(Child<TBtnStatusBar>("StatusBar1")->Items().value(0).toStdString(), "Font Count=0");
}

TEST_F(ModesTest, EveryFontSelectedStillPressesSelected) {
    InstallFonts({"Alpha", "Beta"});
    Open();
    View().SelectAll();
    Key(Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(Items().GetCount(), 2);
    EXPECT_TRUE(Child<QToolButton>("tbSelected")->isChecked());
}

TEST_F(ModesTest, EscAltFourAndCtrlZeroMoveBetweenTheViews) {
    InstallFonts({"Alpha", "Beta"});
    TestMainForm& form = Open();
    View().Select(0, false);
    Key(Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(form.ViewKind(), vkSelected);
    Key(Qt::Key_Escape);
    EXPECT_EQ(form.ViewKind(), vkAll);
    EXPECT_EQ(Items().GetCount(), 2);
    Key(Qt::Key_4, Qt::AltModifier);
    ASSERT_EQ(form.ViewKind(), vkSelected);
    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form.ViewKind(), vkAll);
    EXPECT_EQ(Items().GetCount(), 2);
    EXPECT_TRUE(Items().GetItems(0).Selected());
}

TEST_F(ModesTest, RefreshReloadsTheWholeListButNotASubset) {
    InstallFonts({"Alpha", "Beta"});
    TestMainForm& form = Open();
    View().Select(0, false);
    Key(Qt::Key_4, Qt::AltModifier);
    const std::string more = WriteFont("data/fonts/Gamma.ttf", "Gamma");
    std::vector<std::string> files = installed_.Files();
    files.push_back(more);
    installed_.SetFiles(files);
    const int reads = installed_.ListCount();
    Key(Qt::Key_F5);
    EXPECT_EQ(installed_.ListCount(), reads);
    EXPECT_EQ(Items().GetCount(), 1);
    EXPECT_EQ(form.FontList().GetCount(), 2);

    Key(Qt::Key_Escape);
    View().SetItemIndex(1);
    Key(Qt::Key_F5);
    EXPECT_EQ(form.FontList().GetCount(), 3);
    EXPECT_EQ(Items().GetCount(), 3);
    EXPECT_EQ(form.ViewKind(), vkAll);
}

TEST_F(ModesTest, SortCommandSortsMasterAndView) {
    WriteFont("b/Alpha.ttf", "Alpha");
    WriteFont("a/Beta.ttf", "Beta");
    installed_.SetFiles({sandbox_.Path() + "/b/Alpha.ttf", sandbox_.Path() + "/a/Beta.ttf"});
    TestMainForm& form = Open();
    EXPECT_EQ(Items().GetItems(0).FullName(), "Alpha Regular");
    Action("ArrangebyPath1")->trigger();
    EXPECT_EQ(form.FontList().SortType(), stPath);
    EXPECT_EQ(form.FontList().GetItems(0).FullName(), "Beta Regular");
    EXPECT_EQ(Items().GetItems(0).FullName(), "Beta Regular");
}

TEST_F(ModesTest, StatusShowsCountsAndBytesWithThousandsSeparators) {
    const std::string big = WriteFont("data/fonts/Big.ttf", "Big", 0);
    const std::size_t base = std::filesystem::file_size(big);
    WriteFont("data/fonts/Big.ttf", "Big", 1234567 - base);
    installed_.SetFiles({big, WriteFont("data/fonts/Small.ttf", "Small")});
    LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    Open();
    EXPECT_EQ(Child<TBtnStatusBar>("StatusBar1")->Items().value(0).toStdString(), "Font Count=2");
    EXPECT_EQ(Child<TBtnStatusBar>("StatusBar1")->Items().value(1).toStdString(),
              "=Use Spacebar or Ctrl+Left Click to select/deselect font");
    View().Select(0, false);
    EXPECT_EQ(Child<TBtnStatusBar>("StatusBar1")->Items().value(1).toStdString(),
              "Selected=1 Fonts (1,234,567 bytes)");
    {
        LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        View().Select(0, false);
        EXPECT_EQ(Child<TBtnStatusBar>("StatusBar1")->Items().value(1).toStdString(),
                  "Selected=1 Fonts (1.234.567 bytes)");
    }
    Key(Qt::Key_1, Qt::AltModifier);
    View().Select(0, false);
    View().Select(2, false);
    EXPECT_EQ(Child<TBtnStatusBar>("StatusBar1")->Items().value(1).toStdString(),
              "Selected=2 Fonts");
}

TEST_F(ModesTest, AddFolderShowsItsFontsAndLabelAndRemoveTakesThemAway) {
    WriteFont("type/latin/Alpha.ttf", "Alpha");
    WriteFont("type/latin/sub/Beta.ttf", "Beta");
    const std::string folder = sandbox_.Path() + "/type/latin";
    TestMainForm& form = Open();
    Key(Qt::Key_3, Qt::AltModifier);
    dialogs_.QueueFolder(folder);
    QTest::mouseClick(Child<QToolButton>("sbAddFolder"), Qt::LeftButton);
    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(dialogs_.Calls()[0].kind, "BrowseForFolder");
    EXPECT_EQ(dialogs_.Calls()[0].caption, "Select Folder contains font files");
    EXPECT_EQ(form.LastFolder(), folder);
    EXPECT_EQ(Items().GetCount(), 2);
    EXPECT_FALSE(Child<TXImageLabel>("ilFolder1")->isHidden());
    EXPECT_EQ(Child<TXImageLabel>("ilFolder1")->Caption(), "latin  ");

    // The next pick starts where the last one ended.
    QTest::mouseClick(Child<QToolButton>("sbAddFolder"), Qt::LeftButton);
    EXPECT_EQ(dialogs_.Calls()[1].text, folder);

    emit Child<TXImageLabel>("ilFolder1")->customContextMenuRequested(QPoint(2, 2));
    Menu("FoldersContext")->hide();
    Action("RemoveFolder1")->trigger();
    EXPECT_EQ(Items().GetCount(), 0);
    EXPECT_TRUE(Child<TXImageLabel>("ilFolder1")->isHidden());
    EXPECT_EQ(form.FontList().GetFolderCount(), 0);
}

TEST_F(ModesTest, SixthFolderIsRefusedBeforeTheBrowserOpens) {
    platform::IniFile ini = Ini();
    for (int i = 1; i <= 5; ++i) {
        const std::string relative = "folders/f" + std::to_string(i);
        WriteFont(relative + "/Font.ttf", "Face" + std::to_string(i));
        ini.WriteString("Folders", "Folder" + std::to_string(i), sandbox_.Path() + "/" + relative);
    }
    ini.WriteInteger("Option", "ViewMode", 2);
    TestMainForm& form = Open();
    ASSERT_EQ(form.FontList().GetFolderCount(), 5);
    QTest::mouseClick(Child<QToolButton>("sbAddFolder"), Qt::LeftButton);
    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(dialogs_.Calls()[0].kind, "MessageBox");
    EXPECT_EQ(dialogs_.Calls()[0].text, "폴더는 5개까지만 추가할 수 있습니다.");
    EXPECT_EQ(dialogs_.Calls()[0].caption, "안내");
    EXPECT_EQ(dialogs_.Calls()[0].icon, platform::MsgIcon::None);
}

TEST_F(ModesTest, MenuRulesFollowListAndMode) {
    InstallFonts({"Alpha"});
    Open();
    OpenMenu("N1");
    EXPECT_TRUE(Action("UninstallFont1")->isVisible());
    EXPECT_TRUE(Action("UninstallFont1")->isEnabled());
    EXPECT_FALSE(Action("DeleteFont1")->isVisible());
    EXPECT_FALSE(Action("InstallFont1")->isEnabled());
    OpenMenu("View1");
    EXPECT_TRUE(Action("InstalledFonts1")->isChecked());
    EXPECT_TRUE(Action("All1")->isChecked());
    EXPECT_TRUE(Action("ArrangebyFontName1")->isChecked());
    OpenMenu("Favorites1");
    EXPECT_TRUE(Action("AddtoFavorites1")->isEnabled());

    Key(Qt::Key_3, Qt::AltModifier);
    OpenMenu("N1");
    EXPECT_FALSE(Action("UninstallFont1")->isVisible());
    EXPECT_TRUE(Action("DeleteFont1")->isVisible());
    EXPECT_FALSE(Action("DeleteFont1")->isEnabled());  // the list is empty
    EXPECT_FALSE(Action("Charmap1")->isEnabled());
    OpenMenu("Tools1");
    EXPECT_TRUE(Action("RenameFontFiles1")->isEnabled());
    EXPECT_TRUE(Action("ExplorerUninstalledFolder1")->isEnabled());
    OpenMenu("View1");
    EXPECT_TRUE(Action("FontsinFolder1")->isChecked());
    EXPECT_TRUE(Action("Options1")->isVisible());
    EXPECT_FALSE(Action("PrintSetup1")->isVisible());
    EXPECT_FALSE(Action("DropShadow1")->isVisible());
}

TEST_F(ModesTest, FolderLoadsDriveTheScanWindowAndLeaveTheWindowEnabled) {
    WriteFont("type/Alpha.ttf", "Alpha");
    WriteFont("type/sub/Beta.TTF", "Beta");
    Ini().WriteString("Folders", "Folder2", sandbox_.Path() + "/type");
    form_ = std::make_unique<TestMainForm>(services_);
    TfScan scan(form_.get(), [] {});
    form_->SetScanWindow(&scan);
    form_->show();
    Key(Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(scan.FileTotal(), 2);
    EXPECT_EQ(scan.FileCount(), 2);
    EXPECT_EQ(Items().GetCount(), 2);
    EXPECT_TRUE(form_->isEnabled());
    EXPECT_TRUE(scan.isHidden());
}

}  // namespace
