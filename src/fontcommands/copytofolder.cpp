#include "fontcommands/copytofolder.h"

#include "catalogue/fontlist.h"
#include "fileops/filecopy.h"
#include "platform/dialogs.h"

namespace {

constexpr const char* kChooseFolder =  // 702
    "Select destination folder to copy(move) font files";
constexpr const char* kSomeNotCopied =  // 703
    "There are some fonts skipped or met error to copy(move) to folder\nThey are still "
    "selected.\nFor more information, see 'error.log' file.";

}  // namespace

int TCopyToFolder::Run(int focusedIndex, bool move, std::string& lastFolder) {
    if (context_.viewList.GetCount() == 0) {
        return 0;
    }
    const std::string folder =
        context_.dialogs.BrowseForFolder(kChooseFolder, lastFolder, context_.owner);
    if (folder.empty()) {
        return 0;
    }
    lastFolder = folder;
    const std::vector<TCommandFile> chosen = ChosenFiles(focusedIndex);
    if (chosen.empty()) {
        return 0;
    }
    TFileCopy copy(context_.files, context_.dialogs, context_.copyProgress);
    copy.Owner = context_.owner;
    std::vector<bool> held;
    for (const TCommandFile& file : chosen) {
        copy.Files.push_back(file.path);
        held.push_back(move && ReleaseFont(file.path));
    }
    if (move) {
        copy.MoveTo(folder);
    } else {
        copy.CopyTo(folder);
    }

    std::vector<std::string> lines;
    int handled = 0;
    {
        FontListUpdate master(context_.fontList);
        FontListUpdate shown(context_.viewList);
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            const std::string& path = chosen[i].path;
            if (!copy.Done(static_cast<int>(i))) {
                lines.push_back(path);
                if (held[i]) {
                    LoadFont(path);
                }
                continue;
            }
            ++handled;
            if (move) {
                RemoveRecordsOf(path);
            } else {
                UnmarkRecordsOf(path);
            }
        }
    }
    ReportErrors(kSomeNotCopied, lines);
    if (move && handled > 0) {
        AnnounceFontChange({});
    }
    return handled;
}
