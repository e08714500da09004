#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "viewfixture.h"

using Selection = ViewFixture;

namespace {

QPoint RowPoint(const TXFontListView& view, int row) {
    return QPoint(50, row * view.ItemHeight() + view.ItemHeight() / 2);
}

}  // namespace

TEST_F(Selection, ClickFocusesTheRowUnderThePointer) {
    FillNumbered(10);
    SetClientRows(5);
    view->SetTopItem(2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, RowPoint(*view, 1));
    EXPECT_EQ(view->ItemIndex(), 3);
    EXPECT_TRUE(MarkedRows().empty());
    EXPECT_TRUE(events.empty());
}

TEST_F(Selection, ShiftClickReplacesTheMarksWithTheRangeAndCtrlAddsIt) {
    FillNumbered(10);
    SetClientRows(8);
    view->Select(7, false);
    view->SetItemIndex(4);
    events.clear();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, RowPoint(*view, 2));
    EXPECT_EQ(MarkedRows(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(view->ItemIndex(), 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                      RowPoint(*view, 6));
    EXPECT_EQ(MarkedRows(), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(CountOf("selected"), 2);
}

TEST_F(Selection, CtrlClickTogglesOneRow) {
    FillNumbered(5);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(*view, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(*view, 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(*view, 1));
    EXPECT_EQ(MarkedRows(), (std::vector<int>{2}));
    EXPECT_EQ(view->ItemIndex(), 1);
    EXPECT_EQ(CountOf("selected"), 3);
}

TEST_F(Selection, ClicksBelowTheLastRowMarkOnlyExistingRows) {
    FillNumbered(3);
    SetClientRows(6);
    const QPoint belowLast = RowPoint(*view, 5);
    ASSERT_EQ(view->GetItemAt(belowLast.x(), belowLast.y()), 5);
    QSignalSpy mouse(view.get(), &TXFontListView::mouseDown);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, belowLast);
    EXPECT_TRUE(MarkedRows().empty());
    EXPECT_EQ(view->ItemIndex(), 2);
    view->SetItemIndex(1);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, belowLast);
    EXPECT_EQ(MarkedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(view->ItemIndex(), 2);
    EXPECT_EQ(mouse.count(), 2);
}

TEST_F(Selection, GetItemAtCountsFromTheTopRowAndIgnoresPointsOutside) {
    FillNumbered(10);
    SetClientRows(4);
    view->SetTopItem(3);
    EXPECT_EQ(view->GetItemAt(5, 0), 3);
    EXPECT_EQ(view->GetItemAt(5, view->ItemHeight() * 2 + 1), 5);
    EXPECT_EQ(view->GetItemAt(-1, 5), -1);
    EXPECT_EQ(view->GetItemAt(5, view->viewport()->height()), -1);
    view->Items().Clear();
    EXPECT_EQ(view->GetItemAt(5, 5), -1);
}

TEST_F(Selection, SelectAllClearsWhenAnyIsMarkedAndMarksAllOtherwise) {
    FillNumbered(4);
    view->Select(2, false);
    view->SelectAll();
    EXPECT_TRUE(MarkedRows().empty());
    view->SelectAll();
    EXPECT_EQ(MarkedRows(), (std::vector<int>{0, 1, 2, 3}));
    view->Select(1, true);
    view->InvertSelection();
    EXPECT_EQ(MarkedRows(), (std::vector<int>{1}));
    EXPECT_EQ(CountOf("selected"), 5);
}

TEST_F(Selection, SelectOutsideTheListThrowsTheListIndexError) {
    FillNumbered(2);
    try {
        view->Select(2, false);
        FAIL() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds(2)");
    }
    EXPECT_EQ(CountOf("selected"), 0);
}
