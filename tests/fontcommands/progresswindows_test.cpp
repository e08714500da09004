#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/xpgauge.h"
#include "fakes/faketrash.h"
#include "fakes/faultyfilesystem.h"
#include "fakes/scripteddialogs.h"
#include "fileops/filecopy.h"
#include "fileops/filedelete.h"
#include "fontcommands/ui/copyprogress.h"
#include "fontcommands/ui/delprogress.h"
#include "platform/linux/posixfilesystem.h"
#include "support/filecensus.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

// A main window, the real file system, and a hook that runs on every "let events run" of
// the windows: it records what they showed and may press a key or button meanwhile.
class ProgressWindowTest : public testing::Test {
protected:
    ProgressWindowTest() {
        owner.setGeometry(100, 100, 640, 480);
        owner.show();
        fs::create_directories(sandbox.Path() + "/from");
        fs::create_directories(sandbox.Path() + "/to");
    }

    std::string MakeFile(const std::string& name, std::size_t size) {
        return sandbox.WriteFile("from/" + name, std::string(size, name[0]));
    }

    void Pump(QWidget& window, const std::vector<QLabel*>& labels) {
        ++pumps;
        if (!window.isVisible()) {
            return;
        }
        ownerShutWhileShown = ownerShutWhileShown && !owner.isEnabled();
        std::string line;
        for (QLabel* label : labels) {
            line += label->text().toStdString() + "|";
        }
        if (shown.empty() || shown.back() != line) {
            shown.push_back(line);
        }
        if (onPump) {
            onPump();
        }
    }

    Sandbox sandbox;
    QWidget owner;
    platform::PosixFileSystem files;
    fakes::ScriptedDialogs dialogs;
    int pumps = 0;
    bool ownerShutWhileShown = true;
    std::vector<std::string> shown;
    std::function<void()> onPump;
};

class CopyingWindowTest : public ProgressWindowTest {
protected:
    TfCopying window{&owner, [this] {
                         Pump(window, {window.Path, window.FileName, window.lCount,
                                       window.TotalSize, window.Remaining});
                     }};
};

TEST_F(CopyingWindowTest, HasItsControlsPlacesAndColours) {
    EXPECT_EQ(window.size(), QSize(392, 143));
    EXPECT_EQ(window.findChild<QLabel*>("Path")->geometry(), QRect(13, 22, 368, 24));
    EXPECT_EQ(window.findChild<QLabel*>("FileName")->geometry(), QRect(14, 60, 363, 17));
    EXPECT_EQ(window.FileName->font().pixelSize(), 12);
    EXPECT_EQ(window.findChild<QLabel*>("lCount")->geometry().topLeft(), QPoint(12, 90));
    EXPECT_EQ(window.findChild<QLabel*>("TotalSize")->geometry().right() + 1, 300);
    EXPECT_TRUE(window.TotalSize->alignment() & Qt::AlignRight);
    EXPECT_EQ(window.findChild<QLabel*>("Remaining")->geometry().topLeft(), QPoint(12, 126));
    auto* gauge = window.findChild<TXPGauge*>("Gauge");
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->geometry(), QRect(12, 107, 291, 12));
    EXPECT_EQ(gauge->BarColor(), QColor(46, 211, 49));
    EXPECT_EQ(gauge->BorderColor(), QColor(74, 74, 74));
    EXPECT_TRUE(gauge->InnerShadow());
    auto* cancel = window.findChild<QPushButton*>("XPButton1");
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(cancel->size(), QSize(65, 22));
    EXPECT_TRUE(cancel->isDefault());
    EXPECT_EQ(window.Path->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(window.lCount->palette().color(QPalette::WindowText), QColor(128, 128, 128));
}

