#include <QComboBox>
#include <QFrame>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>
#include <stdexcept>

#include "controls/btnstatusbar.h"
#include "mainwindow/mainformfixture.h"
#include "mainwindow/scan.h"

namespace {

using LoadsTest = MainFormTest;

// Installed fonts whose listing raises while `failing` is set, as a broken font set would.
class FailingInstalledFonts : public fakes::FakeInstalledFonts {
public:
    bool failing = true;
    std::vector<std::string> Files() override {
        if (failing) {
            throw std::runtime_error("Invalid True Type Font Collection file!");
        }
        return FakeInstalledFonts::Files();
    }
};

// What a user does to the main window while a load holds it shut: the keys of the reported
// nested load (F5, then Alt+2), Ctrl+A, a click on a colour box, a click on a tab and a
// wheel turn over the list.
void PokeTheMainWindow(TestMainForm& form) {
    auto* view = form.findChild<TXFontListView*>("FontView");
    for (const QKeyCombination keys :
         {QKeyCombination(Qt::Key_F5), QKeyCombination(Qt::AltModifier, Qt::Key_2),
          QKeyCombination(Qt::ControlModifier, Qt::Key_A)}) {
        QTest::keyClick(view, keys.key(), keys.keyboardModifiers());
    }
    QTest::mouseClick(form.findChild<QWidget*>("sForeColor"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(form.findChild<QWidget*>("tbScreen"), Qt::LeftButton, {}, QPoint(5, 5));
    QWidget* viewport = view->viewport();
    const QPoint at(20, 20);
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

TEST_F(LoadsTest, AWindowShutByALoadTakesNoKeyClickOrWheel) {
    InstallFonts({"Alpha", "Beta", "Chi"});
    for (int i = 0; i < 30; ++i) {
        WriteFont("type/font" + std::to_string(i) + ".ttf", "Folder" + std::to_string(i));
    }
    Ini().WriteString("Folders", "Folder1", sandbox_.Path() + "/type");
    Ini().WriteInteger("Option", "ViewMode", flmFolders);
    form_ = std::make_unique<TestMainForm>(services_);
    std::function<void()> duringLoad;
    TfScan scan(form_.get(), [&] {
        if (duringLoad) {
            // Once per load: the events run again from inside what they start.
            std::exchange(duringLoad, nullptr)();
        }
    });
    form_->SetScanWindow(&scan);
    form_->show();
    ASSERT_EQ(Items().GetCount(), 30);
    View().SetTopItem(5);

    bool shut = false;
    int topAfter = -1;
    int markedAfter = -1;
    duringLoad = [&] {
        shut = !form_->isEnabled();
        PokeTheMainWindow(*form_);
        topAfter = View().TopItem();
        markedAfter = 0;
        for (int i = 0; i < Items().GetCount(); ++i) {
            markedAfter += Items().GetItems(i).Selected() ? 1 : 0;
        }
    };
    Key(Qt::Key_F5);
    ASSERT_FALSE(duringLoad);
    EXPECT_TRUE(shut);
    EXPECT_EQ(topAfter, 5);
    EXPECT_EQ(markedAfter, 0);
    EXPECT_TRUE(dialogs_.Calls().empty());
    EXPECT_EQ(form_->FontList().Mode(), flmFolders);
    EXPECT_EQ(form_->FontList().GetCount(), 30);
    EXPECT_EQ(Items().GetCount(), 30);
    EXPECT_EQ(form_->windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta - Fonts in folder");
    EXPECT_TRUE(form_->isEnabled());

    // Open again, the window takes the same keys.
    Key(Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(form_->FontList().Mode(), flmInstalled);
    EXPECT_EQ(Items().GetCount(), 3);
}

TEST_F(LoadsTest, AFailedFirstLoadStillLeavesAUsableWindow) {
    InstallFonts({"Alpha", "Beta"});
    FailingInstalledFonts failing;
    failing.SetFiles(installed_.Files());
    services_.installedFonts = &failing;
    TestMainForm& form = Open();

    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    const fakes::DialogCall& box = dialogs_.Calls()[0];
    EXPECT_EQ(box.kind, "MessageBox");
    EXPECT_EQ(box.text, "Invalid True Type Font Collection file!");
    EXPECT_EQ(box.caption, "Glyphwell Viewer 1.5 Beta");
    EXPECT_EQ(box.icon, platform::MsgIcon::Error);

    EXPECT_EQ(Child<QComboBox>("cbString")->currentText().toStdString(),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890");
    EXPECT_EQ(Child<QComboBox>("cbFontSize")->currentText().toStdString(), "16");
    EXPECT_TRUE(Child<QToolButton>("tbInstalled")->isChecked());
    EXPECT_EQ(form.windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta - Installed Fonts");
    EXPECT_EQ(
        Child<TBtnStatusBar>("StatusBar1")->Items(),
        (QStringList{"Font Count=0", "=Use Spacebar or Ctrl+Left Click to select/deselect font"}));

    failing.failing = false;
    Key(Qt::Key_F5);
    EXPECT_EQ(Items().GetCount(), 2);
    Key(Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(form.windowTitle().toStdString(), "Glyphwell Viewer 1.5 Beta - Screen Fonts");
    Key(Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(Items().GetCount(), 2);
    EXPECT_EQ(dialogs_.Calls().size(), 1u);
}

}  // namespace
