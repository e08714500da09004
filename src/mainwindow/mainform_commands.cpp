// View modes, the selected and whole views, folder slots, caption, tabs and status bar.
#include <QAction>
#include <QApplication>
#include <optional>
#include <string>
#include <utility>

#include "controls/waitcursor.h"
#include "favorites/ui/favoritespane.h"
#include "mainwindow/application.h"
#include "mainwindow/mainform.h"
#include "mainwindow/mainstatusbar.h"
#include "platform/dialogs.h"
#include "preview/xfontlistview.h"

void TMainForm::ShowMasterList() {
    TFontList& items = FontView->Items();
    FontListUpdate update(items);
    items.Assign(*fontList_);
    FontView->SetItemIndex(0);
}

void TMainForm::ModeCommand(TFontListMode mode) {
    if (fontList_->Mode() != mode) {
        fontList_->SetMode(mode);
        viewKind_ = vkAll;
        ShowMasterList();
    } else if (viewKind_ != vkAll) {
        AllFontsCommand();
    }
}

void TMainForm::AllFontsCommand() {
    const TViewKind kind = viewKind_;
    TFontList& items = FontView->Items();
    const bool byName = fontList_->Mode() == flmScreen;
    std::vector<std::string> marked;
    {
        FontListUpdate update(items);
        viewKind_ = vkAll;
        if (kind == vkSelected) {
            for (int i = 0; i < items.GetCount(); ++i) {
                const TFontInfo& record = items.GetItems(i);
                marked.push_back(byName ? record.FullName() : record.FileName());
            }
        }
        items.Assign(*fontList_);
        FontView->SetItemIndex(0);
        // The fonts shown as the selected set come back marked, whatever their marks were.
        for (const std::string& key : marked) {
            const int index = byName ? items.IndexOf(key) : items.IndexOfFileName(key);
            if (index >= 0) {
                items.GetItems(index).SetSelected(true);
            }
        }
    }
    pnModes->ShowFolderBar(items.Mode() == flmFolders);
}

void TMainForm::SelectedFontsCommand() {
    TFontList& items = FontView->Items();
    TFontList chosen(false);
    chosen.SetAutoLoad(false);
    chosen.SetMode(items.Mode());
    FontListUpdate update(items);
    for (int i = 0; i < items.GetCount(); ++i) {
        const TFontInfo& record = std::as_const(items).GetItems(i);
        if (record.Selected()) {
            std::unique_ptr<TFontInfo> copy = record.Copy();
            copy->SetSelected(false);
            chosen.Add(std::move(copy));
        }
    }
    viewKind_ = vkSelected;
    items.Assign(chosen);
    FontView->SetItemIndex(0);
    pnModes->Press(mtSelected);
    pnModes->ShowFolderBar(false);
}

void TMainForm::RefreshCommand() {
    // A subset on show (selected fonts, a group) is left alone.
    if (fontList_->GetCount() != FontView->Items().GetCount()) {
        return;
    }
    fontList_->Refresh();
    FontView->Items().Assign(*fontList_);
}

void TMainForm::SortCommand(TSortType sortType) {
    fontList_->SetSortType(sortType);
    FontView->Items().SetSortType(sortType);
}

void TMainForm::TabClick(TModeTab tab) {
    switch (tab) {
        case mtScreen:
            ModeCommand(flmScreen);
            break;
        case mtInstalled:
            ModeCommand(flmInstalled);
            break;
        case mtFolders:
            ModeCommand(flmFolders);
            RefreshFolderLabels();
            break;
        case mtSelected:
            SelectedFontsCommand();
            break;
        case mtFavGroup:
            break;
    }
}

void TMainForm::AddFolderCommand() {
    if (fontList_->GetFolderCount() == kFolderSlots) {
        platform::CurrentDialogs().MessageBox("폴더는 5개까지만 추가할 수 있습니다.", "안내",
                                              platform::MsgButtons::Ok, platform::MsgIcon::None,
                                              this);
        return;
    }
    const std::string path = platform::CurrentDialogs().BrowseForFolder(
        "Select Folder contains font files", lastFolder_, this);
    if (path.empty()) {
        return;
    }
    lastFolder_ = path;
    if (fontList_->AddFolder(path) == -1) {
        return;
    }
    viewKind_ = vkAll;
    ShowMasterList();
    RefreshFolderLabels();
}

void TMainForm::RemoveFolderCommand(int slot) {
    if (slot < 0 || slot >= kFolderSlots) {
        return;
    }
    const std::string path = pnModes->Folder(slot);
    if (path.empty()) {
        return;
    }
    WaitCursor wait;
    fontList_->RemoveFolder(path);
    ShowMasterList();
    RefreshFolderLabels();
}

void TMainForm::RefreshFolderLabels() {
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        pnModes->ShowFolder(slot, fontList_->GetFolders(slot));
    }
}

void TMainForm::UpdateCaption() {
    const TFontList& items = FontView->Items();
    const TFontListMode m = items.Mode();
    if (viewKind_ != vkFavorites) {
        pnModes->HideFavoritesTab();
    }
    if (items.GetCount() != fontList_->GetCount()) {
        pnModes->Press(mtSelected);
    } else if (m == flmScreen) {
        pnModes->Press(mtScreen);
    } else if (m == flmInstalled) {
        pnModes->Press(mtInstalled);
    } else if (m == flmFolders) {
        pnModes->Press(mtFolders);
    }
    actions_->ApplyRules(TActionPlace::CommandBar);
    favoritesPane_->UpdateAddButton();
    pnModes->ShowFolderBar(m == flmFolders);
    const char* modeName = m == flmScreen      ? "Screen Fonts"
                           : m == flmInstalled ? "Installed Fonts"
                           : m == flmFolders   ? "Fonts in folder"
                                               : nullptr;
    setWindowTitle(modeName == nullptr ? QString(TApplication::Title)
                                       : QString("%1 - %2").arg(TApplication::Title, modeName));
}

void TMainForm::FontViewChange() {
    StatusBar1->ShowFontCount(FontView->Items().GetCount());
}

void TMainForm::FontViewChangeSelected() {
    const TFontList& items = FontView->Items();
    const bool sized = items.Mode() != flmScreen;
    selectedFonts_.clear();
    std::uint64_t total = 0;
    for (int i = 0; i < items.GetCount(); ++i) {
        const TFontInfo& record = items.GetItems(i);
        if (record.Selected()) {
            selectedFonts_.emplace_back(record.FullName(), i);
            if (sized) {
                total += record.FileSize();
            }
        }
    }
    StatusBar1->ShowMarked(static_cast<int>(selectedFonts_.size()),
                           sized ? std::optional<std::uint64_t>(total) : std::nullopt);
}
