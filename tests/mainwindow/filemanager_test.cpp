// Files and folders from the file manager: the viewer's command line and drops on the window.
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "controls/ximagelabel.h"
#include "mainwindow/mainformfixture.h"
#include "mainwindow/openrequest.h"
#include "mainwindow/viewerarguments.h"
#include "platform/linux/posixfilesystem.h"

namespace {

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;

TEST(ViewerArguments, OptionsAndPathsAreToldApart) {
    const struct {
        Paths words;
        bool valid;
        std::string home;
        Paths paths;
    } cases[] = {
        {{"--home", "/h", "a.ttf", "fonts"}, true, "/h", {"a.ttf", "fonts"}},
        {{"a.ttf", "--screenshot", "s.png", "b.ttf"}, true, "", {"a.ttf", "b.ttf"}},
        {{"--", "--home", "-x.ttf"}, true, "", {"--home", "-x.ttf"}},
        {{"-x.ttf"}, false, "", {}},
        {{"a.ttf", "--home"}, false, "", {"a.ttf"}},
    };
    for (const auto& c : cases) {
        const TViewerArguments arguments = ParseViewerArguments(c.words);
        EXPECT_EQ(arguments.valid, c.valid) << c.words.front();
        EXPECT_EQ(arguments.home, c.home) << c.words.front();
        EXPECT_EQ(arguments.paths, c.paths) << c.words.front();
    }
}

TEST(OpenRequest, FontFilesGiveTheirFoldersAndOtherFilesNothing) {
    Sandbox sandbox;
    const std::string a = sandbox.WriteFile("one/A.ttf", "a");
    const std::string b = sandbox.WriteFile("one/B.TTC", "b");
    const std::string notes = sandbox.WriteFile("two/notes.txt", "n");
    fs::create_directories(sandbox.Path() + "/three");
    const fs::path before = fs::current_path();
    fs::current_path(sandbox.Path() + "/one");
    const TOpenRequest request =
        MakeOpenRequest({"", "missing.ttf", notes, "A.ttf", b, "../three/", "../one/./B.TTC"});
    fs::current_path(before);
    EXPECT_EQ(request.folders, (Paths{sandbox.Path() + "/one", sandbox.Path() + "/three"}));
    EXPECT_EQ(request.fontFiles, (Paths{a, b}));
}

TEST(OpenRequest, OpenTypeFilesAreFontsOnlyWithTheOpenTypeOption) {
    Sandbox sandbox;
    const std::string otf = sandbox.WriteFile("one/A.otf", "a");
    const std::string otc = sandbox.WriteFile("two/B.OTC", "b");
    EXPECT_TRUE(MakeOpenRequest({otf, otc}).folders.empty());
    const TOpenRequest request = MakeOpenRequest({otf, otc}, TFontFileTypes(true));
    EXPECT_EQ(request.folders, (Paths{sandbox.Path() + "/one", sandbox.Path() + "/two"}));
    EXPECT_EQ(request.fontFiles, (Paths{otf, otc}));
}

class FileManagerTest : public MainFormTest {
protected:
    FileManagerTest() {
        services_.fileSystem = &files_;
        WriteFont("stored/Stored.ttf", "Stored");
        for (const char* family : {"Alpha", "Beta", "Gamma"}) {
            WriteFont(std::string("downloads/") + family + ".ttf", family);
        }
    }

    // Stored settings: the installed mode, one folder slot taken.
    void StoreInstalledModeWithOneSlot() {
        platform::IniFile ini = Ini();
        ini.WriteString("Folders", "Folder1", sandbox_.Path() + "/stored");
        ini.WriteInteger("Option", "ViewMode", 1);
    }

    std::string Downloads(const std::string& name = "") const {
        return sandbox_.Path() + "/downloads" + (name.empty() ? "" : "/" + name);
    }

    std::string Focused() { return Items().GetItems(View().ItemIndex()).FileName(); }

    platform::PosixFileSystem files_;

    // Drags the paths over the list and drops them there as the file manager does, then lets
    // the work the drop queued run. Returns whether the window took the drop.
    bool Drop(const Paths& paths, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths) {
            urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
        }
        data.setUrls(urls);
        return DropData(data, modifiers);
    }

