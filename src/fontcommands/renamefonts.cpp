#include "fontcommands/renamefonts.h"

#include <cctype>

#include "catalogue/fontlist.h"
#include "fileops/operation.h"
#include "fileops/paths.h"
#include "platform/dialogs.h"
#include "platform/errorcodes.h"
#include "platform/filesystem.h"

namespace {

constexpr const char* kCaption = "Rename";  // 710
constexpr const char* kProcessRest = "Do you want to process the rest of files?";

// String 713; it names the extension the new name keeps: ".ttf", ".otf", ".ttc" or ".otc".
std::string NameTaken(const std::string& extension) {
    std::string shown = extension.empty() ? std::string(".ttf") : extension;
    for (char& c : shown) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return "Same filename already exists or filename is invalid.\nPut new filename without '" +
           shown + "'";
}

std::string Confirmation(const std::string& subject) {
    return "\"" + subject +
           "\"\nThis will change filename to its font name.\nAre you sure you want to do this "
           "action?";
}

std::string ExtensionOf(const std::string& path) {
    const std::string name = ExtractFileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot);
}

bool AsksForAnotherName(int result) {
    return result == platform::kErrorInvalidName || result == platform::kErrorAlreadyExists ||
           result == platform::kErrorFileExists;
}

}  // namespace

std::string TRenameFonts::FileNameFor(const std::string& fontName, const std::string& extension) {
    if (fontName.empty() || fontName == "." || fontName == "..") {
        return {};
    }
    for (const char c : fontName) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || byte < 0x20 || byte == 0x7F) {
            return {};
        }
    }
    return fontName + extension;
}

int TRenameFonts::Run(int focusedIndex) {
    const TFontList& view = context_.viewList;
    const int marked = MarkedCount();
    if (view.GetCount() == 0 ||
        (marked == 0 && (focusedIndex < 0 || focusedIndex >= view.GetCount()))) {
        return 0;
    }
    const std::string subject = marked > 0 ? std::to_string(marked) + " selected fonts"
                                           : view.GetItems(focusedIndex).FullName();
    if (context_.dialogs.MessageBox(Confirmation(subject), kCaption, platform::MsgButtons::YesNo,
                                    platform::MsgIcon::Question,
                                    context_.owner) != platform::IdYes) {
        return 0;
    }
    const std::vector<TCommandFile> chosen = ChosenFiles(focusedIndex);
    int renamed = 0;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const std::string oldPath = chosen[i].path;
        const std::string fontName = view.GetItems(chosen[i].index).FullName();
        const bool held = ReleaseFont(oldPath);
        std::string newPath;
        if (RenameOne(oldPath, fontName, newPath) == 0) {
            MoveRecordsOf(oldPath, newPath);
            UnmarkRecordsOf(newPath);
            if (held) {
                LoadFont(newPath);
            }
            ++renamed;
            continue;
        }
        if (held) {
            LoadFont(oldPath);
        }
        if (i + 1 < chosen.size() &&
            context_.dialogs.MessageBox(kProcessRest, kCaption, platform::MsgButtons::YesNo,
                                        platform::MsgIcon::Question,
                                        context_.owner) != platform::IdYes) {
            break;
        }
    }
    return renamed;
}

int TRenameFonts::RenameOne(const std::string& oldPath, const std::string& fontName,
                            std::string& newPath) {
    int result = TryName(oldPath, fontName, newPath);
    while (AsksForAnotherName(result)) {
        std::string typed = fontName;
        if (context_.dialogs.InputString(kCaption, NameTaken(ExtensionOf(oldPath)), typed,
                                         context_.owner) != platform::IdOk) {
            return kResultCancelled;
        }
        result = TryName(oldPath, typed, newPath);
    }
    return result;
}

int TRenameFonts::TryName(const std::string& oldPath, const std::string& name,
                          std::string& newPath) {
    const std::string fileName = FileNameFor(name, ExtensionOf(oldPath));
    if (fileName.empty()) {
        return platform::kErrorInvalidName;
    }
    newPath = AddToPath(FolderPart(oldPath), fileName);
    if (newPath == oldPath) {
        return 0;
    }
    // Another name for this very file (a hard link, a folder that ignores case) is no clash.
    platform::FileStatus from;
    platform::FileStatus to;
    if (context_.files.Status(oldPath, from, false) == 0 &&
        context_.files.Status(newPath, to, false) == 0 && from.device == to.device &&
        from.inode == to.inode) {
        newPath = oldPath;
        return 0;
    }
    return context_.files.Rename(oldPath, newPath, platform::RenameMode::NoReplace);
}
