#include "controls/menupainter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "pixels.h"

namespace {

const QColor Strip(47, 126, 227);
const QColor HighlightFill(151, 188, 244);
const QColor SeparatorLine(220, 220, 220);
const QColor White(255, 255, 255);
const QColor Gray(109, 109, 109);
const QColor Face(240, 240, 240);
const QColor CheckColor(255, 0, 0);
const QColor RadioColor(0, 160, 0);
const QColor CommandColor(0, 0, 255);

QPixmap Solid(const QColor& color) {
    QPixmap picture(16, 16);
    picture.fill(color);
    return picture;
}

// A menu image list whose check mark is red and radio mark green, every other cell empty.
struct MenuPainterTest : ::testing::Test {
    MenuPainterTest() {
        QImage strip(16 * 17, 16, QImage::Format_ARGB32);
        strip.fill(Qt::transparent);
        QPainter fill(&strip);
        fill.fillRect(QRect(16 * TMenuPainter::CheckImage, 0, 16, 16), CheckColor);
        fill.fillRect(QRect(16 * TMenuPainter::RadioImage, 0, 16, 16), RadioColor);
        fill.end();
        path = folder.filePath("menu.png");
        strip.save(path);
    }

    QImage Draw(const TMenuItemLook& item, int width = 200, int height = 22) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setFont(CrispFont(9));
        const TImageList images(path, QSize(16, 16));
        TMenuPainter(images, Gray, Face).DrawItem(painter, image.rect(), item);
        return image;
    }

    QTemporaryDir folder;
    QString path;
};

TMenuItemLook Item(const char* caption) {
    TMenuItemLook item;
    item.caption = QString::fromLatin1(caption);
    return item;
}

}  // namespace

TEST_F(MenuPainterTest, PlainItemIsWhiteWithTheBlueStripAtItsLeftEdge) {
    const QImage image = Draw(Item("&Find\tCtrl+F"));
    for (int x = 0; x < 4; ++x) {
        EXPECT_TRUE(SameRgb(image.pixel(x, 10), Strip)) << x;
    }
    EXPECT_TRUE(SameRgb(image.pixel(4, 10), White));
    EXPECT_TRUE(SameRgb(image.pixel(199, 10), White));
    EXPECT_EQ(CountColor(image, HighlightFill), 0);
}

TEST_F(MenuPainterTest, HighlightedItemHasFillStripsAndFrame) {
    TMenuItemLook item = Item("&Find\tCtrl+F");
    item.highlighted = true;
    const QImage image = Draw(item);
    EXPECT_TRUE(SameRgb(image.pixel(3, 10), Strip));
    EXPECT_TRUE(SameRgb(image.pixel(4, 10), HighlightFill));
    EXPECT_TRUE(SameRgb(image.pixel(4, 0), Strip)) << "frame, top row";
    EXPECT_TRUE(SameRgb(image.pixel(100, 21), Strip)) << "frame, bottom row";
    EXPECT_TRUE(SameRgb(image.pixel(195, 10), HighlightFill));
    for (int x = 196; x < 200; ++x) {
        EXPECT_TRUE(SameRgb(image.pixel(x, 10), Strip)) << x;
    }
}

TEST_F(MenuPainterTest, SeparatorIsOneGreyLineFourRowsDown) {
    TMenuItemLook item;
    item.separator = true;
    const QImage image = Draw(item, 200, 9);
    EXPECT_TRUE(SameRgb(image.pixel(7, 4), White));
    EXPECT_TRUE(SameRgb(image.pixel(8, 4), SeparatorLine));
    EXPECT_TRUE(SameRgb(image.pixel(195, 4), SeparatorLine));
    EXPECT_TRUE(SameRgb(image.pixel(196, 4), White));
    EXPECT_EQ(CountColor(image, SeparatorLine), 188);
}

