#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "controls/glyphwellstyle.h"
#include "controls/xpanel.h"
#include "controls/xpbutton.h"
#include "controls/xpcheckbox.h"
#include "controls/xpcombobox.h"
#include "controls/xpedit.h"
#include "controls/xpgroupbox.h"
#include "controls/xpradiobutton.h"
#include "pixels.h"

namespace {

const QColor White(255, 255, 255);
const QColor Frame(0, 59, 115);
const QColor EdgeDark(224, 217, 207);
const QColor EdgeLight(236, 233, 224);
const QColor FocusDark(89, 143, 217);
const QColor FocusLight(115, 161, 211);
const QColor Gray(109, 109, 109);
const QColor EditBorder(127, 157, 185);

// A caption in ink that starts at x = 17 (its first letter's side bearing aside).
bool CaptionAt17(const QImage& image, const QColor& ink) {
    const int left = LeftmostColor(image, ink);
    return left >= 17 && left <= 19;
}

// Controls in a dialog on the program's palette, shown so that focus can be given.
struct XPControlsTest : ::testing::Test {
    XPControlsTest() {
        dialog.setPalette(GlyphwellPalette());
        dialog.setFont(CrispFont(9));
        dialog.resize(300, 200);
    }
    // Alt and the key; the control answers its accelerator with an animated click.
    void Accelerator(Qt::Key key) { QTest::keyClick(&dialog, key, Qt::AltModifier); }
    void Show() {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    QDialog dialog;
};

}  // namespace

TEST_F(XPControlsTest, ButtonFaceFrameAndRaisedEdges) {
    TXPButton button(QStringLiteral("OK"), &dialog);
    button.setGeometry(10, 10, 75, 23);
    const QImage up = Render(button);
    const int w = 75, h = 23;
    EXPECT_TRUE(SameRgb(up.pixel(w / 2, 0), Frame));
    EXPECT_TRUE(SameRgb(up.pixel(0, h / 2), Frame));
    EXPECT_TRUE(SameRgb(up.pixel(5, 5), White));
    EXPECT_TRUE(SameRgb(up.pixel(w / 2, h - 2), EdgeDark));
    EXPECT_TRUE(SameRgb(up.pixel(w - 2, h / 2), EdgeDark));
    EXPECT_TRUE(SameRgb(up.pixel(w / 2, h - 3), EdgeLight));
    EXPECT_TRUE(SameRgb(up.pixel(w - 3, h / 2), EdgeLight));
    button.setDown(true);
    const QImage down = Render(button);
    EXPECT_TRUE(SameRgb(down.pixel(5, 5), QColor(235, 235, 235)));
    EXPECT_TRUE(SameRgb(down.pixel(w / 2, 1), EdgeDark));
    EXPECT_TRUE(SameRgb(down.pixel(w / 2, 2), EdgeLight));
    EXPECT_TRUE(SameRgb(down.pixel(2, h / 2), EdgeLight));
    EXPECT_TRUE(SameRgb(down.pixel(w / 2, h - 2), QColor(235, 235, 235)));
}

TEST_F(XPControlsTest, FocusedOrDefaultButtonHasBlueBottomLinesOnlyWhileATabStop) {
    TXPButton button(QStringLiteral("OK"), &dialog);
    button.setGeometry(10, 10, 75, 23);
    button.setDefault(true);
    EXPECT_TRUE(SameRgb(Render(button).pixel(37, 21), FocusDark));
    EXPECT_TRUE(SameRgb(Render(button).pixel(37, 20), FocusLight));
    button.setFocusPolicy(Qt::ClickFocus);
    EXPECT_TRUE(SameRgb(Render(button).pixel(37, 21), EdgeDark));
}

TEST_F(XPControlsTest, DisabledButtonIsPaleWithoutEdgesAndGreyCaption) {
    TXPButton button(QStringLiteral("Cancel"), &dialog);
    button.setGeometry(10, 10, 75, 23);
    button.setEnabled(false);
    const QImage image = Render(button);
    EXPECT_TRUE(SameRgb(image.pixel(37, 0), QColor(201, 199, 186)));
    EXPECT_TRUE(SameRgb(image.pixel(5, 5), QColor(244, 244, 243)));
    EXPECT_TRUE(SameRgb(image.pixel(37, 21), QColor(244, 244, 243)));
    EXPECT_GT(CountColor(image, Gray), 0);
    EXPECT_EQ(CountColor(image, QColor(Qt::black)), 0);
}

TEST_F(XPControlsTest, ButtonDoubleClickCountsAsAClickAndAcceleratorWorks) {
    TXPButton button(QStringLiteral("&Yes"), &dialog);
    button.setGeometry(10, 10, 75, 23);
    Show();
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    // The second press of a double click arrives as a double click event.
    const QPoint centre = button.rect().center();
    QTest::mouseClick(&button, Qt::LeftButton, {}, centre);
    QMouseEvent second(QEvent::MouseButtonDblClick, centre, button.mapToGlobal(centre),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &second);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 2);
    Accelerator(Qt::Key_Y);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 3; }));
}

