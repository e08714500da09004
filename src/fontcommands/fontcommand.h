#pragma once

#include <string>
#include <vector>

class QWidget;
class TCopyProgress;
class TDeleteProgress;
class TFontList;

namespace platform {
class Dialogs;
class FileSystem;
struct Services;
}  // namespace platform

// What a font command works on and with, handed in by the main window.
struct TFontCommandContext {
    TFontList& fontList;  // the master list
    TFontList& viewList;  // the list the preview shows, whose marks choose the fonts
    // Font table, installed fonts, font change, trash; the program folder ("error.log",
    // "protect.lst", the default backup) and the user's Fonts folder (where fonts go).
    const platform::Services& services;
    platform::Dialogs& dialogs;
    platform::FileSystem& files;
    TCopyProgress* copyProgress = nullptr;  // null: no window
    TDeleteProgress* deleteProgress = nullptr;
    QWidget* owner = nullptr;  // messages are centred on it
};

// One font file a command works on, with the index of the first record that holds it in the
// view's list.
struct TCommandFile {
    std::string path;
    int index = -1;
};

// The parts every font command shares: choosing the files, releasing and loading them in
// the font table, keeping both lists in step with the files, telling the system once.
class TFontCommand {
public:
    explicit TFontCommand(const TFontCommandContext& context) : context_(context) {}
    virtual ~TFontCommand() = default;
    TFontCommand(const TFontCommand&) = delete;
    TFontCommand& operator=(const TFontCommand&) = delete;

protected:
    // The files of the marked records in list order, or of the focused record when none is
    // marked. A collection is one file for several records: it is listed once.
    std::vector<TCommandFile> ChosenFiles(int focusedIndex) const;
    // Number of marked records of the view's list.
    int MarkedCount() const;

    // Takes the file out of the font table. True when the table held it (so it must be
    // loaded again if the file stays); a file the table does not hold is released already.
    bool ReleaseFont(const std::string& path);
    void LoadFont(const std::string& path);

    // Every record of either list with this file (all faces of a collection).
    void RemoveRecordsOf(const std::string& path);
    void MoveRecordsOf(const std::string& oldPath, const std::string& newPath);
    void UnmarkRecordsOf(const std::string& path);

    // Makes the run's changes known: fontconfig refreshes each changed font folder once and
    // the program and other programs hear that fonts changed.
    void AnnounceFontChange(const std::vector<std::string>& changedFolders);

    // Shows text (information icon, no caption) and then replaces "error.log" with lines.
    void ReportErrors(const std::string& text, const std::vector<std::string>& lines);

    const TFontCommandContext& context_;
};
