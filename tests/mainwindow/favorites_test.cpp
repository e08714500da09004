#include <QDropEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <fstream>
#include <functional>
#include <iterator>

#include "favorites/ui/addfav.h"
#include "favorites/ui/favoritespane.h"
#include "favorites/ui/fontdrag.h"
#include "mainwindow/mainformfixture.h"

namespace {

using Rows = std::vector<std::string>;
using Section = std::vector<std::pair<std::string, std::string>>;

// Favorites from the running main window: the pane, the "Favorites" menu, the add dialog,
// the drag from the list and the keys, over installed fonts "<Greek> Regular".
class FavoritesTest : public MainFormTest {
protected:
    std::string Entry(const std::string& family) const {
        return family + " Regular=" + sandbox_.Path() + "/data/fonts/" + family + ".ttf";
    }

    void WriteFav(const Rows& lines) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        sandbox_.WriteFile("home/installed.fav", bytes);
    }

    std::string FavBytes() const {
        std::ifstream in(sandbox_.HomeFolder() + "installed.fav", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    TFavoritesPane& Pane() const { return *form_->findChild<TFavoritesPane*>("pFavorites"); }
    QListView& List() const { return *form_->findChild<QListView*>("lbFav"); }

    Rows PaneRows() const {
        Rows rows;
        for (int row = 0; row < Pane().RowCount(); ++row) {
            rows.push_back(std::to_string(Pane().RowMarker(row)) + ":" + Pane().RowText(row));
        }
        return rows;
    }

    // The group items of the "Favorites" menu, after its two fixed items.
    Rows MenuGroups() const {
        Rows groups;
        const QList<QAction*> items = Menu("Favorites1")->actions();
        for (qsizetype i = 2; i < items.size(); ++i) {
            groups.push_back(items[i]->text().toStdString());
        }
        return groups;
    }

    QPoint RowCentre(int row) const {
        return List().visualRect(List().model()->index(row, 0)).center();
    }

    void ClickRow(int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(List().viewport(), button, {}, RowCentre(row));
    }

    void ClickPaneButton(const char* name) {
        auto* bar = Pane().findChild<QToolBar*>("FavToolBar");
        QTest::mouseClick(bar->widgetForAction(Pane().findChild<QAction*>(name)), Qt::LeftButton);
    }

    QToolButton& FavoritesTab() const { return *form_->findChild<QToolButton*>("tbFavGroup"); }

    std::vector<std::string> ViewNames() {
        std::vector<std::string> names;
        for (int i = 0; i < Items().GetCount(); ++i) {
            names.push_back(Items().GetItems(i).FullName());
        }
        return names;
    }

    // Presses the left button on the list and moves it far enough to start the drag, which
    // drops at `at` on the pane's list: the events a drag over the pane delivers, carrying
    // what the list's drag carries.
    void DragToPane(QPoint at) {
        form_->onDrag = [this, at] {
            std::unique_ptr<QMimeData> data(NewFontDragData(View()));
            QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
            QApplication::sendEvent(List().viewport(), &enter);
            dropTargetSeen = Pane().DropTarget();
            QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, {});
            QApplication::sendEvent(List().viewport(), &drop);
        };
        QWidget* list = View().viewport();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10),
                          list->mapToGlobal(QPointF(10, 10)), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(list, &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 30), list->mapToGlobal(QPointF(10, 30)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(list, &move);
        QApplication::processEvents();
    }

    // Answers the add dialog once it is open: optionally makes a group with its "New
    // Folder..." button and picks it, then presses OK or Cancel.
    void AnswerAddDialog(bool ok, const std::string& newFolder = {}) {
        QTimer::singleShot(0, [=, this] {
            auto* dialog = qobject_cast<TfAddFav*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                AnswerAddDialog(ok, newFolder);  // not open yet
                return;
            }
            addDialogText = dialog->lFontName->text().toStdString();
            if (!newFolder.empty()) {
                dialogs_.QueueText(platform::IdOk, newFolder);
                QTest::mouseClick(dialog->bNewFolder, Qt::LeftButton);
                QListWidget* groups = dialog->lbGroup;
                QTest::mouseClick(
                    groups->viewport(), Qt::LeftButton, {},
                    groups->visualItemRect(groups->item(groups->count() - 1)).center());
            }
            QTest::mouseClick(ok ? dialog->bOK : dialog->bCancel, Qt::LeftButton);
        });
    }

    int dropTargetSeen = -2;
    std::string addDialogText;
};