TEST_F(XPControlsTest, EditDrawsItsThinFrameAndFollowsTheFontHeight) {
    TXPEdit edit(&dialog);
    edit.setGeometry(10, 10, 120, 30);
    const int height = edit.fontMetrics().height() + 4;
    EXPECT_EQ(edit.height(), height);
    EXPECT_FALSE(edit.hasFrame());
    const QImage image = Render(edit);
    EXPECT_TRUE(SameRgb(image.pixel(0, height / 2), EditBorder));
    EXPECT_TRUE(SameRgb(image.pixel(60, height - 1), EditBorder));
    EXPECT_TRUE(SameRgb(image.pixel(1, height / 2), White));
    edit.setFont(CrispFont(14));
    EXPECT_EQ(edit.height(), edit.fontMetrics().height() + 4);
}

TEST_F(XPControlsTest, ComboButtonSitsAtTheRightInsideTheFrame) {
    TXPComboBox box(&dialog);
    box.addItems({QStringLiteral("8"), QStringLiteral("9")});
    box.setGeometry(10, 10, 100, 21);
    EXPECT_EQ(box.ButtonRect(), QRect(QPoint(83, 2), QPoint(97, 18)));
    EXPECT_LE(box.TextRect().right(), 80);
    const QImage image = Render(box);
    EXPECT_TRUE(SameRgb(image.pixel(50, 0), EditBorder));
    EXPECT_TRUE(SameRgb(image.pixel(99, 10), EditBorder));
    EXPECT_TRUE(SameRgb(image.pixel(81, 10), White)) << "the two pixels left of the button";
    EXPECT_TRUE(SameRgb(image.pixel(98, 10), White));
    EXPECT_FALSE(SameRgb(image.pixel(90, 10), White));
}

TEST_F(XPControlsTest, EditableComboKeepsItsEditBoxInTheTextArea) {
    TXPComboBox box(&dialog);
    box.setEditable(true);
    box.setGeometry(10, 10, 160, 21);
    Show();
    EXPECT_EQ(box.lineEdit()->geometry(), box.TextRect());
    box.resize(200, 25);
    EXPECT_EQ(box.lineEdit()->geometry(), box.TextRect());
}

TEST_F(XPControlsTest, ComboButtonShowsPressedWhileTheListIsDown) {
    TXPComboBox box(&dialog);
    box.setEditable(true);
    box.addItems({QStringLiteral("one"), QStringLiteral("two")});
    box.setGeometry(10, 10, 160, 21);
    Show();
    const QImage up = Render(box);
    QTest::mouseClick(&box, Qt::LeftButton, {}, box.ButtonRect().center());
    EXPECT_TRUE(box.view()->isVisible());
    EXPECT_TRUE(box.ButtonPressed());
    EXPECT_NE(Render(box).pixel(box.ButtonRect().center()), up.pixel(box.ButtonRect().center()));
    box.hidePopup();
    EXPECT_FALSE(box.ButtonPressed());
}

TEST_F(XPControlsTest, DisabledComboGreysItsButton) {
    TXPComboBox box(&dialog);
    box.setGeometry(10, 10, 100, 21);
    const QColor enabled = Render(box).pixelColor(90, 6);
    box.setEnabled(false);
    const QColor disabled = Render(box).pixelColor(90, 6);
    EXPECT_NE(enabled, disabled);
    EXPECT_EQ(disabled.red(), disabled.blue());
}

TEST_F(XPControlsTest, CheckBoxCellAndCaptionColours) {
    TXPCheckBox box(QStringLiteral("Print &font file name"), &dialog);
    EXPECT_EQ(box.size(), QSize(121, 17));
    box.setGeometry(10, 10, 180, 21);
    const QImage unchecked = Render(box);
    box.setChecked(true);
    const QImage checked = Render(box);
    // The cell is 13 high, (21 - 13) / 2 = 4 rows down; the caption starts at x = 17.
    EXPECT_EQ(checked.copy(0, 0, 17, 4), unchecked.copy(0, 0, 17, 4));
    EXPECT_NE(checked.copy(0, 4, 13, 13), unchecked.copy(0, 4, 13, 13));
    EXPECT_EQ(checked.copy(0, 17, 17, 4), unchecked.copy(0, 17, 17, 4));
    EXPECT_TRUE(CaptionAt17(checked, QColor(Qt::black)));
    box.setEnabled(false);
    EXPECT_TRUE(CaptionAt17(Render(box), Gray));
    box.setEnabled(true);
    Show();
    box.setFocus();
    EXPECT_TRUE(CaptionAt17(Render(box), QColor(0, 0, 255)));
}

