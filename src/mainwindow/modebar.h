#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "catalogue/fontlist.h"

class QPixmap;
class QToolButton;
class TXImageLabel;
class TXPTabBar;

// The tabs of the main window, in their order; a tab's tag is its place.
enum TModeTab : std::uint8_t { mtScreen, mtInstalled, mtFolders, mtSelected, mtFavGroup };

// The strip above the font list: the mode tabs ("Screen", "Installed", "Folders",
// "Selected" and the favorites group on show) and under them, in folder mode, the folder
// bar with its "Add" button and the five folder slots. It only shows; what a click means is
// the window's.
class TModeBar : public QWidget {
    Q_OBJECT

public:
    explicit TModeBar(QWidget* parent = nullptr);

    // Presses tab; the others come up.
    void Press(TModeTab tab);
    // The favorites tab shows only while a group is on show.
    void HideFavoritesTab();
    // Shows and presses the favorites tab named after group: a name too long for the tab ends
    // in "…" there, its hint shows it whole, and an "&" in it is no mnemonic.
    void ShowFavoritesTab(const QString& group);
    void ShowFolderBar(bool shown);
    // Shows slot's folder by its last path component (hidden when path is empty), the whole
    // path as its hint.
    void ShowFolder(int slot, const std::string& path);
    // The folder slot shows; empty for an empty or unknown slot.
    std::string Folder(int slot) const;
    // The slot whose context menu opened last; -1 before any did.
    int MenuSlot() const { return menuSlot_; }

    std::function<void(TModeTab tab)> OnTabClick;
    std::function<void()> OnAddFolder;
    // A folder slot asks for its context menu at globalPos (MenuSlot() says which one).
    std::function<void(QPoint globalPos)> OnFolderMenu;

private:
    void BuildTabs();
    QWidget* BuildFolderBar();
    TXImageLabel* NewFolderSlot(QWidget* parent, int slot, const QPixmap& picture);

    TXPTabBar* tabs_ = nullptr;
    QToolButton* tab_[mtFavGroup + 1] = {};
    QWidget* folderBar_ = nullptr;
    TXImageLabel* ilFolder_[kFolderSlots] = {};
    int menuSlot_ = -1;
};