TEST_F(FavoritesTest, PaneFillsTheLeftPanelAndFollowsTheButtonAndItsCloseButton) {
    InstallFonts({"Alpha"});
    TestMainForm& form = Open();
    EXPECT_EQ(Pane().parentWidget(), form.findChild<QWidget*>("pnFavorites"));
    EXPECT_TRUE(Pane().isVisible());
    EXPECT_TRUE(Pane().findChild<QLabel*>("Label2")->isVisible());
    EXPECT_EQ(MenuGroups(), Rows{});

    QTest::mouseClick(Pane().findChild<QToolButton*>("sbFavPaneClose"), Qt::LeftButton);
    EXPECT_FALSE(Pane().isVisible());
    EXPECT_FALSE(Action("tbFavorites")->isChecked());
    Action("tbFavorites")->trigger();
    EXPECT_TRUE(Pane().isVisible());
}

TEST_F(FavoritesTest, AddButtonPutsTheMarkedFontsIntoAGroupMadeInTheDialog) {
    InstallFonts({"Alpha", "Beta", "Gamma"});
    Open();
    Key(Qt::Key_Space);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Space);
    AnswerAddDialog(true, "Headings");
    ClickPaneButton("tbAddFav");
    EXPECT_EQ(addDialogText, "Selected 2 Fonts");
    EXPECT_EQ(PaneRows(), Rows{"1:Headings"});
    EXPECT_EQ(MenuGroups(), Rows{"Headings"});
    EXPECT_FALSE(Pane().findChild<QLabel*>("Label2")->isVisible());
    EXPECT_EQ(FavBytes(), "[Headings]\r\n" + Entry("Gamma") + "\r\n" + Entry("Alpha") + "\r\n");
}

TEST_F(FavoritesTest, AddFollowsTheMenusRuleAndTheMenusAddTheCurrentFont) {
    InstallFonts({"Alpha", "Beta"});
    WriteFav({"[Body]"});
    Open();
    Key(Qt::Key_1, Qt::AltModifier);
    OpenMenu("Favorites1");
    EXPECT_FALSE(Action("AddtoFavorites1")->isEnabled());
    EXPECT_FALSE(Pane().findChild<QAction*>("tbAddFav")->isEnabled());
    Key(Qt::Key_2, Qt::AltModifier);
    EXPECT_TRUE(Pane().findChild<QAction*>("tbAddFav")->isEnabled());

    Key(Qt::Key_Down);
    OpenMenu("Favorites1");
    AnswerAddDialog(false);
    Action("AddtoFavorites1")->trigger();
    EXPECT_EQ(addDialogText, "Beta Regular");
    EXPECT_EQ(FavBytes(), "[Body]\r\n");
    AnswerAddDialog(true);
    Action("AddtoFavorites2")->trigger();
    EXPECT_EQ(FavBytes(), "[Body]\r\n" + Entry("Beta") + "\r\n");
    EXPECT_EQ(PaneRows(), Rows{"1:Body"});
}

TEST_F(FavoritesTest, DragOntoAGroupRowAddsAtOnceAndOntoEmptySpaceAsksForTheGroup) {
    InstallFonts({"Alpha", "Beta"});
    WriteFav({"[Body]", "[Heads]"});
    Open();
    Key(Qt::Key_Space);  // marks Alpha
    DragToPane(RowCentre(1));
    EXPECT_EQ(dropTargetSeen, 1);
    EXPECT_EQ(Pane().DropTarget(), -1);
    EXPECT_TRUE(dialogs_.Calls().empty());
    EXPECT_EQ(FavBytes(), "[Body]\r\n[Heads]\r\n" + Entry("Alpha") + "\r\n");

    AnswerAddDialog(true);  // its first group is chosen
    DragToPane(QPoint(20, List().viewport()->height() - 5));
    EXPECT_EQ(dropTargetSeen, -1);
    EXPECT_EQ(addDialogText, "Alpha Regular");
    EXPECT_EQ(PaneRows(), (Rows{"1:Body", "1:Heads"}));
    EXPECT_EQ(FavBytes(),
              "[Body]\r\n" + Entry("Alpha") + "\r\n[Heads]\r\n" + Entry("Alpha") + "\r\n");
}

