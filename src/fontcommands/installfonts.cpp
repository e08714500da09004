#include "fontcommands/installfonts.h"

#include "catalogue/fontlist.h"
#include "fileops/filecopy.h"
#include "fileops/fileerrors.h"
#include "fileops/paths.h"
#include "platform/dialogs.h"
#include "platform/errorcodes.h"
#include "platform/filesystem.h"
#include "platform/services.h"

int TInstallFonts::Run(int focusedIndex) {
    if (context_.viewList.GetCount() == 0 || context_.fontList.Mode() != flmFolders) {
        return 0;
    }
    const std::vector<TCommandFile> chosen = ChosenFiles(focusedIndex);
    // Without a Fonts folder there is nowhere to install to; never write beside a font.
    if (chosen.empty() || context_.services.userFontsFolder.empty()) {
        return 0;
    }
    if (const int made = MakeFontsFolder(); made != 0) {
        context_.dialogs.MessageBox(FileErrorText(made), kErrorCaption, platform::MsgButtons::Ok,
                                    platform::MsgIcon::Error, context_.owner);
        return 0;
    }
    TFileCopy copy(context_.files, context_.dialogs, context_.copyProgress);
    copy.Owner = context_.owner;
    for (const TCommandFile& file : chosen) {
        copy.Files.push_back(file.path);
    }
    copy.CopyTo(context_.services.userFontsFolder);

    std::vector<std::string> installed;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (copy.Done(static_cast<int>(i))) {
            installed.push_back(
                AddToPath(context_.services.userFontsFolder, ExtractFileName(chosen[i].path)));
            UnmarkRecordsOf(chosen[i].path);
        }
    }
    if (installed.empty()) {
        return 0;
    }
    // fontconfig first, once for the run, so other programs see every new font at once.
    AnnounceFontChange({});
    for (const std::string& path : installed) {
        LoadFont(path);
    }
    return static_cast<int>(installed.size());
}

int TInstallFonts::MakeFontsFolder() {
    const std::string& folder = context_.services.userFontsFolder;
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const int made = context_.files.MakeFolder(folder.substr(0, slash));
        if (made != 0 && made != platform::kErrorAlreadyExists) {
            return made;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    platform::FileStatus status;
    const int result = context_.files.Status(folder, status);
    if (result != 0) {
        return result;
    }
    return status.isFolder ? 0 : platform::kErrorAlreadyExists;
}
