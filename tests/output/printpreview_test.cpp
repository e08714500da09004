#include "output/ui/printpreview.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "output/ui/previewpaper.h"
#include "sheetfixture.h"

namespace {

constexpr platform::PrinterPage kA4At600{4960, 7016, 600, 600};

class PrintPreviewTest : public SheetFixture {
protected:
    // A preview of the default sheet, with room for about six items per page.
    TfPreview& Open(int fontCount, QSize size = {1200, 700}) {
        FillNumbered(fontCount);
        TPrintInfo info = Sheet(0, 0, 96);
        info.TextHeight = 120;
        preview = std::make_unique<TfPreview>(fonts, info, kA4At600, faces);
        preview->resize(size);
        preview->show();
        QApplication::processEvents();
        return *preview;
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = preview->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString Status() { return Find<QLabel>("lStatus")->text(); }
    bool Enabled(const char* button) { return Find<QPushButton>(button)->isEnabled(); }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

    std::unique_ptr<TfPreview> preview;
};

TEST_F(PrintPreviewTest, AListOnOnePageLeavesTheNavigationDisabled) {
    Open(3);
    EXPECT_EQ(preview->PageCount(), 1);
    EXPECT_EQ(Status(), "1 page / 1 pages");
    for (const char* button : {"bFirst", "bPrev", "bNext", "bLast"}) {
        EXPECT_FALSE(Enabled(button)) << button;
    }
    EXPECT_EQ(Find<QComboBox>("cbZoom")->currentText(), "100%");
    // The paper is the printer's page in screen pixels.
    EXPECT_EQ(Find<TPreviewPaper>("pbPaper")->size(), QSize(4960 * 96 / 600, 7016 * 96 / 600));
}

TEST_F(PrintPreviewTest, AnEmptyListShowsTheBorderOnlyAndPageOneOfNone) {
    Open(0);
    EXPECT_EQ(Status(), "1 page / 0 pages");
    EXPECT_FALSE(Enabled("bNext"));
    EXPECT_FALSE(Enabled("bLast"));
    const QImage page = Find<TPreviewPaper>("pbPaper")->Page();
    EXPECT_EQ(page.pixelColor(0, 0), QColor(128, 128, 128));
    EXPECT_EQ(page.pixelColor(page.width() - 1, page.height() - 1), QColor(128, 128, 128));
    for (int y = 1; y < page.height() - 1; y += 7) {
        for (int x = 1; x < page.width() - 1; x += 7) {
            ASSERT_EQ(page.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
        }
    }
}

TEST_F(PrintPreviewTest, ButtonsTurnThePagesAndFollowThePosition) {
    Open(25);
    const int count = preview->PageCount();
    ASSERT_GT(count, 2);
    EXPECT_TRUE(Enabled("bNext"));
    EXPECT_TRUE(Enabled("bLast"));
    const QImage first = Find<TPreviewPaper>("pbPaper")->Page();
    Click("bFirst");  // already there: nothing
    EXPECT_EQ(preview->CurrentPage(), 1);
    auto* scroll = Find<QScrollArea>("sbPaper")->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    Click("bNext");
    EXPECT_EQ(preview->CurrentPage(), 2);
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_NE(Find<TPreviewPaper>("pbPaper")->Page(), first);
    EXPECT_TRUE(Enabled("bFirst"));
    EXPECT_TRUE(Enabled("bPrev"));
    Click("bPrev");
    EXPECT_EQ(preview->CurrentPage(), 1);
    EXPECT_FALSE(Enabled("bFirst"));
    EXPECT_FALSE(Enabled("bPrev"));
    Click("bLast");
    EXPECT_EQ(preview->CurrentPage(), count);
    EXPECT_EQ(Status(), QStringLiteral("%1 page / %1 pages").arg(count));
    EXPECT_FALSE(Enabled("bNext"));
    EXPECT_FALSE(Enabled("bLast"));
}

TEST_F(PrintPreviewTest, HalfSizePaperIsCentredAndDoubleSizePaperScrolls) {
    Open(5, {1400, 700});
    auto* area = Find<QScrollArea>("sbPaper");
    auto* paper = Find<TPreviewPaper>("pbPaper");
    auto* zoom = Find<QComboBox>("cbZoom");
    zoom->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_EQ(paper->width(), static_cast<int>(0.5 * 793));
    EXPECT_EQ(paper->x(), (area->viewport()->width() - paper->width()) / 2);

    zoom->setCurrentIndex(4);
    QApplication::processEvents();
    EXPECT_EQ(paper->size(), QSize(2 * 793, 2 * 1122));
    EXPECT_EQ(paper->x(), 0);
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), paper->width() - area->viewport()->width());
    EXPECT_EQ(area->verticalScrollBar()->maximum(), paper->height() - area->viewport()->height());
}

TEST_F(PrintPreviewTest, ArrowKeysScrollByLinesBeforeTheControlsSeeThemAndEscapeCloses) {
    Open(5);
    auto* zoom = Find<QComboBox>("cbZoom");
    zoom->setFocus();
    auto* scroll = Find<QScrollArea>("sbPaper")->verticalScrollBar();
    const int step = scroll->singleStep();
    QTest::keyClick(zoom, Qt::Key_Down);
    EXPECT_EQ(scroll->value(), step);
    QTest::keyClick(zoom, Qt::Key_Right);
    EXPECT_EQ(scroll->value(), 2 * step);
    QTest::keyClick(zoom, Qt::Key_Up);
    QTest::keyClick(zoom, Qt::Key_Left);
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(zoom->currentIndex(), 2);
    QTest::keyClick(zoom, Qt::Key_Escape);
    EXPECT_FALSE(preview->isVisible());
}

}  // namespace
