#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fontcommands/fontcommand.h"

class TFileCopy;

namespace platform {
class FileSystem;
}

// How a removal runs, from the command that started it and the settings.
struct TRemoveOptions {
    bool uninstall = false;         // uninstall installed fonts; otherwise delete folder fonts
    bool permanent = false;         // Shift was held: delete for good instead of into the trash
    bool backup = true;             // "Backup": uninstall moves files into the backup folder
    std::string backupFolder = {};  // "BackupPath", or the program folder + "uninstalled"
};

// Makes the default backup folder (program folder + "uninstalled") when it is missing: the
// program folder is often one no one made by hand. A folder the user chose must exist
// already and is left as it is.
void PrepareBackupFolder(platform::FileSystem& files, const std::string& programFolder,
                         const std::string& backupFolder);

// Asks the delete warning with caption and question; gives the dialog's result (6 = Yes).
using TConfirmRemoval = std::function<int(const std::string& caption, const std::string& question)>;

// "&Uninstall Font" and "&Delete Font": after the warning, takes the chosen fonts out of the
// font table and moves their files into the backup folder or the trash, or deletes them;
// fonts named in "protect.lst" are left alone by uninstall. Removed files leave both lists;
// the others are loaded again, stay marked and are listed in "error.log".
class TUninstallFonts : public TFontCommand {
public:
    TUninstallFonts(const TFontCommandContext& context, TRemoveOptions options,
                    TConfirmRemoval confirm);

    // Returns the number of files removed. Throws std::runtime_error "Cannot open file ..."
    // when "protect.lst" exists but cannot be read; nothing has been touched then.
    int Run(int focusedIndex);

    // Given to the move into the backup folder: an existing backup name gets a number before
    // its extension (foo.ttf -> foo1.ttf ... foo99.ttf); when all are taken the file is
    // skipped.
    void BackupFileExists(TFileCopy& sender, const std::string& source, std::string& target,
                          std::uint32_t& action);

private:
    std::string Question(int focusedIndex) const;
    bool UsesBackup() const { return options_.uninstall && options_.backup; }
    std::vector<int> RemoveFiles(const std::vector<TCommandFile>& chosen);

    TRemoveOptions options_;
    TConfirmRemoval confirm_;
};
