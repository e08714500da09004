#include <sys/resource.h>

#include <QFile>
#include <QLocale>
#include <QPaintEvent>
#include <QSet>
#include <QTest>
#include <memory>

#include "platform/colorref.h"
#include "platform/linux/qtfonttable.h"
#include "render/rowpainter.h"
#include "render/shadecolor.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"
#include "viewfixture.h"

namespace {

constexpr const char* kDejaVu = "/usr/share/fonts/truetype/dejavu/";

QRgb Bgr(std::uint32_t color) {
    return ColorFromRef(color).rgb() | 0xFF000000u;
}

// Distinct colours inside rect.
QSet<QRgb> ColoursIn(const QImage& image, const QRect& rect) {
    QSet<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

// The box holding every pixel darker than mid-grey.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The longest run of dark pixels in one line of image.
int LongestDarkRun(const QImage& image) {
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

void PutBigEndian16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
    }
}

// DejaVu Sans renamed "TallVu Sans", with an em of unitsPerEm units (its outlines span about
// 2048), and with its ascent and descent at the limits of their fields when stretchLine.
std::string BrokenFace(std::uint16_t unitsPerEm, bool stretchLine) {
    QFile file(QString::fromLatin1(kDejaVu) + QStringLiteral("DejaVuSans.ttf"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    std::string bytes = file.readAll().toStdString();
    const int tables =
        (static_cast<unsigned char>(bytes[4]) << 8) | static_cast<unsigned char>(bytes[5]);
    for (int i = 0; i < tables; ++i) {
        const std::size_t entry = 12 + 16 * static_cast<std::size_t>(i);
        const std::string tag = bytes.substr(entry, 4);
        const std::size_t offset = BigEndian32(bytes, entry + 8);
        const std::size_t length = BigEndian32(bytes, entry + 12);
        if (tag == "head") {
            PutBigEndian16(bytes, offset + 18, unitsPerEm);
        } else if (tag == "hhea" && stretchLine) {
            PutBigEndian16(bytes, offset + 4, 0x7FFF);
            PutBigEndian16(bytes, offset + 6, 0x8001);
        } else if (tag == "OS/2" && stretchLine) {
            PutBigEndian16(bytes, offset + 68, 0x7FFF);
            PutBigEndian16(bytes, offset + 70, 0x8001);
            PutBigEndian16(bytes, offset + 74, 0xFFFF);
            PutBigEndian16(bytes, offset + 76, 0xFFFF);
        } else if (tag == "name") {
            std::string table = bytes.substr(offset, length);
            ReplaceAll(table, "DejaVu", "TallVu");
            ReplaceAll(table, std::string("\0D\0e\0j\0a\0V\0u", 12),
                       std::string("\0T\0a\0l\0l\0V\0u", 12));
            bytes.replace(offset, length, table);
        }
    }
    return bytes;
}

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Records every region the viewport is asked to paint.
class PaintLog : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
    std::vector<QRegion> regions;
};

}  // namespace

using Painting = ViewFixture;

TEST_F(Painting, EmptyListShowsOnlyTheMessage) {
    view->SetColor(0xFFFFFF);
    const QImage image = Pixels();
    const QRect message(5, 5, 300, 30);
    EXPECT_GT(ColoursIn(image, message).size(), 1);
    QImage rest = image;
    QPainter(&rest).fillRect(message, Qt::white);
    EXPECT_EQ(ColoursIn(rest, rest.rect()), QSet<QRgb>{qRgb(255, 255, 255)});
}

TEST_F(Painting, BandsFollowFocusAndStayVisibleOnBlack) {
    Fill({"One", "Two", "Three"});
    view->SetColor(0);
    view->SetItemIndex(1);
    const QImage image = Pixels();
    const int ih = view->ItemHeight();
    const QRgb plainBand = image.pixel(3, 3);
    EXPECT_EQ(plainBand, Bgr(ShadeColor(0, -0.06)));
    EXPECT_GT(qGray(plainBand), 0);
    view->setFocus();
    ASSERT_TRUE(view->hasFocus());
    const QRgb activeBand = Pixels().pixel(3, ih + 3);
    EXPECT_EQ(activeBand, Bgr(ShadeColor(0, -0.25)));
    view->clearFocus();
    const QRgb focusedBand = Pixels().pixel(3, ih + 3);
    EXPECT_EQ(focusedBand, Bgr(ShadeColor(0, -0.18)));
    EXPECT_GT(qGray(activeBand), qGray(focusedBand));
    EXPECT_GT(qGray(focusedBand), qGray(plainBand));
    EXPECT_EQ(image.pixel(3, ih / 2 + view->HeaderHeight()), qRgb(0, 0, 0));
    // On black the four shadow lines lighten step by step; the separator repeats the last.
    const int shadow = view->HeaderHeight() - 4;
    std::uint32_t expected = ShadeColor(0, -0.06);
    for (int line = 0; line < 4; ++line) {
        expected = ShadeColor(expected, -0.009);
        EXPECT_EQ(image.pixel(3, shadow + line), Bgr(expected)) << line;
    }
    EXPECT_EQ(image.pixel(3, 0), Bgr(expected));
}

TEST_F(Painting, NameColoursFollowMarkThenFocus) {
    Fill({"Marked and focused", "Plain name", "Focused"});
    view->SetColor(0xFFFFFF);
    view->SetSelColor(0x00C000);   // green
    view->SetNameColor(0xC00000);  // blue
    view->Select(0, false);
    const int ih = view->ItemHeight();
    const QRect band(0, 1, view->viewport()->width() / 2, view->HeaderHeight() - 5);
    QImage image = Pixels();
    EXPECT_TRUE(ColoursIn(image, band).contains(qRgb(0, 0xC0, 0)));
    EXPECT_TRUE(ColoursIn(image, band.translated(0, ih)).contains(qRgb(0, 0, 0xC0)));
    EXPECT_FALSE(ColoursIn(image, band.translated(0, ih)).contains(qRgb(0, 0xC0, 0)));
    view->SetItemIndex(2);
    image = Pixels();
    // An unmarked focused row writes its name in the background colour on the dark band.
    EXPECT_TRUE(ColoursIn(image, band.translated(0, 2 * ih)).contains(qRgb(255, 255, 255)));
    EXPECT_TRUE(ColoursIn(image, band).contains(qRgb(0, 0xC0, 0)));
}

TEST_F(Painting, ScreenFontsShowNoFileInformation) {
    Sandbox sandbox;
    const std::string path = sandbox.WriteFile("fonts/tiny.ttf", "");
    ASSERT_TRUE(
        testsupport::TrueTypeBuilder().Name(testsupport::kLangEnglish, 4, "Tiny").Write(path));
    auto record = std::make_unique<TFontInfo>();
    record->SetFileName(path);
    ASSERT_EQ(record->FullName(), "Tiny");
    view->Items().Add("Tiny");
    view->Items().Add(std::move(record));
    view->SetItemIndex(1);
    view->SetItemIndex(0);
    const QImage image = Pixels();
    const int ih = view->ItemHeight();
    const QRect infoArea(view->viewport()->width() / 2, 1, view->viewport()->width() / 2 - 12,
                         view->HeaderHeight() - 6);
    EXPECT_EQ(ColoursIn(image, infoArea).size(), 1);
    EXPECT_GT(ColoursIn(image, infoArea.translated(0, ih)).size(), 1);
    view->SetShowFileInfo(false);
    EXPECT_EQ(ColoursIn(Pixels(), infoArea.translated(0, ih)).size(), 1);
}

TEST_F(Painting, FileInformationGivesWayToTheNameInANarrowWindow) {
    Sandbox sandbox;
    const std::string path = sandbox.WriteFile(
        "fonts/a/folder/with/a/rather/long/name/for/a/narrow/window/tiny.ttf", "");
    ASSERT_TRUE(testsupport::TrueTypeBuilder()
                    .Name(testsupport::kLangEnglish, 4, "Tiny Sans Condensed Bold")
                    .Write(path));
    auto record = std::make_unique<TFontInfo>();
    record->SetFileName(path);
    view->Items().Add(std::move(record));
    view->SetShowFullPath(true);
    for (const int width : {300, 200}) {
        view->resize(width, 300);
        const QImage withInfo = Pixels();
        view->SetShowFileInfo(false);
        const QImage nameOnly = Pixels();
        view->SetShowFileInfo(true);
        // The name's pixels are those that differ from the band's colour (the band stops
        // short of the viewport's right edge).
        const QRgb band = nameOnly.pixel(2, 3);
        int nameRight = 0;
        for (int y = 1; y < view->HeaderHeight() - 5; ++y) {
            for (int x = 0; x < width - 10; ++x) {
                nameRight = nameOnly.pixel(x, y) != band ? std::max(nameRight, x) : nameRight;
            }
        }
        ASSERT_GT(nameRight, 60) << width;
        const QRect nameArea(0, 1, nameRight + 4, view->HeaderHeight() - 6);
        EXPECT_EQ(withInfo.copy(nameArea), nameOnly.copy(nameArea)) << width;
        const QRect infoEnd(width - 40, 1, 30, view->HeaderHeight() - 6);
        EXPECT_GT(ColoursIn(withInfo, infoEnd).size(), 1) << width;
    }
}

TEST(FileInfo, SizeInWholeKilobytesWithThousandsSeparators) {
    Sandbox sandbox;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    std::string bytes = testsupport::TrueTypeBuilder().Name(0x0409, 4, "Big").Build();
    bytes.resize(1536000, '\0');
    const std::string path = sandbox.WriteFile("fonts/big.ttf", bytes);
    TFontInfo record;
    record.SetFileName(path);
    EXPECT_EQ(FileInfoText(record, false), "big.ttf (1,500 KB)");
    EXPECT_EQ(FileInfoText(record, true), QString::fromStdString(path) + " (1,500 KB)");
    const std::string small = sandbox.WriteFile(
        "fonts/small.ttf", testsupport::TrueTypeBuilder().Name(0x0409, 4, "Small").Build());
    record.SetFileName(small);
    EXPECT_EQ(FileInfoText(record, false), "small.ttf (0 KB)");
    QLocale::setDefault(QLocale::c());
}

TEST_F(Painting, AFocusMoveRepaintsOnlyTheTwoRows) {
    FillNumbered(10);
    SetClientRows(5);
    Pixels();
    PaintLog log;
    view->viewport()->installEventFilter(&log);
    QTest::keyClick(view.get(), Qt::Key_Down);
    QApplication::processEvents();
    view->viewport()->removeEventFilter(&log);
    ASSERT_EQ(log.regions.size(), 1u);
    const int ih = view->ItemHeight();
    EXPECT_EQ(log.regions[0], QRegion(0, 0, view->viewport()->width(), 2 * ih));
}

// Real faces, drawn through the real font table from files added to it.
class RealFaces : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        services.fontTable = &qtTable;
        view = std::make_unique<TXFontListView>(services);
        view->SetBorderSingle(false);
        view->resize(600, 300);
        view->show();
        for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
            const std::string copy =
                sandbox.CopyFile(std::string(kDejaVu) + file, std::string("fonts/") + file);
            ASSERT_EQ(qtTable.AddFontFile(copy), 0) << file;
            auto record = std::make_unique<TFontInfo>();
            record->SetFileName(copy);
            view->Items().Add(std::move(record));
        }
        ASSERT_EQ(view->Items().GetItems(1).FullName(), "DejaVu Sans Bold");
    }
    void TearDown() override {
        view.reset();
        qtTable.RemoveFontFile(sandbox.Path() + "/fonts/DejaVuSans.ttf");
        qtTable.RemoveFontFile(sandbox.Path() + "/fonts/DejaVuSans-Bold.ttf");
    }

    // The sample line of row, below its name band (the header height is known after a paint).
    QImage SampleOf(int row) {
        const QImage image = Pixels();
        const int ih = view->ItemHeight();
        const int hh = view->HeaderHeight();
        return image.copy(0, row * ih + hh, view->viewport()->width(), ih - hh - 4);
    }

    Sandbox sandbox;
    platform::QtFontTable qtTable;
};

