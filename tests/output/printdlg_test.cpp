#include "output/ui/printdlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "fakes/fakeprinter.h"
#include "fakes/scripteddialogs.h"
#include "output/ui/colorswatch.h"
#include "output/ui/printpreview.h"
#include "platform/inifile.h"
#include "sheetfixture.h"
#include "support/sandbox.h"

namespace {

constexpr platform::PrinterPage kA4At600{4960, 7016, 600, 600};

class PrintDialogTest : public SheetFixture {
protected:
    PrintDialogTest()
        : printer("Laser", kA4At600),
          settingsFile(sandbox.HomeFolder() + "glyphwell.ini"),
          env{services, dialogs, settingsFile} {
        FillNumbered(25);
    }

    TfPrint& Open(const std::string& sizeText = "16") {
        dialog = std::make_unique<TfPrint>(TfPrint::Source{fonts, "Sample", sizeText, false},
                                           printer, env);
        dialog->show();
        return *dialog;
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString PagesLabel() { return Find<QLabel>("lPages")->text(); }

    void Type(const char* name, const QString& text) {
        auto* edit = Find<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void ClickPrint() { QTest::mouseClick(Find<QPushButton>("bPrint"), Qt::LeftButton); }

    Sandbox sandbox;
    fakes::ScriptedDialogs dialogs;
    fakes::FakePrinter printer;
    std::string settingsFile;
    TOutputEnv env;
    std::unique_ptr<TfPrint> dialog;
};

TEST_F(PrintDialogTest, StartsFromTheStoredMarginsAndColoursAndNamesThePrinter) {
    platform::IniFile file(settingsFile);
    file.WriteInteger("Print", "Top", 30);
    file.WriteInteger("Print", "Left", 5);
    file.WriteInteger("Print", "TitleColor", 255);
    Open();
    EXPECT_EQ(Find<QSpinBox>("seTop")->value(), 30);
    EXPECT_EQ(Find<QSpinBox>("seBottom")->value(), 12);
    EXPECT_EQ(Find<QSpinBox>("seLeft")->value(), 5);
    EXPECT_EQ(Find<TColorSwatch>("sTitle")->Color(), 255u);
    EXPECT_EQ(Find<QLabel>("lPrinter")->text(), "Printer: Laser");
    EXPECT_EQ(Find<QComboBox>("cbPrint")->currentText(), "All pages in range");
    EXPECT_TRUE(Find<QRadioButton>("rbAll")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("cbPrintFileName")->isChecked());
    EXPECT_EQ(Find<QPlainTextEdit>("mText")->toPlainText(), "Sample");
    // The line height of 16 points, in whole millimetres: about 6.
    EXPECT_GE(Find<QSpinBox>("seFontHeight")->value(), 5);
    EXPECT_LE(Find<QSpinBox>("seFontHeight")->value(), 8);
}

TEST_F(PrintDialogTest, PageCountFollowsMarginsHeightSizeAndLines) {
    Open();
    const QString start = PagesLabel();
    EXPECT_TRUE(start.startsWith("Total ")) << start.toStdString();
    Find<QSpinBox>("seTop")->setValue(100);
    Find<QSpinBox>("seBottom")->setValue(100);
    const QString smallRoom = PagesLabel();
    EXPECT_NE(smallRoom, start);
    Find<QSpinBox>("seFontHeight")->setValue(30);
    const QString tallLines = PagesLabel();
    EXPECT_NE(tallLines, smallRoom);
    Find<QSpinBox>("seFontHeight")->setValue(0);  // the measured line height of 16 points
    EXPECT_NE(PagesLabel(), tallLines);
    const QString measured = PagesLabel();
    // A size box that holds no number keeps the count; more sample lines need more pages.
    Find<QComboBox>("cbFontSize")->setEditText("abc");
    EXPECT_EQ(PagesLabel(), measured);
    Find<QComboBox>("cbFontSize")->setEditText("16");
    auto* memo = Find<QPlainTextEdit>("mText");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "Two");
    EXPECT_GT(PagesLabel().mid(6).section(' ', 0, 0).toInt(),
              measured.mid(6).section(' ', 0, 0).toInt());
    // Left and right margins do not change the count.
    const QString lines = PagesLabel();
    Find<QSpinBox>("seLeft")->setValue(90);
    EXPECT_EQ(PagesLabel(), lines);
}

TEST_F(PrintDialogTest, PrintsATitledJobAndKeepsMarginsAndColours) {
    Open();
    Find<QSpinBox>("seLeft")->setValue(20);
    dialogs.QueueColor(0x00FF00);
    QTest::mouseClick(Find<TColorSwatch>("sTitle"), Qt::LeftButton);
    Type("eTitle", "My fonts");
    ClickPrint();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(printer.Documents().size(), 1u);
    const auto& document = printer.Documents()[0];
    EXPECT_EQ(document.title, "Glyphwell Viewer");
    EXPECT_TRUE(document.ended);
    ASSERT_FALSE(document.pages.empty());
    const fakes::DrawnText* title = document.pages[0].Find("My fonts");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->color, QColor(0, 255, 0));
    const platform::IniFile file(settingsFile);
    EXPECT_EQ(file.ReadInteger("Print", "Left", 0), 20);
    EXPECT_EQ(file.ReadInteger("Print", "Top", 0), 26);
    EXPECT_EQ(file.ReadInteger("Print", "TitleColor", 0), 0x00FF00);
}

TEST_F(PrintDialogTest, InvalidRangesWarnAndKeepTheDialogOpen) {
    Open();
    for (const char* range : {"x", "2-", "-3", "2-3-4", "1.5"}) {
        Type("ePages", range);
        ClickPrint();
    }
    QTest::mouseClick(Find<QRadioButton>("rbPages"), Qt::LeftButton);
    Find<QLineEdit>("ePages")->clear();
    Find<QRadioButton>("rbPages")->setChecked(true);
    ClickPrint();
    ASSERT_EQ(dialogs.Calls().size(), 6u);
    for (const fakes::DialogCall& call : dialogs.Calls()) {
        EXPECT_EQ(call.text, "This is not a valid print range.");
        EXPECT_EQ(call.caption, "Warning");
        EXPECT_EQ(call.icon, platform::MsgIcon::Warning);
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(printer.Documents().empty());
    EXPECT_FALSE(platform::IniFile(settingsFile).SectionExists("Print"));
}

TEST_F(PrintDialogTest, TypingPagesChoosesTheRangeAndOddPagesOfItPrintOnlyPageThree) {
    Open();
    Find<QSpinBox>("seFontHeight")->setValue(70);  // few items per page: several pages
    Type("ePages", " 2 - 3 ");
    EXPECT_TRUE(Find<QRadioButton>("rbPages")->isChecked());
    Find<QComboBox>("cbPrint")->setCurrentIndex(1);
    ClickPrint();
    ASSERT_EQ(printer.Documents().size(), 1u);
    const auto& pages = printer.Documents()[0].pages;
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].Find("3 of "), nullptr);
    Find<QLineEdit>("ePages")->clear();
    EXPECT_TRUE(Find<QRadioButton>("rbAll")->isChecked());
}