    bool DropData(const QMimeData& data, Qt::KeyboardModifiers modifiers) {
        QWidget* target = View().viewport();
        const QPointF at(20, 20);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at.toPoint(), actions, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent drop(at, actions, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the file manager must never move";
        return drop.isAccepted();
    }
};

TEST_F(FileManagerTest, AFileOpensItsFolderInTheFirstFreeSlotWithTheFileFocused) {
    StoreInstalledModeWithOneSlot();
    TestMainForm& form = Open();
    form.OpenPaths({Downloads("Gamma.ttf"), Downloads("Beta.ttf")});
    EXPECT_EQ(form.FontList().Mode(), flmFolders);
    EXPECT_EQ(form.FontList().GetFolders(0), sandbox_.Path() + "/stored");
    EXPECT_EQ(form.FontList().GetFolders(1), Downloads());
    EXPECT_EQ(Child<TXImageLabel>("ilFolder2")->Caption(), "downloads  ");
    EXPECT_EQ(Items().GetCount(), 4);
    EXPECT_EQ(Focused(), Downloads("Gamma.ttf"));
    EXPECT_TRUE(dialogs_.Calls().empty());
}

TEST_F(FileManagerTest, AFolderShownAlreadyTakesNoSlotAndAsksNothing) {
    platform::IniFile ini = Ini();
    ini.WriteString("Folders", "Folder1", sandbox_.Path());
    ini.WriteInteger("Option", "ViewMode", 2);
    TestMainForm& form = Open();
    form.OpenPaths({Downloads("Beta.ttf")});
    EXPECT_EQ(form.FontList().GetFolderCount(), 1);
    EXPECT_EQ(Focused(), Downloads("Beta.ttf"));
    EXPECT_TRUE(dialogs_.Calls().empty());
}

TEST_F(FileManagerTest, PathsThatNameNothingLeaveTheStoredModeAlone) {
    StoreInstalledModeWithOneSlot();
    TestMainForm& form = Open();
    form.OpenPaths({sandbox_.Path() + "/missing.ttf"});
    EXPECT_EQ(form.FontList().Mode(), flmInstalled);
}

TEST_F(FileManagerTest, ADroppedFolderIsShownInAFolderSlot) {
    StoreInstalledModeWithOneSlot();
    TestMainForm& form = Open();
    ASSERT_TRUE(Drop({Downloads()}));
    EXPECT_EQ(form.FontList().Mode(), flmFolders);
    EXPECT_EQ(form.FontList().GetFolders(1), Downloads());
    EXPECT_EQ(Items().GetCount(), 4);
}

TEST_F(FileManagerTest, FontsDroppedWithCtrlAreInstalledAndStayWhereTheyWere) {
    InstallFonts({"Installed"});
    TestMainForm& form = Open();
    const std::string notFont = sandbox_.WriteFile("downloads/Broken.ttf", "not a font");
    const std::size_t addsBefore = table_.Adds().size();
    ASSERT_TRUE(Drop({Downloads("Alpha.ttf"), Downloads("Beta.ttf"), notFont, Downloads()},
                     Qt::ControlModifier));
    const std::string fonts = sandbox_.FontsFolder() + "/";
    EXPECT_TRUE(fs::exists(fonts + "Alpha.ttf"));
    EXPECT_TRUE(fs::exists(fonts + "Beta.ttf"));
    EXPECT_FALSE(fs::exists(fonts + "Broken.ttf"));
    EXPECT_FALSE(fs::exists(fonts + "Gamma.ttf")) << "a dropped folder is not installed";
    EXPECT_TRUE(fs::exists(Downloads("Alpha.ttf")));
    const Paths loaded(table_.Adds().begin() + static_cast<long>(addsBefore), table_.Adds().end());
    EXPECT_EQ(loaded, (Paths{fonts + "Alpha.ttf", fonts + "Beta.ttf"}));
    EXPECT_EQ(form.FontList().Mode(), flmInstalled);
    EXPECT_TRUE(dialogs_.Calls().empty());
}

TEST_F(FileManagerTest, DragsWithNothingToOpenOrInstallAreRefused) {
    Open();
    const std::string notes = sandbox_.WriteFile("notes/readme.txt", "n");
    EXPECT_FALSE(Drop({notes}, Qt::ControlModifier));
    EXPECT_FALSE(Drop({sandbox_.Path() + "/missing"}));
    QMimeData fontNames;
    fontNames.setText("Alpha Regular");
    EXPECT_FALSE(DropData(fontNames, Qt::NoModifier));
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/Alpha.ttf")});
    EXPECT_FALSE(DropData(remote, Qt::NoModifier));
}

}  // namespace
