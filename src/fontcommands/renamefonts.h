#pragma once

#include <string>

#include "fontcommands/fontcommand.h"

// "&Rename Font File(s)": gives each chosen font file, in its own folder, the name of the
// font it holds, keeping the file's extension. A name the file system refuses or that is
// taken brings up a prompt for another; a font name never leads out of the folder.
class TRenameFonts : public TFontCommand {
public:
    using TFontCommand::TFontCommand;

    // Returns the number of files renamed.
    int Run(int focusedIndex);

    // The file name a font name gives, or empty when it is no valid name for a file of that
    // folder ("/", NUL or control characters, empty, "." or "..").
    static std::string FileNameFor(const std::string& fontName, const std::string& extension);

private:
    // 0 when renamed (or already so named), else a Windows error code or 1223.
    int RenameOne(const std::string& oldPath, const std::string& fontName, std::string& newPath);
    int TryName(const std::string& oldPath, const std::string& name, std::string& newPath);
};
