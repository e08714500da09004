#include "output/printlayout.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

#include "fakes/fakeprinter.h"
#include "fakes/recordingdevice.h"
#include "sheetfixture.h"

namespace {

using fakes::DrawnPage;
using fakes::FakePrinter;

constexpr int kA4Width600 = 4960;
constexpr int kA4Height600 = 7016;

std::vector<QString> ItemNames(const DrawnPage& page) {
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\. "));
    std::vector<QString> names;
    for (const QString& text : page.Texts()) {
        if (numbered.match(text).hasMatch()) {
            names.push_back(text);
        }
    }
    return names;
}

class PrintLayoutTest : public SheetFixture {
protected:
    PrintLayoutTest() : printer("Laser", {kA4Width600, kA4Height600, 600, 600}) {}

    // The default sheet on the printer, its height cut so that exactly items items fit.
    TPrintInfo RoomFor(int items) {
        TPrintInfo info = Sheet(kA4Width600, kA4Height600, 600);
        CalcPrintLayout(printer.Canvas(), fonts, info);
        info.PageHeight =
            info.MarginTop + info.MarginBottom + items * info.ItemHeight + info.ItemHeight / 2;
        info.TextHeight = 0;
        CalcPrintLayout(printer.Canvas(), fonts, info);
        return info;
    }

    const FakePrinter::Document& Print(TPrintInfo& info) {
        std::string error;
        QPainter* painter = printer.BeginDoc("Glyphwell Viewer", "", error);
        info.Printer = &printer;
        DrawPrintPages(*painter, fonts, info, faces);
        printer.EndDoc(error);
        return printer.Documents().back();
    }

