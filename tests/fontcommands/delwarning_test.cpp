#include "fontcommands/ui/delwarning.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs action on the warning once it is open, then returns what Ask gave.
int AskAndDo(QWidget* owner, std::function<void(TfDelWarning&)> action, QString* caption = nullptr,
             QString* text = nullptr, QRect* frame = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* warning = qobject_cast<TfDelWarning*>(QApplication::activeModalWidget());
        ASSERT_NE(warning, nullptr);
        if (caption != nullptr) {
            *caption = warning->windowTitle();
        }
        if (text != nullptr) {
            *text = warning->findChild<QLabel*>("Text")->text();
        }
        if (frame != nullptr) {
            *frame = warning->geometry();
        }
        action(*warning);
    });
    return TfDelWarning::Ask(owner, "Confirm Delete Font(s)",
                             "\"Foo\"\nAre you sure you want to delete this font?");
}

TEST(TfDelWarning, HasItsPictureQuestionAndButtons) {
    TfDelWarning warning;
    EXPECT_EQ(warning.size(), QSize(355, 106));
    EXPECT_EQ(warning.minimumSize(), warning.maximumSize());
    auto* image = warning.findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(32, 32));
    EXPECT_FALSE(image->pixmap().isNull());
    auto* text = warning.findChild<QLabel*>("Text");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->size(), QSize(273, 47));
    EXPECT_TRUE(text->wordWrap());
    EXPECT_EQ(warning.findChild<QPushButton*>("YesBtn")->text(), "&Yes");
    EXPECT_EQ(warning.findChild<QPushButton*>("NoBtn")->text(), "&No");
}

TEST(TfDelWarning, YesNoAndEscapeGiveTheirResults) {
    QWidget owner;
    owner.setGeometry(200, 150, 800, 600);
    owner.show();
    QString caption;
    QString text;
    QRect frame;
    EXPECT_EQ(AskAndDo(
                  &owner, [](TfDelWarning& w) { QTest::mouseClick(w.YesBtn, Qt::LeftButton); },
                  &caption, &text, &frame),
              6);
    EXPECT_EQ(caption, "Confirm Delete Font(s)");
    EXPECT_EQ(text, "\"Foo\"\nAre you sure you want to delete this font?");
    EXPECT_NEAR(frame.center().x(), owner.frameGeometry().center().x(), 10);
    EXPECT_EQ(AskAndDo(&owner, [](TfDelWarning& w) { QTest::mouseClick(w.NoBtn, Qt::LeftButton); }),
              7);
    EXPECT_EQ(AskAndDo(&owner, [](TfDelWarning& w) { QTest::keyClick(&w, Qt::Key_Escape); }), 2);
    EXPECT_EQ(AskAndDo(&owner, [](TfDelWarning& w) { QTest::keyClick(&w, Qt::Key_Return); }), 6);
}

}  // namespace