TEST_F(MenuPainterTest, TextAfterTheTabShowsAtTheRightWithoutAShortcut) {
    const QImage image = Draw(Item("&Select\tSpacebar"));
    // Grey right-hand text ending 8 pixels before the right edge; black label from x = 28.
    EXPECT_GT(CountColor(image, Gray, 100, 192), 0);
    EXPECT_EQ(CountColor(image, Gray, 192, 200), 0);
    EXPECT_EQ(LeftmostColor(image, QColor(Qt::black)) >= 28, true);
    EXPECT_GT(CountColor(image, QColor(Qt::black), 28, 90), 0);
}

TEST_F(MenuPainterTest, ShortcutFillsAnEmptyRightHandText) {
    TMenuItemLook item = Item("&Refresh");
    item.shortcut = QStringLiteral("F5");
    EXPECT_GT(CountColor(Draw(item), Gray, 150, 192), 0);
}

TEST_F(MenuPainterTest, DisabledHighlightedItemHasGreyLabelAndWhiteShortcut) {
    TMenuItemLook item = Item("&Install Font\tAlt+I");
    item.highlighted = true;
    item.enabled = false;
    const QImage image = Draw(item);
    EXPECT_GT(CountColor(image, Gray, 28, 100), 0);
    EXPECT_EQ(CountColor(image, Gray, 120, 200), 0);
    EXPECT_GT(CountColor(image, White, 120, 192), 0);
}

TEST_F(MenuPainterTest, MarkedItemsShowTheirMarkOnePixelLowerInsteadOfTheirImage) {
    const struct {
        bool checked;
        bool radio;
        QColor expected;
        int y;
    } cases[] = {{true, true, RadioColor, 4},
                 {true, false, CheckColor, 4},
                 {false, true, CommandColor, 3},
                 {false, false, CommandColor, 3}};
    for (const auto& c : cases) {
        TMenuItemLook item = Item("&Screen Fonts");
        item.image = Solid(CommandColor);
        item.checked = c.checked;
        item.radio = c.radio;
        const QImage image = Draw(item);
        // (22 - 16) / 2 = 3 rows down, at x = 8.
        EXPECT_TRUE(SameRgb(image.pixel(8, c.y), c.expected)) << c.checked << c.radio;
        EXPECT_FALSE(SameRgb(image.pixel(8, c.y - 1), c.expected)) << c.checked << c.radio;
        EXPECT_FALSE(SameRgb(image.pixel(7, c.y + 2), c.expected));
    }
}

TEST_F(MenuPainterTest, ImagesDrawInTheirOwnColoursOnDisabledItems) {
    TMenuItemLook item = Item("&Charmap");
    item.enabled = false;
    item.image = Solid(CommandColor);
    EXPECT_TRUE(SameRgb(Draw(item).pixel(10, 10), CommandColor));
}

TEST(TMenuPainter, ItemSizes) {
    EXPECT_EQ(TMenuPainter::ItemSize(QSize(40, 15), true).height(), 9);
    EXPECT_EQ(TMenuPainter::ItemSize(QSize(40, 15), false).height(), 22);
    EXPECT_EQ(TMenuPainter::ItemSize(QSize(40, 20), false).height(), 26);
    // The label starts 28 pixels in and keeps room for the shortcut column after it.
    EXPECT_GE(TMenuPainter::ItemSize(QSize(40, 15), false).width(), 28 + 40 + 8);
}

TEST(TMenuPainter, TopLevelItemOnFaceOrDeepBlue) {
    const TImageList none(QString(), QSize(16, 16));
    const TMenuPainter painter(none, Gray, Face);
    for (const bool highlighted : {false, true}) {
        QImage image(50, 20, QImage::Format_RGB32);
        QPainter canvas(&image);
        canvas.setFont(CrispFont(9));
        painter.DrawTopItem(canvas, image.rect(), QStringLiteral("&Font"), highlighted, true);
        canvas.end();
        const QColor fill = highlighted ? QColor(20, 102, 204) : Face;
        const QColor ink = highlighted ? White : QColor(Qt::black);
        EXPECT_TRUE(SameRgb(image.pixel(1, 1), fill));
        EXPECT_GT(CountColor(image, ink, 10, 40), 0);
    }
}