    FakePrinter printer;
};

TEST_F(PrintLayoutTest, TwentyFiveFontsWithRoomForTenGiveThreePagesTheLastWithFive) {
    FillNumbered(25);
    TPrintInfo info = RoomFor(10);
    EXPECT_EQ(info.ItemsPerPage, 10);
    EXPECT_EQ(info.PageCount, 3);
    const auto& document = Print(info);
    ASSERT_EQ(document.pages.size(), 3u);
    EXPECT_EQ(ItemNames(document.pages[0]).size(), 10u);
    EXPECT_EQ(ItemNames(document.pages[2]),
              (std::vector<QString>{"21. Font 21", "22. Font 22", "23. Font 23", "24. Font 24",
                                    "25. Font 25"}));
    EXPECT_NE(document.pages[2].Find("3 of 3 pages"), nullptr);
}

TEST_F(PrintLayoutTest, RangeAndFilterSelectThePages) {
    const struct {
        int from, to, filter;
        std::vector<int> pages;
    } cases[] = {
        {-1, -1, 0, {1, 2, 3, 4, 5}},
        {-1, -1, 1, {1, 3, 5}},
        {-1, -1, 2, {2, 4}},
        {2, 3, 1, {3}},
        {2, 2, 0, {2}},
        {4, 9, 0, {4, 5}},
        {3, 2, 0, {}},
        {7, 8, 0, {}},
        {0, 0, 0, {}},
    };
    for (const auto& c : cases) {
        TPrintInfo info;
        info.PageCount = 5;
        info.FromPage = c.from;
        info.ToPage = c.to;
        info.PageFilter = c.filter;
        EXPECT_EQ(SelectedPages(info), c.pages) << c.from << "-" << c.to << " filter " << c.filter;
    }
}

TEST_F(PrintLayoutTest, TheFirstDrawnPageStartsWithoutAPageBreak) {
    FillNumbered(25);
    TPrintInfo info = RoomFor(10);
    info.FromPage = 2;
    info.ToPage = 3;
    const auto& document = Print(info);
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_EQ(ItemNames(document.pages[0]).front(), "11. Font 11");
    EXPECT_NE(document.pages[0].Find("2 of 3 pages"), nullptr);
    EXPECT_NE(document.pages[1].Find("3 of 3 pages"), nullptr);
}

TEST_F(PrintLayoutTest, FileNamesFollowTheCheckBoxAndTheViewsPathSetting) {
    AddFileFont("Alpha", "sub/alpha.ttf");
    const std::string fullPath = fonts.GetItems(0).FileName();
    TPrintInfo info = RoomFor(10);

    info.PrintFileName = false;
    EXPECT_EQ(Print(info).pages[0].Find("alpha.ttf"), nullptr);
    EXPECT_EQ(Print(info).pages[0].Find(QString::fromStdString(fullPath)), nullptr);

    info.PrintFileName = true;
    const DrawnPage page = Print(info).pages[0];
    const fakes::DrawnText* file = page.Find("alpha.ttf");
    ASSERT_NE(file, nullptr);
    // Right-aligned 4 dots inside the right margin.
    const double right = file->origin.x() +
                         QFontMetrics(file->font, &printer.Canvas()).horizontalAdvance(file->text);
    EXPECT_NEAR(right, info.PageWidth - info.MarginRight - 4, 1.0);

    info.ShowFullPath = true;
    EXPECT_NE(Print(info).pages[0].Find(QString::fromStdString(fullPath)), nullptr);
}

TEST_F(PrintLayoutTest, TextIsMeasuredOnTheTargetDevice) {
    FillNumbered(3);
    fakes::RecordingDevice screen(794, 1123, 96);
    TPrintInfo onScreen = Sheet(794, 1123, 96);
    TPrintInfo onPrinter = Sheet(kA4Width600, kA4Height600, 600);
    CalcPrintLayout(screen, fonts, onScreen);
    CalcPrintLayout(printer.Canvas(), fonts, onPrinter);
    const double ratio = 600.0 / 96.0;
    EXPECT_NEAR(onPrinter.NameHeight, onScreen.NameHeight * ratio,
                onScreen.NameHeight * 0.15 * ratio);
    EXPECT_NEAR(onPrinter.TextHeight, onScreen.TextHeight * ratio,
                onScreen.TextHeight * 0.15 * ratio);
    // A height given in advance is kept.
    TPrintInfo fixed = Sheet(kA4Width600, kA4Height600, 600);
    fixed.TextHeight = 500;
    CalcPrintLayout(printer.Canvas(), fonts, fixed);
    EXPECT_EQ(fixed.TextHeight, 500);
    EXPECT_EQ(fixed.ItemHeight, fixed.NameHeight + 36 + (500 + 36));
}

TEST_F(PrintLayoutTest, SampleLinesShareTheItemInTheFontsOwnFace) {
    fontTable.SetResolved("Font 1", {"DejaVu Sans", "Bold", true});
    FillNumbered(1);
    TPrintInfo info = Sheet(kA4Width600, kA4Height600, 600);
    info.SampleText = "One\r\nTwo\n";
    info.LineCount = 2;
    CalcPrintLayout(printer.Canvas(), fonts, info);
    EXPECT_EQ(info.ItemHeight, info.NameHeight + 36 + (info.TextHeight + 36) * 2);
    const DrawnPage page = Print(info).pages[0];
    const fakes::DrawnText* one = page.Find("One");
    const fakes::DrawnText* two = page.Find("Two");
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    const int slot = static_cast<int>((info.ItemHeight - info.NameHeight - 600 * 0.041) / 2);
    EXPECT_EQ(one->clip.height(), slot);
    EXPECT_EQ(two->clip.top(), one->clip.top() + slot);
    EXPECT_EQ(one->clip.left(), info.MarginLeft + 60);
    EXPECT_EQ(one->font.families().value(0), "DejaVu Sans");
    EXPECT_EQ(one->font.styleName(), "Bold");
    EXPECT_TRUE(one->font.styleStrategy() & QFont::NoFontMerging);
    EXPECT_EQ(one->color, QColor(Qt::black));
}

TEST_F(PrintLayoutTest, WithoutSampleLinesOnlyTheNameLinesArePrinted) {
    FillNumbered(2);
    TPrintInfo info = Sheet(kA4Width600, kA4Height600, 600);
    info.SampleText = "";
    info.LineCount = 0;
    CalcPrintLayout(printer.Canvas(), fonts, info);
    EXPECT_EQ(info.ItemHeight, info.NameHeight + 36);
    const DrawnPage page = Print(info).pages[0];
    for (const fakes::DrawnText& text : page.texts) {
        EXPECT_FALSE(text.font.styleStrategy() & QFont::NoFontMerging) << text.text.toStdString();
    }
    EXPECT_EQ(ItemNames(page).size(), 2u);
}

TEST_F(PrintLayoutTest, MarginsTallerThanThePageGiveNoPages) {
    FillNumbered(5);
    TPrintInfo info = Sheet(kA4Width600, kA4Height600, 600);
    info.MarginTop = 4000;
    info.MarginBottom = 3100;
    CalcPrintLayout(printer.Canvas(), fonts, info);
    EXPECT_EQ(info.PageCount, 0);
    EXPECT_TRUE(SelectedPages(info).empty());
}

TEST_F(PrintLayoutTest, HeaderAndFooterFrameEveryPage) {
    FillNumbered(25);
    TPrintInfo info = RoomFor(10);
    info.TitleColor = 0x0000FF;  // red
    const auto& document = Print(info);
    for (const DrawnPage& page : document.pages) {
        ASSERT_EQ(page.lines.size(), 1u);
        const fakes::DrawnLine& rule = page.lines[0];
        EXPECT_EQ(rule.line.x1(), info.MarginLeft);
        EXPECT_EQ(rule.line.x2(), info.PageWidth - info.MarginRight);
        EXPECT_EQ(rule.line.y1(), info.MarginTop - 42);
        EXPECT_EQ(rule.width, 6);  // 600 dots per inch against the screen's 96
        const fakes::DrawnText* header = page.Find("Font List by Glyphwell");
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->color, QColor(Qt::red));
        const fakes::DrawnText* title = page.Find("Sheet");
        ASSERT_NE(title, nullptr);
        const double width =
            QFontMetrics(title->font, &printer.Canvas()).horizontalAdvance(title->text);
        EXPECT_NEAR(title->origin.x() + width / 2, info.PageWidth / 2.0, 1.0);
        EXPECT_NE(page.Find("Font Size: 16 pt"), nullptr);
        const fakes::DrawnText* credit = page.Find("Printed with Glyphwell Viewer");
        ASSERT_NE(credit, nullptr);
        EXPECT_GT(credit->origin.y(), info.PageHeight - info.MarginBottom);
    }
}

}  // namespace
