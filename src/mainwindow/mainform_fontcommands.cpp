// The font commands of the "&Font", "&Edit" and "T&ools" menus, the list's context menu and
// the toolbar: install, uninstall, delete, copy or move to a folder, rename.
#include <QGuiApplication>
#include <exception>

#include "fontcommands/copytofolder.h"
#include "fontcommands/installfonts.h"
#include "fontcommands/renamefonts.h"
#include "fontcommands/ui/copyprogress.h"
#include "fontcommands/ui/delprogress.h"
#include "fontcommands/ui/delwarning.h"
#include "fontcommands/uninstallfonts.h"
#include "mainwindow/application.h"
#include "mainwindow/mainform.h"
#include "platform/dialogs.h"
#include "preview/xfontlistview.h"

void TMainForm::SetFileWindows(TfCopying* copying, TfDeleting* deleting) {
    copying_ = copying;
    deleting_ = deleting;
}

void TMainForm::InstallFont1Click() {
    RunFontCommand([this](const TFontCommandContext& context) {
        TInstallFonts(context).Run(FontView->ItemIndex());
    });
}

// tag 1 uninstalls installed fonts, tag 0 deletes fonts shown from folders.
void TMainForm::UninstallFont1Click(int tag) {
    TRemoveOptions options;
    options.uninstall = tag != 0;
    // Shift held as the command starts deletes for good, for the whole run.
    options.permanent = (QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier) != 0;
    options.backup = backupOnUninstall_;
    options.backupFolder = backupFolder_;
    RunFontCommand([this, &options](const TFontCommandContext& context) {
        TUninstallFonts command(context, options,
                                [this](const std::string& caption, const std::string& question) {
                                    return TfDelWarning::Ask(this, caption, question);
                                });
        command.Run(FontView->ItemIndex());
    });
}

// tag 1 moves, tag 0 copies; the folder chosen is offered again until the program ends.
void TMainForm::CopyToFolderClick(int tag) {
    RunFontCommand([this, tag](const TFontCommandContext& context) {
        TCopyToFolder(context).Run(FontView->ItemIndex(), tag != 0, lastCopyFolder_);
    });
}

void TMainForm::RenameFontFile1Click() {
    RunFontCommand([this](const TFontCommandContext& context) {
        TRenameFonts(context).Run(FontView->ItemIndex());
    });
}

void TMainForm::RunFontCommand(const std::function<void(const TFontCommandContext&)>& command) {
    if (services_.fileSystem == nullptr) {
        return;
    }
    const TFontCommandContext context{
        *fontList_, FontView->Items(), services_, platform::CurrentDialogs(), *services_.fileSystem,
        copying_,   deleting_,         this};
    try {
        command(context);
    } catch (...) {
        // A "protect.lst" that cannot be read stops an uninstall before any font is touched.
        TApplication::ShowError(std::current_exception(), this);
    }
    // Marks were cleared and records left the lists: the status bar and the rows follow.
    FontViewChangeSelected();
    FontView->viewport()->update();
}
