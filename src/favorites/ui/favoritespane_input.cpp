// Keys, mouse, context menu and drops on the favorites pane's list.
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QTimer>

#include "catalogue/fontlist.h"
#include "favorites/ui/favoritespane.h"
#include "favorites/ui/favrowdelegate.h"
#include "favorites/ui/favrows.h"
#include "favorites/ui/fontdrag.h"
#include "preview/xfontlistview.h"

bool TFavoritesPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbFav) {
        return ListEvent(event);
    }
    if (watched == lbFav->viewport()) {
        return ViewportEvent(event);
    }
    return QWidget::eventFilter(watched, event);
}

void TFavoritesPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateAddButton();
}

void TFavoritesPane::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    UpdateAddButton();
}

bool TFavoritesPane::ListEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return ListKeyDown(static_cast<QKeyEvent*>(event));
        case QEvent::ContextMenu: {
            // From the keyboard: the menu of the chosen row, at that row.
            const int row = SelectedRow();
            if (row >= 0) {
                const QRect rect = lbFav->visualRect(rows_->index(row));
                PopUpAt(lbFav->viewport()->mapToGlobal(rect.center()));
            }
            return true;
        }
        default:
            return false;
    }
}

bool TFavoritesPane::ViewportEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            return ListMousePress(static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonDblClick:
            return ListDoubleClick(static_cast<QMouseEvent*>(event));
        case QEvent::ContextMenu: {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            if (lbFav->indexAt(menuEvent->pos()).isValid()) {
                PopUpAt(menuEvent->globalPos());
            }
            return true;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (DragMoveTo(SourceOf(*drag), drag->position().toPoint())) {
                drag->acceptProposedAction();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::DragLeave:
            DragLeft();
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            // The window system may deliver one drop twice (X11 does for a drag that stays
            // inside the program): its fonts go in once.
            if (drop->mimeData() != nullptr && drop->mimeData() == takenDrop_) {
                drop->acceptProposedAction();
            } else if (DropAt(SourceOf(*drop), drop->position().toPoint())) {
                takenDrop_ = drop->mimeData();
                drop->acceptProposedAction();
            } else {
                drop->ignore();
            }
            return true;
        }
        default:
            return false;
    }
}

bool TFavoritesPane::ListKeyDown(QKeyEvent* event) {
    const int row = SelectedRow();
    if (row < 0) {
        return false;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (IsGroupRow(row)) {
                ToggleGroup(row);
            } else {
                OpenFontRow(row, true);
            }
            return true;
        case Qt::Key_Right:
            if (IsGroupRow(row) && !IsExpandedRow(row)) {
                ExpandGroup(row);
                return true;
            }
            return false;
        case Qt::Key_Left:
            if (IsExpandedRow(row)) {
                CollapseGroup(row);
                return true;
            }
            if (!IsGroupRow(row)) {
                SelectRow(GroupRowOf(row));
                return true;
            }
            return false;
        case Qt::Key_Delete:
            DeleteCommand();
            return true;
        default:
            return false;
    }
}

// Choosing a group row with the mouse opens or closes it, even when it was chosen already.
// Keys and the program only move the choice, so navigation never toggles a group.
bool TFavoritesPane::ListMousePress(QMouseEvent* event) {
    const QModelIndex index = lbFav->indexAt(event->position().toPoint());
    if (!index.isValid()) {
        return false;
    }
    lbFav->setFocus(Qt::MouseFocusReason);
    SelectRow(index.row());
    if (event->button() == Qt::LeftButton && IsGroupRow(index.row())) {
        ToggleGroup(index.row());
    }
    return true;
}

bool TFavoritesPane::ListDoubleClick(QMouseEvent* event) {
    const QModelIndex index = lbFav->indexAt(event->position().toPoint());
    if (!index.isValid()) {
        return false;
    }
    if (event->button() == Qt::LeftButton && !IsGroupRow(index.row())) {
        OpenFontRow(index.row(), false);
    }
    return true;
}

bool TFavoritesPane::AcceptsDragFrom(const QObject* source) const {
    return source == &fontView_ && fontView_.Items().Mode() == flmInstalled;
}

const QObject* TFavoritesPane::SourceOf(const QDropEvent& drag) const {
    if (drag.source() != nullptr) {
        return drag.source();
    }
    return IsFontDragFrom(drag.mimeData(), fontView_) ? &fontView_ : nullptr;
}

void TFavoritesPane::SetDropTarget(int row) {
    if (row == dropTarget_) {
        return;
    }
    dropTarget_ = row;
    delegate_->SetDropTarget(row);
    lbFav->viewport()->update();
}

bool TFavoritesPane::DragMoveTo(const QObject* source, QPoint listPos) {
    if (!AcceptsDragFrom(source)) {
        SetDropTarget(-1);
        return false;
    }
    const QModelIndex index = lbFav->indexAt(listPos);
    SetDropTarget(index.isValid() ? GroupRowOf(index.row()) : -1);
    return true;
}

void TFavoritesPane::DragLeft() {
    SetDropTarget(-1);
}

// The fonts come from the view's selection, never from the dropped data, which any program
// could have made. The work runs after the drop has finished, so its dialogs do not open
// inside the drag.
bool TFavoritesPane::DropAt(const QObject* source, QPoint listPos) {
    SetDropTarget(-1);
    if (!AcceptsDragFrom(source)) {
        return false;
    }
    const QModelIndex index = lbFav->indexAt(listPos);
    if (!index.isValid()) {
        QTimer::singleShot(0, this, [this] { AddToFavoritesCommand(); });
        return true;
    }
    const std::string group = GroupNameOf(index.row());
    QTimer::singleShot(0, this, [this, group] {
        const std::vector<std::string> lines = SelectionLines();
        if (!lines.empty()) {
            AddToFavorites(group, lines);
        }
    });
    return true;
}
