#include "controls/getstring.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs action on the prompt once its modal loop is running.
void WhenPromptOpens(std::function<void(TfGetString*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        auto* dialog = qobject_cast<TfGetString*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

TEST(TfGetString, LayoutMatchesTheFixedDialog) {
    TfGetString dialog;
    EXPECT_EQ(dialog.size(), QSize(377, 101));
    auto* descript = dialog.findChild<QLabel*>(QStringLiteral("Descript"));
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Ok"));
    auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("Cancel"));
    ASSERT_TRUE(descript && edit && ok && cancel);
    EXPECT_EQ(descript->geometry(), QRect(13, 16, 269, 48));
    EXPECT_TRUE(descript->wordWrap());
    EXPECT_EQ(descript->font().pixelSize(), 12);
    EXPECT_EQ(edit->geometry(), QRect(13, 69, 277, 17));
    EXPECT_EQ(ok->geometry(), QRect(300, 37, 70, 22));
    EXPECT_EQ(cancel->geometry(), QRect(300, 65, 70, 22));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(ok->isDefault());
}

TEST(TfGetString, EditBorderHasItsColour) {
    TfGetString dialog;
    dialog.show();
    const QImage image = dialog.Edit()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, 0), QColor(127, 157, 185));
}

class InputStringTest : public testing::Test {
protected:
    void SetUp() override {
        // Partly off the screen, where the toolkit's own placement would pull the dialog
        // back onto the screen.
        window.setGeometry(-301, -199, 401, 301);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
};

TEST_F(InputStringTest, CentresOnTheWindowAndSelectsAllText) {
    QRect dialogFrame;
    QString selected;
    QString caption;
    QString prompt;
    WhenPromptOpens([&](TfGetString* dialog) {
        dialogFrame = dialog->frameGeometry();
        selected = dialog->Edit()->selectedText();
        caption = dialog->windowTitle();
        prompt = dialog->Descript()->text();
        QTest::mouseClick(dialog->Cancel(), Qt::LeftButton);
    });
    std::string text = "Old Name.ttf";
    InputString(&window, "Rename", "\n\nNew name:", text);
    const QRect outer = window.frameGeometry();
    EXPECT_EQ(dialogFrame.topLeft(),
              QPoint(outer.left() + outer.width() / 2 - dialogFrame.width() / 2,
                     outer.top() + outer.height() / 2 - dialogFrame.height() / 2));
    EXPECT_EQ(selected, QStringLiteral("Old Name.ttf"));
    EXPECT_EQ(caption, QStringLiteral("Rename"));
    EXPECT_EQ(prompt, QStringLiteral("\n\nNew name:"));
}

TEST_F(InputStringTest, TypingReplacesTheSelectionAndEnterAccepts) {
    WhenPromptOpens([](TfGetString* dialog) {
        QTest::keyClicks(dialog->Edit(), QStringLiteral("Gulim"));
        QTest::keyClick(dialog->Edit(), Qt::Key_Return);
    });
    std::string text = "old";
    EXPECT_EQ(InputString(&window, "Find", "\n\nFind Text:", text), 1);
    EXPECT_EQ(text, "Gulim");
}

TEST_F(InputStringTest, OkButtonKeepsNonAsciiText) {
    WhenPromptOpens([](TfGetString* dialog) {
        dialog->Edit()->insert(QStringLiteral("\uAD74\uB9BC"));
        QTest::mouseClick(dialog->Ok(), Qt::LeftButton);
    });
    std::string text = "x";
    EXPECT_EQ(InputString(&window, "New Folder", "", text), 1);
    EXPECT_EQ(text, "\xEA\xB5\xB4\xEB\xA6\xBC");
}

TEST_F(InputStringTest, CancelAndEscapeLeaveTheTextUnchanged) {
    WhenPromptOpens([](TfGetString* dialog) {
        QTest::keyClicks(dialog->Edit(), QStringLiteral("typed"));
        QTest::mouseClick(dialog->Cancel(), Qt::LeftButton);
    });
    std::string text = "kept";
    EXPECT_EQ(InputString(&window, "c", "p", text), 2);
    EXPECT_EQ(text, "kept");

    WhenPromptOpens([](TfGetString* dialog) {
        QTest::keyClicks(dialog->Edit(), QStringLiteral("typed"));
        QTest::keyClick(dialog->Edit(), Qt::Key_Escape);
    });
    EXPECT_EQ(InputString(&window, "c", "p", text), 2);
    EXPECT_EQ(text, "kept");
}

}  // namespace
