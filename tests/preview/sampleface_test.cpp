#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "platform/linux/freetypecharactermap.h"
#include "platform/linux/qtfonttable.h"
#include "support/drawablefontbuilder.h"
#include "support/sandbox.h"
#include "viewfixture.h"

namespace {

constexpr const char* kDejaVu = "/usr/share/fonts/truetype/dejavu/";
constexpr const char* kSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890";

// Pixels darker than mid-grey.
int Ink(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return ink;
}

// Pixels that differ between two images of one size.
int Differences(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

// The column of the rightmost pixel darker than mid-grey, -1 when there is none.
int InkEnd(const QImage& image) {
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                return x;
            }
        }
    }
    return -1;
}

}  // namespace

// Rows of real and built faces, drawn through the real font table, black on white.
class SampleFaces : public ::testing::Test {
protected:
    void SetUp() override {
        services.fontTable = &table;
        services.characterMap = &characterMap;
        view = std::make_unique<TXFontListView>(services);
        view->SetBorderSingle(false);
        view->resize(900, 500);
        view->show();
        view->SetColor(0xFFFFFF);
        view->SetTextColor(0);
    }
    void TearDown() override {
        view.reset();
        for (const std::string& path : files) {
            table.RemoveFontFile(path);
        }
    }

    void AddRow(const std::string& path) {
        ASSERT_EQ(table.AddFontFile(path), 0) << path;
        files.push_back(path);
        auto record = std::make_unique<TFontInfo>();
        record->SetFileName(path);
        view->Items().Add(std::move(record));
    }
    void AddDejaVu(const std::string& file) {
        AddRow(sandbox.CopyFile(kDejaVu + file, "fonts/" + file));
    }
    void AddBuilt(const testsupport::DrawableFontBuilder& font, const std::string& file) {
        AddRow(sandbox.WriteFile("fonts/" + file, font.Build()));
    }

