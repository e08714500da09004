// The Options window, alone and connected to the main window: what it shows, what OK, Cancel
// and Esc store, and how the running viewer follows.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "catalogue/viewersettings.h"
#include "mainwindow/mainformfixture.h"
#include "mainwindow/options.h"

namespace {

template <class T>
T* Find(QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Click(QWidget* parent, const char* name) {
    QTest::mouseClick(Find<QAbstractButton>(parent, name), Qt::LeftButton);
}

bool Checked(QWidget* parent, const char* name) {
    return Find<QAbstractButton>(parent, name)->isChecked();
}

TEST(TfOptions, CaptionsSayWhatEachChoiceDoes) {
    fakes::ScriptedDialogs dialogs;
    TfOptions options(dialogs);
    EXPECT_EQ(options.windowTitle(), "Options");
    EXPECT_EQ(options.size(), QSize(421, 517));
    const std::pair<const char*, const char*> captions[] = {
        {"rbLastMode", "Start with a mode used last time"},
        {"rbFixedMode", "Always start with one of following modes"},
        {"rbScreen", "Screen Fonts"},
        {"rbInstalled", "Installed Fonts"},
        {"rbFolder", "Fonts in Folder"},
        {"rbDelete", "Delete font file when uninstall font(s)"},
        {"rbBackup", "Backup font file into following folder when uninstall font(s)"},
        {"rbFileName", "Show only file name (ex: arial.ttf)"},
        {"rbFullPath", "Show full path name (ex: c:\\windows\\fonts\\arial.ttf)"},
        {"bOK", "OK"},
        {"bCancel", "Cancel"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Find<QAbstractButton>(&options, name)->text(), caption) << name;
    }
    EXPECT_EQ(Find<QGroupBox>(&options, "gbMode")->parentWidget(), options.gbStartMode);
    EXPECT_TRUE(Find<QCheckBox>(&options, "cbOpenType")->text().contains("OpenType"));
    QString notes;
    for (const QLabel* label : Find<QGroupBox>(&options, "gbFonts")->findChildren<QLabel*>()) {
        notes += label->text();
    }
    EXPECT_TRUE(notes.contains("Most fonts people download today are OpenType"));
}

TEST(TfOptions, ShowsAndStoresEveryChoice) {
    fakes::ScriptedDialogs dialogs;
    TViewerSettings chosen;
    chosen.fixedStartMode = true;
    chosen.viewMode = flmFolders;
    chosen.backupOnUninstall = false;
    chosen.backupPath = "/backup";
    chosen.showFullPath = false;
    chosen.openType = true;
    chosen.ownSample = true;
    for (const TViewerSettings& shown : {TViewerSettings(), chosen}) {
        TfOptions options(dialogs);
        options.ShowSettings(shown);
        TViewerSettings stored;
        stored.viewMode = flmScreen;
        options.StoreSettings(stored);
        EXPECT_EQ(stored.fixedStartMode, shown.fixedStartMode);
        EXPECT_EQ(stored.viewMode, shown.viewMode);
        EXPECT_EQ(stored.backupOnUninstall, shown.backupOnUninstall);
        EXPECT_EQ(stored.backupPath, shown.backupPath);
        EXPECT_EQ(stored.showFullPath, shown.showFullPath);
        EXPECT_EQ(stored.openType, shown.openType);
        EXPECT_EQ(stored.ownSample, shown.ownSample);
    }
}

TEST(TfOptions, ModesAndPathAnswerOnlyToTheirChoice) {
    fakes::ScriptedDialogs dialogs;
    TfOptions options(dialogs);
    options.ShowSettings(TViewerSettings());
    options.show();
    EXPECT_FALSE(Find<QGroupBox>(&options, "gbMode")->isEnabled());
    Click(&options, "rbFixedMode");
    EXPECT_TRUE(Find<QGroupBox>(&options, "gbMode")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>(&options, "ePath")->isEnabled());
    Click(&options, "rbDelete");
    EXPECT_FALSE(Find<QLineEdit>(&options, "ePath")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(&options, "bBrowse")->isEnabled());
}

TEST(TfOptions, TheFolderPickerFillsThePathAndCancellingItKeepsIt) {
    fakes::ScriptedDialogs dialogs;
    TfOptions options(dialogs);
    TViewerSettings settings;
    settings.backupPath = "/old";
    options.ShowSettings(settings);
    options.show();
    dialogs.QueueFolder("");
    Click(&options, "bBrowse");
    EXPECT_EQ(Find<QLineEdit>(&options, "ePath")->text(), "/old");
    dialogs.QueueFolder("/picked");
    Click(&options, "bBrowse");
    EXPECT_EQ(Find<QLineEdit>(&options, "ePath")->text(), "/picked");
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[0].kind, "BrowseForFolder");
    EXPECT_EQ(dialogs.Calls()[0].text, "/old");
}

TEST(TfOptions, OkAcceptsWhileCancelAndEscapeReject) {
    fakes::ScriptedDialogs dialogs;
    TfOptions options(dialogs);
    const std::pair<std::function<void()>, int> ways[] = {
        {[&] { Click(&options, "bOK"); }, QDialog::Accepted},
        {[&] { QTest::keyClick(&options, Qt::Key_Return); }, QDialog::Accepted},
        {[&] { Click(&options, "bCancel"); }, QDialog::Rejected},
        {[&] { QTest::keyClick(&options, Qt::Key_Escape); }, QDialog::Rejected}};
    for (const auto& [close, result] : ways) {
        options.show();
        close();
        EXPECT_FALSE(options.isVisible());
        EXPECT_EQ(options.result(), result);
    }
}

class OptionsTest : public MainFormTest {
protected:
    // Opens the Options window from its menu item; choose works the window, and closes it.
    void WithOptions(const std::function<void(QWidget& options)>& choose) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                return;
            }
            if (modal->objectName() == "fOptions") {
                seen = true;
                choose(*modal);
            }
            // Whatever failed, the window must not stay open and hold the test.
            if (modal->isVisible()) {
                modal->close();
            }
        });
        OpenMenu("Tools1");
        ASSERT_TRUE(Action("Options1")->isVisible());
        Action("Options1")->trigger();
        EXPECT_TRUE(seen);
    }
    std::string Option(const char* key) const { return Ini().ReadString("Option", key, "-"); }
    TXFontListView& ShownView() { return *Find<TXFontListView>(form_.get(), "FontView"); }

    static std::vector<std::string> Names(const TFontList& list) {
        std::vector<std::string> names;
        for (int i = 0; i < list.GetCount(); ++i) {
            names.push_back(list.GetItems(i).FullName());
        }
        return names;
    }
};

