#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "controls/xlabel.h"
#include "fakes/fakeshell.h"
#include "mainwindow/about.h"
#include "mainwindow/edit.h"
#include "mainwindow/options.h"
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

TEST(TfOptions, CaptionSizeAndTexts) {
    TfOptions options;
    EXPECT_EQ(options.windowTitle(), "Options");
    EXPECT_EQ(options.size(), QSize(421, 377));
    EXPECT_EQ(options.gbStartMode->title(), "Start Mode");
    EXPECT_EQ(options.rbLastMode->text(), "Start with a mode used last time");
    EXPECT_EQ(options.rbFixedMode->text(), "Always start with one of following modes");
    EXPECT_EQ(options.gbMode->title(), "Mode");
    EXPECT_EQ(options.gbMode->parentWidget(), options.gbStartMode);
    EXPECT_EQ(options.rbScreen->text(), "Screen Fonts");
    EXPECT_EQ(options.rbInstalled->text(), "Installed Fonts");
    EXPECT_EQ(options.rbFolder->text(), "Fonts in Folder");
    EXPECT_EQ(options.gbUninstall->title(), "Uninstall");
    EXPECT_EQ(options.rbDelete->text(), "Delete font file when uninstall font(s)");
    EXPECT_EQ(options.rbBackup->text(),
              "Backup font file into following folder when uninstall font(s)");
    EXPECT_NE(options.ePath, nullptr);
    EXPECT_EQ(options.gbFilename->title(), "Filename");
    EXPECT_EQ(options.rbFileName->text(), "Show only file name (ex: arial.ttf)");
    EXPECT_EQ(options.rbFullPath->text(),
              "Show full path name (ex: c:\\windows\\fonts\\arial.ttf)");
    EXPECT_EQ(options.bOK->text(), "OK");
    EXPECT_EQ(options.bCancel->text(), "Cancel");
}

TEST(TfOptions, OkStaysOpenWhileCancelAndEscapeClose) {
    TfOptions options;
    options.show();
    QTest::mouseClick(options.bOK, Qt::LeftButton);
    EXPECT_TRUE(options.isVisible());
    QTest::mouseClick(options.bCancel, Qt::LeftButton);
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(options.result(), QDialog::Rejected);
    options.show();
    QTest::keyClick(&options, Qt::Key_Escape);
    EXPECT_FALSE(options.isVisible());
}
