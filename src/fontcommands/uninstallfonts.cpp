#include "fontcommands/uninstallfonts.h"

#include <stdexcept>

#include "catalogue/fontlist.h"
#include "fileops/filecopy.h"
#include "fileops/filedelete.h"
#include "fileops/paths.h"
#include "fontcommands/protectlist.h"
#include "platform/dialogs.h"
#include "platform/errorcodes.h"
#include "platform/filesystem.h"
#include "platform/services.h"

namespace {

constexpr int kMaxBackupNumber = 99;

constexpr const char* kSomeNotRemoved =  // 701
    "There are some fonts couldn't be deleted(uninstalled).\nThey are still selected.\nFor "
    "more information, see 'error.log' file.";

std::string Quoted(const std::string& subject, const char* question) {
    return "\"" + subject + "\"\n" + question;
}

std::string WithoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

// The code logged for a file that stayed: a file skipped for want of a free backup name
// failed because the name exists.
int LoggedCode(int result) {
    return result == kResultSkipped ? platform::kErrorAlreadyExists : result;
}

}  // namespace

void PrepareBackupFolder(platform::FileSystem& files, const std::string& programFolder,
                         const std::string& backupFolder) {
    const std::string folder = WithoutTrailingSlash(backupFolder);
    if (!programFolder.empty() && folder == programFolder + "uninstalled") {
        files.MakeFolder(folder);
    }
}

TUninstallFonts::TUninstallFonts(const TFontCommandContext& context, TRemoveOptions options,
                                 TConfirmRemoval confirm)
    : TFontCommand(context), options_(std::move(options)), confirm_(std::move(confirm)) {}

std::string TUninstallFonts::Question(int focusedIndex) const {
    const int marked = MarkedCount();
    const std::string subject = marked > 0 ? std::to_string(marked) + " selected fonts"
                                           : context_.viewList.GetItems(focusedIndex).FullName();
    if (UsesBackup()) {
        return Quoted(subject, marked > 0
                                   ? "Are you sure you want to uninstall these selected fonts?"
                                   : "Are you sure you want to uninstall this font?");
    }
    if (options_.permanent) {
        return Quoted(subject, marked > 0 ? "Are you sure you want to delete these selected fonts?"
                                          : "Are you sure you want to delete this font?");
    }
    return Quoted(subject,
                  marked > 0 ? "Are you sure you want to send these selected fonts to Recycle Bin?"
                             : "Are you sure you want to send this font to Recycle Bin?");
}

int TUninstallFonts::Run(int focusedIndex) {
    const TFontList& view = context_.viewList;
    if (view.GetCount() == 0 ||
        (MarkedCount() == 0 && (focusedIndex < 0 || focusedIndex >= view.GetCount()))) {
        return 0;
    }
    const std::string caption =
        options_.uninstall ? "Confirm Uninstall Font(s)" : "Confirm Delete Font(s)";
    if (!confirm_ || confirm_(caption, Question(focusedIndex)) != platform::IdYes) {
        return 0;
    }
    std::vector<TCommandFile> chosen = ChosenFiles(focusedIndex);
    std::vector<std::string> lines;
    if (options_.uninstall) {
        TProtectList protect;
        const std::string listFile = context_.services.programFolder + "protect.lst";
        if (protect.Load(context_.files, listFile) != 0) {
            throw std::runtime_error("Cannot open file " + listFile);
        }
        std::erase_if(chosen, [&](const TCommandFile& file) {
            const bool isProtected = protect.Protects(file.path);
            if (isProtected) {
                lines.push_back(file.path + " (skipped:protected font)");
            }
            return isProtected;
        });
    }
    std::vector<bool> held;
    held.reserve(chosen.size());
    for (const TCommandFile& file : chosen) {
        held.push_back(ReleaseFont(file.path));
    }
    const std::vector<int> results = RemoveFiles(chosen);

    std::vector<std::string> changedFolders;
    {
        FontListUpdate master(context_.fontList);
        FontListUpdate shown(context_.viewList);
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            const std::string& path = chosen[i].path;
            if (results[i] == 0) {
                RemoveRecordsOf(path);
                changedFolders.push_back(FolderPart(path));
            } else {
                // The log's line shape has no closing parenthesis; readers of old logs
                // expect it so.
                lines.push_back(path + " (Delete ERROR:" + std::to_string(LoggedCode(results[i])));
                if (held[i]) {
                    LoadFont(path);
                }
            }
        }
    }
    ReportErrors(kSomeNotRemoved, lines);
    if (!changedFolders.empty()) {
        // Installed fonts live in folders fontconfig knows; folder fonts do not.
        AnnounceFontChange(options_.uninstall ? changedFolders : std::vector<std::string>{});
    }
    return static_cast<int>(changedFolders.size());
}

std::vector<int> TUninstallFonts::RemoveFiles(const std::vector<TCommandFile>& chosen) {
    std::vector<std::string> paths;
    paths.reserve(chosen.size());
    for (const TCommandFile& file : chosen) {
        paths.push_back(file.path);
    }
    std::vector<int> results(paths.size(), kResultCancelled);
    if (paths.empty()) {
        return results;
    }
    auto collect = [&results](const TFileFunction& operation) {
        for (std::size_t i = 0; i < results.size(); ++i) {
            results[i] = operation.Result(static_cast<int>(i));
        }
    };
    if (UsesBackup()) {
        PrepareBackupFolder(context_.files, context_.services.programFolder, options_.backupFolder);
        TFileCopy move(context_.files, context_.dialogs, context_.copyProgress);
        move.Owner = context_.owner;
        move.Files = paths;
        move.OnFileExists = [this](TFileCopy& sender, const std::string& source,
                                   std::string& target, std::uint32_t& action) {
            BackupFileExists(sender, source, target, action);
        };
        move.MoveTo(options_.backupFolder);
        collect(move);
    } else {
        TFileDelete remove(context_.files, context_.dialogs, context_.services.trash,
                           context_.deleteProgress);
        remove.Owner = context_.owner;
        remove.UseRecycleBin = !options_.permanent;
        remove.Files = paths;
        remove.Execute();
        collect(remove);
    }
    return results;
}

void TUninstallFonts::BackupFileExists(TFileCopy&, const std::string&, std::string& target,
                                       std::uint32_t& action) {
    const std::string folder = FolderPart(target);
    const std::string name = ExtractFileName(target);
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    for (int n = 1; n <= kMaxBackupNumber; ++n) {
        std::string numbered = stem;
        numbered += std::to_string(n);
        numbered += extension;
        const std::string candidate = AddToPath(folder, numbered);
        platform::FileStatus status;
        if (context_.files.Status(candidate, status, false) == platform::kErrorFileNotFound) {
            target = candidate;
            action = faRenamed;
            return;
        }
    }
    action = faSkip;
}
