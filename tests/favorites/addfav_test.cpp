#include "favorites/ui/addfav.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <filesystem>

#include "panefixture.h"

namespace {

using Lines = std::vector<std::string>;

class AddFavTest : public PaneFixture {
protected:
    // Runs the dialog over the sandbox file; inside does what the user does.
    std::string Run(const Lines& lines, std::function<void(TfAddFav*)> inside) {
        TfAddFav dialog(dialogs);
        WhenDialogOpens<TfAddFav>(std::move(inside));
        return dialog.Execute(favFile, lines);
    }

    static Lines GroupRows(const TfAddFav* dialog) {
        Lines rows;
        for (int row = 0; row < dialog->lbGroup->count(); ++row) {
            rows.push_back(dialog->lbGroup->item(row)->text().toStdString());
        }
        return rows;
    }
};

TEST_F(AddFavTest, LayoutIsTheFixedDialogs) {
    TfAddFav dialog(dialogs);
    EXPECT_EQ(dialog.windowTitle(), "Add Favorites");
    EXPECT_EQ(dialog.size(), QSize(351, 245));
    EXPECT_EQ(dialog.Image1->geometry(), QRect(20, 12, 32, 32));
    EXPECT_EQ(dialog.Image1->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(dialog.Label3->pos(), QPoint(64, 12));
    EXPECT_EQ(dialog.Label3->text(), "Add this font to your favorites list.");
    EXPECT_EQ(dialog.lFontName->geometry(), QRect(64, 32, 185, 17));
    EXPECT_EQ(dialog.Label1->pos(), QPoint(20, 64));
    EXPECT_EQ(dialog.Label1->text(), "Create in :");
    EXPECT_EQ(dialog.lbGroup->geometry(), QRect(20, 80, 237, 149));
    EXPECT_EQ(dialog.bOK->geometry(), QRect(266, 12, 77, 23));
    EXPECT_EQ(dialog.bCancel->geometry(), QRect(266, 40, 77, 23));
    EXPECT_EQ(dialog.bNewFolder->geometry(), QRect(266, 80, 77, 23));
    EXPECT_EQ(dialog.bOK->text(), "OK");
    EXPECT_EQ(dialog.bCancel->text(), "Cancel");
    EXPECT_EQ(dialog.bNewFolder->text(), "New Folder...");
    EXPECT_TRUE(dialog.bOK->isDefault());
}

TEST_F(AddFavTest, FontNameUsesTheDesktopsKoreanSansTwelvePixelsBold) {
    const std::string dejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!std::filesystem::exists(dejaVu)) {
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    }
    // With no Korean face in the configuration, its sans face stands in.
    sandbox.CopyFile(dejaVu, "data/fonts/DejaVuSans.ttf");
    sandbox.ReloadFonts();
    const QFont font = TfAddFav(dialogs).lFontName->font();
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.families().value(0), "DejaVu Sans");
}

TEST_F(AddFavTest, DescribesOneFontByNameAndMoreByCount) {
    std::string one;
    std::string three;
    Run({"A=B=/x/ab.ttf"}, [&](TfAddFav* d) {
        one = d->lFontName->text().toStdString();
        d->reject();
    });
    Run({"A=/x/a.ttf", "B=/x/b.ttf", "C=/x/c.ttf"}, [&](TfAddFav* d) {
        three = d->lFontName->text().toStdString();
        d->reject();
    });
    EXPECT_EQ(one, "A=B");
    EXPECT_EQ(three, "Selected 3 Fonts");
}

TEST_F(AddFavTest, ListsTheGroupsInFileOrderAndOkReturnsTheChosenOne) {
    WriteFav({"[Headings]", "[ Spaced ]", "[a]b]"});
    Lines rows;
    int firstChosen = -1;
    const std::string group = Run({"A=/x/a.ttf"}, [&](TfAddFav* d) {
        rows = GroupRows(d);
        firstChosen = d->lbGroup->currentRow();
        d->lbGroup->setCurrentRow(2);
        QTest::mouseClick(d->bOK, Qt::LeftButton);
    });
    EXPECT_EQ(rows, (Lines{"Headings", " Spaced ", "a]b"}));
    EXPECT_EQ(firstChosen, 0);
    EXPECT_EQ(group, "a]b");

    const std::string cancelled =
        Run({"A=/x/a.ttf"}, [](TfAddFav* d) { QTest::mouseClick(d->bCancel, Qt::LeftButton); });
    EXPECT_EQ(cancelled, "");
}

