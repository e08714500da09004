#include "mainwindow/scan.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/xpgauge.h"
#include "fakes/fakefonttable.h"
#include "fakes/fakeinstalledfonts.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"

namespace {

void WriteFont(Sandbox& sandbox, const std::string& relativePath, const std::string& family) {
    sandbox.WriteFile(relativePath, testsupport::TrueTypeBuilder()
                                        .AllNames(testsupport::kLangEnglish, family, "Regular")
                                        .Build());
}

// 30 fonts in nested subfolders, 2 at the top written with capital extensions, and files
// that must not count.
std::string MakeFontFolder(Sandbox& sandbox, const std::string& name) {
    for (int i = 0; i < 30; ++i) {
        const std::string sub = i < 10 ? "/a/" : (i < 20 ? "/b/deep/" : "/c/");
        WriteFont(sandbox, name + sub + "font" + std::to_string(i) + ".ttf",
                  "Scan" + std::to_string(i));
    }
    WriteFont(sandbox, name + "/TOP1.TTF", "Top One");
    WriteFont(sandbox, name + "/Top2.TtF", "Top Two");
    sandbox.WriteFile(name + "/readme.txt", "not a font");
    sandbox.WriteFile(name + "/a/font.ttf.bak", "not a font either");
    sandbox.WriteFile(name + "/b/notes.ttc", "a collection is not counted");
    return sandbox.Path() + "/" + name;
}

struct ScanTest : ::testing::Test {
    ScanTest() : scan(&mainWindow, [this] { Pump(); }) {
        mainWindow.setGeometry(100, 100, 600, 500);
        mainWindow.show();
    }
    void Pump() {
        if (throwAtPump) {
            throw std::runtime_error("events failed");
        }
        ++pumps;
        const QCursor* cursor = QApplication::overrideCursor();
        waitCursorAtPump =
            waitCursorAtPump && cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        if (scan.isVisible()) {
            counters.push_back(scan.Count->text().toStdString());
            mainDisabledWhileShown = mainDisabledWhileShown && !mainWindow.isEnabled();
        }
    }
    void Connect(TFontList& list) {
        list.OnLoadBegin = [this](TFontList& s, TFontListMode m, bool& abort,
                                  const std::string& info) {
            scan.FontListLoadBegin(s, m, abort, info);
        };
        list.OnLoadProgress = [this](TFontList& s, TFontListMode m, bool& abort,
                                     const std::string& info) {
            scan.FontListLoadProgress(s, m, abort, info);
        };
        list.OnLoadEnd = [this](TFontList& s) { scan.FontListLoadEnd(s); };
    }

    Sandbox sandbox;
    QWidget mainWindow;
    TfScan scan;
    int pumps = 0;
    std::vector<std::string> counters;
    bool mainDisabledWhileShown = true;
    bool waitCursorAtPump = true;
    bool throwAtPump = false;
};

}  // namespace

