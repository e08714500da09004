#include "controls/xptabbar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "pixels.h"

namespace {

const QColor TabLine(152, 152, 152);

struct XPTabBarTest : ::testing::Test {
    XPTabBarTest() {
        bar.resize(400, TXPTabBar::kTabHeight + 1);
        first = bar.AddTab("tbFirst", "First", "Alt+1");
        second = bar.AddTab("tbSecond", "Second", "Alt+2");
        bar.OnTabClick = [this](int index) { clicks.push_back(index); };
        bar.show();
        QApplication::processEvents();
    }

    // Whether the baseline's row is grey at x.
    bool LineAt(const QImage& image, int x) const {
        return SameRgb(image.pixel(x, TXPTabBar::kTabHeight), TabLine);
    }

    TXPTabBar bar;
    QToolButton* first = nullptr;
    QToolButton* second = nullptr;
    std::vector<int> clicks;
};

}  // namespace

TEST_F(XPTabBarTest, ClickPressesOneTabAndReportsItsIndex) {
    QTest::mouseClick(second, Qt::LeftButton);
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(clicks, (std::vector<int>{1, 0, 0}));
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
    EXPECT_EQ(second->property("tag").toInt(), 1);
    EXPECT_EQ(second->objectName().toStdString(), "tbSecond");
}

// The grey baseline runs under the whole strip and opens under the pressed tab only.
TEST_F(XPTabBarTest, BaselineOpensUnderThePressedTab) {
    first->setChecked(true);
    const QImage image = Render(bar);
    const int middleOfFirst = first->x() + first->width() / 2;
    const int middleOfSecond = second->x() + second->width() / 2;
    EXPECT_TRUE(LineAt(image, 0));
    EXPECT_FALSE(LineAt(image, middleOfFirst));
    EXPECT_TRUE(LineAt(image, middleOfSecond));
    EXPECT_TRUE(LineAt(image, bar.width() - 1));

    second->setChecked(true);
    const QImage after = Render(bar);
    EXPECT_TRUE(LineAt(after, middleOfFirst));
    EXPECT_FALSE(LineAt(after, middleOfSecond));
}

// A hidden last tab leaves no gap: the line runs on from the last tab shown.
TEST_F(XPTabBarTest, BaselineRunsOnWhereAHiddenTabWouldBe) {
    first->setChecked(true);
    second->hide();
    const QImage image = Render(bar);
    EXPECT_TRUE(LineAt(image, second->x() + 10));
    EXPECT_FALSE(LineAt(image, first->x() + first->width() / 2));
}
