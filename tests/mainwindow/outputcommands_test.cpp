#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "fakes/fakeprinter.h"
#include "mainwindow/commandfixture.h"
#include "output/exportpicture.h"
#include "output/samplehistory.h"
#include "render/samplefontcache.h"

namespace {

constexpr platform::PrinterPage kA4At600{4960, 7016, 600, 600};

class OutputCommandsTest : public CommandTest {
protected:
    static void ClickButton(QWidget& window, const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
    }

    std::string SandboxFile(const std::string& name) const { return sandbox_.Path() + "/" + name; }

    static QByteArray Start(const std::string& file, int bytes) {
        QFile read(QString::fromStdString(file));
        return read.open(QIODevice::ReadOnly) ? read.read(bytes) : QByteArray();
    }
};

TEST_F(OutputCommandsTest, PrintPrintsTheViewsFontsWithItsTextAndSize) {
    InstallFonts({"Alpha", "Beta", "Gamma"});
    TestMainForm& form = Open();
    fakes::FakePrinter laser("Laser", kA4At600);
    form.printer = &laser;
    View().Select(0, false);
    View().Select(2, false);
    Key(Qt::Key_S, Qt::AltModifier);  // the marked fonts only
    Key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(RunModal(Press(Qt::Key_P, Qt::ControlModifier),
                       [](QWidget& window) { ClickButton(window, "bPrint"); }),
              "fPrint");
    ASSERT_EQ(laser.Documents().size(), 1u);
    const fakes::FakePrinter::Document& sheet = laser.Documents()[0];
    EXPECT_EQ(sheet.title, "Glyphwell Viewer");
    ASSERT_EQ(sheet.pages.size(), 1u);
    const fakes::DrawnPage& page = sheet.pages[0];
    EXPECT_NE(page.Find("1. Alpha Regular"), nullptr);
    EXPECT_NE(page.Find("2. Gamma Regular"), nullptr);
    EXPECT_EQ(page.Find("3. "), nullptr);
    EXPECT_NE(page.Find("Font Size: 17 pt"), nullptr);
    EXPECT_NE(page.Find(QString::fromStdString(View().Text())), nullptr);
}

TEST_F(OutputCommandsTest, WithoutAPrinterTheSheetBecomesAPdfFileAndTheMarginsAreKept) {
    InstallFonts({"Alpha"});
    Open();
    EXPECT_EQ(RunModal(Click("tbPrint")), "fPrint");  // closed without printing
    EXPECT_FALSE(Ini().SectionExists("Print"));

    const std::string pdf = SandboxFile("sheet.pdf");
    dialogs_.QueueFile(pdf);
    QString printer;
    EXPECT_EQ(RunModal(Choose("N1", "Print1"),
                       [&](QWidget& window) {
                           printer = window.findChild<QLabel*>("lPrinter")->text();
                           ClickButton(window, "bPrint");
                       }),
              "fPrint");
    EXPECT_EQ(printer, "Printer: PDF file");
    EXPECT_EQ(Start(pdf, 5), "%PDF-");
    EXPECT_EQ(Ini().ReadString("Print", "Top", "?"), "26");
}

TEST_F(OutputCommandsTest, ExportSavesThePictureOfTheMarkedFontsInTheViewsLook) {
    InstallFonts({"Alpha", "Beta", "Gamma"});
    Open();
    View().SetColor(0x00FFFF);  // yellow
    Key(Qt::Key_B, Qt::ControlModifier);
    Key(Qt::Key_T, Qt::ControlModifier);
    View().Select(1, false);
    View().Select(2, false);
    const std::string png = SandboxFile("fonts.png");
    dialogs_.QueueFile(png);
    QSize shown;
    EXPECT_EQ(RunModal(Choose("N1", "ExportasBitmap1"),
                       [&](QWidget& window) {
                           shown = QSize(window.findChild<QSpinBox*>("seWidth")->value(),
                                         window.findChild<QSpinBox*>("seHeight")->value());
                           ClickButton(window, "bExport");
                       }),
              "fExportImage");

    TSampleFontCache faces(&table_);
    TExportLook look;
    look.fontStyle = fsBold;
    look.antiAlias = true;
    const TExportPicture expected({"Beta Regular", "Gamma Regular"},
                                  QString::fromStdString(View().Text()), look, faces);
    EXPECT_EQ(shown, QSize(static_cast<int>(expected.NaturalWidth()),
                           static_cast<int>(expected.NaturalHeight())));
    EXPECT_EQ(Start(png, 4), "\x89PNG");
    const QImage saved(QString::fromStdString(png));
    EXPECT_EQ(saved.size(), shown);
    EXPECT_EQ(saved.pixel(0, 0), qRgb(255, 255, 0));
}

TEST_F(OutputCommandsTest, TheSelectedViewExportsEveryFontShownOtherViewsOnlyMarkedOnes) {
    InstallFonts({"Alpha", "Beta"});
    Open();
    EXPECT_EQ(RunModal(Choose("N1", "ExportasBitmap1")), "");
    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(dialogs_.Calls()[0].text, "Please, select fonts you want to export as an image");

    View().Select(0, false);
    Key(Qt::Key_S, Qt::AltModifier);
    View().Select(0, true);  // unmarked, still shown
    EXPECT_EQ(RunModal(Choose("N1", "ExportasBitmap1")), "fExportImage");
    EXPECT_EQ(dialogs_.Calls().size(), 1u);
}

TEST_F(OutputCommandsTest, SampleTextsEditedFromEitherMenuFillTheBoxAndSurviveTheClose) {
    InstallFonts({"Alpha"});
    TestMainForm& form = Open();
    const std::vector<std::string> texts = {"  Indented", "\"Quoted\"", "Plain"};
    EXPECT_EQ(RunModal(Choose("Tools1", "SetSampleText1"),
                       [](QWidget& window) {
                           window.findChild<QPlainTextEdit*>("Memo1")->setPlainText(
                               "  Indented\n\n\"Quoted\"\nPlain");
                           ClickButton(window, "bSave");
                       }),
              "fSetText");
    auto* box = form.findChild<QComboBox*>("cbString");
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(0), "  Indented");
    EXPECT_EQ(ReadSampleTexts(Ini()), texts);

    QString memo;
    EXPECT_EQ(RunModal(Choose("SampleTextContext", "SetSampleText2"),
                       [&](QWidget& window) {
                           memo = window.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
                           ClickButton(window, "bCancel");
                       }),
              "fSetText");
    EXPECT_EQ(memo, "  Indented\n\"Quoted\"\nPlain");

    CloseForm();
    EXPECT_EQ(ReadSampleTexts(Ini()), texts);
    form_.reset();
    Open();
    EXPECT_EQ(form_->findChild<QComboBox*>("cbString")->itemText(1), "\"Quoted\"");
}

}  // namespace