TEST_F(ScanTest, HasItsCaptionControlsAndColours) {
    EXPECT_EQ(scan.windowTitle(), "Scan Fonts");
    EXPECT_EQ(scan.size(), QSize(306, 161));
    EXPECT_FALSE(scan.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(scan.findChild<QLabel*>("Panel1Caption")->text(),
              "Please wait while scanning fonts in folder");
    EXPECT_EQ(scan.bCancel->text(), "Cancel");
    EXPECT_TRUE(scan.bCancel->isDefault());
    EXPECT_EQ(scan.Gauge->geometry(), QRect(14, 108, 278, 11));
    EXPECT_EQ(scan.Gauge->BorderColor(), QColor(60, 60, 60));
    EXPECT_EQ(scan.Gauge->BarColor(), QColor(46, 211, 49));
    EXPECT_EQ(scan.findChild<TXPGauge*>("Gauge"), scan.Gauge);
}

TEST_F(ScanTest, AddingAFolderCountsThirtyTwoFilesAndRunsTheCounterToTheEnd) {
    const std::string folder = MakeFontFolder(sandbox, "fonts");
    fakes::FakeFontTable table;
    platform::Services services = sandbox.Services();
    services.fontTable = &table;
    TFontList list(true, &services);
    list.SetMode(flmFolders);
    Connect(list);

    ASSERT_GE(list.AddFolder(folder), 0);

    EXPECT_EQ(scan.FileTotal(), 32);
    EXPECT_EQ(scan.FileCount(), 32);
    std::vector<std::string> expected;
    for (int i = 1; i <= 32; ++i) {
        expected.push_back(std::to_string(i) + "/32");
    }
    // Events run once more per file when the gauge fills a step; what matters is the sequence
    // the window showed: empty at first, then every count in turn.
    counters.erase(std::unique(counters.begin(), counters.end()), counters.end());
    expected.insert(expected.begin(), "");
    EXPECT_EQ(counters, expected);
    EXPECT_TRUE(mainDisabledWhileShown);
    EXPECT_EQ(scan.Gauge->MaxValue(), 32u);
    EXPECT_EQ(scan.Gauge->Progress(), 32u);
    EXPECT_FALSE(scan.FontName->text().isEmpty());
    EXPECT_FALSE(scan.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(list.GetCount(), 32);
}

TEST_F(ScanTest, TotalCountsEveryFileTheListReportsLinksIncluded) {
    WriteFont(sandbox, "linked/real.ttf", "Real");
    WriteFont(sandbox, "elsewhere/target.ttf", "Target");
    const std::string folder = sandbox.Path() + "/linked";
    std::filesystem::create_symlink(sandbox.Path() + "/elsewhere/target.ttf", folder + "/link.ttf");
    std::filesystem::create_symlink(sandbox.Path() + "/nowhere.ttf", folder + "/gone.TTF");
    std::filesystem::create_directory_symlink(sandbox.Path() + "/elsewhere", folder + "/loop");
    fakes::FakeFontTable table;
    platform::Services services = sandbox.Services();
    services.fontTable = &table;
    TFontList list(true, &services);
    list.SetMode(flmFolders);
    Connect(list);

    list.AddFolder(folder);

    EXPECT_EQ(scan.FileTotal(), 3);
    EXPECT_EQ(scan.FileCount(), 3);
    EXPECT_EQ(scan.Count->text(), "3/3");
}

TEST_F(ScanTest, WithOpenTypeOnTheTotalCountsOpenTypeFilesAndCollectionsToo) {
    const std::string folder = MakeFontFolder(sandbox, "mixed");
    WriteFont(sandbox, "mixed/c/more.otf", "More");
    sandbox.WriteFile("mixed/pair.OTC", testsupport::CollectionBuilder()
                                            .Face(testsupport::TrueTypeBuilder().AllNames(
                                                testsupport::kLangEnglish, "Pair", "One"))
                                            .Build());
    for (const auto& [openType, total] : {std::pair{false, 32}, std::pair{true, 35}}) {
        TFontList list(false);
        list.SetFileTypes(TFontFileTypes(openType));
        bool abort = false;
        scan.FontListLoadBegin(list, flmFolders, abort, folder);
        EXPECT_EQ(scan.FileTotal(), total) << openType;
        scan.FontListLoadEnd(list);
    }
}

TEST_F(ScanTest, LoadOfAllSlotsCountsOnlyTheUsedSlots) {
    const std::string first = MakeFontFolder(sandbox, "first");
    WriteFont(sandbox, "second/one.ttf", "Second One");
    WriteFont(sandbox, "second/two.ttf", "Second Two");
    MakeFontFolder(sandbox, "unused");
    TFontList list(false);
    list.SetFolders(0, first);
    list.SetFolders(3, sandbox.Path() + "/second");
    bool abort = false;
    scan.FontListLoadBegin(list, flmFolders, abort, "");
    EXPECT_EQ(scan.FileTotal(), 34);
    EXPECT_EQ(scan.Gauge->MaxValue(), 34u);
    scan.FontListLoadEnd(list);
}

TEST_F(ScanTest, InstalledTotalIsTheNumberPassedAndOtherModesCountNothing) {
    TFontList list(false);
    bool abort = false;
    scan.FontListLoadBegin(list, flmInstalled, abort, "17");
    EXPECT_EQ(scan.FileTotal(), 17);
    scan.FontListLoadBegin(list, flmInstalled, abort, "17 fonts");
    EXPECT_EQ(scan.FileTotal(), 0);
    scan.FontListLoadBegin(list, flmScreen, abort, "17");
    EXPECT_EQ(scan.FileTotal(), 0);
    scan.FontListLoadBegin(list, flmFolders, abort, sandbox.Path() + "/missing");
    EXPECT_EQ(scan.FileTotal(), 0);
    scan.FontListLoadEnd(list);
    // However many beginnings, one end puts the cursor back.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ScanTest, WaitCursorShowsFromTheBeginningToTheEndOfALoadThatEndsOrRaises) {
    const std::string folder = MakeFontFolder(sandbox, "fonts");
    fakes::FakeFontTable table;
    fakes::FakeInstalledFonts installed;
    installed.SetFiles({folder + "/TOP1.TTF", folder + "/Top2.TtF"});
    platform::Services services = sandbox.Services();
    services.fontTable = &table;
    services.installedFonts = &installed;
    TFontList list(true, &services);
    Connect(list);

    list.SetMode(flmFolders);
    ASSERT_GE(list.AddFolder(folder), 0);
    EXPECT_GT(pumps, 32);
    EXPECT_TRUE(waitCursorAtPump);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    list.OnLoadProgress = [this](TFontList& s, TFontListMode m, bool& abort,
                                 const std::string& info) {
        scan.FontListLoadProgress(s, m, abort, info);
        throw std::runtime_error("the disk went away");
    };
    EXPECT_THROW(list.SetMode(flmInstalled), std::runtime_error);
    EXPECT_TRUE(waitCursorAtPump);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(scan.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());

    // A beginning that fails gets no end from the list.
    throwAtPump = true;
    EXPECT_THROW(list.Refresh(), std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(scan.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(ScanTest, EscapeCancelsAndTheNextFileAbortsTheLoad) {
    TFontList list(false);
    bool abort = false;
    scan.FontListLoadBegin(list, flmInstalled, abort, "3");
    scan.FontListLoadProgress(list, flmInstalled, abort, "First");
    EXPECT_FALSE(abort);
    QTest::keyClick(&scan, Qt::Key_Escape);
    EXPECT_TRUE(scan.Cancelled());
    EXPECT_TRUE(scan.isVisible());
    scan.FontListLoadProgress(list, flmInstalled, abort, "Second");
    EXPECT_TRUE(abort);
    EXPECT_EQ(scan.Count->text(), "2/3");
    EXPECT_EQ(scan.FontName->text(), "Second");
    scan.FontListLoadEnd(list);
    EXPECT_FALSE(scan.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());

    // The next load starts uncancelled.
    abort = false;
    scan.FontListLoadBegin(list, flmInstalled, abort, "2");
    EXPECT_FALSE(scan.Cancelled());
    EXPECT_EQ(scan.FileCount(), 0);
    EXPECT_EQ(scan.Gauge->Progress(), 0u);
    scan.FontListLoadProgress(list, flmInstalled, abort, "Again");
    EXPECT_FALSE(abort);
    scan.FontListLoadEnd(list);
}

TEST_F(ScanTest, EventsLetThroughByResettingTheGaugeFindTheMainWindowShut) {
    TFontList list(false);
    bool abort = false;
    scan.FontListLoadBegin(list, flmInstalled, abort, "2");
    scan.FontListLoadProgress(list, flmInstalled, abort, "One");
    scan.FontListLoadProgress(list, flmInstalled, abort, "Two");
    scan.FontListLoadEnd(list);
    ASSERT_TRUE(mainWindow.isEnabled());

    // The full gauge of the last load is emptied first; the events that lets run must not
    // reach the main window, or a second load could start inside this one.
    std::vector<bool> mainEnabledAtPump;
    scan.Gauge->SetProcessEvents([&] { mainEnabledAtPump.push_back(mainWindow.isEnabled()); });
    scan.FontListLoadBegin(list, flmInstalled, abort, "5");
    ASSERT_FALSE(mainEnabledAtPump.empty());
    EXPECT_EQ(mainEnabledAtPump, std::vector<bool>(mainEnabledAtPump.size(), false));
    EXPECT_TRUE(scan.isEnabled());
    EXPECT_TRUE(scan.bCancel->isEnabled());
    scan.FontListLoadEnd(list);
}

TEST_F(ScanTest, EnterPressesCancelToo) {
    TFontList list(false);
    bool abort = false;
    scan.FontListLoadBegin(list, flmInstalled, abort, "3");
    QTest::keyClick(&scan, Qt::Key_Return);
    EXPECT_TRUE(scan.Cancelled());
    scan.FontListLoadEnd(list);
}

TEST_F(ScanTest, WindowIsCentredOverTheMainWindow) {
    TFontList list(false);
    bool abort = false;
    scan.FontListLoadBegin(list, flmInstalled, abort, "1");
    const QRect main = mainWindow.frameGeometry();
    EXPECT_EQ(scan.pos(), QPoint(main.left() + main.width() / 2 - 306 / 2,
                                 main.top() + main.height() / 2 - 161 / 2));
    scan.FontListLoadEnd(list);
}

TEST_F(ScanTest, CancelDuringAFolderLoadStopsAfterTheNextFile) {
    for (int i = 0; i < 10; ++i) {
        WriteFont(sandbox, "flat/font" + std::to_string(i) + ".ttf", "Flat" + std::to_string(i));
    }
    fakes::FakeFontTable table;
    platform::Services services = sandbox.Services();
    services.fontTable = &table;
    TFontList list(true, &services);
    list.SetMode(flmFolders);
    Connect(list);
    list.OnLoadProgress = [this](TFontList& s, TFontListMode m, bool& abort,
                                 const std::string& info) {
        scan.FontListLoadProgress(s, m, abort, info);
        if (scan.FileCount() == 5) {
            QTest::keyClick(&scan, Qt::Key_Escape);
        }
    };
    list.AddFolder(sandbox.Path() + "/flat");
    EXPECT_TRUE(scan.Cancelled());
    EXPECT_EQ(scan.FileTotal(), 10);
    EXPECT_EQ(scan.FileCount(), 6);
    EXPECT_FALSE(scan.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
}