TEST_F(RealFaces, RegularAndBoldFilesDrawDifferentPixels) {
    EXPECT_NE(SampleOf(0), SampleOf(1));
    const QImage regular = SampleOf(0);
    int inkRegular = 0;
    int inkBold = 0;
    const QImage bold = SampleOf(1);
    for (int y = 0; y < regular.height(); ++y) {
        for (int x = 0; x < regular.width(); ++x) {
            inkRegular += regular.pixel(x, y) != qRgb(255, 255, 255);
            inkBold += bold.pixel(x, y) != qRgb(255, 255, 255);
        }
    }
    EXPECT_GT(inkBold, inkRegular * 11 / 10);
}

TEST_F(RealFaces, PlainSamplesAreBiLevelAndAntiAliasedOnesAreSmooth) {
    view->SetColor(0xFFFFFF);
    view->SetTextColor(0);
    const int height = view->ItemHeight();
    const QImage plain = SampleOf(0);
    EXPECT_EQ(ColoursIn(plain, plain.rect()), (QSet<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0)}));
    view->SetAntiAlias(true);
    const QImage smooth = SampleOf(0);
    EXPECT_EQ(view->ItemHeight(), height);
    EXPECT_GT(ColoursIn(smooth, smooth.rect()).size(), 8);
    EXPECT_TRUE(ColoursIn(smooth, smooth.rect()).contains(qRgb(0, 0, 0)));
}

