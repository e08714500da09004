// The font commands from the main window, end to end in the sandbox: real files, fontconfig
// with the sandbox's configuration, the progress windows and the delete warning driven as a
// user would, a trash that is a sandbox folder.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <cerrno>
#include <filesystem>
#include <functional>

#include "fakes/faketrash.h"
#include "fakes/faultyfilesystem.h"
#include "fontcommands/ui/copyprogress.h"
#include "fontcommands/ui/delprogress.h"
#include "mainwindow/mainformfixture.h"
#include "platform/linux/fontconfigfontchange.h"
#include "platform/linux/fontconfiginstalledfonts.h"
#include "platform/linux/posixfilesystem.h"
#include "support/drawablefontbuilder.h"
#include "support/filecensus.h"

namespace {

namespace fs = std::filesystem;

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

class FontCommandsTest : public MainFormTest {
protected:
    FontCommandsTest() {
        services_.installedFonts = &fontconfig_;
        services_.fontChange = &fontChange_;
        services_.fileSystem = &files_;
        services_.trash = &trash_;
        // What the windows show while a command works is seen where they let events run.
        services_.processEvents = [this] {
            for (QWidget* window :
                 {static_cast<QWidget*>(copying_), static_cast<QWidget*>(deleting_)}) {
                if (window != nullptr && window->isVisible()) {
                    shown_.insert(window->objectName().toStdString() + ": " +
                                  window->windowTitle().toStdString());
                }
            }
        };
    }

    // The window goes while the services it was given are still there.
    ~FontCommandsTest() override { form_.reset(); }

    // A drawable font "<family> Regular" fontconfig reads, its bytes noted as an original.
    std::string Font(const std::string& relativePath, const std::string& family) {
        const std::string path = sandbox_.WriteFile(
            relativePath, testsupport::DrawableFontBuilder(family, "Regular").Build());
        census_.Take({path});
        return path;
    }
    // The window shows the fonts of the sandbox folder "type".
    TestMainForm& OpenFolder() {
        Ini().WriteString("Folders", "Folder1", sandbox_.Path() + "/type");
        Ini().WriteInteger("Option", "ViewMode", 2);
        return OpenWithWindows();
    }
    // The window shows the installed fonts (those of the sandbox's Fonts folder).
    TestMainForm& OpenWithWindows() {
        sandbox_.ReloadFonts();
        Open();
        copying_ = new TfCopying(form_.get(), services_.processEvents);
        deleting_ = new TfDeleting(form_.get(), services_.processEvents);
        form_->SetFileWindows(copying_, deleting_);
        return *form_;
    }

    // Answers the next delete warning with button ("YesBtn", "NoBtn"), or Escape for null,
    // noting its caption and question.
    void AnswerWarning(const char* button = "YesBtn") {
        auto* poll = new QTimer(form_.get());
        QObject::connect(poll, &QTimer::timeout, [this, poll, button] {
            QWidget* warning = QApplication::activeModalWidget();
            if (warning == nullptr || warning->objectName() != "fDelWarning") {
                return;
            }
            poll->deleteLater();
            poll->stop();
            warnings_.push_back(warning->windowTitle().toStdString() + "|" +
                                warning->findChild<QLabel*>("Text")->text().toStdString());
            if (button != nullptr) {
                QTest::mouseClick(warning->findChild<QPushButton*>(button), Qt::LeftButton);
            } else {
                QTest::keyClick(warning, Qt::Key_Escape);
            }
        });
        poll->start(0);
    }

    // Runs the item as a user reaches it: its shortcut, the Delete key, a toolbar button, or
    // the context menu's item.
    void Use(const std::string& how) {
        if (how == "Delete key" || how.starts_with("Alt+")) {
            const QKeySequence keys(QString::fromStdString(how == "Delete key" ? "Del" : how));
            Key(keys[0].key(), keys[0].keyboardModifiers());
        } else if (how.starts_with("tb")) {
            auto* bar = form_->findChild<QToolBar*>("ToolBar4");
            QTest::mouseClick(bar->widgetForAction(Action(how.c_str())), Qt::LeftButton);
        } else {
            emit Menu("PopupMenu1")->aboutToShow();
            Action(how.c_str())->trigger();
        }
    }

