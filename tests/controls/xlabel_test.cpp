#include "controls/xlabel.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "pixels.h"

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

std::unique_ptr<TXLabel> MakeLabel(const QString& caption) {
    auto label = std::make_unique<TXLabel>();
    label->setFont(CrispFont());
    label->SetFontColor(Black);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, White);
    label->setPalette(p);
    label->resize(300, 24);
    label->SetCaption(caption);
    return label;
}

QFont Styled(bool bold, bool italic = false) {
    QFont font = CrispFont();
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

int Advance(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

}  // namespace

TEST(TXLabel, BoldFirstWordIsMeasuredBoldAndTheRestRegular) {
    auto label = MakeLabel("<b>Heading</b> words");
    const int expected = Advance(Styled(true), "Heading") + Advance(Styled(false), " words");
    EXPECT_EQ(label->GetTextWidth(label->Caption()), expected);
    EXPECT_GT(expected, Advance(Styled(false), "Heading words"));
}

TEST(TXLabel, StyleTagsIgnoreLetterCaseAndTakeNoRoom) {
    auto label = MakeLabel("x");
    EXPECT_EQ(label->GetTextWidth(std::string("<B><I>ab</I></B><U>c</U>")),
              Advance(Styled(true, true), "ab") + Advance(Styled(false), "c"));
}

TEST(TXLabel, ColourTagsDrawTheirRunInTheirColourAndRestoreTheFontColour) {
    for (const char* caption : {"<c2080D0>WWWW</c>WWWW", "<C2080D0>WWWW</C>WWWW"}) {
        auto label = MakeLabel(caption);
        const int split = Advance(Styled(false), "WWWW");
        const QImage image = Render(*label);
        const QColor blue(0x20, 0x80, 0xD0);
        EXPECT_GT(CountColor(image, blue, 0, split), 20) << caption;
        EXPECT_EQ(CountColor(image, blue, split), 0) << caption;
        EXPECT_GT(CountColor(image, Black, split), 20) << caption;
        EXPECT_EQ(CountColor(image, Black, 0, split), 0) << caption;
        EXPECT_EQ(label->GetTextWidth(label->Caption()), 2 * split) << caption;
    }
}

TEST(TXLabel, BadHexColourTagIsConsumedAndKeepsTheColour) {
    auto label = MakeLabel("<cZZ00GG>WWWW");
    EXPECT_EQ(label->GetTextWidth(label->Caption()), Advance(Styled(false), "WWWW"));
    const QImage image = Render(*label);
    EXPECT_GT(CountColor(image, Black), 20);
    EXPECT_EQ(CountColor(image, Black) + CountColor(image, White), image.width() * image.height());
}

TEST(TXLabel, ShortColourTagLosesOnlyItsAngleBracket) {
    auto label = MakeLabel("ab<cdef");
    EXPECT_EQ(label->GetTextWidth(label->Caption()),
              Advance(Styled(false), "ab") + Advance(Styled(false), "cdef"));
    auto same = MakeLabel("ab<c1234567");
    EXPECT_EQ(same->GetTextWidth(same->Caption()),
              Advance(Styled(false), "ab") + Advance(Styled(false), "c1234567"));
    // Drawing the tail: the rendered caption equals the caption without its '<'.
    auto plain = MakeLabel("ab");
    plain->SetCaption("ab");
    auto tail = MakeLabel("ab<cdef");
    EXPECT_GT(RightmostColor(Render(*tail), Black), RightmostColor(Render(*plain), Black) + 10);
}

TEST(TXLabel, OtherAngleBracketsAreText) {
    auto label = MakeLabel("a<x>b");
    EXPECT_EQ(label->GetTextWidth(label->Caption()),
              Advance(Styled(false), "a") + Advance(Styled(false), "<x>b"));
}

TEST(TXLabel, KoreanCharactersAreMeasuredAsWholeSequences) {
    auto label = MakeLabel("x");
    const std::string caption = "\xEA\xB0\x80<b>\xEB\x82\x98</b>";  // 가<b>나</b>
    EXPECT_EQ(label->GetTextWidth(caption),
              Advance(Styled(false), QString::fromUtf8("\xEA\xB0\x80")) +
                  Advance(Styled(true), QString::fromUtf8("\xEB\x82\x98")));
    // A sequence cut short at the end of the caption is still measured without reading past it.
    EXPECT_GE(label->GetTextWidth(std::string("a\xEA\xB0")), Advance(Styled(false), "a"));
}

TEST(TXLabel, UnclosedBoldLastsToTheEndButNotIntoTheNextPass) {
    auto label = MakeLabel("<b>ab cd");
    EXPECT_EQ(label->GetTextWidth(label->Caption()), Advance(Styled(true), "ab cd"));
    const QImage first = Render(*label);
    const QImage second = Render(*label);
    EXPECT_EQ(first, second);
}

TEST(TXLabel, CaptionsLongerThanTheOldBufferAreMeasuredWhole) {
    const QString longText(3000, QChar('a'));
    auto label = MakeLabel(longText + "<b>b</b>");
    EXPECT_EQ(label->GetTextWidth(label->Caption()),
              Advance(Styled(false), longText) + Advance(Styled(true), "b"));
}

TEST(TXLabel, RightAlignedAutoSizeKeepsItsRightEdge) {
    QWidget parent;
    parent.resize(400, 100);
    TXLabel label(&parent);
    label.setFont(CrispFont());
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.setGeometry(200, 10, 50, 20);
    label.SetAutoSize(true);
    const int right = label.geometry().right();
    label.SetCaption("<b>a much longer caption</b>");
    EXPECT_EQ(label.geometry().right(), right);
    EXPECT_EQ(label.width(), label.GetTextWidth(label.Caption()));
    EXPECT_EQ(label.height(), 20);

    TXLabel left(&parent);
    left.setFont(CrispFont());
    left.setGeometry(20, 40, 50, 20);
    left.SetAutoSize(true);
    left.SetCaption("a much longer caption");
    EXPECT_EQ(left.x(), 20);
    EXPECT_EQ(left.width(), left.GetTextWidth(left.Caption()));
}

TEST(TXLabel, RightAlignedCaptionEndsAtTheRightEdge) {
    auto label = MakeLabel("WW");
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int rightmost = RightmostColor(Render(*label), Black);
    EXPECT_GE(rightmost, label->width() - 4);
    EXPECT_LT(rightmost, label->width());
}

TEST(TXLabel, ClickRaisesTheSignalAndTheHandler) {
    auto label = MakeLabel("click");
    int handled = 0;
    label->OnClick = [&] { ++handled; };
    QSignalSpy spy(label.get(), &TXLabel::clicked);
    label->show();
    QTest::mouseClick(label.get(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(handled, 1);
}