TEST_F(RealFaces, AntiAliasedTextSitsWherePlainTextDoes) {
    view->SetColor(0xFFFFFF);
    view->SetTextColor(0);
    const QRect plain = InkBox(SampleOf(1));
    view->SetAntiAlias(true);
    const QRect smooth = InkBox(SampleOf(1));
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_NEAR(smooth.left(), plain.left(), 2);
    // Advances rounded to whole pixels at the sample size add up differently from those at
    // four times the size, so the right end may drift by a pixel or two per ten letters.
    EXPECT_NEAR(smooth.right(), plain.right(), plain.width() / 50);
    EXPECT_NEAR(smooth.top(), plain.top(), 2);
    EXPECT_NEAR(smooth.bottom(), plain.bottom(), 2);
}

TEST_F(RealFaces, AntiAliasedSlantedUprightFaceSitsWherePlainTextDoes) {
    // Italic asked of an upright face is slanted by the font engine; each glyph of the
    // supersampled sample must still sit where the plain sample puts it. Large letters make a
    // misplaced slant show as a shift of many pixels.
    view->SetColor(0xFFFFFF);
    view->SetTextColor(0);
    view->SetFontStyle(fsItalic);
    view->SetFontSize(60);
    view->SetText("TTTT");
    const QRect plain = InkBox(SampleOf(0));
    view->SetAntiAlias(true);
    const QRect smooth = InkBox(SampleOf(0));
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_NEAR(smooth.left(), plain.left(), 3);
    EXPECT_NEAR(smooth.right(), plain.right(), 3);
}

