#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/fontfiletypes.h"
#include "catalogue/fontinfo.h"
#include "platform/services.h"

enum TFontListMode : std::uint8_t {
    flmScreen = 0,
    flmInstalled = 1,
    flmFolders = 2,
    flmNone = 255
};
// A folder-mode list shows the fonts of up to this many folders.
constexpr int kFolderSlots = 5;

// Every value other than stName sorts as stPath.
enum TSortType : std::uint8_t { stPath = 1, stName = 2 };

class TFontList;
using TNotifyEvent = std::function<void(TFontList& sender)>;
using TLoadEvent = std::function<void(TFontList& sender, TFontListMode mode, bool& abort,
                                      const std::string& info)>;

// The ordered, owning collection of font records every view of the program works on. It
// fills itself from one of three sources (its mode), keeps five folder slots, a sort order,
// change notifications with update brackets, load progress callbacks, and the files that
// failed to load ("error.log").
class TFontList {
public:
    // services may be null for lists that are only filled by Assign (nothing is loaded then).
    explicit TFontList(bool manageResources, const platform::Services* services = nullptr);
    virtual ~TFontList();
    TFontList(const TFontList&) = delete;
    TFontList& operator=(const TFontList&) = delete;

    int GetCount() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range "List index out of bounds(<index>)". A const list gives its
    // records to read only.
    const TFontInfo& GetItems(int index) const;
    TFontInfo& GetItems(int index);
    void SetItems(int index, std::unique_ptr<TFontInfo> record);
    int GetFolderCount() const;
    std::string GetFolders(int index) const;
    void SetFolders(int index, const std::string& path);
    bool GetUpdating() const { return updateCount_ != 0; }

    TFontListMode Mode() const { return mode_; }
    void SetMode(TFontListMode mode);
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType sortType);
    bool AutoLoad() const { return autoLoad_; }
    void SetAutoLoad(bool value) { autoLoad_ = value; }
    bool ManageResources() const { return manageResources_; }
    void SetManageResources(bool value) { manageResources_ = value; }
    // The files the loads take (TrueType alone unless set); the next load follows a change.
    const TFontFileTypes& FileTypes() const { return fileTypes_; }
    void SetFileTypes(TFontFileTypes types) { fileTypes_ = types; }

    void Add(std::unique_ptr<TFontInfo> record);
    void Add(const std::string& name);  // a screen font record
    void Delete(int index);
    void Clear();
    void Assign(const TFontList& source);
    void Assign(const std::vector<std::string>& names);
    int Find(const std::string& name) const;
    int IndexOf(const std::string& name) const { return Find(name); }
    int IndexOfFileName(const std::string& path) const;
    void Sort();
    void BeginUpdate();
    void EndUpdate();

    void LoadFonts(TFontListMode mode);
    void Refresh();
    void LoadScreenFonts();
    void LoadInstalledFonts();
    void LoadFolders();
    void LoadFontsInFolder(const std::string& path);
    void ScanFolder(const std::string& path);
    void AddTTC(const std::string& path);
    int AddFolder(const std::string& path);
    void RemoveFolder(const std::string& path);

    // The files that failed during the current load, with their Windows error codes.
    const std::vector<std::pair<std::string, int>>& Errors() const { return errors_; }

    TNotifyEvent OnChange;
    TNotifyEvent OnLoaded;
    TLoadEvent OnLoadBegin;
    TLoadEvent OnLoadProgress;
    TNotifyEvent OnLoadEnd;

protected:
    virtual void Change();

private:
    // The faces of a collection share the file's one entry in the font table: it goes with
    // the last of them.
    bool SharesFontFile(const TFontInfo& record) const;
    void ReleaseResource(const TFontInfo& record);
    // Whether a change of the content now is announced to the system.
    bool AnnouncesChanges() const;
    void BroadcastFontChange();
    void BroadcastAlways();
    void RaiseNotify(const TNotifyEvent& event);
    void RaiseLoad(const TLoadEvent& event, TFontListMode mode, bool& abort,
                   const std::string& info);
    void ScanFontFile(const std::string& path, bool& abort);
    void ScanCollectionFile(const std::string& path, bool& abort);
    // The records of every face of a collection (or of the one face of a single font named
    // like one), full names read. 0, or the Windows error code that stopped the reading.
    int ReadFaces(const std::string& path, std::vector<std::unique_ptr<TFontInfo>>& faces) const;
    // The code logged when a font table takes the file (0), else its own error code.
    int AddToFontTable(const std::string& path) const;
    void WriteErrorLog() const;
    platform::FontTable* FontTable() const;
    // A new record for a file, reading names in the user's language.
    std::unique_ptr<TFontInfo> NewRecord() const;
    std::string UserFontsFolder() const;

    std::vector<std::unique_ptr<TFontInfo>> items_;
    std::vector<std::pair<std::string, int>> errors_;
    std::uint8_t updateCount_ = 0;
    bool broadcastPending_ = false;  // a deletion within the bracket waits to be announced
    TFontListMode mode_ = flmNone;
    TSortType sortType_ = stName;
    std::array<std::string, kFolderSlots> folders_;
    bool autoLoad_ = true;
    bool manageResources_;
    TFontFileTypes fileTypes_;
    const platform::Services* services_;
};

// RAII guard for BeginUpdate/EndUpdate, so every path closes the bracket.
class FontListUpdate {
public:
    explicit FontListUpdate(TFontList& list) : list_(list) { list_.BeginUpdate(); }
    ~FontListUpdate() { list_.EndUpdate(); }
    FontListUpdate(const FontListUpdate&) = delete;
    FontListUpdate& operator=(const FontListUpdate&) = delete;

private:
    TFontList& list_;
};

// The name of the installed-fonts registry key (kept for the messages that show it).
std::string GetFontRegKey();
// The installed entries types takes (.ttf and .ttc by default): out is replaced when the
// source answers.
void GetInstalledFontFiles(platform::InstalledFonts& source, std::vector<std::string>& out,
                           const TFontFileTypes& types = TFontFileTypes());