TEST_F(XPControlsTest, CheckBoxTogglesOnItsCaptionAndItsAccelerator) {
    TXPCheckBox box(QStringLiteral("Print &font file name"), &dialog);
    box.setGeometry(10, 10, 180, 17);
    Show();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(150, 8));
    EXPECT_TRUE(box.isChecked());
    Accelerator(Qt::Key_F);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !box.isChecked(); }));
    EXPECT_TRUE(box.focusPolicy() & Qt::TabFocus);
}

TEST_F(XPControlsTest, RadioGroupsFollowGroupIndexUnderOneParent) {
    TXPRadioButton a(QStringLiteral("A&ll"), &dialog), b(QStringLiteral("Pa&ges"), &dialog),
        other(QStringLiteral("Other"), &dialog);
    other.SetGroupIndex(1);
    a.setGeometry(10, 10, 100, 17);
    b.setGeometry(10, 30, 100, 17);
    other.setGeometry(10, 50, 100, 17);
    QSignalSpy clickedB(&b, &QAbstractButton::clicked);
    other.setChecked(true);
    a.setChecked(true);
    b.setChecked(true);
    EXPECT_FALSE(a.isChecked());
    EXPECT_TRUE(other.isChecked()) << "another group";
    EXPECT_EQ(clickedB.count(), 1) << "checking raises the click";
    // Only the checked one is a tab stop; a click never unchecks.
    EXPECT_FALSE(a.focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(b.focusPolicy() & Qt::TabFocus);
    Show();
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_TRUE(b.isChecked());
    Accelerator(Qt::Key_L);
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.isChecked(); }));
    EXPECT_FALSE(b.isChecked());
}

TEST_F(XPControlsTest, ArrowKeysMoveTheCheckThroughTheGroup) {
    TXPRadioButton a(QStringLiteral("a"), &dialog), b(QStringLiteral("b"), &dialog),
        c(QStringLiteral("c"), &dialog);
    for (auto* radio : {&a, &b, &c}) {
        radio->resize(80, 17);
    }
    c.SetGroupIndex(2);
    a.setChecked(true);
    Show();
    a.setFocus();
    QTest::keyClick(&a, Qt::Key_Down);
    EXPECT_TRUE(b.isChecked());
    EXPECT_TRUE(b.hasFocus());
    QTest::keyClick(&b, Qt::Key_Down);
    EXPECT_TRUE(a.isChecked()) << "wraps within its group, past the other group";
    EXPECT_FALSE(c.isChecked());
}

TEST_F(XPControlsTest, RadioCaptionIsBlueWhileFocusedAndKeepsItsColourWhenDisabled) {
    TXPRadioButton radio(QStringLiteral("Screen Fonts"), &dialog);
    radio.setGeometry(10, 10, 150, 17);
    radio.setChecked(true);
    radio.setEnabled(false);
    EXPECT_TRUE(CaptionAt17(Render(radio), QColor(Qt::black)));
    radio.setEnabled(true);
    Show();
    radio.setFocus();
    EXPECT_TRUE(CaptionAt17(Render(radio), QColor(0, 0, 255)));
}

TEST_F(XPControlsTest, GroupBoxLineStartsAtHalfTheCaptionAndTheCaptionCutsIt) {
    TXPGroupBox group(QStringLiteral("Options"), &dialog);
    group.setGeometry(10, 10, 200, 100);
    group.SetCaptionColor(QColor(0, 0, 255));
    const int top = group.fontMetrics().height() / 2;
    const QImage image = Render(group);
    const QColor line(128, 128, 128);
    EXPECT_TRUE(SameRgb(image.pixel(0, 50), line));
    EXPECT_TRUE(SameRgb(image.pixel(199, 50), line));
    EXPECT_TRUE(SameRgb(image.pixel(100, 99), line));
    EXPECT_TRUE(SameRgb(image.pixel(150, top), line));
    EXPECT_FALSE(SameRgb(image.pixel(6, top), line)) << "under the caption's background";
    const int captionLeft = LeftmostColor(image, QColor(0, 0, 255));
    EXPECT_GE(captionLeft, 8);
    EXPECT_LE(captionLeft, 10) << "the first letter's side bearing at most";
}

TEST(TXPanel, PaintingIsItsHandlers) {
    TXPanel panel;
    EXPECT_EQ(panel.size(), QSize(100, 100));
    int painted = 0;
    panel.OnPaint = [&](TXPanel& sender, QPainter& canvas) {
        ++painted;
        canvas.fillRect(sender.rect(), QColor(1, 2, 3));
    };
    EXPECT_TRUE(SameRgb(Render(panel).pixel(50, 50), QColor(1, 2, 3)));
    EXPECT_EQ(painted, 1);
}