TEST_F(AddFavTest, OkDoesNothingWithoutAGroup) {
    bool stillOpen = false;
    const std::string group = Run({"A=/x/a.ttf"}, [&](TfAddFav* d) {
        QTest::mouseClick(d->bOK, Qt::LeftButton);
        stillOpen = d->isVisible();
        d->reject();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(group, "");
}

TEST_F(AddFavTest, NewFolderWritesTheGroupAtOnceAndAddsARowUnchosen) {
    WriteFav({"[Headings]"});
    dialogs.QueueText(platform::IdOk, "Body");
    dialogs.QueueText(platform::IdOk, "HEADINGS");
    Lines rows;
    int chosenAfterNew = -1;
    int chosenAfterExisting = -1;
    Run({"A=/x/a.ttf"}, [&](TfAddFav* d) {
        QTest::mouseClick(d->bNewFolder, Qt::LeftButton);
        chosenAfterNew = d->lbGroup->currentRow();
        d->lbGroup->setCurrentRow(1);
        QTest::mouseClick(d->bNewFolder, Qt::LeftButton);
        chosenAfterExisting = d->lbGroup->currentRow();
        rows = GroupRows(d);
        d->reject();
    });
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[0].caption, "New Folder");
    EXPECT_EQ(dialogs.Calls()[0].text, "\n\nNew Folder:");
    EXPECT_EQ(dialogs.Calls()[0].input, "");
    EXPECT_EQ(chosenAfterNew, 0);
    EXPECT_EQ(chosenAfterExisting, 0);
    EXPECT_EQ(rows, (Lines{"Headings", "Body"}));
    EXPECT_EQ(FavBytes(), "[Headings]\r\n[Body]\r\n");
}

TEST_F(AddFavTest, GroupRowsAreEighteenPixelsHigh) {
    WriteFav({"[Headings]", "[Body]"});
    int height = 0;
    Run({"A=/x/a.ttf"}, [&](TfAddFav* d) {
        height = d->lbGroup->visualItemRect(d->lbGroup->item(1)).height();
        d->reject();
    });
    EXPECT_EQ(height, 18);
}

class AddCommandTest : public AddFavTest {};

TEST_F(AddCommandTest, AddButtonPutsTheMarkedFontsIntoTheGroupChosen) {
    WriteFav({"[Headings]", Entry("Impact", "impact.ttf"), "", "[Body]"});
    AddRecord("Tahoma", "tahoma.ttf", true);
    AddRecord("Verdana", "verdana.ttf");
    AddRecord("Arial", "arial.ttf", true);
    MakePane();
    std::string described;
    WhenDialogOpens<TfAddFav>([&](TfAddFav* d) {
        described = d->lFontName->text().toStdString();
        d->lbGroup->setCurrentRow(0);
        QTest::keyClick(d->lbGroup, Qt::Key_Return);
    });
    QTest::mouseClick(pane->FavToolBar->widgetForAction(pane->tbAddFav), Qt::LeftButton);
    EXPECT_EQ(described, "Selected 2 Fonts");
    EXPECT_EQ(store.GetGroupFonts("Headings"), (Lines{"Arial", "Impact", "Tahoma"}));
    EXPECT_EQ(FavBytes().rfind("[Headings]\r\n" + Entry("Arial", "arial.ttf") + "\r\n" +
                                   Entry("Tahoma", "tahoma.ttf") + "\r\n",
                               0),
              0u);
}

TEST_F(AddCommandTest, ACancelledDialogAddsNoFontButItsNewFolderSurvivesTheNextEdit) {
    WriteFav({"[Headings]"});
    AddRecord("Tahoma", "tahoma.ttf");
    MakePane();
    dialogs.QueueText(platform::IdOk, "Body");
    WhenDialogOpens<TfAddFav>([](TfAddFav* d) {
        QTest::mouseClick(d->bNewFolder, Qt::LeftButton);
        d->reject();
    });
    pane->AddToFavoritesCommand();
    EXPECT_EQ(FavBytes(), "[Headings]\r\n[Body]\r\n");

    pane->AddToFavorites("Headings", {Entry("Tahoma", "tahoma.ttf")});
    EXPECT_EQ(FavBytes(), "[Headings]\r\n" + Entry("Tahoma", "tahoma.ttf") + "\r\n[Body]\r\n");
    EXPECT_EQ(pane->RowCount(), 2);
}

TEST_F(AddCommandTest, WithoutACurrentFontNoDialogOpens) {
    MakePane();
    pane->AddToFavoritesCommand();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(AddCommandTest, DropOnEmptySpaceOpensTheDialogForTheCurrentFont) {
    WriteFav({"[Headings]"});
    AddRecord("Tahoma", "tahoma.ttf");
    MakePane();
    std::string described;
    EXPECT_TRUE(pane->DropAt(view.get(), QPoint(5, pane->lbFav->viewport()->height() - 5)));
    // The dialog opens only once the drop has finished.
    WhenDialogOpens<TfAddFav>([&](TfAddFav* d) {
        described = d->lFontName->text().toStdString();
        QTest::mouseClick(d->bOK, Qt::LeftButton);
    });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(described, "Tahoma");
    EXPECT_EQ(store.GetGroupFonts("Headings"), Lines{"Tahoma"});
}

}  // namespace
