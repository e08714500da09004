#include "controls/ximagelabel.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "pixels.h"

namespace {

const QColor Ink(0, 0, 0);
const QColor Red(255, 0, 0);

// A 16 x 16 picture with one see-through pixel, so it keeps its alpha channel.
QPixmap SolidPicture(const QColor& color) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(color);
    image.setPixelColor(15, 15, Qt::transparent);
    return QPixmap::fromImage(image);
}

struct ImageLabelTest : ::testing::Test {
    ImageLabelTest() {
        parent.resize(400, 40);
        label = new TXImageLabel(&parent);
        label->setFont(CrispFont());
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, Ink);
        p.setColor(QPalette::Window, QColor(255, 255, 255));
        label->setPalette(p);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(10, 5, 50, 21);
        label->SetRightMargin(4);
        label->SetCaption("fonts  ");
    }
    int CaptionWidth() const { return QFontMetrics(label->font()).horizontalAdvance("fonts  "); }

    QWidget parent;
    TXImageLabel* label = nullptr;
};

}  // namespace

TEST_F(ImageLabelTest, FolderLabelIsCaptionPlusTwentyEight) {
    label->SetImage(SolidPicture(Red));
    EXPECT_EQ(label->width(), CaptionWidth() + 28);
    EXPECT_EQ(label->height(), 21);
    EXPECT_EQ(label->x(), 10);
}

TEST_F(ImageLabelTest, WiderLeftMarginMovesPictureAndCaptionAndWidensTheLabel) {
    label->SetImage(SolidPicture(Red));
    const QImage before = Render(*label);
    const int width = label->width();
    label->SetLeftMargin(8);
    const QImage after = Render(*label);
    EXPECT_EQ(label->width(), width + 4);
    EXPECT_EQ(LeftmostColor(before, Red), 4);
    EXPECT_EQ(LeftmostColor(after, Red), 8);
    EXPECT_EQ(LeftmostColor(after, Ink), LeftmostColor(before, Ink) + 4);
    // Picture vertically centred: (21 - 16) / 2.
    int top = -1;
    for (int y = 0; y < after.height() && top < 0; ++y) {
        top = SameRgb(after.pixel(10, y), Red) ? y : -1;
    }
    EXPECT_EQ(top, 2);
}

TEST_F(ImageLabelTest, WithoutPictureTheCaptionStartsAfterTheMarginAndFour) {
    EXPECT_EQ(label->width(), CaptionWidth() + 12);
    const int plain = LeftmostColor(Render(*label), Ink);
    label->SetImage(SolidPicture(Red));
    const int withPicture = LeftmostColor(Render(*label), Ink);
    EXPECT_EQ(withPicture - plain, 16);
    EXPECT_GE(plain, 8);
    EXPECT_LT(plain, 8 + 3);
}

TEST_F(ImageLabelTest, PictureWithoutAlphaHidesItsBottomLeftColour) {
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x) {
            picture.setPixelColor(x, y, Red);
        }
    }
    label->SetImage(QPixmap::fromImage(picture));
    const QImage image = Render(*label);
    EXPECT_EQ(CountColor(image, QColor(255, 0, 255)), 0);
    EXPECT_EQ(CountColor(image, Red), 64);
}

TEST_F(ImageLabelTest, UnchangedMarginDoesNotResize) {
    label->SetAutoSize(false);
    label->resize(200, 21);
    label->SetLeftMargin(4);
    EXPECT_EQ(label->width(), 200);
    label->SetAutoSize(true);
    EXPECT_EQ(label->width(), CaptionWidth() + 12);
}

TEST_F(ImageLabelTest, PictureForADenserScreenTakesItsOwnSize) {
    QPixmap twice = SolidPicture(Red).scaled(32, 32);
    twice.setDevicePixelRatio(2);
    label->SetImage(twice);
    EXPECT_EQ(label->width(), CaptionWidth() + 28);
    EXPECT_EQ(LeftmostColor(Render(*label), Red), 4);
}