TEST_F(RealFaces, AntiAliasedUnderlineRunsUnderTheWholeText) {
    view->SetColor(0xFFFFFF);
    view->SetTextColor(0);
    view->SetAntiAlias(true);
    const QImage plainStyle = SampleOf(0);
    const int textWidth = InkBox(plainStyle).width();
    EXPECT_LT(LongestDarkRun(plainStyle), textWidth / 4);
    view->SetFontStyle(fsUnderline);
    EXPECT_GT(LongestDarkRun(SampleOf(0)), textWidth * 9 / 10);
}

namespace {

// Paints one row of face at 100 points, anti-aliased, in a client of 1000 x 700 pixels.
void PaintAntiAliased(const std::string& face) {
    Sandbox sandbox;
    platform::QtFontTable table;
    const std::string path = sandbox.WriteFile("fonts/broken.ttf", face);
    ASSERT_EQ(table.AddFontFile(path), 0);
    platform::Services services;
    services.fontTable = &table;
    {
        TXFontListView view(services);
        view.SetBorderSingle(false);
        view.resize(1000, 700);
        view.show();
        auto record = std::make_unique<TFontInfo>();
        record->SetFileName(path);
        ASSERT_EQ(record->FullName(), "TallVu Sans");
        view.Items().Add(std::move(record));
        view.SetFontSize(100);
        view.SetAntiAlias(true);
        QApplication::processEvents();
        const QImage image = view.viewport()->grab().toImage();
        EXPECT_EQ(image.size(), view.viewport()->size() * image.devicePixelRatio());
    }
    table.RemoveFontFile(path);
}

}  // namespace

// Each of these, drawn whole, would take gigabytes.
TEST(BrokenFaces, AbsurdLineHeightIsDrawnAntiAliasedInBoundedMemory) {
    PaintAntiAliased(BrokenFace(16, true));
    EXPECT_LT(PeakMegabytes(), 1024);
}

TEST(BrokenFaces, GlyphsLargerThanTheDrawingAreDrawnAntiAliasedInBoundedMemory) {
    PaintAntiAliased(BrokenFace(32, false));
    EXPECT_LT(PeakMegabytes(), 1024);
}
