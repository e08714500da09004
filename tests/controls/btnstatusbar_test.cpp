#include "controls/btnstatusbar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "pixels.h"

namespace {

struct StatusBarTest : ::testing::Test {
    StatusBarTest() {
        bar.resize(400, 19);
        bar.setFont(CrispFont(8));
        bar.SetColor(QColor(240, 240, 240));
        bar.SetItems(QStringList{"Font Count=12", "Selected=3 Fonts"});
        bar.show();
    }
    TBtnStatusBar bar;
};

}  // namespace

TEST_F(StatusBarTest, TwoPanelsOnFourHundredPixelsShareTheRoomLeftOfTheGrip) {
    EXPECT_EQ(bar.ItemRect(0).left(), 0);
    EXPECT_EQ(bar.ItemRect(1).left(), 191);
    EXPECT_EQ(bar.ItemRect(1).left() + bar.ItemRect(1).width(), 382);
    EXPECT_EQ(bar.ItemRect(0).top(), 3);
    EXPECT_EQ(bar.GetItemAt(10, 10), 0);
    EXPECT_EQ(bar.GetItemAt(300, 10), 1);
    EXPECT_EQ(bar.GetItemAt(390, 10), -1);
    EXPECT_EQ(bar.GetItemAt(300, 1), -1);

    bar.SetSizeGrip(false);
    EXPECT_EQ(bar.ItemRect(1).left(), 200);
    EXPECT_EQ(bar.ItemRect(1).left() + bar.ItemRect(1).width(), 400);
}

TEST_F(StatusBarTest, ClickOnAPanelReportsItsIndex) {
    QSignalSpy spy(&bar, &TBtnStatusBar::clicked);
    std::vector<int> handled;
    bar.OnClick = [&](int index) { handled.push_back(index); };
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(250, 10));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1);
    EXPECT_EQ(handled, std::vector<int>{1});
}

TEST_F(StatusBarTest, ReleaseOverAnotherPanelRaisesNoClick) {
    QSignalSpy spy(&bar, &TBtnStatusBar::clicked);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(bar.PressedIndex(), 0);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(250, 10));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(bar.PressedIndex(), -1);
}

TEST_F(StatusBarTest, PressedValueIsDrawnOnePixelDownAndRight) {
    const QColor ink(0, 0, 0);
    QPalette p = bar.palette();
    p.setColor(QPalette::WindowText, ink);
    bar.setPalette(p);
    const int before = LeftmostColor(Render(bar), ink);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 10));
    const int pressed = LeftmostColor(Render(bar), ink);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(pressed, before + 1);
}

TEST_F(StatusBarTest, HoveredPanelDrawsItsValueInTheHotColour) {
    const QColor hot(255, 0, 0);
    QTest::mouseMove(&bar, QPoint(300, 1));
    EXPECT_EQ(bar.HotIndex(), -1);
    EXPECT_EQ(CountColor(Render(bar), hot), 0);
    QTest::mouseMove(&bar, QPoint(250, 10));
    EXPECT_EQ(bar.HotIndex(), 1);
    const QImage image = Render(bar);
    EXPECT_EQ(CountColor(image, hot, 0, 191), 0);
    EXPECT_GT(CountColor(image, hot, 191, 382), 10);
}

TEST_F(StatusBarTest, HeadingsUseTheHeadColour) {
    bar.SetHeadColor(std::uint32_t{0x0000FF00});
    const QImage image = Render(bar);
    EXPECT_GT(CountColor(image, QColor(0, 255, 0), 0, 60), 10);
    EXPECT_GT(CountColor(image, QColor(0, 255, 0), 191, 260), 10);
}

TEST_F(StatusBarTest, LongValueIsCutWithAnEllipsisInsideItsPanel) {
    const QColor ink(0, 0, 0);
    QPalette p = bar.palette();
    p.setColor(QPalette::WindowText, ink);
    bar.setPalette(p);
    bar.SetShowDivider(false);
    bar.SetItemValue(0, QString(200, QChar('W')));
    const QImage image = Render(bar);
    const int panelRight = bar.ItemRect(0).right();
    const int rightmost = RightmostColor(image.copy(0, 0, 191, image.height()), ink);
    EXPECT_GT(rightmost, panelRight - 20);
    EXPECT_LT(rightmost, panelRight - 1);
    // The cut text ends in dots: its last columns are inked on a row or two, not a W's height.
    int inkRows = 0;
    for (int y = 0; y < image.height(); ++y) {
        inkRows += CountColor(image.copy(rightmost - 1, y, 2, 1), ink) > 0 ? 1 : 0;
    }
    EXPECT_GE(inkRows, 1);
    EXPECT_LE(inkRows, 2);
}

