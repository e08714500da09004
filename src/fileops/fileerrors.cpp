#include "fileops/fileerrors.h"

#include "platform/dialogs.h"

std::string FileErrorText(int code) {
    switch (code) {
        case 2:
        case 3:
            return "The system cannot find the file/folder specified";
        case 5:
            return "Access is denied.";
        case 19:
            return "Disk is write-protected";
        case 21:
            return "Drive is not ready";
        case 30:
            return "Read failed. Disk may be broken.";
        case 32:
            return "There has been sharing violation. File or Folder is being used by another "
                   "program";
        case 112:
            return kNoSpaceText;
        case 123:
            return "Invalid Name";
        case 145:
            return "Folder is not empty.";
        case 183:
            return "The file/folder which has same name is already exists.";
        case 1005:
            return "The volume does not contain a recognized file system.";
        default:
            return "Error Occured. Error Code : " + std::to_string(code) +
                   "\n\nPlease mail me an error code and situation error occured.";
    }
}

bool AskContinue(platform::Dialogs& dialogs, int code, const std::string& caption, bool last,
                 QWidget* owner) {
    std::string text = FileErrorText(code);
    if (last) {
        dialogs.MessageBox(text, caption, platform::MsgButtons::Ok, platform::MsgIcon::Error,
                           owner);
        return false;
    }
    text += "\n\n";
    text += kProcessRestText;
    return dialogs.MessageBox(text, caption, platform::MsgButtons::YesNo, platform::MsgIcon::Error,
                              owner) == platform::IdYes;
}

std::string FormatThousands(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, 1, ',');
    }
    return digits;
}
