#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTimer>

#include "controls/xlabel.h"
#include "mainwindow/mainformfixture.h"

namespace {

using ToolsTest = MainFormTest;

TEST_F(ToolsTest, HelpPagesAndHomepageOpenTheBundledPages) {
    InstallFonts({"Alpha"});
    Open();
    Key(Qt::Key_F1);
    Action("Shortcut1")->trigger();
    QTest::mouseClick(Child<QWidget>("lbCredit"), Qt::LeftButton);
    ASSERT_EQ(shell_.Executed().size(), 3u);
    EXPECT_EQ(shell_.Executed()[0].file, sandbox_.HomeFolder() + "help/help.html");
    EXPECT_EQ(shell_.Executed()[1].file, sandbox_.HomeFolder() + "help/shortcut.html");
    EXPECT_EQ(shell_.Executed()[2].file, sandbox_.HomeFolder() + "help/help.html");
    EXPECT_TRUE(shell_.OpenedUrls().empty());
}

TEST_F(ToolsTest, OpenExplorerShowsTheFontsFolderOrTheCurrentFontsFolder) {
    WriteFont("type/latin/Alpha.ttf", "Alpha");
    Ini().WriteString("Folders", "Folder1", sandbox_.Path() + "/type");
    Ini().WriteInteger("Option", "ViewMode", 0);
    Open();
    Key(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(shell_.Executed().size(), 1u);
    EXPECT_EQ(shell_.Executed()[0].file, sandbox_.FontsFolder());

    Key(Qt::Key_3, Qt::AltModifier);
    Key(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    ASSERT_EQ(shell_.Executed().size(), 2u);
    EXPECT_EQ(shell_.Executed()[1].file, sandbox_.Path() + "/type/latin");
}

TEST_F(ToolsTest, OpenExplorerOnAnEmptyFolderListDoesNothing) {
    Ini().WriteInteger("Option", "ViewMode", 2);
    TestMainForm& form = Open();
    EXPECT_EQ(form.windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta - Fonts in folder");
    EXPECT_FALSE(Child<QWidget>("pnFolders")->isHidden());
    Key(Qt::Key_Return, Qt::ControlModifier, Child<QComboBox>("cbString"));
    EXPECT_TRUE(shell_.Executed().empty());
}

TEST_F(ToolsTest, CharacterMapStartsTheDesktopsProgram) {
    Open();
    Action("CharacterMap1")->trigger();
    ASSERT_EQ(shell_.Executed().size(), 1u);
    EXPECT_EQ(shell_.Executed()[0].file, "charmap.exe");
}

TEST_F(ToolsTest, ErrorLogIsShownWhenItHasLinesElseExplained) {
    Open();
    Action("Seeerrorlogfile1")->trigger();
    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(dialogs_.Calls()[0].text,
              "'error.log' is a file has an error information for the last action had "
              "error(s)\nThere is no error information to show now.");
    EXPECT_EQ(dialogs_.Calls()[0].caption, "");
    EXPECT_EQ(dialogs_.Calls()[0].icon, platform::MsgIcon::Information);
    EXPECT_TRUE(shell_.Executed().empty());

    sandbox_.WriteFile("home/error.log", "/fonts/broken.ttf (ERROR:2)\n");
    Action("Seeerrorlogfile1")->trigger();
    ASSERT_EQ(shell_.Executed().size(), 1u);
    EXPECT_EQ(shell_.Executed()[0].file, "notepad.exe");
    EXPECT_EQ(shell_.Executed()[0].parameters, sandbox_.HomeFolder() + "error.log");
}

TEST_F(ToolsTest, BackupFolderOpensWhereTheSettingsPoint) {
    Ini().WriteString("Option", "BackupPath", "/backup/fonts");
    Open();
    Action("ExplorerUninstalledFolder1")->trigger();
    ASSERT_EQ(shell_.Executed().size(), 1u);
    EXPECT_EQ(shell_.Executed()[0].file, "/backup/fonts");
}

// Runs action and reports the class of the modal window it opened (closing it), or "".
std::string ModalOpenedBy(QAction* action) {
    std::string opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->metaObject()->className();
            modal->close();
        }
    });
    action->trigger();
    QApplication::processEvents();
    return opened;
}

TEST_F(ToolsTest, EditWindowOpensOnlyForACurrentFont) {
    InstallFonts({"Alpha"});
    Open();
    EXPECT_EQ(ModalOpenedBy(Action("Edit2")), "TfEdit");
    Key(Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(ModalOpenedBy(Action("Edit2")), "");
}

TEST_F(ToolsTest, AboutOpensTheAboutWindow) {
    Open();
    EXPECT_EQ(ModalOpenedBy(Action("About1")), "TfAbout");
}

TEST_F(ToolsTest, ShortcutCaptionsShowTheirKeysAfterATab) {
    Open();
    EXPECT_EQ(Action("Find1")->text().toStdString(), "&Find\tCtrl+F");
    EXPECT_EQ(Action("Properties1")->text().toStdString(), "P&roperties\tAlt+Enter");
    EXPECT_EQ(Action("Select1")->text().toStdString(), "&Select\tSpacebar");
    EXPECT_EQ(Action("ExplorerUninstalledFolder1")->text().toStdString(),
              "Explorer \"&Uninstalled\" Folder");
    EXPECT_TRUE(Action("Find1")->shortcut().isEmpty());
}

TEST_F(ToolsTest, MenusHoldTheirItemsInOrder) {
    Open();
    QStringList font;
    for (QAction* item : Menu("N1")->actions()) {
        font.append(item->isSeparator() ? "-" : item->objectName());
    }
    EXPECT_EQ(
        font.join(' ').toStdString(),
        "InstallFont1 UninstallFont1 DeleteFont1 - Charmap1 - Properties1 - ExportasBitmap1 - "
        "PrintSetup1 PrintPreview1 Print1 - Exit1");
    QStringList tools;
    for (QAction* item : Menu("Tools1")->actions()) {
        tools.append(item->isSeparator() ? (item->isVisible() ? "-" : "(-)") : item->objectName());
    }
    EXPECT_EQ(tools.join(' ').toStdString(),
              "CharacterMap1 OpenExplorer1 ExplorerUninstalledFolder1 - RenameFontFiles1 - "
              "Seeerrorlogfile1 - SetSampleText1 - Options1");
}

}  // namespace