TEST_F(OptionsTest, TheWindowShowsTheOptionsInForce) {
    Ini().WriteString("Option", "Backup", "0");
    Ini().WriteString("Option", "BackupPath", "/backup");
    Ini().WriteString("Option", "FullPath", "0");
    Ini().WriteString("Option", "OwnSample", "1");
    InstallFonts({"Alpha"});
    Open();
    WithOptions([](QWidget& options) {
        EXPECT_TRUE(Checked(&options, "rbLastMode"));
        EXPECT_TRUE(Checked(&options, "rbInstalled"));  // the mode of this run
        EXPECT_TRUE(Checked(&options, "rbDelete"));
        EXPECT_EQ(Find<QLineEdit>(&options, "ePath")->text(), "/backup");
        EXPECT_TRUE(Checked(&options, "rbFileName"));
        EXPECT_FALSE(Checked(&options, "cbOpenType"));
        EXPECT_TRUE(Checked(&options, "cbOwnSample"));
    });
    EXPECT_FALSE(ShownView().ShowFullPath());
    EXPECT_TRUE(ShownView().OwnSample());
}

TEST_F(OptionsTest, CancelAndEscapeStoreNothing) {
    InstallFonts({"Alpha"});
    Open();
    for (const bool escape : {false, true}) {
        WithOptions([escape](QWidget& options) {
            Click(&options, "rbFixedMode");
            Click(&options, "rbFileName");
            Click(&options, "cbOwnSample");
            if (escape) {
                QTest::keyClick(&options, Qt::Key_Escape);
            } else {
                Click(&options, "bCancel");
            }
        });
    }
    for (const char* key : {"StartMode", "FullPath", "OwnSample", "Backup", "OpenType"}) {
        EXPECT_EQ(Option(key), "-") << key;
    }
    EXPECT_TRUE(ShownView().ShowFullPath());
    EXPECT_FALSE(ShownView().OwnSample());
}

