#include "fontcommands/fontcommand.h"

#include <algorithm>
#include <set>

#include "catalogue/fontlist.h"
#include "fileops/fileutil.h"
#include "fileops/paths.h"
#include "platform/dialogs.h"
#include "platform/fontchange.h"
#include "platform/fonttable.h"
#include "platform/installedfonts.h"
#include "platform/services.h"

namespace {

// While the command rewrites the master list, records leave it without releasing their
// font or being announced: the command released what had to go and announces the whole run
// once, with the folders it changed.
class QuietRemoval {
public:
    explicit QuietRemoval(TFontList& list) : list_(list), manage_(list.ManageResources()) {
        list_.SetManageResources(false);
    }
    ~QuietRemoval() { list_.SetManageResources(manage_); }
    QuietRemoval(const QuietRemoval&) = delete;
    QuietRemoval& operator=(const QuietRemoval&) = delete;

private:
    TFontList& list_;
    bool manage_;
};

void RemoveFrom(TFontList& list, const std::string& path) {
    QuietRemoval quiet(list);
    for (int i = list.GetCount() - 1; i >= 0; --i) {
        if (list.GetItems(i).FileName() == path) {
            list.Delete(i);
        }
    }
}

void RenameIn(TFontList& list, const std::string& oldPath, const std::string& newPath) {
    for (int i = 0; i < list.GetCount(); ++i) {
        TFontInfo& record = list.GetItems(i);
        if (record.FileName() == oldPath) {
            const bool autoRead = record.AutoRead();
            record.SetAutoRead(false);
            record.SetFileName(newPath);
            record.SetAutoRead(autoRead);
        }
    }
}

}  // namespace

std::vector<TCommandFile> TFontCommand::ChosenFiles(int focusedIndex) const {
    const TFontList& view = context_.viewList;
    std::vector<TCommandFile> chosen;
    std::set<std::string> seen;
    for (int i = 0; i < view.GetCount(); ++i) {
        const TFontInfo& record = view.GetItems(i);
        if (record.Selected() && !record.FileName().empty() &&
            seen.insert(record.FileName()).second) {
            chosen.push_back({record.FileName(), i});
        }
    }
    if (chosen.empty() && MarkedCount() == 0 && focusedIndex >= 0 &&
        focusedIndex < view.GetCount() && !view.GetItems(focusedIndex).FileName().empty()) {
        chosen.push_back({view.GetItems(focusedIndex).FileName(), focusedIndex});
    }
    return chosen;
}

int TFontCommand::MarkedCount() const {
    int count = 0;
    for (int i = 0; i < context_.viewList.GetCount(); ++i) {
        count += context_.viewList.GetItems(i).Selected() ? 1 : 0;
    }
    return count;
}

bool TFontCommand::ReleaseFont(const std::string& path) {
    platform::FontTable* table = context_.services.fontTable;
    return table != nullptr && table->RemoveFontFile(path);
}

void TFontCommand::LoadFont(const std::string& path) {
    if (context_.services.fontTable != nullptr) {
        context_.services.fontTable->AddFontFile(path);
    }
}

void TFontCommand::RemoveRecordsOf(const std::string& path) {
    RemoveFrom(context_.fontList, path);
    RemoveFrom(context_.viewList, path);
}

void TFontCommand::MoveRecordsOf(const std::string& oldPath, const std::string& newPath) {
    RenameIn(context_.fontList, oldPath, newPath);
    RenameIn(context_.viewList, oldPath, newPath);
}

void TFontCommand::UnmarkRecordsOf(const std::string& path) {
    TFontList& view = context_.viewList;
    for (int i = 0; i < view.GetCount(); ++i) {
        if (view.GetItems(i).FileName() == path) {
            view.GetItems(i).SetSelected(false);
        }
    }
}

void TFontCommand::AnnounceFontChange(const std::vector<std::string>& changedFolders) {
    const platform::Services& services = context_.services;
    if (services.installedFonts != nullptr) {
        // The font change itself refreshes the user's Fonts folder.
        std::set<std::string> done{context_.services.userFontsFolder};
        for (const std::string& folder : changedFolders) {
            if (done.insert(folder).second) {
                services.installedFonts->RefreshFolder(folder);
            }
        }
    }
    if (services.fontChange != nullptr) {
        services.fontChange->Broadcast();
    }
}

void TFontCommand::ReportErrors(const std::string& text, const std::vector<std::string>& lines) {
    if (lines.empty()) {
        return;
    }
    context_.dialogs.MessageBox(text, "", platform::MsgButtons::Ok, platform::MsgIcon::Information,
                                context_.owner);
    // The log is a help for the user; failing to write it must not fail the command.
    WriteLines(context_.services.programFolder + "error.log", lines);
}
