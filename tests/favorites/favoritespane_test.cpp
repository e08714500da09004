#include "favorites/ui/favoritespane.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>

#include "favorites/ui/favrowdelegate.h"
#include "favorites/ui/favtitle.h"
#include "favorites/ui/fontdrag.h"
#include "panefixture.h"
#include "platform/uifont.h"

namespace {

using Rows = std::vector<std::string>;

class FavoritesPaneTest : public PaneFixture {
protected:
    // Two groups with fonts and an empty one; "Gone" has no file any more.
    void WriteThreeGroups() {
        WriteFav({"[Headings]", Entry("Impact", "impact.ttf"), Entry("arial Black", "ab.ttf"),
                  "Gone=" + sandbox.Path() + "/fonts/gone.ttf", "", "[Body]",
                  Entry("Georgia", "georgia.ttf"), "[Empty]"});
    }

    QImage Grab() {
        QApplication::processEvents();
        return pane->lbFav->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The text's most covered pixel right of the row's picture (anti-aliasing blends the
    // rest with the background): the darkest one, or on the highlight the lightest one.
    QColor TextColour(const QImage& image, int row, bool onHighlight = false) {
        const QRect band = pane->lbFav->visualRect(pane->lbFav->model()->index(row, 0));
        const int left = band.left() + (pane->IsGroupRow(row) ? 20 : 30);
        QColor found = onHighlight ? QColor(Qt::black) : QColor(Qt::white);
        for (int y = band.top() + 1; y < band.bottom(); ++y) {
            for (int x = left; x < band.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if ((pixel.lightness() < found.lightness()) != onHighlight) {
                    found = pixel;
                }
            }
        }
        return found;
    }

    static bool Near(const QColor& a, QRgb b) {
        const QColor c(b);
        return std::abs(a.red() - c.red()) <= 40 && std::abs(a.green() - c.green()) <= 40 &&
               std::abs(a.blue() - c.blue()) <= 40;
    }

    // Clicks as the desktop delivers them: the button, and for the right one the menu request.
    void PressRow(int row, Qt::MouseButton button) {
        QWidget* list = pane->lbFav->viewport();
        const QPoint at = RowCentre(row);
        QTest::mouseClick(list, button, {}, at);
        if (button == Qt::RightButton) {
            QContextMenuEvent request(QContextMenuEvent::Mouse, at, list->mapToGlobal(at));
            QApplication::sendEvent(list, &request);
        }
        QApplication::processEvents();
    }

    void DoubleClick(int row) {
        QTest::mouseClick(pane->lbFav->viewport(), Qt::LeftButton, {}, RowCentre(row));
        QTest::mouseDClick(pane->lbFav->viewport(), Qt::LeftButton, {}, RowCentre(row));
        QApplication::processEvents();
    }
};

TEST_F(FavoritesPaneTest, StripsAreLaidOutAsTheirFixedSizesAndTexts) {
    MakePane();
    EXPECT_EQ(pane->objectName(), "pFavorites");
    EXPECT_EQ(pane->pFavTitle->height(), 20);
    auto* close = pane->findChild<QToolButton*>("sbFavPaneClose");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->size(), QSize(16, 16));
    EXPECT_EQ(close->geometry().right(), pane->width() - 1 - 2);
    EXPECT_EQ(pane->FavToolBar->height(), 24);
    const QList<QAction*> tools = pane->FavToolBar->actions();
    ASSERT_EQ(tools.size(), 3);
    EXPECT_EQ(tools[0]->text(), "Add");
    EXPECT_TRUE(tools[1]->isSeparator());
    EXPECT_EQ(tools[2]->text(), "New Folder");
    EXPECT_EQ(pane->Label2->text(),
              "To add font(s) here, select fonts then click \"Add\" button above");
    EXPECT_TRUE(pane->Label2->isVisible());

    const QImage title = pane->pFavTitle->grab().toImage();
    const QColor face = pane->pFavTitle->palette().color(QPalette::Button);
    for (int line = 0; line < 3; ++line) {
        EXPECT_EQ(title.pixelColor(5, 17 + line), TFavTitle::ShadeLine(face, line)) << line;
    }
    EXPECT_EQ(TFavTitle::ShadeLine(QColor(200, 100, 50), 2), QColor(176, 88, 44));
}

TEST_F(FavoritesPaneTest, CloseButtonAsksTheMainWindowToHideThePane) {
    MakePane();
    QTest::mouseClick(pane->findChild<QToolButton*>("sbFavPaneClose"), Qt::LeftButton);
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(FavoritesPaneTest, RefreshShowsCollapsedGroupsInFileOrderWithoutMissingFonts) {
    WriteThreeGroups();
    MakePane();
    EXPECT_EQ(PaneRows(), (Rows{"1:Headings", "1:Body", "1:Empty"}));
    EXPECT_FALSE(pane->Label2->isVisible());
    EXPECT_EQ(pane->lbFav->model()->index(0, 0).data(Qt::UserRole + 1).toInt(), 2);
    // The sweep is not saved by a rebuild: only the next edit writes the file.
    EXPECT_NE(FavBytes().find("Gone="), std::string::npos);
}

TEST_F(FavoritesPaneTest, RowsAreMeasuredByTheirFonts) {
    WriteThreeGroups();
    MakePane();
    pane->ExpandGroup(0);
    QApplication::processEvents();
    const int groupText = QFontMetrics(platform::UiFont("Arial", 9, true)).height();
    const int fontText = QFontMetrics(platform::UiFont("Tahoma", 8)).height();
    auto height = [this](int row) {
        return pane->lbFav->visualRect(pane->lbFav->model()->index(row, 0)).height();
    };
    EXPECT_EQ(height(0), std::max(18, groupText + 14));
    EXPECT_EQ(height(1), fontText + 6);
}

TEST_F(FavoritesPaneTest, ClickingAGroupRowOpensAndClosesItButAnEmptyOneStaysShut) {
    WriteThreeGroups();
    MakePane();
    Click(0);
    EXPECT_EQ(PaneRows(), (Rows{"2:Headings", "0:arial Black", "0:Impact", "1:Body", "1:Empty"}));
    EXPECT_EQ(pane->SelectedRow(), 0);
    Click(0);
    EXPECT_EQ(PaneRows(), (Rows{"1:Headings", "1:Body", "1:Empty"}));
    Click(2);
    EXPECT_EQ(pane->RowMarker(2), 1);
    // A double click is one click for a group row.
    DoubleClick(1);
    EXPECT_EQ(PaneRows(), (Rows{"1:Headings", "2:Body", "0:Georgia", "1:Empty"}));
}

TEST_F(FavoritesPaneTest, KeysMoveWithoutTogglingAndOpenCloseAndLeaveRowsByTheirRules) {
    WriteThreeGroups();
    AddRecord("Other", "other.ttf");
    AddRecord("Impact", "impact.ttf");
    MakePane();
    pane->SelectRow(0);
    Key(Qt::Key_Down);
    EXPECT_EQ(pane->SelectedRow(), 1);
    EXPECT_EQ(PaneRows(), (Rows{"1:Headings", "1:Body", "1:Empty"}));
    Key(Qt::Key_Up);
    Key(Qt::Key_Right);
    EXPECT_EQ(pane->RowMarker(0), 2);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Left);
    EXPECT_EQ(pane->SelectedRow(), 0);
    EXPECT_EQ(pane->RowMarker(0), 2);
    Key(Qt::Key_Left);
    EXPECT_EQ(pane->RowMarker(0), 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(pane->RowMarker(0), 2);

    shownGroup = "Headings";
    pane->SelectRow(2);
    Key(Qt::Key_Return);
    EXPECT_EQ(shown, Rows{"Headings"});
    EXPECT_EQ(view->ItemIndex(), 1);
}

TEST_F(FavoritesPaneTest, DoubleClickOnAFontRowShowsItsGroupOnlyWhenAnotherIsShown) {
    WriteThreeGroups();
    AddRecord("Other", "other.ttf");
    AddRecord("Georgia", "georgia.ttf");
    MakePane();
    pane->ExpandGroup(1);
    DoubleClick(2);
    EXPECT_EQ(shown, Rows{"Body"});
    EXPECT_EQ(view->ItemIndex(), 1);
    view->SetItemIndex(0);
    DoubleClick(2);
    EXPECT_EQ(shown, Rows{"Body"});
    EXPECT_EQ(view->ItemIndex(), 1);
}

TEST_F(FavoritesPaneTest, PaneMenuShowsOnlyTheCommandsOfTheRowRightClicked) {
    WriteThreeGroups();
    MakePane();
    pane->ExpandGroup(1);
    auto visible = [this] {
        Rows names;
        for (QAction* item : pane->FavPopupMenu->actions()) {
            if (!item->isSeparator() && item->isVisible()) {
                names.push_back(item->text().toStdString());
            }
        }
        pane->FavPopupMenu->hide();
        return names;
    };
    PressRow(0, Qt::RightButton);
    EXPECT_EQ(pane->RowMarker(0), 1) << "a right click only chooses the row";
    ASSERT_TRUE(pane->FavPopupMenu->isVisible());
    EXPECT_EQ(visible(), (Rows{"E&xpand", "&View", "&Rename", "&Delete"}));
    PressRow(1, Qt::RightButton);
    EXPECT_EQ(visible(), (Rows{"&Collapse", "&View", "&Rename", "&Delete"}));
    PressRow(2, Qt::RightButton);
    EXPECT_EQ(pane->SelectedRow(), 2);
    EXPECT_EQ(visible(), Rows{"&Delete"});
    QWidget* list = pane->lbFav->viewport();
    const QPoint below(5, list->height() - 5);
    QContextMenuEvent request(QContextMenuEvent::Mouse, below, list->mapToGlobal(below));
    QApplication::sendEvent(list, &request);
    EXPECT_FALSE(pane->FavPopupMenu->isVisible());
}

TEST_F(FavoritesPaneTest, NewFolderAppendsAHeaderOrChoosesTheGroupOfThatNameAlready) {
    WriteFav({"[Headings]"});
    MakePane();
    dialogs.QueueText(platform::IdOk, " Body ");
    QTest::mouseClick(pane->FavToolBar->widgetForAction(pane->tbNewFolder), Qt::LeftButton);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].caption, "New Folder");
    EXPECT_EQ(dialogs.Calls()[0].text, "\n\nNew Folder:");
    EXPECT_EQ(dialogs.Calls()[0].input, "New Folder");
    EXPECT_EQ(FavBytes(), "[Headings]\r\n[Body]\r\n");
    EXPECT_EQ(pane->SelectedRow(), 1);

