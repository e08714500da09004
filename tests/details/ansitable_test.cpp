#include "details/ansitable.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <map>

#include "catalogue/fontinfo.h"
#include "details/chartablemodel.h"
#include "details/largechar.h"
#include "details/propersize.h"
#include "detailsfixture.h"
#include "fakes/fakefonttable.h"
#include "platform/linux/freetypecharactermap.h"

namespace {

class TfCharTableTest : public DetailsFixture {
protected:
    void SetUp() override {
        if (!HaveDejaVu()) {
            GTEST_SKIP() << "fonts-dejavu-core is not installed";
        }
        fontTable.SetResolved("DejaVu Sans Bold", {"DejaVu Sans", "Bold", true});
        services.fontTable = &fontTable;
        services.characterMap = &characterMap;
        record.SetFileName(kDejaVuBold);
        ASSERT_EQ(record.FullName(), "DejaVu Sans Bold");
        window = std::make_unique<TfCharTable>(services);
        window->ShowFont(record);
        window->show();
        QApplication::processEvents();
    }

    QModelIndex Cell(int column, int row) const {
        return window->sgTable->model()->index(row, column);
    }
    void ClickCell(int column, int row, bool twice = false) {
        window->sgTable->scrollTo(Cell(column, row));
        const QPoint at = window->sgTable->visualRect(Cell(column, row)).center();
        QWidget* viewport = window->sgTable->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        }
    }
    QString CellText(int column, int row) const {
        return window->sgTable->model()->data(Cell(column, row)).toString();
    }

    fakes::FakeFontTable fontTable;
    platform::FreeTypeCharacterMap characterMap;
    TFontInfo record;
    std::unique_ptr<TfCharTable> window;
};

TEST_F(TfCharTableTest, CaptionSizeAndComponents) {
    EXPECT_EQ(window->windowTitle(), "Character Map -  DejaVu Sans Bold");
    EXPECT_EQ(window->size(), QSize(495, 438));
    EXPECT_EQ(window->sgTable->model()->columnCount(), 16);
    EXPECT_EQ(window->sgTable->model()->rowCount(), 12);
    EXPECT_EQ(window->sgTable->horizontalHeader()->sectionSize(0), 28);  // 27 and a grid line
    EXPECT_EQ(window->sgTable->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(window->sgTable->showGrid());
    EXPECT_EQ(window->pbChar->size(), QSize(141, 131));
    EXPECT_EQ(window->bbSelect->text(), "&Select");
    EXPECT_EQ(window->bbCopy->text(), "&Copy");
    EXPECT_EQ(window->Hex->text(), "0021");
    EXPECT_EQ(window->Decimal->text(), "33");
    EXPECT_EQ(window->pbChar->Text(), "!");
    EXPECT_TRUE(window->eChars->text().isEmpty());
    EXPECT_FALSE(window->cbAllChars->isChecked());
    for (const char* name :
         {"sgTable", "pbChar", "eChars", "bbSelect", "bbCopy", "Hex", "Decimal"}) {
        EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << name;
    }
}

TEST_F(TfCharTableTest, CellsHoldTheCodes33To126Then160To255) {
    struct Case {
        int column, row;
        const char* hex;
        const char* decimal;
        QString text;
    };
    const Case cases[] = {
        {0, 0, "0021", "33", "!"},
        {13, 5, "007E", "126", "~"},
        {14, 5, "00A0", "160", ""},  // the no-break space stays empty
        {15, 5, "00A1", "161", QString(QChar(0xA1))},
        {13, 11, "00FF", "255", QString(QChar(0xFF))},
    };
    for (const Case& c : cases) {
        ClickCell(c.column, c.row);
        EXPECT_EQ(window->Hex->text(), c.hex) << c.decimal;
        EXPECT_EQ(window->Decimal->text(), c.decimal);
        EXPECT_EQ(CellText(c.column, c.row), c.text) << c.decimal;
        EXPECT_EQ(window->pbChar->Text(), c.text) << c.decimal;
    }
    EXPECT_TRUE(CellText(14, 11).isEmpty());
    EXPECT_EQ(window->sgTable->model()->flags(Cell(14, 11)), Qt::NoItemFlags);
}

TEST_F(TfCharTableTest, SelectDoubleClickAndEnterAppendTheCurrentCharacter) {
    ClickCell(0, 0);
    QTest::mouseClick(window->bbSelect, Qt::LeftButton);
    QTest::mouseClick(window->bbSelect, Qt::LeftButton);
    EXPECT_EQ(window->eChars->text(), "!!");
    ClickCell(1, 0, true);
    EXPECT_EQ(window->eChars->text(), "!!\"");
    window->sgTable->setFocus();
    QTest::keyClick(window->sgTable, Qt::Key_Right);
    QTest::keyClick(window->sgTable, Qt::Key_Return);
    EXPECT_EQ(window->Decimal->text(), "35");
    EXPECT_EQ(window->eChars->text(), "!!\"#");
    // The collected text is appended to, whatever part of it was selected.
    window->eChars->selectAll();
    QTest::mouseClick(window->bbSelect, Qt::LeftButton);
    EXPECT_EQ(window->eChars->text(), "!!\"##");
}

TEST_F(TfCharTableTest, CopyPutsTheCollectedTextOnTheClipboard) {
    QApplication::clipboard()->setText("before");
    window->eChars->setText(QString::fromUtf8("A\xC3\xA9"));
    QTest::mouseClick(window->bbCopy, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("A\xC3\xA9"));
}

TEST_F(TfCharTableTest, ClickingTheLargeCharacterCopiesIt) {
    ClickCell(13, 11);
    QTest::mouseClick(window->pbChar, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QString(QChar(0xFF)));
    // The no-break space cell shows nothing: there is nothing to copy.
    ClickCell(14, 5);
    QTest::mouseClick(window->pbChar, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QString(QChar(0xFF)));
}

TEST_F(TfCharTableTest, EscapeClosesFromAnyControl) {
    for (QWidget* target :
         {static_cast<QWidget*>(window->sgTable), static_cast<QWidget*>(window->eChars)}) {
        window->show();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << target->objectName().toStdString();
    }
}

TEST_F(TfCharTableTest, EveryPartDrawsTheRecordsOwnFaceWithoutBorrowing) {
    const QFont fonts[] = {window->sgTable->font(), window->pbChar->CharFont(),
                           window->eChars->font()};
    for (const QFont& font : fonts) {
        EXPECT_EQ(font.families(), QStringList{"DejaVu Sans"});
        EXPECT_EQ(font.styleName(), "Bold");
        EXPECT_EQ(font.styleStrategy(), QFont::NoFontMerging);
    }
    EXPECT_EQ(window->eChars->font().pixelSize(), 19);
}

// The grid and the large character get the largest size whose line stays below 24 and 120
// pixels.
TEST_F(TfCharTableTest, SizesFitTheCellAndTheBox) {
    const auto lineHeight = [&](int points) {
        QFont font = window->sgTable->font();
        font.setPointSize(points);
        return QFontMetrics(font, window->pbChar).height();
    };
    const int grid = window->sgTable->font().pointSize();
    const int large = window->pbChar->property("tag").toInt();
    EXPECT_EQ(window->pbChar->CharFont().pointSize(), large);
    EXPECT_LT(lineHeight(grid), 24);
    EXPECT_GE(lineHeight(grid + 1), 24);
    EXPECT_LT(lineHeight(large), 120);
    EXPECT_GE(lineHeight(large + 1), 120);
}

TEST_F(TfCharTableTest, AllCharactersShowsTheFontsMapWithItsCount) {
    std::vector<char32_t> codes = characterMap.CodePoints(kDejaVuBold, 0);
    std::erase_if(codes, [](char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); });
    ASSERT_GT(codes.size(), 1000u);
    // On the box itself: the caption ends well before the check box's right edge.
    const QPoint box(6, window->cbAllChars->height() / 2);
    QTest::mouseClick(window->cbAllChars, Qt::LeftButton, {}, box);
    const int count = static_cast<int>(codes.size());
    EXPECT_EQ(window->sgTable->model()->rowCount(), (count + 15) / 16);
    EXPECT_EQ(window->windowTitle().toStdString(), "Character Map -  DejaVu Sans Bold (" +
                                                       QLocale().toString(count).toStdString() +
                                                       " characters)");
    EXPECT_EQ(CellText(0, 0), QString(QChar(codes[0])));
    EXPECT_EQ(window->Decimal->text(), QString::number(codes[0]));
    const int last = count - 1;
    ClickCell(last % 16, last / 16);
    EXPECT_EQ(window->Decimal->text(), QString::number(codes.back()));

    QTest::mouseClick(window->cbAllChars, Qt::LeftButton, {}, box);
    EXPECT_EQ(window->sgTable->model()->rowCount(), 12);
    EXPECT_EQ(window->windowTitle(), "Character Map -  DejaVu Sans Bold");
    EXPECT_EQ(window->Hex->text(), "0021");
}

