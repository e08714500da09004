#include "output/ui/exportimage.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <set>

#include "fakes/scripteddialogs.h"
#include "platform/linux/qtfonttable.h"
#include "render/fontstyle.h"
#include "sheetfixture.h"
#include "support/sandbox.h"

namespace {

class ExportImageTest : public SheetFixture {
protected:
    ExportImageTest() : env{services, dialogs, ""} {}

    std::vector<std::string> Names(int count) {
        std::vector<std::string> names;
        for (int i = 1; i <= count; ++i) {
            names.push_back("Font " + std::to_string(i));
        }
        return names;
    }

    TfExportImage& Open(int fontCount, const std::string& text = "Sample") {
        dialog = std::make_unique<TfExportImage>(TExportLook{}, env);
        EXPECT_TRUE(dialog->Prepare(Names(fontCount), text));
        dialog->show();
        return *dialog;
    }

    QSpinBox* Spin(const char* name) {
        return dialog->findChild<QSpinBox*>(QString::fromLatin1(name));
    }
    QPushButton* ExportButton() { return dialog->findChild<QPushButton*>("bExport"); }
    std::string Path(const char* name) { return folder.filePath(name).toStdString(); }

    fakes::ScriptedDialogs dialogs;
    TOutputEnv env;
    std::unique_ptr<TfExportImage> dialog;
};

TEST_F(ExportImageTest, TheSelectedViewExportsEveryFontShownOtherViewsTheMarkedOnes) {
    FillNumbered(4);
    fonts.GetItems(1).SetSelected(true);
    fonts.GetItems(3).SetSelected(true);
    EXPECT_EQ(TExportPicture::ChosenFonts(fonts, true), Names(4));
    EXPECT_EQ(TExportPicture::ChosenFonts(fonts, false),
              (std::vector<std::string>{"Font 2", "Font 4"}));
}

TEST_F(ExportImageTest, NoMarkedFontIsToldAndOpensNothing) {
    FillNumbered(3);
    EXPECT_FALSE(TfExportImage::ExportFonts(fonts, false, TExportLook{}, "Sample", env, nullptr));
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "Please, select fonts you want to export as an image");
    EXPECT_EQ(dialogs.Calls()[0].caption, "");
    EXPECT_EQ(dialogs.Calls()[0].icon, platform::MsgIcon::Information);
}

TEST_F(ExportImageTest, AnEmptySampleTextShowsNoDialog) {
    TfExportImage export_(TExportLook{}, env);
    EXPECT_EQ(export_.Execute(Names(2), ""), QDialog::Rejected);
    EXPECT_FALSE(export_.isVisible());
    EXPECT_EQ(export_.Execute({}, "Sample"), QDialog::Rejected);
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(ExportImageTest, StartsAtTheNaturalSizeWithExplicitRangesAndStepsOfFour) {
    const std::string text = "The quick brown fox jumps";
    Open(3, text);
    TSampleFontCache cache(&fontTable);
    const TExportPicture picture(Names(3), QString::fromStdString(text), TExportLook{}, cache);
    EXPECT_EQ(Spin("seWidth")->value(), picture.NaturalWidth());
    EXPECT_EQ(Spin("seHeight")->value(), picture.NaturalHeight());
    EXPECT_GT(Spin("seWidth")->value(), 99);
    for (const char* name : {"seWidth", "seHeight"}) {
        EXPECT_EQ(Spin(name)->maximum(), TExportPicture::kMaxSide);
        EXPECT_EQ(Spin(name)->singleStep(), 4);
    }
    const QPixmap shown = dialog->findChild<QLabel*>("Image")->pixmap();
    EXPECT_EQ(shown.size(), QSize(Spin("seWidth")->value(), Spin("seHeight")->value()));
}

// The first row at or below from where something other than the background is drawn.
int FirstInkRow(const QImage& picture, int from) {
    for (int y = from; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != qRgb(255, 255, 255)) {
                return y;
            }
        }
    }
    return -1;
}

TEST_F(ExportImageTest, RowsShareTheHeightEvenly) {
    TExportPicture picture(Names(2), "Sample", TExportLook{}, faces);
    const int natural = static_cast<int>(picture.NaturalHeight());
    for (const int height : {natural, natural * 2, natural * 3}) {
        const QImage drawn = picture.Draw(200, height);
        ASSERT_EQ(drawn.size(), QSize(200, height));
        // The second row's name starts just below half the height; nothing of the first
        // row's sample reaches into it at the natural height or above.
        const int second = FirstInkRow(drawn, height / 2);
        EXPECT_GE(second, height / 2 + 2) << height;
        EXPECT_LE(second, height / 2 + 6) << height;
    }
}

// The shades of grey in picture's rows from top on.
std::set<QRgb> GreysBelow(const QImage& picture, int top) {
    std::set<QRgb> greys;
    for (int y = top; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (pixel != qRgb(255, 255, 255) && pixel != qRgb(0, 0, 0)) {
                greys.insert(pixel);
            }
        }
    }
    return greys;
}

