#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "viewfixture.h"

using Navigation = ViewFixture;

TEST_F(Navigation, ExactMultipleScrollsByOneRowPastTheLastVisible) {
    FillNumbered(20);
    SetClientRows(5);
    ASSERT_EQ(view->VisibleCount(), 5);
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(view.get(), Qt::Key_Down);
    }
    EXPECT_EQ(view->ItemIndex(), 4);
    EXPECT_EQ(view->TopItem(), 0);
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(view->ItemIndex(), 5);
    EXPECT_EQ(view->TopItem(), 1);
}

TEST_F(Navigation, LastRowShownLessThanEightyPercentIsScrolledIntoView) {
    FillNumbered(20);
    SetClientRows(5.5);
    ASSERT_EQ(view->VisibleCount(), 6);
    view->SetItemIndex(4);
    EXPECT_EQ(view->TopItem(), 0);
    view->SetItemIndex(5);
    EXPECT_EQ(view->TopItem(), 1);
}

TEST_F(Navigation, LastRowShownAtLeastEightyPercentCountsAsVisible) {
    FillNumbered(20);
    SetClientRows(5.9);
    view->SetItemIndex(5);
    EXPECT_EQ(view->TopItem(), 0);
    view->SetItemIndex(6);
    EXPECT_EQ(view->TopItem(), 1);
}

TEST_F(Navigation, PageKeysHomeAndEndMoveAndScroll) {
    FillNumbered(20);
    SetClientRows(5);
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(view->ItemIndex(), 4);
    QTest::keyClick(view.get(), Qt::Key_End);
    EXPECT_EQ(view->ItemIndex(), 19);
    EXPECT_EQ(view->TopItem(), 15);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    EXPECT_EQ(view->ItemIndex(), 15);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->ItemIndex(), 14);
    EXPECT_EQ(view->TopItem(), 14);
    QTest::keyClick(view.get(), Qt::Key_Home);
    EXPECT_EQ(view->ItemIndex(), 0);
    EXPECT_EQ(view->TopItem(), 0);
}

TEST_F(Navigation, SpaceMarksAndMovesDownButStaysOnTheLastRow) {
    FillNumbered(3);
    QTest::keyClick(view.get(), Qt::Key_Space);
    EXPECT_EQ(view->ItemIndex(), 1);
    QTest::keyClick(view.get(), Qt::Key_End);
    QTest::keyClick(view.get(), Qt::Key_Space);
    EXPECT_EQ(view->ItemIndex(), 2);
    EXPECT_EQ(MarkedRows(), (std::vector<int>{0, 2}));
    QTest::keyClick(view.get(), Qt::Key_Space);
    EXPECT_EQ(MarkedRows(), (std::vector<int>{0}));
    EXPECT_EQ(CountOf("selected"), 3);
}

