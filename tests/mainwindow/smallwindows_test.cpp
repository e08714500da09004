#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "controls/xlabel.h"
#include "fakes/fakeshell.h"
#include "mainwindow/about.h"
#include "mainwindow/edit.h"
#include "support/sandbox.h"

TEST(TfAbout, CaptionSizeAndTitle) {
    TfAbout about(nullptr, "");
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(317, 199));
    EXPECT_EQ(about.Title->Caption(), "<b><c2080D0>Glyphwell</c><cFF3300> Viewer</c> 1.5 Beta</b>");
    EXPECT_NE(about.findChild<TXLabel*>("Subtitle"), nullptr);
    EXPECT_EQ(about.findChild<TXLabel*>("Subtitle")->Caption(), "TrueType Font Manager");
    EXPECT_EQ(about.findChild<QLabel*>("Programmer")->text(), "Programmer");
}

TEST(TfAbout, NamesNoPersonAddressOrWebSite) {
    TfAbout about(nullptr, "");
    bool credited = false;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        const QString text = label->text();
        EXPECT_FALSE(text.contains('@')) << text.toStdString();
        EXPECT_FALSE(text.contains("http", Qt::CaseInsensitive)) << text.toStdString();
        EXPECT_FALSE(text.contains("www.", Qt::CaseInsensitive)) << text.toStdString();
        credited = credited || text.contains("the Glyphwell Viewer authors");
    }
    EXPECT_TRUE(credited);
}

TEST(TfAbout, HomepageOpensTheBundledHelpPageAndOkCloses) {
    Sandbox sandbox;
    fakes::FakeShell shell;
    TfAbout about(&shell, sandbox.HomeFolder());
    about.show();
    QTest::mouseClick(about.Homepage, Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_EQ(shell.Executed().size(), 1u);
    EXPECT_EQ(shell.Executed()[0].file, sandbox.HomeFolder() + "help/help.html");
    EXPECT_TRUE(shell.OpenedUrls().empty());
    EXPECT_TRUE(about.bOK->isDefault());
    QTest::mouseClick(about.bOK, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(TfEdit, CaptionSizeAndMemo) {
    TfEdit edit;
    EXPECT_EQ(edit.windowTitle(), "Edit");
    EXPECT_EQ(edit.size(), QSize(419, 219));
    ASSERT_EQ(edit.findChild<QPlainTextEdit*>("Memo"), edit.Memo);
    EXPECT_EQ(edit.Memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit.Memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(edit.Memo->toPlainText().isEmpty());
}

TEST(TfEdit, TypingGoesToTheMemoAndEscapeCloses) {
    TfEdit edit;
    edit.show();
    edit.Memo->setFocus();
    QTest::keyClicks(edit.Memo, "Hello");
    EXPECT_EQ(edit.Memo->toPlainText(), "Hello");
    QTest::keyClick(edit.Memo, Qt::Key_Escape);
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(edit.result(), QDialog::Rejected);
}

TEST(TfEdit, TakesFaceSizeAndColoursButNoStyle) {
    TfEdit edit;
    QFont font("DejaVu Sans", 20);
    font.setBold(true);
    font.setUnderline(true);
    edit.SetEditFont(font);
    EXPECT_EQ(edit.Memo->font().family(), "DejaVu Sans");
    EXPECT_EQ(edit.Memo->font().pointSize(), 20);
    EXPECT_FALSE(edit.Memo->font().bold());
    EXPECT_FALSE(edit.Memo->font().underline());
    edit.SetEditColors(std::uint32_t{0x000000FF}, std::uint32_t{0x00FF0000});
    EXPECT_EQ(edit.Memo->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit.Memo->palette().color(QPalette::Base), QColor(0, 0, 255));
    edit.SetEditFace(platform::ResolvedFace{"DejaVu Sans", "Condensed Bold", true}, 14);
    EXPECT_EQ(edit.Memo->font().styleName(), "Condensed Bold");
    EXPECT_EQ(edit.Memo->font().pointSize(), 14);
}
