#include "details/properties.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "catalogue/fontinfo.h"
#include "detailsfixture.h"
#include "platform/language.h"
#include "support/truetypebuilder.h"

namespace {

using testsupport::kLangEnglish;
using testsupport::kLangKorean;
using testsupport::TrueTypeBuilder;

// "한글 글꼴" (Hangul font).
const std::string kKoreanFull = "\xED\x95\x9C\xEA\xB8\x80 \xEA\xB8\x80\xEA\xBC\xB4";

class TfFontInfoTest : public DetailsFixture {
protected:
    std::string WriteNamed(const std::string& name, const std::string& family) {
        return WriteFont(name, TrueTypeBuilder().AllNames(kLangEnglish, family, "Regular").Build());
    }

    QStringList MetricTexts(const TfFontInfo& window) const {
        return {window.lHeight->text(),       window.lAscent->text(),
                window.lDescent->text(),      window.lLineGap->text(),
                window.lExtLeading->text(),   window.lIntLeading->text(),
                window.lAvgCharWidth->text(), window.lMaxCharWidth->text()};
    }

    // The eight values as the window must show them for the face path/index at 12 pixels.
    QStringList ExpectedMetrics(const std::string& path, int faceIndex) {
        const auto m = metrics.Get(path, faceIndex, 12);
        EXPECT_TRUE(m.has_value());
        QStringList texts;
        for (const int value : {m->height, m->ascent, m->descent, m->lineGap, m->externalLeading,
                                m->internalLeading, m->averageCharWidth, m->maxCharWidth}) {
            texts << QString::number(value) + " px";
        }
        return texts;
    }
};

TEST_F(TfFontInfoTest, CaptionSizeAndComponents) {
    TfFontInfo window(services);
    EXPECT_EQ(window.windowTitle(), "Properties");
    EXPECT_EQ(window.size(), QSize(402, 426));
    EXPECT_EQ(window.pcInfo->tabText(0), "General");
    EXPECT_EQ(window.pcInfo->tabText(1), "Metrics");
    for (const char* name : {"FontTitle", "FullName", "FamilyName", "Version", "FileName", "Folder",
                             "Size", "lHeight", "lAscent", "lDescent", "lLineGap", "lExtLeading",
                             "lIntLeading", "lAvgCharWidth", "lMaxCharWidth"}) {
        EXPECT_NE(window.findChild<QLabel*>(name), nullptr) << name;
    }
    for (const char* name : {"Copyright", "Trademark"}) {
        const auto* box = window.findChild<QPlainTextEdit*>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    const QStringList captions = {"Full Name :",
                                  "Family Name :",
                                  "Version :",
                                  "Filename :",
                                  "Folder :",
                                  "Size :",
                                  "Height :",
                                  "Ascent :",
                                  "Descent :",
                                  "LineGap :",
                                  "ExternalLeading :",
                                  "InternalLeading :",
                                  "Average Char Width :",
                                  "Max Char Width :"};
    QStringList shown;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        shown << label->text();
    }
    for (const QString& caption : captions) {
        EXPECT_TRUE(shown.contains(caption)) << caption.toStdString();
    }
    EXPECT_EQ(window.imMetrics->pixmap().size(), QSize(377, 225));
    EXPECT_EQ(window.bOK->text(), "OK");
    EXPECT_TRUE(window.bOK->isDefault());
}

TEST_F(TfFontInfoTest, ShowsTheNamesAndFileFacts) {
    const std::string path = WriteNamed("Alpha.ttf", "Alpha");
    TFontInfo record;
    record.SetFileName(path);
    TfFontInfo window(services);
    window.ShowFont(record, false);
    EXPECT_EQ(window.FontTitle->text(), "Alpha Regular");
    EXPECT_EQ(window.FullName->text(), "Alpha Regular");
    EXPECT_EQ(window.FamilyName->text(), "Alpha");
    EXPECT_EQ(window.Version->text(), "Version 1.0");
    EXPECT_EQ(window.Copyright->toPlainText(), "Alpha Copyright");
    EXPECT_EQ(window.Trademark->toPlainText(), "Alpha Trademark");
    EXPECT_EQ(window.FileName->text(), "Alpha.ttf");
    EXPECT_EQ(window.Folder->text(), QString::fromStdString(sandbox.Path() + "/work"));
    EXPECT_TRUE(window.pcInfo->isTabVisible(0));
    EXPECT_EQ(window.pcInfo->currentWidget(), window.tsGeneral);
}

TEST_F(TfFontInfoTest, NamesThatLookLikeMarkupShowAsWritten) {
    const std::string path = WriteNamed("markup.ttf", "<b>Bold</b>");
    TFontInfo record;
    record.SetFileName(path);
    TfFontInfo window(services);
    window.ShowFont(record, false);
    EXPECT_EQ(window.FamilyName->text(), "<b>Bold</b>");
    EXPECT_EQ(window.FamilyName->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.FontTitle->textFormat(), Qt::PlainText);
}

// A localised full name gets the English one in brackets; one equal to it, ignoring case,
// does not; neither does a font without an English full name.
TEST_F(TfFontInfoTest, TitleAddsADifferentEnglishNameInBrackets) {
    struct Case {
        const char* what;
        TrueTypeBuilder font;
        std::string title;
    };
    const Case cases[] = {
        {"Korean",
         TrueTypeBuilder()
             .AllNames(kLangEnglish, "Hangul", "Regular")
             .Name(kLangKorean, 4, kKoreanFull),
         kKoreanFull + " (Hangul Regular)"},
        {"same name", TrueTypeBuilder().Name(kLangEnglish, 4, "Same").Name(kLangKorean, 4, "SAME"),
         "SAME"},
        {"Korean only", TrueTypeBuilder().Name(kLangKorean, 4, kKoreanFull), kKoreanFull},
    };
    for (const Case& c : cases) {
        TFontInfo record(kLangKorean);
        record.SetFileName(WriteFont(std::string(c.what) + ".ttf", c.font.Build()));
        TfFontInfo window(services);
        window.ShowFont(record, false);
        EXPECT_EQ(window.FontTitle->text().toStdString(), c.title) << c.what;
        EXPECT_EQ(window.FullName->text(), window.FontTitle->text().section(" (", 0, 0)) << c.what;
    }
}

TEST_F(TfFontInfoTest, TitleOfACollectionFaceIsThatFacesEnglishName) {
    const std::string bytes =
        testsupport::CollectionBuilder()
            .Face(TrueTypeBuilder().AllNames(kLangEnglish, "First", "Regular"))
            .Face(TrueTypeBuilder()
                      .AllNames(kLangEnglish, "Second", "Regular")
                      .Name(kLangKorean, 4, kKoreanFull))
            .Build();
    const std::string path = WriteFont("pair.ttc", bytes);
    TFontInfo record(kLangKorean);
    record.SetFaceOffset(FaceOffsetIn(bytes, 1));
    record.SetFileName(path);
    TfFontInfo window(services);
    window.ShowFont(record, false);
    EXPECT_EQ(window.FontTitle->text().toStdString(), kKoreanFull + " (Second Regular)");
}

TEST_F(TfFontInfoTest, SizeHasThousandsSeparators) {
    std::string bytes = TrueTypeBuilder().AllNames(kLangEnglish, "Sized", "Regular").Build();
    bytes.resize(49152, '\0');
    TFontInfo record;
    record.SetFileName(WriteFont("sized.ttf", bytes));
    TfFontInfo window(services);
    window.ShowFont(record, false);
    EXPECT_EQ(window.Size->text(), "49,152 bytes");
}

TEST_F(TfFontInfoTest, OpeningTwiceReadsTheNameTableOnce) {
    const std::string path = WriteNamed("once.ttf", "Before");
    TFontInfo record;
    record.SetFileName(path);
    {
        TfFontInfo window(services);
        window.ShowFont(record, false);
        EXPECT_EQ(window.Copyright->toPlainText(), "Before Copyright");
    }
    EXPECT_TRUE(record.Loaded());
    // A reread would find the new names; the record keeps those it read.
    WriteNamed("once.ttf", "After");
    TfFontInfo window(services);
    window.ShowFont(record, false);
    EXPECT_EQ(window.Copyright->toPlainText(), "Before Copyright");
    EXPECT_EQ(window.FamilyName->text(), "Before");
}

TEST_F(TfFontInfoTest, ABrokenNameTableIsReportedOnceAndTheWindowStillFills) {
    TrueTypeBuilder font;
    font.Name(kLangEnglish, 4, "Broken").Name(kLangEnglish, 7, "A trademark cut short");
    std::string bytes = font.Build();
    bytes.resize(bytes.size() - 4);
    const std::string path = WriteFont("broken.ttf", bytes);
    TFontInfo record;
    record.SetFileName(path);
    TfFontInfo window(services);
    window.ShowFont(record, false);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, path + "\nInvalid TrueType Font! ErrorCode:6");
    EXPECT_EQ(window.FontTitle->text(), "Broken");
    EXPECT_EQ(window.FileName->text(), "broken.ttf");
}