TEST_F(OptionsTest, OkStoresTheChoicesAndTheViewerFollowsAtOnce) {
    InstallFonts({"Alpha"});
    TestMainForm& form = Open();
    dialogs_.QueueFolder("/picked");
    WithOptions([](QWidget& options) {
        Click(&options, "rbFixedMode");
        Click(&options, "rbScreen");
        Click(&options, "bBrowse");
        Click(&options, "rbFileName");
        Click(&options, "cbOwnSample");
        Click(&options, "bOK");
    });
    EXPECT_EQ(Option("StartMode"), "1");
    EXPECT_EQ(Option("ViewMode"), "0");
    EXPECT_EQ(Option("Backup"), "1");
    EXPECT_EQ(Option("BackupPath"), "/picked");
    EXPECT_EQ(Option("FullPath"), "0");
    EXPECT_EQ(Option("OwnSample"), "1");
    EXPECT_EQ(Option("OpenType"), "0");
    EXPECT_EQ(form.BackupFolder(), "/picked");
    EXPECT_FALSE(ShownView().ShowFullPath());
    EXPECT_TRUE(ShownView().OwnSample());
    // The run goes on in its own mode; the next one starts in the mode chosen.
    EXPECT_EQ(form.FontList().Mode(), flmInstalled);
    CloseForm();
    EXPECT_EQ(Option("ViewMode"), "0");
    EXPECT_EQ(Open().FontList().Mode(), flmScreen);
}

TEST_F(OptionsTest, TheDefaultBackupFolderStaysTheDefault) {
    InstallFonts({"Alpha"});
    TestMainForm& form = Open();
    WithOptions([](QWidget& options) { Click(&options, "bOK"); });
    EXPECT_EQ(Option("BackupPath"), "");
    EXPECT_EQ(Option("StartMode"), "0");
    EXPECT_EQ(form.BackupFolder(), sandbox_.HomeFolder() + "uninstalled");
    // With the mode used last, closing writes it as before.
    Key(Qt::Key_1, Qt::AltModifier);
    CloseForm();
    EXPECT_EQ(Option("ViewMode"), "0");
}

TEST_F(OptionsTest, TurningOpenTypeOnReloadsTheListWithOpenTypeFonts) {
    InstallFonts({"Alpha"});
    std::vector<std::string> files = installed_.Files();
    files.push_back(WriteFont("data/fonts/Omega.otf", "Omega"));
    files.push_back(sandbox_.WriteFile(
        "data/fonts/Pair.otc",
        testsupport::CollectionBuilder()
            .Face(testsupport::TrueTypeBuilder().AllNames(testsupport::kLangEnglish, "Pair", "One"))
            .Face(testsupport::TrueTypeBuilder().AllNames(testsupport::kLangEnglish, "Pair", "Two"))
            .Build()));
    installed_.SetFiles(files);
    Open();
    EXPECT_EQ(Names(Items()), std::vector<std::string>{"Alpha Regular"});
    WithOptions([](QWidget& options) {
        Click(&options, "cbOpenType");
        Click(&options, "bOK");
    });
    const std::vector<std::string> all{"Alpha Regular", "Omega Regular", "Pair One", "Pair Two"};
    EXPECT_EQ(Names(ShownView().Items()), all);
    EXPECT_EQ(Option("OpenType"), "1");
    CloseForm();
    Open();
    EXPECT_EQ(Names(ShownView().Items()), all);
}

}  // namespace