TEST_F(PrintDialogTest, ARangeThatSelectsNoPageStartsNoJob) {
    Open();
    Type("ePages", "99");
    ClickPrint();
    EXPECT_TRUE(printer.Documents().empty());
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "This is not a valid print range.");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(PrintDialogTest, PrintingIntoAFileAsksForItsName) {
    fakes::FakePrinter pdf("PDF file", kA4At600, true);
    dialog = std::make_unique<TfPrint>(TfPrint::Source{fonts, "Sample", "16", false}, pdf, env);
    dialog->show();
    ClickPrint();  // cancelled
    EXPECT_TRUE(pdf.Documents().empty());
    EXPECT_TRUE(dialog->isVisible());
    dialogs.QueueFile("/tmp/sheet.pdf");
    ClickPrint();
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[1].kind, "SaveFileName");
    EXPECT_EQ(dialogs.Calls()[1].text, "PDF (*.pdf)");
    ASSERT_EQ(pdf.Documents().size(), 1u);
    EXPECT_EQ(pdf.Documents()[0].file, "/tmp/sheet.pdf");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(PrintDialogTest, AJobThatCannotStartIsReportedAndKeepsNoSettings) {
    Open();
    printer.FailNextBegin("Cannot write \"/x/sheet.pdf\": Permission denied");
    ClickPrint();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "Cannot write \"/x/sheet.pdf\": Permission denied");
    EXPECT_EQ(dialogs.Calls()[0].icon, platform::MsgIcon::Error);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(platform::IniFile(settingsFile).SectionExists("Print"));
}

TEST_F(PrintDialogTest, PrintSetupChangesThePrinterAndThePageCount) {
    Open();
    const QString before = PagesLabel();
    QTest::mouseClick(Find<QPushButton>("bPrintSetup"), Qt::LeftButton);  // cancelled
    EXPECT_EQ(Find<QLabel>("lPrinter")->text(), "Printer: Laser");
    printer.QueueSetup({"Tiny", {1000, 1400, 300, 300}});
    QTest::mouseClick(Find<QPushButton>("bPrintSetup"), Qt::LeftButton);
    EXPECT_EQ(printer.SetupCalls(), 2);
    EXPECT_EQ(Find<QLabel>("lPrinter")->text(), "Printer: Tiny");
    EXPECT_NE(PagesLabel(), before);
}

TEST_F(PrintDialogTest, SizesThatAreNoNumberPrintAtFourteenPoints) {
    Open("abc");
    ClickPrint();
    ASSERT_EQ(printer.Documents().size(), 1u);
    EXPECT_NE(printer.Documents()[0].pages[0].Find("Font Size: 14 pt"), nullptr);
}

TEST_F(PrintDialogTest, PreviewShowsEveryPageWithTheDialogsSettings) {
    Open();
    Find<QSpinBox>("seFontHeight")->setValue(70);
    Type("ePages", "3");
    Find<QComboBox>("cbPrint")->setCurrentIndex(2);
    const int pages = PagesLabel().section(' ', 1, 1).toInt();
    int shownPage = 0;
    int shownCount = 0;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<TfPreview*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        shownPage = preview->CurrentPage();
        shownCount = preview->PageCount();
        preview->reject();
    });
    QTest::mouseClick(Find<QPushButton>("bPreview"), Qt::LeftButton);
    EXPECT_EQ(shownPage, 1);
    EXPECT_EQ(shownCount, pages);
    EXPECT_GT(pages, 2);
    EXPECT_TRUE(printer.Documents().empty());
    EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