TEST_F(TfFontInfoTest, AScreenFontOpensOnMetricsOnlyWithItsFamilysMetrics) {
    if (!HaveDejaVu()) {
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    }
    const std::string installed = sandbox.CopyFile(kDejaVuSans, "data/fonts/DejaVuSans.ttf");
    sandbox.ReloadFonts();
    TFontInfo record;
    record.SetFullName("DejaVu Sans");
    TfFontInfo window(services);
    window.ShowFont(record, true);
    EXPECT_FALSE(window.pcInfo->isTabVisible(window.pcInfo->indexOf(window.tsGeneral)));
    EXPECT_TRUE(window.pcInfo->isTabVisible(window.pcInfo->indexOf(window.tsMetrics)));
    EXPECT_EQ(window.pcInfo->currentWidget(), window.tsMetrics);
    EXPECT_EQ(MetricTexts(window), ExpectedMetrics(installed, 0));
    EXPECT_EQ(window.lHeight->text(), "14 px");
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(TfFontInfoTest, ACollectionFaceGetsItsOwnMetrics) {
    if (!HaveDejaVu()) {
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    }
    const std::string bytes = CollectionOf({kDejaVuSans, kDejaVuBold});
    const std::string path = WriteFont("sans.ttc", bytes);
    TFontInfo record;
    record.SetFaceOffset(FaceOffsetIn(bytes, 1));
    record.SetFileName(path);
    ASSERT_EQ(record.FullName(), "DejaVu Sans Bold");
    TfFontInfo window(services);
    window.ShowFont(record, false);
    EXPECT_EQ(MetricTexts(window), ExpectedMetrics(kDejaVuBold, 0));
    EXPECT_NE(MetricTexts(window), ExpectedMetrics(kDejaVuSans, 0));
}

TEST_F(TfFontInfoTest, MetricsThatCannotBeReadStayEmpty) {
    TFontInfo withoutTables;  // the builder writes no OS/2 or hhea table
    withoutTables.SetFileName(WriteNamed("bare.ttf", "Bare"));
    TFontInfo unknownFamily;
    unknownFamily.SetFullName("No Such Family");
    const QStringList empty(8, QString());
    for (TFontInfo* record : {&withoutTables, &unknownFamily}) {
        TfFontInfo window(services);
        window.ShowFont(*record, record->FileName().empty());
        EXPECT_EQ(MetricTexts(window), empty) << record->FullName();
    }
    platform::Services none;
    TfFontInfo window(none);
    window.ShowFont(unknownFamily, true);
    EXPECT_EQ(MetricTexts(window), empty);
}

TEST_F(TfFontInfoTest, ExecuteRunsModallyAndOkOrEscapeCloses) {
    TFontInfo record;
    record.SetFileName(WriteNamed("modal.ttf", "Modal"));
    for (const bool useEscape : {false, true}) {
        bool sawWindow = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<TfFontInfo*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            sawWindow = window->FullName->text() == "Modal Regular";
            if (useEscape) {
                QTest::keyClick(window, Qt::Key_Escape);
            } else {
                QTest::mouseClick(window->bOK, Qt::LeftButton);
            }
        });
        TfFontInfo::Execute(record, false, services, nullptr);
        EXPECT_TRUE(sawWindow);
    }
}

}  // namespace
