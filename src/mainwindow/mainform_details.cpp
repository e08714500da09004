// The font details commands: the properties window and the character table of the focused
// font ("P&roperties", F9, "&Charmap", their toolbar buttons and context items).
#include "catalogue/fontinfo.h"
#include "details/ansitable.h"
#include "details/properties.h"
#include "mainwindow/mainform.h"
#include "preview/xfontlistview.h"

const TFontInfo* TMainForm::FocusedFont() const {
    const TFontList& items = FontView->Items();
    const int focused = FontView->ItemIndex();
    if (focused < 0 || focused >= items.GetCount()) {
        return nullptr;
    }
    return &items.GetItems(focused);
}

void TMainForm::PropertiesCommand() {
    const TFontInfo* font = FocusedFont();
    if (font == nullptr) {
        return;
    }
    // A screen font has no file to tell about: only its metrics are shown.
    const bool screenMode = FontView->Items().Mode() == flmScreen;
    TfFontInfo::Execute(*font, screenMode, services_, this);
}

void TMainForm::CharmapCommand() {
    if (const TFontInfo* font = FocusedFont()) {
        TfCharTable::Execute(*font, services_, this);
    }
}
