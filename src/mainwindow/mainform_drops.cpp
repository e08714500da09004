// Files and folders from the file manager: the viewer's command line ("Open with", a
// double-click on a font) and drops on the main window. A plain drop shows what was dropped
// in the folder mode; a drop with Ctrl held installs the fonts dropped.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "fileops/paths.h"
#include "fontcommands/installfonts.h"
#include "fontcommands/ui/copyprogress.h"
#include "mainwindow/mainform.h"
#include "mainwindow/openrequest.h"
#include "platform/dialogs.h"
#include "preview/xfontlistview.h"

namespace {

// The local files and folders a drag carries; nothing for any other drag (the fonts dragged
// from the list towards the favorites pane carry their names as text).
std::vector<std::string> DraggedPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(url.toLocalFile().toStdString());
        }
    }
    return paths;
}

bool WantsInstall(const QDropEvent& event) {
    return (event.modifiers() & Qt::ControlModifier) != 0;
}

// Whether the drop would do something: fonts to install, or something to show.
bool HasUse(const QDropEvent& event, const TOpenRequest& request) {
    return WantsInstall(event) ? !request.fontFiles.empty() : !request.folders.empty();
}

// The dropped files stay where they are whatever the drop does here, so the file manager is
// told of a copy, never of a move it would finish by deleting them.
void AnswerDrag(QDropEvent& event, bool useful) {
    if (useful && (event.possibleActions() & Qt::CopyAction) != 0) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    } else {
        event.ignore();
    }
}

}  // namespace

void TMainForm::OpenPaths(const std::vector<std::string>& paths) {
    ShowRequest(MakeOpenRequest(paths, fontList_->FileTypes()));
}

void TMainForm::ShowRequest(const TOpenRequest& request) {
    if (request.folders.empty()) {
        return;
    }
    ModeCommand(flmFolders);
    for (const std::string& folder : request.folders) {
        // A folder shown already (itself or within a slot's folder) needs no slot and no
        // message; the list's own rules answer the others (all slots taken, a subfolder).
        if (!ShowsFolder(folder)) {
            fontList_->AddFolder(folder);
        }
    }
    viewKind_ = vkAll;
    ShowMasterList();
    RefreshFolderLabels();
    if (!request.fontFiles.empty()) {
        FocusFile(request.fontFiles.front());
    }
}

bool TMainForm::ShowsFolder(const std::string& folder) const {
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        const std::string shown = fontList_->GetFolders(slot);
        if (!shown.empty() && IsWithinFolderI(folder, shown)) {
            return true;
        }
    }
    return false;
}

void TMainForm::FocusFile(const std::string& path) {
    const int index = FontView->Items().IndexOfFileName(path);
    if (index >= 0) {
        FontView->SetItemIndex(index);
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void TMainForm::dragMoveEvent(QDragMoveEvent* event) {
    // Ctrl may be pressed or let go while the drag moves over the window.
    AnswerDrag(*event, HasUse(*event, MakeOpenRequest(DraggedPaths(event->mimeData()),
                                                      fontList_->FileTypes())));
}

void TMainForm::dropEvent(QDropEvent* event) {
    const TOpenRequest request =
        MakeOpenRequest(DraggedPaths(event->mimeData()), fontList_->FileTypes());
    AnswerDrag(*event, HasUse(*event, request));
    if (!event->isAccepted()) {
        return;
    }
    // The file manager waits for the drop to end; the load or the copies run after it.
    const bool install = WantsInstall(*event);
    QMetaObject::invokeMethod(
        this,
        [this, request, install] {
            if (install) {
                InstallDroppedFonts(request);
            } else {
                ShowRequest(request);
            }
        },
        Qt::QueuedConnection);
}

void TMainForm::InstallDroppedFonts(const TOpenRequest& request) {
    // Dropped fonts need not be in any list: the install command works on a list of their
    // own with every face marked. A TrueType file gives one face, a collection each of its
    // faces; a file that is neither gives none.
    TFontList dropped(false, &services_);
    dropped.SetAutoLoad(false);
    dropped.SetMode(flmFolders);
    for (const std::string& file : request.fontFiles) {
        dropped.AddTTC(file);
    }
    if (dropped.GetCount() == 0) {
        return;
    }
    for (int i = 0; i < dropped.GetCount(); ++i) {
        dropped.GetItems(i).SetSelected(true);
    }
    RunInstall(dropped);
    // The installed mode shows what the system knows now, the new fonts with it.
    if (fontList_->Mode() == flmInstalled) {
        RefreshCommand();
    }
}

// The one call into the install command: the fonts marked in chosen are copied into the
// user's Fonts folder with the copy progress window, as the Font menu's install does.
void TMainForm::RunInstall(TFontList& chosen) {
    if (services_.fileSystem == nullptr) {
        return;
    }
    const TFontCommandContext context{
        chosen,   chosen,  services_, platform::CurrentDialogs(), *services_.fileSystem,
        copying_, nullptr, this};
    TInstallFonts(context).Run(-1);
}
