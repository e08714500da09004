#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/commandfixture.h"

namespace {

// The menus and toolbars as the user sees them, one line each: every item's component name with
// what differs from an ordinary item: "(hidden)", "(off)", "(x)" when checked, its tag; "-"
// for a line ("(-)" when hidden).
std::string Listed(const QWidget& owner) {
    std::string line = owner.objectName().toStdString() + ":";
    for (const QAction* item : owner.actions()) {
        line += ' ';
        if (item->isSeparator()) {
            line += item->isVisible() ? "-" : "(-)";
            continue;
        }
        line += item->objectName().toStdString();
        line += item->isVisible() ? "" : "(hidden)";
        line += item->isEnabled() ? "" : "(off)";
        line += item->isChecked() ? "(x)" : "";
        const int tag = item->property("tag").toInt();
        line += tag != 0 ? "#" + std::to_string(tag) : "";
    }
    return line + "\n";
}

const char* const kMenus[] = {"N1",    "Edit1",      "View1",          "Favorites1",       "Tools1",
                              "Help1", "PopupMenu1", "FoldersContext", "SampleTextContext"};
const char* const kToolBars[] = {"ToolBar1", "ToolBar2", "ToolBar4"};

class ActionTableTest : public MainFormTest {
protected:
    // Every menu as it is when it opens, and the toolbars, in the window's present state.
    std::string Shown() {
        std::string shown;
        for (const char* name : kMenus) {
            auto* menu = form_->findChild<QMenu*>(name);
            emit menu->aboutToShow();
            shown += Listed(*menu);
        }
        for (const char* name : kToolBars) {
            shown += Listed(*form_->findChild<QToolBar*>(name));
        }
        return shown;
    }

