// The Options window and the options it stands for.
#include "catalogue/viewersettings.h"
#include "controls/centring.h"
#include "mainwindow/mainform.h"
#include "mainwindow/options.h"
#include "platform/dialogs.h"
#include "preview/xfontlistview.h"

void TMainForm::Options1Click() {
    // The window shows what is in force: the start mode as stored, the rest as this run uses it.
    TViewerSettings settings = ReadViewerSettings(SettingsFile());
    if (!settings.fixedStartMode) {
        settings.viewMode = fontList_->Mode();
    }
    settings.backupOnUninstall = backupOnUninstall_;
    settings.backupPath = backupFolder_;
    settings.showFullPath = FontView->ShowFullPath();
    settings.openType = fontList_->FileTypes().OpenType();
    settings.ownSample = FontView->OwnSample();
    TfOptions options(platform::CurrentDialogs(), this);
    options.ShowSettings(settings);
    CentreOver(&options, this);
    if (options.exec() != QDialog::Accepted) {
        return;
    }
    options.StoreSettings(settings);
    // The default folder stays the default (an empty path), wherever the program folder is
    // next time.
    if (settings.backupPath == DefaultBackupFolder()) {
        settings.backupPath.clear();
    }
    WriteOptionSettings(SettingsFile(), settings);
    ApplyOptions(settings);
}

void TMainForm::ApplyOptions(const TViewerSettings& settings) {
    backupOnUninstall_ = settings.backupOnUninstall;
    backupFolder_ = settings.backupPath.empty() ? DefaultBackupFolder() : settings.backupPath;
    FontView->SetShowFullPath(settings.showFullPath);
    FontView->SetOwnSample(settings.ownSample);
    if (settings.openType == fontList_->FileTypes().OpenType()) {
        return;
    }
    fontList_->SetFileTypes(TFontFileTypes(settings.openType));
    if (fontList_->Mode() != flmNone) {
        fontList_->Refresh();
        AllFontsCommand();
    }
}

std::string TMainForm::DefaultBackupFolder() const {
    return services_.programFolder + "uninstalled";
}