TEST_F(FavoritesTest, GroupsAreMadeOpenedClosedRenamedAndDeletedFromThePane) {
    InstallFonts({"Alpha", "Beta"});
    WriteFav({"[Body]", Entry("Beta"), Entry("Alpha")});
    TestMainForm& form = Open();
    dialogs_.QueueText(platform::IdOk, "Heads");
    ClickPaneButton("tbNewFolder");
    EXPECT_EQ(PaneRows(), (Rows{"1:Body", "1:Heads"}));
    ClickRow(0);
    EXPECT_EQ(PaneRows(), (Rows{"2:Body", "0:Alpha Regular", "0:Beta Regular", "1:Heads"}));
    ClickRow(0);
    EXPECT_EQ(PaneRows(), (Rows{"1:Body", "1:Heads"}));

    ClickRow(0, Qt::RightButton);
    Pane().findChild<QAction*>("View1")->trigger();
    EXPECT_EQ(form.ViewKind(), vkFavorites);
    dialogs_.QueueText(platform::IdOk, "A & B");
    Pane().findChild<QAction*>("Rename1")->trigger();
    EXPECT_EQ(FavoritesTab().text().toStdString(), "A & B");
    EXPECT_TRUE(FavoritesTab().shortcut().isEmpty());
    dialogs_.QueueText(platform::IdOk, "Body text in long paragraphs");
    ClickRow(0, Qt::RightButton);
    Pane().findChild<QAction*>("Rename1")->trigger();
    EXPECT_EQ(FavoritesTab().toolTip().toStdString(), "Body text in long paragraphs");
    EXPECT_TRUE(FavoritesTab().text().endsWith(QChar(0x2026)));
    QFont bold = FavoritesTab().font();
    bold.setBold(true);
    EXPECT_LT(QFontMetrics(bold).horizontalAdvance(FavoritesTab().text()), FavoritesTab().width());
    EXPECT_EQ(MenuGroups(), (Rows{"Body text in long paragraphs", "Heads"}));

    dialogs_.QueueResult(platform::IdYes);
    ClickRow(0, Qt::RightButton);
    QTest::keyClick(&List(), Qt::Key_Delete);
    EXPECT_EQ(dialogs_.Calls().back().text,
              "Are you sure you want to delete this favorites group?");
    EXPECT_EQ(PaneRows(), Rows{"1:Heads"});
    EXPECT_EQ(MenuGroups(), Rows{"Heads"});
    EXPECT_EQ(form.ViewKind(), vkAll);
    EXPECT_TRUE(FavoritesTab().isHidden());
    EXPECT_EQ(FavBytes(), "[Heads]\r\n");
}

TEST_F(FavoritesTest, GroupsOpenFromThePaneTheMenuAndCtrlDigitsInInstalledMode) {
    InstallFonts({"Alpha", "Beta", "Gamma"});
    WriteFav({"[Body]", Entry("Beta"), Entry("Alpha"), "[Sans & Serif]", Entry("Gamma")});
    Ini().WriteInteger("Option", "ViewMode", flmScreen);
    TestMainForm& form = Open();
    Key(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(form.FontList().Mode(), flmInstalled);
    EXPECT_EQ(Items().Mode(), flmInstalled);
    EXPECT_EQ(ViewNames(), Rows{"Gamma Regular"});
    EXPECT_EQ(form.ViewKind(), vkFavorites);
    EXPECT_EQ(FavoritesTab().toolTip().toStdString(), "Sans & Serif");
    EXPECT_TRUE(FavoritesTab().isVisible() && FavoritesTab().isChecked());
    EXPECT_TRUE(form.windowTitle().endsWith("Installed Fonts"));
    Key(Qt::Key_3, Qt::ControlModifier);  // no third group
    EXPECT_EQ(ViewNames(), Rows{"Gamma Regular"});

    Key(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(ViewNames(), (Rows{"Alpha Regular", "Beta Regular"}));
    EXPECT_EQ(MenuGroups(), (Rows{"Body", "Sans && Serif"}));
    Menu("Favorites1")->actions()[3]->trigger();
    EXPECT_EQ(ViewNames(), Rows{"Gamma Regular"});

    ClickRow(0);  // opens "Body"
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, RowCentre(2));
    EXPECT_EQ(FavoritesTab().text().toStdString(), "Body");
    EXPECT_EQ(View().ItemIndex(), 1);  // Beta

    Key(Qt::Key_Escape);
    EXPECT_EQ(form.ViewKind(), vkAll);
    EXPECT_EQ(Items().GetCount(), 3);
    EXPECT_TRUE(FavoritesTab().isHidden());
}

// "ExpandedFav" holds row indexes and names at close; the next run expands by name (ignoring
// case) and forgets names of groups that are gone.
TEST_F(FavoritesTest, ARestartFindsGroupsExpandedGroupsAndThePaneAsLeft) {
    InstallFonts({"Alpha", "Beta"});
    WriteFav({"[A]", Entry("Alpha"), "[B]", Entry("Beta"), "[C]", Entry("Alpha")});
    Ini().WriteString("ExpandedFav", "3", "gone");
    Ini().WriteString("ExpandedFav", "9", "b");
    Open();
    EXPECT_EQ(PaneRows(), (Rows{"1:A", "2:B", "0:Beta Regular", "1:C"}));
    ClickRow(3);
    ClickRow(1);
    Action("tbFavorites")->trigger();
    CloseForm();
    EXPECT_EQ(Ini().ReadSectionValues("ExpandedFav"), (Section{{"2", "C"}}));
    EXPECT_EQ(Ini().ReadString("Option", "Left", "?"), "0");

    form_.reset();
    Open();
    EXPECT_EQ(PaneRows(), (Rows{"1:A", "1:B", "2:C", "0:Alpha Regular"}));
    EXPECT_EQ(MenuGroups(), (Rows{"A", "B", "C"}));
    EXPECT_FALSE(Pane().isVisible());
}

}  // namespace