// Ink of the sample rows, in pixels darker than mid-grey.
int InkBelow(const QImage& picture, int top) {
    int ink = 0;
    for (int y = top; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            ink += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return ink;
}

TEST_F(ExportImageTest, SamplesTakeTheViewsStyleAndSmoothing) {
    TExportLook plainLook;
    plainLook.nameColor = 0xFFFFFF;  // names vanish into the background
    TExportLook boldLook = plainLook;
    boldLook.fontStyle = fsBold;
    TExportLook smoothLook = plainLook;
    smoothLook.antiAlias = true;
    TExportPicture plain({"Font 1"}, "Sample text", plainLook, faces);
    TExportPicture bold({"Font 1"}, "Sample text", boldLook, faces);
    TExportPicture smooth({"Font 1"}, "Sample text", smoothLook, faces);
    const int width = static_cast<int>(bold.NaturalWidth());
    const int height = static_cast<int>(bold.NaturalHeight());
    EXPECT_GT(width, plain.NaturalWidth());
    const QImage plainDrawn = plain.Draw(width, height);
    EXPECT_TRUE(GreysBelow(plainDrawn, 0).empty());
    EXPECT_GT(InkBelow(bold.Draw(width, height), 0), InkBelow(plainDrawn, 0) * 5 / 4);
    const QImage smoothDrawn = smooth.Draw(width, height);
    EXPECT_GT(GreysBelow(smoothDrawn, 0).size(), 8u);
    // The smoothed sample lies where the plain one does.
    EXPECT_NEAR(FirstInkRow(smoothDrawn, 0), FirstInkRow(plainDrawn, 0), 2);
}

// A made-up bold (the face's own, emboldened) is drawn wider than the face's advances say,
// the smoothed one most: the natural width still holds the whole sample.
TEST_F(ExportImageTest, TheNaturalWidthHoldsAMadeUpBoldSample) {
    Sandbox sandbox;
    const std::string file =
        sandbox.CopyFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "fonts/Book.ttf");
    platform::QtFontTable table;
    ASSERT_EQ(table.AddFontFile(file), 0);
    TSampleFontCache bookFaces(&table);
    for (const bool antiAlias : {false, true}) {
        TExportLook look;
        look.fontStyle = fsBold;
        look.antiAlias = antiAlias;
        TExportPicture picture({"DejaVu Sans"}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890", look,
                               bookFaces);
        const int width = static_cast<int>(picture.NaturalWidth());
        const QImage drawn = picture.Draw(width, static_cast<int>(picture.NaturalHeight()));
        EXPECT_EQ(InkBelow(drawn.copy(width - 3, 0, 3, drawn.height()), 0), 0) << antiAlias;
    }
    table.RemoveFontFile(file);
}

TEST_F(ExportImageTest, AZeroSideDisablesExport) {
    Open(2);
    EXPECT_TRUE(ExportButton()->isEnabled());
    Spin("seWidth")->setValue(0);
    EXPECT_FALSE(ExportButton()->isEnabled());
    Spin("seWidth")->setValue(40);
    Spin("seHeight")->setValue(0);
    EXPECT_FALSE(ExportButton()->isEnabled());
}

TEST_F(ExportImageTest, ExportWritesBmpOrPngOfExactlyTheChosenSize) {
    const struct {
        const char* file;
        const char* magic;
    } cases[] = {{"fonts.bmp", "BM"}, {"fonts.PNG", "\x89PNG"}};
    for (const auto& c : cases) {
        Open(2);
        Spin("seWidth")->setValue(120);
        Spin("seHeight")->setValue(80);
        dialogs.QueueFile(Path(c.file));
        QTest::mouseClick(ExportButton(), Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        QFile written(QString::fromStdString(Path(c.file)));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.file;
        EXPECT_TRUE(written.read(4).startsWith(c.magic)) << c.file;
        EXPECT_EQ(QImage(written.fileName()).size(), QSize(120, 80));
    }
    const fakes::DialogCall& save = dialogs.Calls().back();
    EXPECT_EQ(save.kind, "SaveFileName");
    EXPECT_EQ(save.caption, "Export Bitmap");
    EXPECT_EQ(save.text, "BMP (Bitmap Image) (*.bmp);;PNG (Portable Network Graphics) (*.png)");
}

TEST_F(ExportImageTest, AFileThatCannotBeWrittenIsReportedAndTheDialogStaysOpen) {
    Open(2);
    QTest::mouseClick(ExportButton(), Qt::LeftButton);  // save dialog cancelled
    EXPECT_TRUE(dialog->isVisible());
    dialogs.QueueFile(Path("missing/folder/fonts.bmp"));
    QTest::mouseClick(ExportButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(dialogs.Calls().size(), 3u);
    EXPECT_EQ(dialogs.Calls()[2].kind, "MessageBox");
    EXPECT_EQ(
        dialogs.Calls()[2].text.rfind("Cannot write \"" + Path("missing/folder/fonts.bmp"), 0), 0u);
    EXPECT_EQ(dialogs.Calls()[2].icon, platform::MsgIcon::Error);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("missing/folder/fonts.bmp"))));
}

TEST_F(ExportImageTest, PicturesBeyondTheBoundsAreCutWithAMessage) {
    Open(2000);
    EXPECT_EQ(Spin("seHeight")->value(), TExportPicture::kMaxSide);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_NE(dialogs.Calls()[0].text.find("too large"), std::string::npos);
    Spin("seWidth")->setValue(TExportPicture::kMaxSide);
    EXPECT_EQ(Spin("seWidth")->value(), TExportPicture::kMaxPixels / TExportPicture::kMaxSide);
    EXPECT_EQ(dialogs.Calls().size(), 2u);
}

}  // namespace
