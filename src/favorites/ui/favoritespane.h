#pragma once

#include <QIcon>
#include <QMimeData>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QDropEvent;
class QLabel;
class QListView;
class QMenu;
class QToolBar;
class TFavRowDelegate;
class TFavRows;
class TFavTitle;
class TFontFavorites;
class TXFontListView;

namespace platform {
class Dialogs;
}  // namespace platform

// What the pane asks of the main window. Every member may be left empty where a caller
// (a test) does not need it.
struct TFavoritesPaneHost {
    // The group the font list view shows (ViewKind 1), or nothing.
    std::function<std::optional<std::string>()> ShownGroup;
    // Shows a group's fonts in the font list view (ShowFavorites).
    std::function<void(const std::string& group)> ShowFavorites;
    // Back to the whole list ("&All Fonts"), after the shown group was deleted.
    std::function<void()> AllFonts;
    // The shown group was renamed: the favorites tab and FavoritesGroup follow.
    std::function<void(const std::string& newName)> ShownGroupRenamed;
    // The title strip's close button: hide the pane and raise the "Favorites" button.
    std::function<void()> CloseRequested;
};

// The favorites pane: the title strip, the "Add" and "New Folder" buttons, the hint and
// the owner-drawn two-level list of groups and their fonts. It edits the favorites file
// through the store (reloading it before each edit), takes drops from the program's own font
// list view, keeps the "Favorites" menu's group items and the expanded groups between runs.
class TFavoritesPane : public QWidget {
    Q_OBJECT

public:
    TFavoritesPane(TFontFavorites& store, std::string favoritesFile, TXFontListView& fontView,
                   platform::Dialogs& dialogs, TFavoritesPaneHost host, QWidget* parent = nullptr);
    ~TFavoritesPane() override;

    // Rows (pane row indexes).
    int RowCount() const;
    const std::string& RowText(int row) const;
    int RowMarker(int row) const;
    bool IsGroupRow(int row) const;
    bool IsExpandedRow(int row) const;
    int GroupRowOf(int row) const;
    std::string GroupNameOf(int row) const;
    int SelectedRow() const;
    void SelectRow(int row);
    void ExpandGroup(int row);
    void CollapseGroup(int row);
    int DropTarget() const { return dropTarget_; }

    // Rebuilds the rows from the file, keeping expanded groups expanded by name.
    void RefreshFavorites();
    // Puts the groups into the menu set with SetFavoritesMenu (nothing without one).
    void UpdateFavoritesMenu();
    // The "Favorites" main menu whose group items this pane keeps; image goes on each.
    void SetFavoritesMenu(QMenu* menu, const QIcon& image);
    // Adds entry lines to a group, saves and rebuilds.
    void AddToFavorites(const std::string& group, const std::vector<std::string>& lines);

    // Commands.
    // The add-to-favorites command: the add dialog for what the font list view has chosen.
    void AddToFavoritesCommand();
    void NewFolderCommand();
    void RenameCommand();
    void DeleteCommand();
    void ViewCommand();
    // "Add" is enabled only while the font list view holds the installed fonts; the main
    // window calls this when the view's list changes (the pane checks again on its own
    // when shown or entered by the mouse).
    void UpdateAddButton();

    // Drag and drop from the font list view, as the list's drag events call them.
    bool DragMoveTo(const QObject* source, QPoint listPos);
    void DragLeft();
    bool DropAt(const QObject* source, QPoint listPos);

    // Section "ExpandedFav" of the settings file as its key lines: row index and group name
    // of each expanded group row. Loading expands the groups named (ignoring case), so it
    // comes after the first RefreshFavorites; the row indexes read are not used.
    using TExpandedFav = std::vector<std::pair<std::string, std::string>>;
    void LoadExpandedFav(const TExpandedFav& section);
    TExpandedFav ExpandedFav() const;

    // Components, named as their objectName.
    TFavTitle* pFavTitle = nullptr;
    QToolBar* FavToolBar = nullptr;
    QAction* tbAddFav = nullptr;
    QAction* tbNewFolder = nullptr;
    QLabel* Label2 = nullptr;
    QListView* lbFav = nullptr;
    QMenu* FavPopupMenu = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    void BuildLayout();
    void BuildPopupMenu();
    void PopupMenuOpens();
    void PopUpAt(QPoint globalPos);
    void SetDropTarget(int row);
    void ToggleGroup(int row);
    void OpenFontRow(int row, bool evenIfShown);
    void SelectGroupNamed(const std::string& name);
    // The entry lines of the view's selection; warns about fonts that cannot be stored.
    std::vector<std::string> SelectionLines();
    bool AcceptsDragFrom(const QObject* source) const;
    // Where a drag over the list comes from: the toolkit's source, or the font list view
    // when the drag carries its mark.
    const QObject* SourceOf(const QDropEvent& drag) const;
    // Runs an edit of the file, showing a failure in the program's error box.
    bool Guarded(const std::function<void()>& action);
    void ShowError(const std::string& message);

    // Input (favoritespane_input.cpp).
    bool ListKeyDown(QKeyEvent* event);
    bool ListMousePress(QMouseEvent* event);
    bool ListDoubleClick(QMouseEvent* event);
    bool ListEvent(QEvent* event);
    bool ViewportEvent(QEvent* event);

    TFontFavorites& store_;
    std::string favoritesFile_;
    TXFontListView& fontView_;
    platform::Dialogs& dialogs_;
    TFavoritesPaneHost host_;
    TFavRows* rows_ = nullptr;
    TFavRowDelegate* delegate_ = nullptr;
    int dropTarget_ = -1;
    // What the last drop taken carried; gone with the drag that carried it.
    QPointer<const QMimeData> takenDrop_;
    QMenu* favoritesMenu_ = nullptr;
    QIcon favoritesMenuImage_;
};