TEST_F(StatusBarTest, SetItemValueKeepsTheHeading) {
    bar.SetItemValue(1, std::string("=odd value"));
    EXPECT_EQ(bar.Items().at(1), "Selected==odd value");
    EXPECT_EQ(bar.ItemValue(1), "=odd value");
    bar.SetItemValue(5, QString("ignored"));
    EXPECT_EQ(bar.Items().size(), 2);
}

TEST_F(StatusBarTest, EachPanelShowsItsOwnValueEvenWithARepeatedHeading) {
    bar.SetItems(QStringList{"Same=1", "Same=2"});
    EXPECT_EQ(bar.ItemValue(0), "1");
    EXPECT_EQ(bar.ItemValue(1), "2");
    // Both panels drawn: their images differ where the values differ.
    const QImage image = Render(bar);
    EXPECT_NE(image.copy(0, 0, 120, 19), image.copy(191, 0, 120, 19));
}

// The divider closes each panel's value area, which ends two pixels before the panel's own
// right edge; a pressed panel takes its divider along one pixel right and down.
TEST_F(StatusBarTest, DividerStandsAtTheRightEdgeOfTheValueArea) {
    const QColor shadow(10, 20, 30);
    const QColor highlight(250, 200, 150);
    QPalette p = bar.palette();
    p.setColor(QPalette::Dark, shadow);
    p.setColor(QPalette::Light, highlight);
    bar.setPalette(p);
    bar.SetItems(QStringList{"A=1", "B=2"});
    const struct {
        bool grip;
        int pressAt;  // x of a held press, -1 for none
        int x;        // column of the divider's shadow line
        int top;
        const char* what;
    } cases[] = {
        {true, -1, 187, 5, "first of two panels 191 wide"},
        {false, -1, 196, 5, "first of two panels 200 wide"},
        {false, -1, 398, 5, "last panel without grip"},
        {true, 20, 188, 6, "pressed first panel"},
    };
    for (const auto& c : cases) {
        bar.SetSizeGrip(c.grip);
        if (c.pressAt >= 0) {
            QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(c.pressAt, 10));
        }
        const QImage image = Render(bar);
        const int bottom = c.top + 12;  // the value area ends one pixel above the bar's bottom
        for (int y = c.top; y <= bottom; ++y) {
            EXPECT_TRUE(SameRgb(image.pixel(c.x, y), shadow)) << c.what << " y=" << y;
            EXPECT_TRUE(SameRgb(image.pixel(c.x + 1, y), highlight)) << c.what << " y=" << y;
        }
        EXPECT_TRUE(SameRgb(image.pixel(c.x, c.top - 1), bar.Color())) << c.what;
        if (bottom + 1 < image.height()) {
            EXPECT_TRUE(SameRgb(image.pixel(c.x, bottom + 1), bar.Color())) << c.what;
        }
        // The gap after the divider holds no line.
        for (int x = c.x + 2; x < std::min(c.x + 4, image.width()); ++x) {
            EXPECT_TRUE(SameRgb(image.pixel(x, 10), bar.Color())) << c.what << " x=" << x;
        }
        if (c.pressAt >= 0) {
            QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(c.pressAt, 10));
        }
    }
}

TEST(TBtnStatusBarEmpty, WithoutPanelsTheShadingAndGripAreStillDrawn) {
    TBtnStatusBar bar;
    bar.resize(200, 19);
    const QColor face = bar.palette().color(QPalette::Button);
    bar.SetColor(face);
    const QImage image = Render(bar);
    const QColor shade(face.red() - static_cast<int>(face.red() * 0.10),
                       face.green() - static_cast<int>(face.green() * 0.06),
                       face.blue() - static_cast<int>(face.blue() * 0.03));
    EXPECT_TRUE(SameRgb(image.pixel(100, 0), shade));
    EXPECT_TRUE(SameRgb(image.pixel(100, 2), shade));
    EXPECT_TRUE(SameRgb(image.pixel(100, 10), face));
    EXPECT_TRUE(SameRgb(image.pixel(200 - 3, 19 - 3), bar.palette().color(QPalette::Light)));
    EXPECT_TRUE(SameRgb(image.pixel(200 - 20, 10), bar.palette().color(QPalette::Dark)));
}
