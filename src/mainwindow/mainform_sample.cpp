// The sample's look as the menus and the list change it; the sample bar shows it.
#include "mainwindow/mainform.h"
#include "mainwindow/samplebar.h"
#include "preview/xfontlistview.h"

void TMainForm::Antialiasing1Click() {
    FontView->SetAntiAlias(!FontView->AntiAlias());
}

void TMainForm::Bold1Click(int tag) {
    pnSample->ToggleStyle(tag);
}

void TMainForm::FontViewChangeFontSize() {
    pnSample->ShowFontSize();
}