    dialogs.QueueText(platform::IdOk, "HEADINGS");
    pane->NewFolderCommand();
    EXPECT_EQ(FavBytes(), "[Headings]\r\n[Body]\r\n");
    EXPECT_EQ(PaneRows(), (Rows{"1:Headings", "1:Body"}));
    EXPECT_EQ(pane->SelectedRow(), 0);

    dialogs.QueueText(platform::IdOk, "  ");
    pane->NewFolderCommand();
    dialogs.QueueText(platform::IdCancel, "Ignored");
    pane->NewFolderCommand();
    EXPECT_EQ(FavBytes(), "[Headings]\r\n[Body]\r\n");
}

TEST_F(FavoritesPaneTest, RenameKeepsTheGroupExpandedAndTellsTheMainWindowWhenShown) {
    WriteThreeGroups();
    MakePane();
    pane->ExpandGroup(0);
    shownGroup = "headings";
    pane->SelectRow(0);
    dialogs.QueueText(platform::IdOk, "Titles");
    pane->RenameCommand();
    EXPECT_EQ(dialogs.Calls().back().caption, "Rename");
    EXPECT_EQ(dialogs.Calls().back().text, "\n\nNew Favorites Folder Name:");
    EXPECT_EQ(dialogs.Calls().back().input, "Headings");
    EXPECT_EQ(renamedTo, "Titles");
    EXPECT_EQ(PaneRows(), (Rows{"2:Titles", "0:arial Black", "0:Impact", "1:Body", "1:Empty"}));
    EXPECT_EQ(FavBytes().rfind("[Titles]\r\n", 0), 0u);

    const std::string before = FavBytes();
    pane->SelectRow(3);
    dialogs.QueueText(platform::IdOk, "EMPTY");
    pane->RenameCommand();
    EXPECT_EQ(FavBytes(), before);
    EXPECT_EQ(pane->RowText(3), "Body");
}

TEST_F(FavoritesPaneTest, DeletingAGroupAsksFirstAndLeavesTheShownGroup) {
    WriteThreeGroups();
    MakePane();
    shownGroup = "Body";
    pane->SelectRow(0);
    dialogs.QueueResult(platform::IdNo);
    pane->DeleteCommand();
    EXPECT_EQ(pane->RowCount(), 3);
    const fakes::DialogCall& question = dialogs.Calls().back();
    EXPECT_EQ(question.text, "Are you sure you want to delete this favorites group?");
    EXPECT_EQ(question.caption, "Confirm Delete");
    EXPECT_EQ(question.buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(question.icon, platform::MsgIcon::Warning);

    dialogs.QueueResult(platform::IdYes);
    pane->lbFav->setFocus();
    QTest::keyClick(pane->lbFav, Qt::Key_Delete);
    EXPECT_EQ(PaneRows(), (Rows{"1:Body", "1:Empty"}));
    EXPECT_EQ(allFonts, 1);
    // The edit saved the sweep of missing fonts too.
    EXPECT_EQ(FavBytes(), "[Body]\r\n" + Entry("Georgia", "georgia.ttf") + "\r\n[Empty]\r\n");
}

TEST_F(FavoritesPaneTest, DeletingAFontReshowsTheShownGroup) {
    WriteThreeGroups();
    MakePane();
    pane->ExpandGroup(0);
    shownGroup = "Body";
    pane->SelectRow(2);
    dialogs.QueueResult(platform::IdYes);
    pane->DeleteCommand();
    EXPECT_EQ(dialogs.Calls().back().text,
              "Are you sure you want to delete this font from favorites?");
    EXPECT_EQ(PaneRows(), (Rows{"2:Headings", "0:arial Black", "1:Body", "1:Empty"}));
    EXPECT_EQ(shown, Rows{"Body"});
}

TEST_F(FavoritesPaneTest, ExpandedGroupsAreSavedAsRowIndexesAndRestoredByName) {
    WriteThreeGroups();
    MakePane();
    pane->ExpandGroup(1);
    pane->ExpandGroup(0);
    EXPECT_EQ(pane->ExpandedFav(),
              (TFavoritesPane::TExpandedFav{{"0", "Headings"}, {"3", "Body"}}));

    pane->CollapseGroup(3);
    pane->CollapseGroup(0);
    pane->LoadExpandedFav({{"0", "BODY"}, {"1", "empty"}, {"7", "Gone"}});
    EXPECT_EQ(PaneRows(), (Rows{"1:Headings", "2:Body", "0:Georgia", "1:Empty"}));
}

TEST_F(FavoritesPaneTest, RowsAreDrawnInTheirColoursAndTheDropTargetGroupInOrange) {
    WriteThreeGroups();
    AddRecord("Impact", "impact.ttf");
    MakePane();
    pane->ExpandGroup(0);
    pane->lbFav->clearFocus();
    QImage image = Grab();
    EXPECT_TRUE(Near(TextColour(image, 0), TFavRowDelegate::kGroupColor));
    EXPECT_TRUE(Near(TextColour(image, 1), TFavRowDelegate::kFontColor));

    EXPECT_TRUE(pane->DragMoveTo(view.get(), RowCentre(2)));
    EXPECT_EQ(pane->DropTarget(), 0);
    image = Grab();
    for (int row : {0, 1, 2}) {
        EXPECT_TRUE(Near(TextColour(image, row), TFavRowDelegate::kDropColor)) << row;
    }
    EXPECT_TRUE(Near(TextColour(image, 3), TFavRowDelegate::kGroupColor));

    pane->SelectRow(3);
    pane->lbFav->setFocus();
    image = Grab();
    const QColor highlight = pane->lbFav->palette().color(QPalette::Highlight);
    const QRect chosen = pane->lbFav->visualRect(pane->lbFav->model()->index(3, 0));
    EXPECT_EQ(image.pixelColor(chosen.right() - 2, chosen.center().y()), highlight);
    EXPECT_TRUE(Near(TextColour(image, 3, true),
                     pane->lbFav->palette().color(QPalette::HighlightedText).rgb()));
    pane->DragLeft();
    EXPECT_EQ(pane->DropTarget(), -1);
}

TEST_F(FavoritesPaneTest, AFontNameWiderThanThePaneEndsInAnEllipsisInsideItsRow) {
    const std::string wide(60, 'M');
    WriteFav({"[Wide]", Entry(wide, "wide.ttf")});
    AddRecord(wide, "wide.ttf");
    MakePane();
    pane->ExpandGroup(0);
    pane->lbFav->clearFocus();
    const QImage image = Grab();
    const QRect row = pane->lbFav->visualRect(pane->lbFav->model()->index(1, 0));
    ASSERT_LT(row.width(), 400);
    // Cut text would run to the row's right edge; the shortened one stops short of it.
    int inkRight = 0;
    for (int y = row.top() + 1; y < row.bottom(); ++y) {
        for (int x = row.left() + 30; x <= row.right(); ++x) {
            if (image.pixelColor(x, y).lightness() < 160) {
                inkRight = std::max(inkRight, x);
            }
        }
    }
    EXPECT_GT(inkRight, row.right() - 40);
    EXPECT_LT(inkRight, row.right() - 2);
}

TEST_F(FavoritesPaneTest, DropsAreTakenOnlyFromTheFontListViewWithInstalledFonts) {
    WriteThreeGroups();
    AddRecord("Impact", "impact.ttf");
    MakePane();
    QWidget stranger;
    EXPECT_FALSE(pane->DragMoveTo(&stranger, RowCentre(0)));
    EXPECT_FALSE(pane->DragMoveTo(nullptr, RowCentre(0)));
    EXPECT_EQ(pane->DropTarget(), -1);

    // Dropped text from another program names no font of ours.
    const std::string before = FavBytes();
    auto* data = new QMimeData;
    data->setText("Evil\r\n[Forged]");
    QDropEvent drop(QPointF(RowCentre(0)), Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(pane->lbFav->viewport(), &drop);
    QApplication::processEvents();
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(FavBytes(), before);
    delete data;

    view->Items().SetMode(flmFolders);
    EXPECT_FALSE(pane->DragMoveTo(view.get(), RowCentre(0)));
}

// A drop the toolkit hands over without its source counts as the view's own only when it
// carries the mark of that very view.
TEST_F(FavoritesPaneTest, ADropWithoutSourceIsTakenByTheMarkOfTheView) {
    WriteThreeGroups();
    AddRecord("Verdana", "verdana.ttf", true);
    MakePane();
    TXFontListView otherView(services);
    for (TXFontListView* marked : {&otherView, view.get()}) {
        std::unique_ptr<QMimeData> data(NewFontDragData(*marked));
        QDragEnterEvent enter(RowCentre(2), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(pane->lbFav->viewport(), &enter);
        QDropEvent drop(QPointF(RowCentre(2)), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(pane->lbFav->viewport(), &drop);
        QApplication::processEvents();
        EXPECT_EQ(drop.isAccepted(), marked == view.get());
    }
    EXPECT_EQ(store.GetGroupFonts("Empty"), Rows{"Verdana"});
    // Other programs get the names as text.
    std::unique_ptr<QMimeData> data(NewFontDragData(*view));
    EXPECT_EQ(data->text().toStdString(), "Verdana");
}

// X11 hands a drag inside the program over twice: enter, move and drop, then all again.
TEST_F(FavoritesPaneTest, OneDragDroppedTwiceAddsItsFontsOnce) {
    WriteThreeGroups();
    AddRecord("Verdana", "verdana.ttf", true);
    MakePane();
    for (int drag = 0; drag < 2; ++drag) {
        std::unique_ptr<QMimeData> data(NewFontDragData(*view));
        for (int delivery = 0; delivery < 2; ++delivery) {
            QDragEnterEvent enter(RowCentre(2), Qt::CopyAction, data.get(), Qt::LeftButton, {});
            QApplication::sendEvent(pane->lbFav->viewport(), &enter);
            QDropEvent drop(QPointF(RowCentre(2)), Qt::CopyAction, data.get(), Qt::LeftButton, {});
            QApplication::sendEvent(pane->lbFav->viewport(), &drop);
            EXPECT_TRUE(drop.isAccepted());
        }
        QApplication::processEvents();
        EXPECT_EQ(store.GetFontCount("Empty"), drag + 1);
    }
}

TEST_F(FavoritesPaneTest, DropOnARowAddsTheViewsSelectionToThatRowsGroup) {
    WriteThreeGroups();
    AddRecord("Verdana", "verdana.ttf", true);
    AddRecord("Tahoma", "tahoma.ttf", true);
    MakePane();
    pane->ExpandGroup(1);
    EXPECT_TRUE(pane->DropAt(view.get(), RowCentre(2)));
    QApplication::processEvents();
    EXPECT_EQ(PaneRows(),
              (Rows{"1:Headings", "2:Body", "0:Georgia", "0:Tahoma", "0:Verdana", "1:Empty"}));
    EXPECT_NE(FavBytes().find("[Body]\r\n" + Entry("Tahoma", "tahoma.ttf") + "\r\n" +
                              Entry("Verdana", "verdana.ttf") + "\r\n"),
              std::string::npos);
}

TEST_F(FavoritesPaneTest, AFontThatCannotBeStoredIsLeftOutWithAWarning) {
    WriteThreeGroups();
    AddRecord("Evil\n[Forged]", "evil.ttf", true);
    AddRecord("Good", "good.ttf", true);
    MakePane();
    dialogs.QueueResult(platform::IdOk);
    pane->DropAt(view.get(), RowCentre(2));
    QApplication::processEvents();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].icon, platform::MsgIcon::Warning);
    EXPECT_EQ(FavBytes().find("Forged"), std::string::npos);
    EXPECT_EQ(store.GetGroupFonts("Empty"), Rows{"Good"});
}

TEST_F(FavoritesPaneTest, AnUnreadableFileIsReportedAndTheRowsStay) {
    WriteThreeGroups();
    MakePane();
    std::filesystem::remove(favFile);
    std::filesystem::create_directory(favFile);
    dialogs.QueueResult(platform::IdOk);
    pane->RefreshFavorites();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "Cannot open file " + favFile);
    EXPECT_EQ(dialogs.Calls()[0].icon, platform::MsgIcon::Error);
    EXPECT_EQ(pane->RowCount(), 3);
}

TEST_F(FavoritesPaneTest, MenuGetsOneItemPerGroupAfterItsFixedItems) {
    WriteFav({"[Sans & Serif]", "[Body]"});
    QMenu menu;
    menu.addAction("&Add to Favorites");
    menu.addSeparator();
    MakePane();
    pane->SetFavoritesMenu(&menu, QIcon());
    QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[2]->text(), "Sans && Serif");
    items[2]->trigger();
    EXPECT_EQ(shown, Rows{"Sans & Serif"});

    WriteFav({"[Body]"});
    pane->RefreshFavorites();
    items = menu.actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Add to Favorites");
    EXPECT_EQ(items[2]->text(), "Body");
}

TEST_F(FavoritesPaneTest, AddIsEnabledOnlyWhileTheViewHoldsInstalledFonts) {
    MakePane();
    EXPECT_TRUE(pane->tbAddFav->isEnabled());
    view->Items().SetMode(flmScreen);
    pane->UpdateAddButton();
    EXPECT_FALSE(pane->tbAddFav->isEnabled());
}

}  // namespace
