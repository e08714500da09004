// Help, explorer and small-window commands of the "T&ools" and "&Help" menus and the
// list's context menu.
#include <QFile>
#include <QTextStream>

#include "controls/centring.h"
#include "fileops/paths.h"
#include "fontcommands/uninstallfonts.h"
#include "mainwindow/about.h"
#include "mainwindow/edit.h"
#include "mainwindow/mainform.h"
#include "platform/dialogs.h"
#include "platform/helppages.h"
#include "platform/programfolder.h"
#include "platform/shell.h"
#include "preview/xfontlistview.h"

namespace {

constexpr const char* kNoErrorLog =
    "'error.log' is a file has an error information for the last action had error(s)\n"
    "There is no error information to show now.";

// The first line of a text file; empty when the file is missing or empty.
std::string FirstLine(const std::string& path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QTextStream stream(&file);
    return stream.readLine().toUtf8().toStdString();
}

}  // namespace

void TMainForm::Contents1Click() {
    if (services_.shell != nullptr) {
        services_.shell->Execute(platform::FindHelpPage("help.html", services_.programFolder,
                                                        platform::ExecutableFolder()),
                                 "", "");
    }
}

void TMainForm::Shortcut1Click() {
    if (services_.shell != nullptr) {
        services_.shell->Execute(platform::FindHelpPage("shortcut.html", services_.programFolder,
                                                        platform::ExecutableFolder()),
                                 "", "");
    }
}

void TMainForm::Homepage1Click() {
    // The program's home page is its bundled help.
    Contents1Click();
}

void TMainForm::About1Click() {
    TfAbout about(services_.shell, services_.programFolder, this);
    CentreOver(&about, this);
    about.exec();
}

void TMainForm::CharacterMap1Click() {
    if (services_.shell != nullptr) {
        services_.shell->Execute("charmap.exe", "", "");
    }
}

void TMainForm::OpenExplorer1Click() {
    if (services_.shell == nullptr) {
        return;
    }
    const TFontList& items = FontView->Items();
    if (items.Mode() != flmFolders) {
        services_.shell->Execute(services_.userFontsFolder, "", "");
        return;
    }
    if (items.GetCount() == 0 || FontView->ItemIndex() < 0) {
        return;
    }
    services_.shell->Execute(FolderPart(items.GetItems(FontView->ItemIndex()).FileName()), "", "");
}

void TMainForm::ExplorerUninstalledFolder1Click() {
    // Until a first uninstall makes it, the default folder shows empty rather than not at all.
    if (services_.fileSystem != nullptr) {
        PrepareBackupFolder(*services_.fileSystem, services_.programFolder, backupFolder_);
    }
    if (services_.shell != nullptr) {
        services_.shell->Execute(backupFolder_, "", "");
    }
}

void TMainForm::Seeerrorlogfile1Click() {
    const std::string log = services_.programFolder + "error.log";
    if (FirstLine(log).empty()) {
        platform::CurrentDialogs().MessageBox(kNoErrorLog, "", platform::MsgButtons::Ok,
                                              platform::MsgIcon::Information, this);
        return;
    }
    if (services_.shell != nullptr) {
        services_.shell->Execute("notepad.exe", log, "");
    }
}

void TMainForm::Edit2Click() {
    const int current = FontView->ItemIndex();
    if (current < 0) {
        return;
    }
    TfEdit edit(this);
    CentreOver(&edit, this);
    // Only the face and size travel to the edit window, not the list's style.
    QFont font = FontView->SampleFont(FontView->Items().GetItems(current));
    font.setPointSize(FontView->FontSize());
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    edit.SetEditFont(font);
    edit.SetEditColors(FontView->TextColor(), FontView->Color());
    edit.exec();
}