TEST_F(TfCharTableTest, ExecuteRunsModally) {
    bool sawWindow = false;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<TfCharTable*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        sawWindow = shown->windowTitle() == "Character Map -  DejaVu Sans Bold";
        QTest::keyClick(shown->sgTable, Qt::Key_Escape);
    });
    TfCharTable::Execute(record, services, nullptr);
    EXPECT_TRUE(sawWindow);
}

TEST(GetProperFontSize, TakesTheLastSizeBelowTheTarget) {
    struct Case {
        const char* what;
        std::function<int(int)> heightAt;
        int target;
        int size;
    };
    const Case cases[] = {
        {"grows by 2 a point", [](int points) { return 2 * points; }, 24, 11},
        {"reaching counts", [](int points) { return points + 10; }, 24, 13},
        {"8 already too tall", [](int points) { return 30 + points; }, 24, 10},
        {"never tall enough", [](int) { return 5; }, 120, 99},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetProperFontSize(c.heightAt, c.target), c.size) << c.what;
    }
}

TEST(TFaceHeights, MeasuresEachSizeOnce) {
    QWidget device;
    TFaceHeights heights(QFont("DejaVu Sans"), &device);
    const int grid = heights.ProperSize(24);
    EXPECT_EQ(heights.MeasuredCount(), grid + 1 - kFirstTriedSize + 1);
    const int large = heights.ProperSize(120);
    const int measured = heights.MeasuredCount();
    EXPECT_EQ(measured, large + 1 - kFirstTriedSize + 1);
    EXPECT_EQ(heights.ProperSize(120), large);
    EXPECT_EQ(heights.ProperSize(24), grid);
    EXPECT_EQ(heights.MeasuredCount(), measured);
}

}  // namespace