    std::string FileOf(const std::string& fullName) {
        const int index = Items().Find(fullName);
        return index >= 0 ? Items().GetItems(index).FileName() : std::string();
    }
    // Empty when every original lies once, whole, under the sandbox and no temporary is left.
    std::string CensusProblems() const { return census_.Check(sandbox_.Path()); }

    platform::FontconfigInstalledFonts fontconfig_;
    platform::FontconfigFontChange fontChange_;
    platform::PosixFileSystem real_;
    fakes::FaultyFileSystem files_{real_};
    fakes::FakeTrash trash_{sandbox_.Path() + "/trash"};
    TfCopying* copying_ = nullptr;  // owned by the window
    TfDeleting* deleting_ = nullptr;
    std::set<std::string> shown_;
    std::vector<std::string> warnings_;
    testsupport::FileCensus census_;
};

TEST_F(FontCommandsTest, EveryInstallCommandInstallsTheFocusedFontForEveryProgramAtOnce) {
    const std::vector<std::string> families = {"Alpha", "Beta", "Gamma"};
    for (const std::string& family : families) {
        Font("type/" + family + ".ttf", family);
    }
    OpenFolder();
    const char* triggers[] = {"Alt+I", "InstallFont2", "tbInstall"};
    for (std::size_t i = 0; i < families.size(); ++i) {
        View().SetItemIndex(static_cast<int>(i));
        Use(triggers[i]);
        const std::string installed = sandbox_.FontsFolder() + "/" + families[i] + ".ttf";
        EXPECT_TRUE(Contains(sandbox_.FilesOtherProgramsSee(), installed)) << triggers[i];
        EXPECT_EQ(testsupport::ReadFileBytes(installed),
                  testsupport::ReadFileBytes(sandbox_.Path() + "/type/" + families[i] + ".ttf"));
    }
    EXPECT_EQ(shown_, (std::set<std::string>{"fCopying: Installing..."}));
    EXPECT_EQ(Items().GetCount(), 3);  // installing leaves the folder's list as it was
    Key(Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(Items().GetCount(), 3);
    EXPECT_EQ(FileOf("Beta Regular"), sandbox_.FontsFolder() + "/Beta.ttf");
}

TEST_F(FontCommandsTest, MarkedFontsAreInstalledAndUnmarkedTheOthersStayMarked) {
    Font("type/Alpha.ttf", "Alpha");
    Font("type/Beta.ttf", "Beta");
    Font("data/fonts/Beta.ttf", "Beta Old");  // its name is taken: Beta stays behind
    OpenFolder();
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_I, Qt::AltModifier);
    EXPECT_FALSE(Items().GetItems(Items().Find("Alpha Regular")).Selected());
    EXPECT_TRUE(Items().GetItems(Items().Find("Beta Regular")).Selected());
    EXPECT_EQ(form_->SelectedFonts().size(), 1u);
}

TEST_F(FontCommandsTest, EveryUninstallCommandMovesTheFontIntoTheBackupFolder) {
    const std::vector<std::string> families = {"Alpha", "Beta", "Gamma"};
    std::vector<std::string> paths;
    for (const std::string& family : families) {
        paths.push_back(Font("data/fonts/" + family + ".ttf", family));
    }
    OpenWithWindows();
    for (const char* trigger : {"Alt+U", "UninstallFont2", "tbDelete"}) {
        AnswerWarning();
        Use(trigger);
    }
    EXPECT_EQ(warnings_.size(), 3u);
    EXPECT_EQ(warnings_[0],
              "Confirm Uninstall Font(s)|\"Alpha Regular\"\nAre you sure you want to uninstall "
              "this font?");
    for (const std::string& path : paths) {
        EXPECT_EQ(census_.WhereIs(path, sandbox_.Path()),
                  sandbox_.HomeFolder() + "uninstalled/" + fs::path(path).filename().string());
        EXPECT_FALSE(Contains(sandbox_.FilesOtherProgramsSee(), path));
    }
    EXPECT_EQ(Items().GetCount(), 0);
    Key(Qt::Key_F5);
    EXPECT_EQ(Items().GetCount(), 0);
    EXPECT_EQ(shown_, (std::set<std::string>{"fCopying: Installing..."}));
    EXPECT_EQ(CensusProblems(), "");
}

TEST_F(FontCommandsTest, EveryDeleteCommandSendsTheFontToTheTrashAndEscapeChangesNothing) {
    for (const char* family : {"Alpha", "Beta", "Gamma", "Delta"}) {
        Font(std::string("type/") + family + ".ttf", family);
    }
    OpenFolder();
    AnswerWarning(nullptr);
    Use("Delete key");
    EXPECT_EQ(Items().GetCount(), 4);
    for (const char* trigger : {"Delete key", "Alt+D", "DeleteFont2", "tbDelete"}) {
        AnswerWarning();
        Use(trigger);
    }
    EXPECT_EQ(warnings_[0],
              "Confirm Delete Font(s)|\"Alpha Regular\"\nAre you sure you want to send this font "
              "to Recycle Bin?");
    EXPECT_EQ(trash_.Trashed().size(), 4u);
    EXPECT_EQ(Items().GetCount(), 0);
    EXPECT_EQ(shown_, (std::set<std::string>{"fDeleting: Deleting..."}));
    EXPECT_EQ(CensusProblems(), "");
}

TEST_F(FontCommandsTest, ShiftDeletesForGoodAfterItsOwnQuestion) {
    const std::string alpha = Font("type/Alpha.ttf", "Alpha");
    Font("type/Beta.ttf", "Beta");
    OpenFolder();
    AnswerWarning();
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(warnings_.at(0),
              "Confirm Delete Font(s)|\"Alpha Regular\"\nAre you sure you want to delete this "
              "font?");
    EXPECT_FALSE(fs::exists(alpha));
    EXPECT_TRUE(trash_.Trashed().empty());
    // The next run without Shift uses the trash again.
    AnswerWarning();
    Key(Qt::Key_Delete);
    EXPECT_EQ(trash_.Trashed().size(), 1u);
}

TEST_F(FontCommandsTest, CopyAndMoveGoToAFolderThatIsOfferedAgain) {
    const std::string alpha = Font("type/Alpha.ttf", "Alpha");
    const std::string beta = Font("type/Beta.ttf", "Beta");
    const std::string target = sandbox_.Path() + "/chosen";
    fs::create_directories(target);
    OpenFolder();
    dialogs_.QueueFolder(target);
    Key(Qt::Key_Space);  // marks Alpha
    Action("CopyToFolder1")->trigger();
    EXPECT_EQ(testsupport::ReadFileBytes(target + "/Alpha.ttf"), testsupport::ReadFileBytes(alpha));
    EXPECT_FALSE(Items().GetItems(Items().Find("Alpha Regular")).Selected());

    dialogs_.QueueFolder(target);
    View().SetItemIndex(Items().Find("Beta Regular"));
    Use("MoveToFolder2");
    ASSERT_EQ(dialogs_.Calls().size(), 2u);
    EXPECT_EQ(dialogs_.Calls()[1].text, target);  // where the picker starts
    EXPECT_EQ(census_.WhereIs(beta, sandbox_.Path()), target + "/Beta.ttf");
    EXPECT_LT(Items().Find("Beta Regular"), 0);
    EXPECT_EQ(testsupport::TemporaryFiles(sandbox_.Path()), std::vector<std::string>{});
    EXPECT_EQ(shown_, (std::set<std::string>{"fCopying: Installing..."}));
}

TEST_F(FontCommandsTest, RenameGivesTheFileItsFontsName) {
    const std::string file = Font("type/x1.ttf", "Alpha");
    OpenFolder();
    dialogs_.QueueResult(platform::IdYes);
    Key(Qt::Key_F2);
    EXPECT_EQ(dialogs_.Calls().at(0).caption, "Rename");
    EXPECT_EQ(census_.WhereIs(file, sandbox_.Path()), sandbox_.Path() + "/type/Alpha Regular.ttf");
    EXPECT_EQ(FileOf("Alpha Regular"), sandbox_.Path() + "/type/Alpha Regular.ttf");
    EXPECT_EQ(CensusProblems(), "");
}

TEST_F(FontCommandsTest, AFailingRunKeepsTheFontWritesTheLogAndTheToolsMenuOpensIt) {
    const std::string alpha = Font("data/fonts/Alpha.ttf", "Alpha");
    Font("data/fonts/Beta.ttf", "Beta");
    files_.FailPath(platform::FileCall::Rename, "Alpha", EACCES);
    OpenWithWindows();
    dialogs_.QueueResult(platform::IdYes);  // go on after the failed file
    dialogs_.QueueResult(platform::IdOk);   // the run's closing message
    Key(Qt::Key_A, Qt::ControlModifier);
    AnswerWarning();
    Key(Qt::Key_U, Qt::AltModifier);
    ASSERT_EQ(dialogs_.Calls().size(), 2u);
    EXPECT_EQ(dialogs_.Calls()[0].text,
              "Access is denied.\n\nDo you want to process the rest of files?");
    EXPECT_EQ(dialogs_.Calls()[1].text,
              "There are some fonts couldn't be deleted(uninstalled).\nThey are still "
              "selected.\nFor more information, see 'error.log' file.");
    EXPECT_EQ(testsupport::ReadFileBytes(sandbox_.HomeFolder() + "error.log"),
              alpha + " (Delete ERROR:5\n");
    EXPECT_TRUE(Items().GetItems(Items().Find("Alpha Regular")).Selected());
    EXPECT_LT(Items().Find("Beta Regular"), 0);
    EXPECT_EQ(CensusProblems(), "");

    Action("Seeerrorlogfile1")->trigger();
    ASSERT_EQ(shell_.Executed().size(), 1u);
    EXPECT_EQ(shell_.Executed()[0].parameters, sandbox_.HomeFolder() + "error.log");
}

TEST_F(FontCommandsTest, AnUnreadableProtectListIsReportedAndNothingIsTouched) {
    const std::string alpha = Font("data/fonts/Alpha.ttf", "Alpha");
    sandbox_.WriteFile("home/protect.lst", "Alpha.ttf\n");
    files_.FailPath(platform::FileCall::OpenRead, "protect.lst", EACCES);
    OpenWithWindows();
    AnswerWarning();
    Key(Qt::Key_U, Qt::AltModifier);
    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(dialogs_.Calls()[0].text,
              "Cannot open file " + sandbox_.HomeFolder() + "protect.lst");
    EXPECT_EQ(dialogs_.Calls()[0].icon, platform::MsgIcon::Error);
    EXPECT_TRUE(fs::exists(alpha));
    EXPECT_EQ(Items().GetCount(), 1);
}

TEST_F(FontCommandsTest, TheDefaultBackupFolderIsMadeToBeOpened) {
    OpenWithWindows();
    Action("ExplorerUninstalledFolder1")->trigger();
    EXPECT_TRUE(fs::is_directory(sandbox_.HomeFolder() + "uninstalled"));
    ASSERT_EQ(shell_.Executed().size(), 1u);
    EXPECT_EQ(shell_.Executed()[0].file, sandbox_.HomeFolder() + "uninstalled");
}

}  // namespace