    QImage Pixels() {
        QApplication::processEvents();
        return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Where row's sample line goes (the header height is known after a paint).
    QRect SampleArea(int row) const {
        const int ih = view->ItemHeight();
        const int hh = view->HeaderHeight();
        return QRect(10, row * ih + hh, view->viewport()->width() - 12, ih - hh - 4);
    }
    QImage SampleOf(int row) {
        const QImage image = Pixels();
        return image.copy(SampleArea(row));
    }
    // Dark pixels of row's sample drawn bold, for every one drawn regular.
    double BoldInkShare(int row) {
        view->SetFontStyle(0);
        const int regular = Ink(SampleOf(row));
        view->SetFontStyle(fsBold);
        const int bold = Ink(SampleOf(row));
        return regular == 0 ? 0 : static_cast<double>(bold) / regular;
    }

    Sandbox sandbox;
    platform::QtFontTable table;
    platform::FreeTypeCharacterMap characterMap;
    platform::Services services = sandbox.Services();
    std::unique_ptr<TXFontListView> view;
    std::vector<std::string> files;
};

TEST_F(SampleFaces, AntiAliasedBoldIsAsHeavyAndAsWideAsPlainBold) {
    // The font engine makes up a bold the face lacks under 64 pixels (48 points at 96 dots
    // per inch), with hinted advances (as here) wider by about a pixel per letter, and leaves
    // faces with a bold of their own and monospaced faces as they are.
    AddDejaVu("DejaVuMathTeXGyre.ttf");
    AddDejaVu("DejaVuSans-Bold.ttf");
    AddDejaVu("DejaVuSansMono.ttf");
    view->SetText("HAMBURGEFONSTIV");
    for (const int size : {16, 48}) {
        view->SetFontSize(size);
        for (int row = 0; row < 3; ++row) {
            view->SetAntiAlias(false);
            const double plain = BoldInkShare(row);
            const int plainEnd = InkEnd(SampleOf(row));
            view->SetAntiAlias(true);
            const double smooth = BoldInkShare(row);
            EXPECT_NEAR(smooth, plain, 0.15) << "row " << row << " at " << size << " points";
            // Advances rounded to whole pixels at the sample size add up differently from
            // those at four times the size, by a pixel or two per ten letters.
            EXPECT_NEAR(InkEnd(SampleOf(row)), plainEnd, 2 + plainEnd / 50)
                << "row " << row << " at " << size << " points";
            if (row == 0 && size == 16) {
                EXPECT_GT(plain, 1.3);
            }
        }
    }
}

TEST_F(SampleFaces, AntiAliasedSampleOfATallFaceStaysInItsSampleArea) {
    // A line three and a half ems high is more than twice a row's height at 72 points.
    const auto tall = [](const char* family) {
        return testsupport::DrawableFontBuilder(family, "Regular")
            .Characters(kSample)
            .LineMetrics(2500, 1000);
    };
    AddBuilt(tall("Tall One"), "tallone.ttf");
    AddBuilt(tall("Tall Two"), "talltwo.ttf");
    view->SetFontSize(72);
    view->resize(900, 2 * view->ItemHeight());
    QImage plain = Pixels();
    view->SetAntiAlias(true);
    QImage smooth = Pixels();
    EXPECT_GT(Ink(smooth.copy(SampleArea(1))), 0);
    // Outside the sample areas (name bands, margins, the gap below each line) nothing moves.
    for (QImage* image : {&plain, &smooth}) {
        QPainter painter(image);
        painter.fillRect(SampleArea(0), Qt::red);
        painter.fillRect(SampleArea(1), Qt::red);
    }
    ASSERT_EQ(smooth.size(), plain.size());
    EXPECT_EQ(Differences(smooth, plain), 0);
}

TEST_F(SampleFaces, AFaceWithoutTheSampleLettersShowsItsOwnMissingGlyphs) {
    // Two faces with only a Thai letter, one with a hollow box for what it lacks and one
    // that draws nothing then, beside a face that has every Latin letter.
    AddBuilt(testsupport::DrawableFontBuilder("Thai Boxed", "Regular").Characters("ก"),
             "boxed.ttf");
    AddBuilt(testsupport::DrawableFontBuilder("Thai Blank", "Regular")
                 .Characters("ก")
                 .EmptyMissingGlyph(),
             "blank.ttf");
    AddDejaVu("DejaVuSans.ttf");
    for (const bool antiAlias : {false, true}) {
        view->SetAntiAlias(antiAlias);
        EXPECT_GT(Ink(SampleOf(0)), 0) << antiAlias;
        EXPECT_EQ(Ink(SampleOf(1)), 0) << antiAlias;
        EXPECT_GT(Ink(SampleOf(2)), 0) << antiAlias;
    }
}

TEST_F(SampleFaces, PostScriptOutlinesDrawAsTheirTrueTypeTwins) {
    // The same squares under an "OTTO" font with a `CFF ` table and under a TrueType one.
    const auto face = [](const char* family) {
        return testsupport::DrawableFontBuilder(family, "Regular").Characters(kSample);
    };
    AddBuilt(face("Squares TrueType"), "squares.ttf");
    AddBuilt(face("Squares PostScript").PostScriptOutlines(), "squares.otf");
    ASSERT_EQ(view->Items().GetItems(1).FullName(), "Squares PostScript Regular");
    for (const bool antiAlias : {false, true}) {
        view->SetAntiAlias(antiAlias);
        const QImage trueType = SampleOf(0);
        EXPECT_GT(Ink(trueType), 0) << antiAlias;
        EXPECT_EQ(Differences(trueType, SampleOf(1)), 0) << antiAlias;
    }
}

TEST_F(SampleFaces, WithOwnSampleAHangulOnlyFaceUnderABCDrawsHangul) {
    // Its missing glyph draws nothing, so the Latin sample leaves its row blank.
    const std::string hangul = "가나다라마바사아자차";
    AddBuilt(testsupport::DrawableFontBuilder("Hangul Only", "Regular")
                 .Characters(hangul)
                 .EmptyMissingGlyph()
                 .PostScriptOutlines(),
             "hangul.otf");
    AddDejaVu("DejaVuSans.ttf");
    view->SetText("ABC");
    for (const bool antiAlias : {false, true}) {
        view->SetAntiAlias(antiAlias);
        view->SetOwnSample(false);
        const QImage latin = SampleOf(1);
        EXPECT_EQ(Ink(SampleOf(0)), 0) << antiAlias;
        view->SetText(hangul);
        const QImage typedHangul = SampleOf(0);
        EXPECT_GT(Ink(typedHangul), 0) << antiAlias;
        view->SetText("ABC");
        view->SetOwnSample(true);
        EXPECT_EQ(Differences(SampleOf(0), typedHangul), 0) << antiAlias;
        // A face with the sample's letters draws the sample as before.
        EXPECT_EQ(Differences(SampleOf(1), latin), 0) << antiAlias;
    }
}