TEST_F(Navigation, ShiftArrowsMarkBothRowsButDoNothingAtTheEnds) {
    FillNumbered(4);
    QTest::keyClick(view.get(), Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(view.get(), Qt::Key_End);
    QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(MarkedRows().empty());
    EXPECT_EQ(CountOf("selected"), 0);
    QTest::keyClick(view.get(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(view->ItemIndex(), 2);
    EXPECT_EQ(MarkedRows(), (std::vector<int>{2, 3}));
    EXPECT_EQ(CountOf("selected"), 1);
}

TEST_F(Navigation, AltOrCtrlHeldLeavesTheKeysToTheWindowButStillReportsThem) {
    FillNumbered(4);
    std::vector<int> keys;
    QObject::connect(view.get(), &TXFontListView::keyDown,
                     [&](QKeyEvent* event) { keys.push_back(event->key()); });
    QTest::keyClick(view.get(), Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(view.get(), Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(view.get(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(view->ItemIndex(), 0);
    EXPECT_TRUE(MarkedRows().empty());
    EXPECT_EQ(std::count(keys.begin(), keys.end(), Qt::Key_Down), 2);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), Qt::Key_Space), 1);
}

TEST_F(Navigation, EmptyListIgnoresKeysEntirely) {
    QSignalSpy keys(view.get(), &TXFontListView::keyDown);
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClicks(view.get(), "ab");
    EXPECT_EQ(view->ItemIndex(), -1);
    EXPECT_EQ(view->TopItem(), -1);
    EXPECT_EQ(keys.count(), 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(Navigation, KeypadPlusAndMinusChangeTheSizeWithinFiveToHundred) {
    FillNumbered(2);
    const int height = view->ItemHeight();
    QTest::keyClick(view.get(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(view->FontSize(), 17);
    QTest::keyClick(view.get(), Qt::Key_Plus);  // the main keyboard's plus is only typing
    EXPECT_EQ(view->FontSize(), 17);
    QTest::keyClick(view.get(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(view->FontSize(), 16);
    EXPECT_EQ(CountOf("size"), 2);
    EXPECT_EQ(view->ItemHeight(), height);

    events.clear();
    view->SetFontSize(4);
    view->SetFontSize(101);
    EXPECT_EQ(view->FontSize(), 16);
    view->SetFontSize(100);
    EXPECT_EQ(CountOf("size"), 1);
    EXPECT_GT(view->ItemHeight(), height + 50);
}

TEST_F(Navigation, TopItemIsClampedAndDrivesTheScrollBar) {
    FillNumbered(20);
    SetClientRows(5);
    QScrollBar* bar = view->verticalScrollBar();
    EXPECT_EQ(bar->maximum(), 16);  // range 0 ... count with a page of VisibleCount
    EXPECT_EQ(bar->pageStep(), 5);
    view->SetTopItem(100);
    EXPECT_EQ(view->TopItem(), 16);
    EXPECT_EQ(bar->value(), 16);
    view->SetTopItem(-3);
    EXPECT_EQ(view->TopItem(), 0);
}

TEST_F(Navigation, ScrollBarActionsMoveTheTopRow) {
    FillNumbered(20);
    SetClientRows(5);
    QScrollBar* bar = view->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(view->TopItem(), 5);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(view->TopItem(), 4);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(view->TopItem(), 16);
    EXPECT_EQ(bar->value(), 16);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(view->TopItem(), 0);
    EXPECT_EQ(view->ItemIndex(), 0);  // scrolling leaves the focus where it was
}

TEST_F(Navigation, TheListFollowsEveryChangeOfTheScrollBarsValue) {
    FillNumbered(20);
    SetClientRows(5);
    QScrollBar* bar = view->verticalScrollBar();
    bar->setValue(7);
    EXPECT_EQ(view->TopItem(), 7);
    // The bar's own menu: "Scroll here" near the bottom end of the bar.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_Down);
        ASSERT_EQ(menu->activeAction()->text(), "Scroll here");
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint nearBottom(bar->width() / 2, bar->height() - bar->width() - 2);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, nearBottom, bar->mapToGlobal(nearBottom));
    QApplication::sendEvent(bar, &menuEvent);
    EXPECT_GT(bar->value(), 7);
    EXPECT_EQ(view->TopItem(), bar->value());
    EXPECT_EQ(view->ItemIndex(), 0);
}

TEST_F(Navigation, NewContentKeepsAValidFocusAndResetsOthers) {
    FillNumbered(10);
    view->SetItemIndex(3);
    QTest::keyClicks(view.get(), "F");
    ASSERT_FALSE(view->QSText().empty());
    events.clear();
    view->Items().Assign(std::vector<std::string>{"A", "B", "C", "D", "E"});
    EXPECT_EQ(view->ItemIndex(), 3);
    EXPECT_EQ(view->QSText(), "");
    EXPECT_EQ(events, (std::vector<std::string>{"change", "selected"}));
    view->Items().Assign(std::vector<std::string>{"A", "B"});
    EXPECT_EQ(view->ItemIndex(), 0);
    EXPECT_EQ(view->TopItem(), 0);
    view->Items().Clear();
    EXPECT_EQ(view->ItemIndex(), -1);
    EXPECT_EQ(view->TopItem(), -1);
}
