#include "controls/imagelist.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "pixels.h"

namespace {

// A strip of cells, each filled with its own colour, saved as name (and its twice-as-large
// twin when asked).
QString SaveStrip(const QTemporaryDir& folder, const QList<QColor>& colours, int cell, bool twin) {
    const auto save = [&](int size, const QString& name) {
        QImage strip(size * static_cast<int>(colours.size()), size, QImage::Format_ARGB32);
        QPainter painter(&strip);
        for (int i = 0; i < colours.size(); ++i) {
            painter.fillRect(QRect(i * size, 0, size, size), colours[i]);
        }
        painter.end();
        strip.save(folder.filePath(name));
    };
    save(cell, QStringLiteral("cells.png"));
    if (twin) {
        save(2 * cell, QStringLiteral("cells@2x.png"));
    }
    return folder.filePath(QStringLiteral("cells.png"));
}

}  // namespace

TEST(TImageList, CellsAreCutByIndexAtEitherPixelRatio) {
    QTemporaryDir folder;
    const TImageList list(SaveStrip(folder, {Qt::red, Qt::green, Qt::blue}, 13, true),
                          QSize(13, 13));
    EXPECT_EQ(list.Count(), 3);
    const QPixmap single = list.Image(1);
    EXPECT_EQ(single.size(), QSize(13, 13));
    EXPECT_TRUE(SameRgb(single.toImage().pixel(12, 12), Qt::green));
    const QPixmap twice = list.Image(2, 2.0);
    EXPECT_EQ(twice.size(), QSize(26, 26));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    EXPECT_TRUE(SameRgb(twice.toImage().pixel(0, 0), Qt::blue));
    EXPECT_TRUE(SameRgb(twice.toImage().pixel(25, 25), Qt::blue));
}

TEST(TImageList, WithoutATwinTheSingleBitmapServesEveryRatio) {
    QTemporaryDir folder;
    const TImageList list(SaveStrip(folder, {Qt::red, Qt::green}, 16, false), QSize(16, 16));
    const QPixmap image = list.Image(1, 2.0);
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
}

TEST(TImageList, IndexOutsideTheListOrAMissingResourceGivesNothing) {
    QTemporaryDir folder;
    const TImageList list(SaveStrip(folder, {Qt::red}, 16, false), QSize(16, 16));
    EXPECT_TRUE(list.Image(1).isNull());
    EXPECT_TRUE(list.Image(-1).isNull());
    const TImageList missing(folder.filePath(QStringLiteral("none.png")), QSize(16, 16));
    EXPECT_EQ(missing.Count(), 0);
    EXPECT_TRUE(missing.Image(0).isNull());
}

TEST(TImageList, TheProgramsControlCellsHaveTheirSizes) {
    EXPECT_EQ(TImageList(QStringLiteral(":/images/CHECKBTN.png"), QSize(13, 13)).Count(), 2);
    EXPECT_EQ(TImageList(QStringLiteral(":/images/RADIOBTN.png"), QSize(13, 13)).Count(), 2);
    EXPECT_EQ(TImageList(QStringLiteral(":/images/COMBOBTN.png"), QSize(15, 17)).Count(), 2);
    EXPECT_EQ(TImageList(QStringLiteral(":/images/MENUIMAGES.png"), QSize(16, 16)).Count(), 17);
    EXPECT_EQ(ResourceBitmap(QStringLiteral(":/images/TAB.png"), 2).size(), QSize(168, 44));
    EXPECT_EQ(ResourceBitmap(QStringLiteral(":/images/TAB.png"), 1).size(), QSize(84, 22));
}
