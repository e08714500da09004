#include "mainwindow/appdialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "controls/getstring.h"
#include "platform/dialogs.h"

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
    AppDialogs dialogs;
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

}  // namespace
