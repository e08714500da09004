// View modes, the selected and whole views, folder slots, caption, tabs and status bar.
#include <QAction>
#include <QLocale>
#include <QToolButton>
#include <string>
#include <utility>

#include "controls/btnstatusbar.h"
#include "controls/waitcursor.h"
#include "controls/ximagelabel.h"
#include "favorites/ui/favoritespane.h"
#include "fileops/paths.h"
#include "mainwindow/application.h"
#include "mainwindow/mainform.h"
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
    pnFolders->setVisible(items.Mode() == flmFolders);
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
    tbSelected->setChecked(true);
    pnFolders->hide();
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

void TMainForm::TabClick(int tag) {
    switch (tag) {
        case 0:
            ModeCommand(flmScreen);
            break;
        case 1:
            ModeCommand(flmInstalled);
            break;
        case 2:
            ModeCommand(flmFolders);
            RefreshFolderLabels();
            break;
        case 3:
            SelectedFontsCommand();
            break;
        default:
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
    const std::string path = ilFolder[slot]->toolTip().toUtf8().toStdString();
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
        const std::string path = fontList_->GetFolders(slot);
        ilFolder[slot]->SetCaption(ExtractFileName(path) + "  ");
        ilFolder[slot]->setToolTip(QString::fromUtf8(path));
        ilFolder[slot]->setVisible(!path.empty());
    }
}

void TMainForm::UpdateCaption() {
    const TFontList& items = FontView->Items();
    const TFontListMode m = items.Mode();
    if (viewKind_ != vkFavorites) {
        tbFavGroup->hide();
    }
    if (items.GetCount() != fontList_->GetCount()) {
        tbSelected->setChecked(true);
    } else if (m == flmScreen) {
        tbScreen->setChecked(true);
    } else if (m == flmInstalled) {
        tbInstalled->setChecked(true);
    } else if (m == flmFolders) {
        tbFolders->setChecked(true);
    }
    actions_->ApplyRules(TActionPlace::CommandBar);
    favoritesPane_->UpdateAddButton();
    pnFolders->setVisible(m == flmFolders);
    const char* modeName = m == flmScreen      ? "Screen Fonts"
                           : m == flmInstalled ? "Installed Fonts"
                           : m == flmFolders   ? "Fonts in folder"
                                               : nullptr;
    setWindowTitle(modeName == nullptr ? QString(TApplication::Title)
                                       : QString("%1 - %2").arg(TApplication::Title, modeName));
}

void TMainForm::FontViewChange() {
    SetStatusItem(0, QString("Font Count=%1").arg(FontView->Items().GetCount()));
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
    const int count = static_cast<int>(selectedFonts_.size());
    QString text;
    if (count == 0) {
        text = "=Use Spacebar or Ctrl+Left Click to select/deselect font";
    } else if (!sized) {
        text = QString("Selected=%1 Fonts").arg(count);
    } else {
        text = QString("Selected=%1 Fonts (%2 bytes)")
                   .arg(count)
                   .arg(QLocale().toString(static_cast<qulonglong>(total)));
    }
    SetStatusItem(1, text);
}

void TMainForm::SetStatusItem(int index, const QString& text) {
    QStringList status = StatusBar1->Items();
    while (status.size() <= index) {
        status.append(QString());
    }
    status[index] = text;
    StatusBar1->SetItems(status);
    StatusBar1->update();
}
