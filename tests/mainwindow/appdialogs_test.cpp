#include "mainwindow/appdialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "controls/getstring.h"
#include "fakes/scripteddialogs.h"
#include "platform/dialogs.h"
#include "platform/linux/qtdialogs.h"

namespace {

class AppDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
};

TEST_F(AppDialogsTest, TextPromptsUseTheProgramsOwnPrompt) {
    platform::QtDialogs desktop;
    AppDialogs dialogs(desktop);
    platform::Dialogs* previous = platform::SetDialogs(&dialogs);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TfGetString*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Edit()->setText(QStringLiteral("Group"));
        QTest::keyClick(dialog->Edit(), Qt::Key_Return);
    });
    std::string text;
    EXPECT_EQ(
        platform::CurrentDialogs().InputString("New Folder", "\n\nNew Folder:", text, &window),
        platform::IdOk);
    EXPECT_EQ(text, "Group");
    platform::SetDialogs(previous);
}

// Every other dialog is the desktop's, asked as it was asked and answered as it answers.
TEST_F(AppDialogsTest, EveryOtherDialogIsTheDesktops) {
    fakes::ScriptedDialogs desktop;
    desktop.QueueResult(platform::IdNo);
    desktop.QueueFolder("/fonts");
    desktop.QueueColor(0x123456);
    desktop.QueueFile("/out.png");
    AppDialogs dialogs(desktop);
    EXPECT_EQ(dialogs.MessageBox("Text", "Caption", platform::MsgButtons::YesNo,
                                 platform::MsgIcon::Question, &window),
              platform::IdNo);
    EXPECT_EQ(dialogs.BrowseForFolder("Title", "/start", &window), "/fonts");
    std::uint32_t color = 0;
    EXPECT_TRUE(dialogs.ChooseColor(color, &window));
    EXPECT_EQ(color, 0x123456u);
    EXPECT_EQ(dialogs.SaveFileName("Save", "PNG (*.png)", "/in.png", &window), "/out.png");

    const std::vector<fakes::DialogCall>& calls = desktop.Calls();
    ASSERT_EQ(calls.size(), 4u);
    const char* kinds[] = {"MessageBox", "BrowseForFolder", "ChooseColor", "SaveFileName"};
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].kind, kinds[i]);
        EXPECT_EQ(calls[i].owner, &window) << kinds[i];
    }
    EXPECT_EQ(calls[0].text, "Text");
    EXPECT_EQ(calls[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(calls[1].text, "/start");
    EXPECT_EQ(calls[3].input, "/in.png");
}

}  // namespace