    // Opens the window on two installed fonts, the first one marked and focused.
    void OpenOnTwoInstalledFonts() {
        form_.reset();
        Open();
        View().Select(0, false);
        View().SetItemIndex(0);
    }
};

TEST_F(ActionTableTest, MenuBarCaptionsAndShortcutsAreTheFixedOnes) {
    Open();
    std::string menus;
    for (const QAction* top : form_->menuBar()->actions()) {
        menus += top->menu()->objectName().toStdString() + " '" + top->text().toStdString() +
                 "' #" + std::to_string(top->property("tag").toInt()) + "\n";
        for (const QAction* item : top->menu()->actions()) {
            if (!item->isSeparator()) {
                menus += "  " + item->text().toStdString() + "\n";
            }
        }
    }
    EXPECT_EQ(menus,
              "N1 '&Font' #0\n"
              "  &Install Font\tAlt+I\n  &Uninstall Font\tAlt+U\n  &Delete Font\tAlt+D\n"
              "  &Charmap\tAlt+C\n  P&roperties\tAlt+Enter\n  Export as &Bitmap\n"
              "  Print Setup\n  Print Preview\n  &Print\tCtrl+P\n  E&xit\tAlt+X\n"
              "Edit1 '&Edit' #0\n"
              "  &Select\tSpacebar\n  Select &All\tCtrl+A\n  &Invert Selection\tCtrl+Shift+I\n"
              "  Copy To Folder...\n  Move To Folder...\n  &Find\tCtrl+F\n  Find Ne&xt\tF3\n"
              "  &Next Selected\tCtrl+N\n"
              "View1 '&View' #0\n"
              "  &Screen Fonts\tAlt+1\n  Insta&lled Fonts\tAlt+2\n  Fonts in &Folder...\tAlt+3\n"
              "  &All Fonts\tAlt+A\n  Sele&cted Fonts\tAlt+S\n  An&tialiasing\tCtrl+T\n"
              "  &Drop Shadow\n  &Bold\tCtrl+B\n  &Italic\tCtrl+I\n  &Underline\tCtrl+U\n"
              "  Arrange by Font&Name\n  Arrange by &Path\n  &Refresh\tF5\n"
              "Favorites1 'Favorites' #0\n"
              "  &Add to Favorites\n"
              "Tools1 'T&ools' #0\n"
              "  Character &Map\n  Open &Explorer\tCtrl+Enter\n"
              "  Explorer \"&Uninstalled\" Folder\n  &Rename Font File(s)\tF2\n"
              "  See \"error.log\" file\n  Set Sample &Text\n  &Options...\n"
              "Help1 '&Help' #1\n"
              "  &Contents\tF1\n  &Shortcut\n  &Homepage\n  &About...\n");
    std::string other;
    for (const char* name : {"PopupMenu1", "FoldersContext", "SampleTextContext"}) {
        for (const QAction* item : form_->findChild<QMenu*>(name)->actions()) {
            if (!item->isSeparator()) {
                other += item->text().toStdString() + "|";
            }
        }
    }
    for (const char* name : kToolBars) {
        for (const QAction* item : form_->findChild<QToolBar*>(name)->actions()) {
            if (!item->isSeparator()) {
                other += item->text().toStdString() + (item->isCheckable() ? "[]" : "") + "|";
            }
        }
    }
    EXPECT_EQ(other,
              "&Select|De&select|&Install Font(s)|&Uninstall Font(s)|&Delete Font(s)|"
              "Copy To Folder...|Move To Folder...|&Add to Favorites|&Edit|&Charmap|"
              "Arrange by FontName|Arrange by Path|P&roperties|&Remove Folder|Set Sample Text|"
              "Print|Favorites[]|Charmap|Properties|Install|Delete|");
}

// One menu a line, as the user reads them.
// clang-format off
TEST_F(ActionTableTest, EveryMenuFollowsItsRulesInEachView) {
    InstallFonts({"Alpha", "Beta"});
    OpenOnTwoInstalledFonts();
    EXPECT_EQ(
        Shown(),
        "N1: InstallFont1(off) UninstallFont1#1 DeleteFont1(hidden)(off) - Charmap1 - Properties1 "
        "- ExportasBitmap1 - PrintSetup1(hidden)(off) PrintPreview1(hidden)(off) Print1 - Exit1\n"
        "Edit1: Select1 SelectAll1 InvertSelection1 - CopyToFolder1(off) MoveToFolder1(off)#1 - "
        "Find1 FindNext1 - NextSelected1\n"
        "View1: ScreenFonts1 InstalledFonts1(x) FontsinFolder1 - All1(x) Selected1 - Antialiasing1 "
        "DropShadow1(hidden)(off) - Bold1 Italic1#1 Underline1#2 - ArrangebyFontName1(x)#2 "
        "ArrangebyPath1#1 - Refresh1\n"
        "Favorites1: AddtoFavorites1 -\n"
        "Tools1: CharacterMap1 OpenExplorer1 ExplorerUninstalledFolder1 - RenameFontFiles1(off) - "
        "Seeerrorlogfile1 - SetSampleText1 - Options1\n"
        "Help1: Contents1 Shortcut1 - Homepage1 - About1\n"
        "PopupMenu1: Select2(hidden)(off) Deselect2#1 - InstallFont2(hidden)(off) UninstallFont2#1 "
        "DeleteFont2(hidden)(off) - CopyToFolder2(hidden)(off) MoveToFolder2(hidden)(off)#1 - "
        "AddtoFavorites2 - Edit2 Charmap2 - ArrangebyFontName2(x)#2 ArrangebyPath2#1 - "
        "Properties2\n"
        "FoldersContext: RemoveFolder1\n"
        "SampleTextContext: SetSampleText2\n"
        "ToolBar1: tbPrint\n"
        "ToolBar2: tbFavorites(x)\n"
        "ToolBar4: tbCharmap tbProperties - tbInstall(off) tbDelete#1\n");
    Key(Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(Shown(),
              "N1: InstallFont1(off) UninstallFont1(hidden)(off)#1 DeleteFont1(hidden)(off) - "
              "Charmap1 - Properties1 - ExportasBitmap1 - PrintSetup1(hidden)(off) "
              "PrintPreview1(hidden)(off) Print1 - Exit1\n"
              "Edit1: Select1 SelectAll1 InvertSelection1 - CopyToFolder1(off) "
              "MoveToFolder1(off)#1 - Find1 FindNext1 - NextSelected1\n"
              "View1: ScreenFonts1(x) InstalledFonts1 FontsinFolder1 - All1(x) Selected1 - "
              "Antialiasing1 DropShadow1(hidden)(off) - Bold1 Italic1#1 Underline1#2 - "
              "ArrangebyFontName1(x)#2 ArrangebyPath1#1 - Refresh1\n"
              "Favorites1: AddtoFavorites1(off) -\n"
              "Tools1: CharacterMap1 OpenExplorer1 ExplorerUninstalledFolder1 - "
              "RenameFontFiles1(off) - Seeerrorlogfile1 - SetSampleText1 - Options1\n"
              "Help1: Contents1 Shortcut1 - Homepage1 - About1\n"
              "PopupMenu1: Select2 Deselect2(hidden)(off)#1 - InstallFont2(hidden)(off) "
              "UninstallFont2(hidden)(off)#1 DeleteFont2(hidden)(off) - CopyToFolder2(hidden)(off) "
              "MoveToFolder2(hidden)(off)#1 - AddtoFavorites2(off) - Edit2 Charmap2 - "
              "ArrangebyFontName2(x)#2 ArrangebyPath2#1 - Properties2\n"
              "FoldersContext: RemoveFolder1\n"
              "SampleTextContext: SetSampleText2\n"
              "ToolBar1: tbPrint\n"
              "ToolBar2: tbFavorites(x)\n"
              "ToolBar4: tbCharmap tbProperties - tbInstall(off) tbDelete(off)#1\n");
    Key(Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(Shown(),
              "N1: InstallFont1(off) UninstallFont1(hidden)(off)#1 DeleteFont1(off) - "
              "Charmap1(off) - Properties1(off) - ExportasBitmap1 - PrintSetup1(hidden)(off) "
              "PrintPreview1(hidden)(off) Print1 - Exit1\n"
              "Edit1: Select1 SelectAll1 InvertSelection1 - CopyToFolder1(off) "
              "MoveToFolder1(off)#1 - Find1 FindNext1 - NextSelected1\n"
              "View1: ScreenFonts1 InstalledFonts1 FontsinFolder1(x) - All1(x) Selected1 - "
              "Antialiasing1 DropShadow1(hidden)(off) - Bold1 Italic1#1 Underline1#2 - "
              "ArrangebyFontName1(x)#2 ArrangebyPath1#1 - Refresh1\n"
              "Favorites1: AddtoFavorites1(off) -\n"
              "Tools1: CharacterMap1 OpenExplorer1 ExplorerUninstalledFolder1 - RenameFontFiles1 - "
              "Seeerrorlogfile1 - SetSampleText1 - Options1\n"
              "Help1: Contents1 Shortcut1 - Homepage1 - About1\n"
              "PopupMenu1: Select2(off) Deselect2(hidden)(off)#1 - InstallFont2(off) "
              "UninstallFont2(hidden)(off)#1 DeleteFont2(off) - CopyToFolder2(hidden)(off) "
              "MoveToFolder2(hidden)(off)#1 - AddtoFavorites2(off) - Edit2(off) Charmap2(off) - "
              "ArrangebyFontName2(off)(x)#2 ArrangebyPath2(off)#1 - Properties2(off)\n"
              "FoldersContext: RemoveFolder1\n"
              "SampleTextContext: SetSampleText2\n"
              "ToolBar1: tbPrint\n"
              "ToolBar2: tbFavorites(x)\n"
              "ToolBar4: tbCharmap tbProperties - tbInstall tbDelete\n");
    OpenOnTwoInstalledFonts();
    Key(Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(
        Shown(),
        "N1: InstallFont1(off) UninstallFont1#1 DeleteFont1(hidden)(off) - Charmap1 - Properties1 "
        "- ExportasBitmap1 - PrintSetup1(hidden)(off) PrintPreview1(hidden)(off) Print1 - Exit1\n"
        "Edit1: Select1 SelectAll1 InvertSelection1 - CopyToFolder1(off) MoveToFolder1(off)#1 - "
        "Find1 FindNext1 - NextSelected1\n"
        "View1: ScreenFonts1 InstalledFonts1(x) FontsinFolder1 - All1 Selected1(x) - Antialiasing1 "
        "DropShadow1(hidden)(off) - Bold1 Italic1#1 Underline1#2 - ArrangebyFontName1(x)#2 "
        "ArrangebyPath1#1 - Refresh1\n"
        "Favorites1: AddtoFavorites1 -\n"
        "Tools1: CharacterMap1 OpenExplorer1 ExplorerUninstalledFolder1 - RenameFontFiles1(off) - "
        "Seeerrorlogfile1 - SetSampleText1 - Options1\n"
        "Help1: Contents1 Shortcut1 - Homepage1 - About1\n"
        "PopupMenu1: Select2 Deselect2(hidden)(off)#1 - InstallFont2(hidden)(off) UninstallFont2#1 "
        "DeleteFont2(hidden)(off) - CopyToFolder2(hidden)(off) MoveToFolder2(hidden)(off)#1 - "
        "AddtoFavorites2 - Edit2 Charmap2 - ArrangebyFontName2(x)#2 ArrangebyPath2#1 - "
        "Properties2\n"
        "FoldersContext: RemoveFolder1\n"
        "SampleTextContext: SetSampleText2\n"
        "ToolBar1: tbPrint\n"
        "ToolBar2: tbFavorites(x)\n"
        "ToolBar4: tbCharmap tbProperties - tbInstall(off) tbDelete#1\n");
}
// clang-format on

// Each shortcut shown after a tab runs its own item and nothing else, on two installed fonts
// where the "&Font" rules leave "&Install Font" and "&Delete Font" and the "T&ools" rules
// "&Rename Font File(s)" off: their keys run nothing.
TEST_F(ActionTableTest, EveryShortcutShownRunsItsOwnItemWhenItMayRun) {
    InstallFonts({"Alpha", "Beta"});
    const std::set<std::string> off = {"InstallFont1", "DeleteFont1", "RenameFontFiles1"};
    Open();
    std::vector<std::pair<std::string, QKeyCombination>> shortcuts;
    for (const QAction* item : form_->findChildren<QAction*>()) {
        const QString keys = item->text().section('\t', 1);
        if (!keys.isEmpty() && keys != "Spacebar") {
            shortcuts.emplace_back(item->objectName().toStdString(),
                                   QKeySequence(keys, QKeySequence::PortableText)[0]);
        }
    }
    ASSERT_EQ(shortcuts.size(), 25u);
    for (const auto& [name, keys] : shortcuts) {
        OpenOnTwoInstalledFonts();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QAction* item : form_->findChildren<QAction*>()) {
            spies.push_back(std::make_unique<QSignalSpy>(item, &QAction::triggered));
        }
        // A command that opens a window gets it closed again.
        RunModal([&] { Key(keys.key(), keys.keyboardModifiers()); });
        std::set<std::string> ran;
        const QList<QAction*> items = form_->findChildren<QAction*>();
        for (int i = 0; i < items.size(); ++i) {
            if (spies[static_cast<std::size_t>(i)]->count() > 0) {
                ran.insert(items[i]->objectName().toStdString());
            }
        }
        EXPECT_EQ(ran, off.count(name) != 0 ? std::set<std::string>{} : std::set<std::string>{name})
            << name;
    }
}

}  // namespace