TEST_F(CopyingWindowTest, ACopyRunShowsFoldersFileCountAndTotalWithTheOwnerShut) {
    TFileCopy copy(files, dialogs, &window);
    copy.Files = {MakeFile("a.ttf", 1000), MakeFile("b.ttf", 200000)};
    copy.CopyTo(sandbox.Path() + "/to");
    ASSERT_TRUE(copy.Done(0));
    ASSERT_TRUE(copy.Done(1));
    EXPECT_EQ(window.windowTitle(), "Installing...");
    const std::vector<std::string> expected = {
        "||0/2|201,000||",
        "From 'from'  To 'to'|a.ttf (1,000 bytes) |0/2|201,000||",
        "From 'from'  To 'to'|a.ttf (1,000 bytes) |1/2|201,000||",
        "From 'from'  To 'to'|b.ttf (200,000 bytes) |1/2|201,000||",
        "From 'from'  To 'to'|b.ttf (200,000 bytes) |2/2|201,000||",
    };
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(ownerShutWhileShown);
    EXPECT_EQ(window.Gauge->MaxValue(), 201000u);
    EXPECT_EQ(window.Gauge->Progress(), 201000u);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(CopyingWindowTest, CancelPressedDuringACopyStopsItWithoutAPartialTarget) {
    TFileCopy copy(files, dialogs, &window);
    copy.Files = {MakeFile("a.ttf", 300000), MakeFile("b.ttf", 10)};
    onPump = [this] {
        if (window.Gauge->Progress() >= 65535) {
            QTest::mouseClick(window.XPButton1, Qt::LeftButton);
        }
    };
    copy.CopyTo(sandbox.Path() + "/to");
    EXPECT_EQ(copy.Result(0), 1223);
    EXPECT_EQ(copy.Result(1), 1223);
    EXPECT_FALSE(fs::exists(sandbox.Path() + "/to/a.ttf"));
    EXPECT_TRUE(testsupport::TemporaryFiles(sandbox.Path()).empty());
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(CopyingWindowTest, EscapePressesCancelAndTheNextRunStartsAfresh) {
    TFileCopy copy(files, dialogs, &window);
    copy.Files = {MakeFile("a.ttf", 10), MakeFile("b.ttf", 10)};
    onPump = [this] { QTest::keyClick(&window, Qt::Key_Escape); };
    copy.MoveTo(sandbox.Path() + "/to");
    EXPECT_EQ(copy.Result(0), 1223);
    onPump = nullptr;
    shown.clear();
    copy.MoveTo(sandbox.Path() + "/to");
    EXPECT_TRUE(copy.Done(0));
    EXPECT_TRUE(copy.Done(1));
    // A move on one volume shows bare names and counts files.
    EXPECT_EQ(shown.back(), "From 'from'  To 'to'|b.ttf|2/2|||");
    EXPECT_EQ(window.Gauge->MaxValue(), 2u);
}

class DeletingWindowTest : public ProgressWindowTest {
protected:
    TfDeleting window{&owner, [this] { Pump(window, {window.Item}); }};
    fakes::FakeTrash trash{sandbox.Path() + "/trash"};
};

TEST_F(DeletingWindowTest, HasItsControlsPlacesAndColours) {
    EXPECT_EQ(window.windowTitle(), "Deleting...");
    EXPECT_EQ(window.size(), QSize(376, 130));
    auto* image = window.findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(20, 16, 32, 32));
    EXPECT_FALSE(image->pixmap().isNull());
    EXPECT_EQ(window.findChild<QLabel*>("Item")->geometry(), QRect(20, 80, 257, 17));
    auto* gauge = window.findChild<TXPGauge*>("Gauge");
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->geometry(), QRect(19, 101, 262, 13));
    EXPECT_EQ(gauge->BarColor(), QColor(46, 211, 49));
    EXPECT_EQ(gauge->BorderColor(), QColor(60, 60, 60));
    auto* cancel = window.findChild<QPushButton*>("bCancel");
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(cancel->size(), QSize(65, 22));
    EXPECT_TRUE(cancel->isDefault());
}

TEST_F(DeletingWindowTest, ADeleteRunNamesEachFileAndStepsOncePerFile) {
    TFileDelete remove(files, dialogs, &trash, &window);
    remove.Files = {MakeFile("a.ttf", 10), MakeFile("b.ttf", 10), MakeFile("c.ttf", 10)};
    remove.Execute();
    EXPECT_EQ(shown, (std::vector<std::string>{"|", "a.ttf|", "b.ttf|", "c.ttf|"}));
    EXPECT_EQ(window.Gauge->MaxValue(), 3u);
    EXPECT_EQ(window.Gauge->Progress(), 3u);
    EXPECT_TRUE(ownerShutWhileShown);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(trash.Trashed().size(), 3u);
}

TEST_F(DeletingWindowTest, CancelPressedStopsBeforeTheNextFile) {
    TFileDelete remove(files, dialogs, &trash, &window);
    remove.Files = {MakeFile("a.ttf", 10), MakeFile("b.ttf", 10)};
    onPump = [this] {
        if (window.Gauge->Progress() == 1) {
            QTest::mouseClick(window.bCancel, Qt::LeftButton);
        }
    };
    remove.Execute();
    EXPECT_TRUE(remove.Done(0));
    EXPECT_EQ(remove.Result(1), 1223);
    EXPECT_TRUE(fs::exists(sandbox.Path() + "/from/b.ttf"));
}

}  // namespace
