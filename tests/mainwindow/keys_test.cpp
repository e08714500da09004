#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QToolButton>
#include <QWheelEvent>
#include <vector>

#include "mainwindow/commandfixture.h"

namespace {

using KeysTest = MainFormTest;

void TypeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST_F(KeysTest, SizeBoxTakesNumbersLeavesRefusedSizesAndRestoresNonNumbers) {
    InstallFonts({"Alpha"});
    Open();
    TypeInto(Child<QComboBox>("cbFontSize"), "24");
    EXPECT_EQ(View().FontSize(), 24);
    TypeInto(Child<QComboBox>("cbFontSize"), "3");
    EXPECT_EQ(View().FontSize(), 24);
    EXPECT_EQ(Child<QComboBox>("cbFontSize")->currentText().toStdString(), "3");
    TypeInto(Child<QComboBox>("cbFontSize"), "12a");
    EXPECT_EQ(View().FontSize(), 12);  // "12" was a size on the way
    EXPECT_EQ(Child<QComboBox>("cbFontSize")->currentText().toStdString(), "12");
    Child<QComboBox>("cbFontSize")->setEditText("x");
    EXPECT_EQ(Child<QComboBox>("cbFontSize")->currentText().toStdString(), "12");
}

TEST_F(KeysTest, AltUpAndDownChangeTheSizeWithinItsRange) {
    InstallFonts({"Alpha"});
    Open();
    Key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(View().FontSize(), 17);
    EXPECT_EQ(Child<QComboBox>("cbFontSize")->currentText().toStdString(), "17");
    View().SetFontSize(100);
    Key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(View().FontSize(), 100);
    View().SetFontSize(5);
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(View().FontSize(), 5);
}

TEST_F(KeysTest, SampleTextAndStyleReachTheList) {
    InstallFonts({"Alpha"});
    Open();
    TypeInto(Child<QComboBox>("cbString"), "Hamburgefonstiv");
    EXPECT_EQ(View().Text(), "Hamburgefonstiv");
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(Child<QToolButton>("sbBold")->isChecked());
    EXPECT_EQ(View().FontStyle(), fsBold);
    QTest::mouseClick(Child<QToolButton>("sbUnderline"), Qt::LeftButton);
    EXPECT_EQ(View().FontStyle(), fsBold | fsUnderline);
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(View().FontStyle(), fsUnderline);
    Key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(View().AntiAlias());
}

TEST_F(KeysTest, FindMovesForwardOnlyAndFindNextContinues) {
    InstallFonts(GreekFamilies());
    TestMainForm& form = Open();
    View().SetItemIndex(6);  // Gamma
    dialogs_.QueueText(platform::IdOk, "Alpha");
    Key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(dialogs_.Calls()[0].kind, "InputString");
    EXPECT_EQ(dialogs_.Calls()[0].caption, "Find");
    EXPECT_EQ(dialogs_.Calls()[0].text, "\n\nFind Text:");
    EXPECT_EQ(form.FindText(), "Alpha");
    EXPECT_EQ(View().ItemIndex(), 6);  // no wrap-around

    dialogs_.QueueText(platform::IdOk, "ta ");
    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(View().ItemIndex(), 7);  // "Iota Regular"
    Key(Qt::Key_F3);
    EXPECT_EQ(View().ItemIndex(), 7);  // the other matches lie behind
    View().SetItemIndex(2);
    Key(Qt::Key_F3);
    EXPECT_EQ(View().ItemIndex(), 3);  // "Delta Regular"
}

TEST_F(KeysTest, FindIsCaseSensitiveAndCancelKeepsTheOldText) {
    InstallFonts(GreekFamilies());
    TestMainForm& form = Open();
    dialogs_.QueueText(platform::IdOk, "omega");
    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(View().ItemIndex(), 0);
    dialogs_.QueueText(platform::IdOk, "Omega");
    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(View().ItemIndex(), 12);
    dialogs_.QueueResult(platform::IdCancel);
    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(form.FindText(), "Omega");
}

TEST_F(KeysTest, FindOnAnEmptyListOpensNoPrompt) {
    Open();
    Key(Qt::Key_3, Qt::AltModifier);
    ASSERT_EQ(Items().GetCount(), 0);
    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(dialogs_.Calls().empty());
}

TEST_F(KeysTest, NextSelectedGoesToTheNextMarkedFont) {
    InstallFonts(GreekFamilies());
    Open();
    View().Select(3, false);
    View().Select(9, false);
    View().SetItemIndex(3);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(View().ItemIndex(), 9);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(View().ItemIndex(), 9);
}

TEST_F(KeysTest, ShortcutOfADisabledItemRunsNothing) {
    InstallFonts({"Alpha"});
    Open();
    QSignalSpy install(Action("InstallFont1"), &QAction::triggered);
    QSignalSpy uninstall(Action("UninstallFont1"), &QAction::triggered);
    Key(Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(install.count(), 0);
    Key(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(uninstall.count(), 1);
    Key(Qt::Key_1, Qt::AltModifier);
    Key(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(uninstall.count(), 1);
}

// With the caret in the sample-text box or the size box, the editing keys edit the text (the
// key reaches the box itself, or its line edit) and mark no font.
TEST_F(KeysTest, EditingKeysInTheTextBoxesEditTheirText) {
    InstallFonts({"Alpha", "Beta"});
    Open();
    const struct {
        std::vector<QKeyCombination> keys;
        const char* typed;
        const char* expected;
    } edits[] = {
        {{QKeyCombination(Qt::ControlModifier, Qt::Key_A)}, "24", "24"},
        {{QKeyCombination(Qt::Key_End), QKeyCombination(Qt::Key_Backspace)}, "", "1"},
        {{QKeyCombination(Qt::Key_Home), QKeyCombination(Qt::Key_Delete)}, "", "2"},
        {{QKeyCombination(Qt::ControlModifier, Qt::Key_A),
          QKeyCombination(Qt::ControlModifier, Qt::Key_X)},
         "",
         ""},
        {{QKeyCombination(Qt::ControlModifier, Qt::Key_A),
          QKeyCombination(Qt::ControlModifier, Qt::Key_C), QKeyCombination(Qt::Key_End),
          QKeyCombination(Qt::ControlModifier, Qt::Key_V)},
         "",
         "1212"},
        {{QKeyCombination(Qt::ControlModifier, Qt::Key_A), QKeyCombination(Qt::Key_Delete),
          QKeyCombination(Qt::ControlModifier, Qt::Key_Z)},
         "",
         "12"},
    };
    for (QComboBox* box : {Child<QComboBox>("cbString"), Child<QComboBox>("cbFontSize")}) {
        for (QWidget* target :
             {static_cast<QWidget*>(box), static_cast<QWidget*>(box->lineEdit())}) {
            for (const auto& edit : edits) {
                box->setEditText("12");
                box->lineEdit()->setCursorPosition(1);
                for (const QKeyCombination keys : edit.keys) {
                    Key(keys.key(), keys.keyboardModifiers(), target);
                }
                QTest::keyClicks(target, edit.typed);
                EXPECT_EQ(box->currentText().toStdString(), edit.expected)
                    << box->objectName().toStdString() << " via "
                    << target->metaObject()->className() << " after typing " << edit.typed;
            }
        }
    }
    EXPECT_FALSE(Items().GetItems(0).Selected());
    EXPECT_FALSE(Items().GetItems(1).Selected());
}

TEST_F(KeysTest, FontCommandsKeepTheirOtherShortcutsInTheTextBoxes) {
    InstallFonts({"Alpha", "Beta"});
    TestMainForm& form = Open();
    QWidget* sample = Child<QComboBox>("cbString");
    Key(Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier, sample);
    EXPECT_TRUE(Items().GetItems(0).Selected());
    EXPECT_TRUE(Items().GetItems(1).Selected());
    Key(Qt::Key_B, Qt::ControlModifier, Child<QComboBox>("cbFontSize")->lineEdit());
    EXPECT_EQ(View().FontStyle(), fsBold);
    Key(Qt::Key_1, Qt::AltModifier, sample);
    EXPECT_EQ(form.FontList().Mode(), flmScreen);
}

TEST_F(KeysTest, DeleteKeyAsksForTheCommandOfTheMode) {
    InstallFonts({"Alpha"});
    Open();
    QSignalSpy uninstall(Action("UninstallFont1"), &QAction::triggered);
    QSignalSpy remove(Action("DeleteFont1"), &QAction::triggered);
    QSignalSpy properties(Action("Properties1"), &QAction::triggered);
    Key(Qt::Key_Delete);
    EXPECT_EQ(uninstall.count(), 1);
    RunModal([this] { Key(Qt::Key_F9); });
    EXPECT_EQ(properties.count(), 1);
    Key(Qt::Key_1, Qt::AltModifier);
    Key(Qt::Key_Delete);
    EXPECT_EQ(uninstall.count(), 1);
    EXPECT_EQ(remove.count(), 0);
}

TEST_F(KeysTest, DeleteAndF9FollowTheListOfTheMomentNotTheMenusLastOpening) {
    InstallFonts({"Alpha"});
    WriteFont("type/Beta.ttf", "Beta");
    Ini().WriteString("Folders", "Folder1", sandbox_.Path() + "/type");
    Open();
    QSignalSpy remove(Action("DeleteFont1"), &QAction::triggered);
    QSignalSpy properties(Action("Properties1"), &QAction::triggered);
    // Alt+C applies the "&Font" rules on the installed fonts: no "&Delete Font" there.
    RunModal([this] { Key(Qt::Key_C, Qt::AltModifier); });
    Key(Qt::Key_3, Qt::AltModifier);
    ASSERT_EQ(Items().GetCount(), 1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(remove.count(), 1);

    // The rules applied on an empty list leave nothing enabled for later.
    Key(Qt::Key_2, Qt::AltModifier);
    Key(Qt::Key_4, Qt::AltModifier);  // nothing is marked: an empty view
    ASSERT_EQ(Items().GetCount(), 0);
    Key(Qt::Key_C, Qt::AltModifier);
    Key(Qt::Key_Escape);
    ASSERT_EQ(Items().GetCount(), 1);
    RunModal([this] { Key(Qt::Key_F9); });
    EXPECT_EQ(properties.count(), 1);
}

TEST_F(KeysTest, DragStartsOnlyBeyondSixPixelsOnInstalledFontsWithThePaneShown) {
    InstallFonts({"Alpha", "Beta"});
    TestMainForm& form = Open();
    QWidget* viewport = View().viewport();
    SendMouse(viewport, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
    EXPECT_EQ(form.DragStart(), QPoint(20, 20));
    SendMouse(viewport, QEvent::MouseMove, QPoint(26, 14), Qt::LeftButton);
    EXPECT_EQ(form.drags, 0);
    SendMouse(viewport, QEvent::MouseMove, QPoint(27, 20), Qt::LeftButton);
    EXPECT_EQ(form.drags, 1);
    SendMouse(viewport, QEvent::MouseMove, QPoint(20, 13), Qt::LeftButton);
    EXPECT_EQ(form.drags, 2);
    SendMouse(viewport, QEvent::MouseMove, QPoint(40, 40), Qt::NoButton);
    EXPECT_EQ(form.drags, 2);
    SendMouse(viewport, QEvent::MouseButtonRelease, QPoint(40, 40), Qt::NoButton);

    Action("tbFavorites")->trigger();  // hides the pane
    SendMouse(viewport, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseMove, QPoint(40, 40), Qt::LeftButton);
    EXPECT_EQ(form.drags, 2);
    SendMouse(viewport, QEvent::MouseButtonRelease, QPoint(40, 40), Qt::NoButton);

    Action("tbFavorites")->trigger();
    Key(Qt::Key_1, Qt::AltModifier);
    SendMouse(viewport, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseMove, QPoint(40, 40), Qt::LeftButton);
    EXPECT_EQ(form.drags, 2);
}

TEST_F(KeysTest, OneWheelNotchMovesOneLinePlusTheSystemLines) {
    InstallFonts(GreekFamilies());
    Open();
    QApplication::setWheelScrollLines(3);
    ASSERT_EQ(View().TopItem(), 0);
    QWheelEvent down(QPointF(10, 10), View().viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(View().viewport(), &down);
    EXPECT_EQ(View().TopItem(), 4);
    QWheelEvent up(QPointF(10, 10), View().viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                   QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(View().viewport(), &up);
    EXPECT_EQ(View().TopItem(), 0);
}

TEST_F(KeysTest, DoubleClickOpensTheFontFileExceptForScreenFonts) {
    InstallFonts({"Alpha"});
    Open();
    QTest::mouseDClick(View().viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_TRUE(shell_.Executed().empty());
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    ASSERT_EQ(shell_.Executed().size(), 1u);
    EXPECT_EQ(shell_.Executed()[0].file, sandbox_.FontsFolder() + "/Alpha.ttf");
    Key(Qt::Key_1, Qt::AltModifier);
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(shell_.Executed().size(), 1u);
}

TEST_F(KeysTest, SelectCommandTogglesLikeTheSpaceBar) {
    InstallFonts({"Alpha", "Beta"});
    Open();
    Action("Select1")->trigger();
    EXPECT_TRUE(Items().GetItems(0).Selected());
    EXPECT_EQ(View().ItemIndex(), 1);
}

TEST_F(KeysTest, CtrlShiftIInvertsTheMarksAndCtrlIStaysItalic) {
    InstallFonts({"Alpha", "Beta"});
    Open();
    View().Select(0, false);
    Key(Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(Items().GetItems(0).Selected());
    EXPECT_TRUE(Items().GetItems(1).Selected());
    EXPECT_FALSE(Child<QToolButton>("sbItalic")->isChecked());
    Key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(Child<QToolButton>("sbItalic")->isChecked());
    EXPECT_EQ(View().FontStyle(), fsItalic);
    EXPECT_TRUE(Items().GetItems(1).Selected());
}

TEST_F(KeysTest, ContextMenuRules) {
    InstallFonts({"Alpha", "Beta"});
    Open();
    View().Select(0, false);
    emit Menu("PopupMenu1")->aboutToShow();
    EXPECT_TRUE(Action("Deselect2")->isVisible());
    EXPECT_FALSE(Action("Select2")->isVisible());
    EXPECT_TRUE(Action("UninstallFont2")->isVisible());
    EXPECT_FALSE(Action("InstallFont2")->isVisible());
    EXPECT_FALSE(Action("CopyToFolder2")->isVisible());
    EXPECT_TRUE(Action("AddtoFavorites2")->isEnabled());
    EXPECT_TRUE(Action("ArrangebyFontName2")->isChecked());
    Action("Deselect2")->trigger();
    EXPECT_FALSE(Items().GetItems(0).Selected());

    Key(Qt::Key_3, Qt::AltModifier);
    emit Menu("PopupMenu1")->aboutToShow();
    for (QAction* item : Menu("PopupMenu1")->actions()) {
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    }
    EXPECT_TRUE(Action("ArrangebyFontName2")->isChecked());
}

}  // namespace
