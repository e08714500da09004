// Keyboard and mouse on top of the list's own handling, find and selection commands.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "mainwindow/mainform.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "preview/xfontlistview.h"

namespace {

constexpr int kDragThreshold = 6;
constexpr int kWheelStep = 120;

}  // namespace

void TMainForm::FontViewKeyDown(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::AltModifier) {
        if (event->key() == Qt::Key_Up) {
            FontView->SetFontSize(FontView->FontSize() + 1);
        } else if (event->key() == Qt::Key_Down) {
            FontView->SetFontSize(FontView->FontSize() - 1);
        }
        return;
    }
    if (modifiers & Qt::ControlModifier) {
        if (event->key() == Qt::Key_0) {
            AllFontsCommand();
        }
        return;
    }
    if (event->key() != Qt::Key_Delete && event->key() != Qt::Key_F9) {
        return;
    }
    // The items keep the enabled state of the menu's last opening, which may have been in
    // another mode or on an empty list: take the state of this moment.
    actions_->ApplyRules(TActionPlace::FontMenu);
    if (event->key() == Qt::Key_Delete) {
        const TFontListMode m = FontView->Items().Mode();
        if (m == flmFolders) {
            actions_->Find("DeleteFont1")->trigger();
        } else if (m == flmInstalled) {
            actions_->Find("UninstallFont1")->trigger();
        }
    } else {
        actions_->Find("Properties1")->trigger();
    }
}

bool TMainForm::FormShortCut(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier);
    if (event->key() == Qt::Key_4 && modifiers == Qt::AltModifier) {
        SelectedFontsCommand();
        return true;
    }
    return false;
}

void TMainForm::FormKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && viewKind_ != vkAll) {
        AllFontsCommand();
    }
}

void TMainForm::FontViewMouseDown(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragStart_ = event->position().toPoint();
    }
}

void TMainForm::FontViewMouseMove(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || dragRunning_ || pnFavorites->isHidden() ||
        fontList_->Mode() != flmInstalled) {
        return;
    }
    const QPoint moved = event->position().toPoint() - dragStart_;
    if (std::abs(moved.x()) <= kDragThreshold && std::abs(moved.y()) <= kDragThreshold) {
        return;
    }
    dragRunning_ = true;
    StartFontDrag();
    dragRunning_ = false;
    // FontViewEndDrag: the pane forgets where the drop would have gone.
    pnFavorites->update();
}

void TMainForm::FontViewMouseWheel(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    const int count = FontView->Items().GetCount();
    if (delta == 0 || count == 0) {
        return;
    }
    // One line first, as the scroll bar's arrow would, then the system's lines per notch.
    const int direction = delta < 0 ? 1 : -1;
    FontView->SetTopItem(std::clamp(FontView->TopItem() + direction, 0, count - 1));
    const int lines = QApplication::wheelScrollLines();
    for (int step = std::abs(delta) / kWheelStep; step > 0; --step) {
        FontView->SetTopItem(FontView->TopItem() + direction * lines);
    }
}

void TMainForm::FontViewDblClick() {
    const TFontListMode mode = fontList_->Mode();
    const int current = FontView->ItemIndex();
    if ((mode != flmInstalled && mode != flmFolders) || current < 0 || services_.shell == nullptr) {
        return;
    }
    services_.shell->Execute(FontView->Items().GetItems(current).FileName(), "", "");
}

bool TMainForm::HandleViewEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove:
            FontViewMouseMove(static_cast<QMouseEvent*>(event));
            return false;
        case QEvent::MouseButtonDblClick:
            // Only the left button's double click opens; a right one is two context menus.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                FontViewDblClick();
            }
            return false;
        case QEvent::Wheel:
            FontViewMouseWheel(static_cast<QWheelEvent*>(event));
            return true;
        default:
            return false;
    }
}

void TMainForm::FindCommand() {
    if (FontView->ItemIndex() < 0) {
        return;
    }
    std::string text;
    if (platform::CurrentDialogs().InputString("Find", "\n\nFind Text:", text, this) !=
        platform::IdOk) {
        return;
    }
    findText_ = text;
    FindFrom(FontView->ItemIndex());
}

void TMainForm::FindNextCommand() {
    if (findText_.empty() || FontView->ItemIndex() < 0) {
        return;
    }
    FindFrom(FontView->ItemIndex() + 1);
}

void TMainForm::FindFrom(int start) {
    // A plain byte-wise, case-sensitive search towards the end; it never wraps around.
    const TFontList& items = FontView->Items();
    for (int i = start; i < items.GetCount(); ++i) {
        if (items.GetItems(i).FullName().find(findText_) != std::string::npos) {
            FontView->SetItemIndex(i);
            return;
        }
    }
}

void TMainForm::NextSelectedCommand() {
    const TFontList& items = FontView->Items();
    for (int i = FontView->ItemIndex() + 1; i < items.GetCount(); ++i) {
        if (items.GetItems(i).Selected()) {
            FontView->SetItemIndex(i);
            return;
        }
    }
}

void TMainForm::Select2Click(bool deselect) {
    if (FontView->Items().GetCount() > 0 && FontView->ItemIndex() >= 0) {
        FontView->Select(FontView->ItemIndex(), deselect);
    }
}
