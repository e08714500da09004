// The loading half of TFontList: the three sources, collections, folder slots, error log.
#include <algorithm>
#include <cerrno>
#include <exception>
#include <memory>
#include <utility>

#include "catalogue/collectionheader.h"
#include "catalogue/fontbytes.h"
#include "catalogue/fontlist.h"
#include "fileops/fileutil.h"
#include "fileops/paths.h"
#include "platform/collation.h"
#include "platform/dialogs.h"
#include "platform/errorcodes.h"
#include "platform/fontchange.h"
#include "platform/fonttable.h"
#include "platform/installedfonts.h"

namespace {

template <typename F>
class ScopeExit {
public:
    explicit ScopeExit(F action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F action_;
};

// The code logged for a folder font that could not be used before the font table saw it.
int UnusableFileCode(const std::string& path) {
    catalogue::FontBytes bytes(path);
    if (!bytes.Open()) {
        return platform::WinErrorFromErrno(errno);
    }
    return platform::kErrorInvalidData;
}

void ShowInformation(const std::string& text) {
    platform::CurrentDialogs().MessageBox(text, "Message", platform::MsgButtons::Ok,
                                          platform::MsgIcon::Information);
}

}  // namespace

void TFontList::LoadFonts(TFontListMode mode) {
    std::exception_ptr failure;
    {
        FontListUpdate update(*this);
        Clear();
        errors_.clear();
        // Whatever raises inside a load (an owner's callback, memory) ends it, but the list
        // still takes the new mode (so the records it holds are released under the mode they
        // were loaded with), is sorted, logs its errors and tells its owner before the error
        // goes on.
        try {
            switch (mode) {
                case flmScreen:
                    LoadScreenFonts();
                    break;
                case flmInstalled:
                    LoadInstalledFonts();
                    break;
                case flmFolders:
                    LoadFolders();
                    break;
                default:
                    break;
            }
        } catch (...) {
            failure = std::current_exception();
        }
        mode_ = mode;
        Sort();
    }
    WriteErrorLog();
    RaiseNotify(OnLoaded);
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void TFontList::Refresh() {
    LoadFonts(mode_);
}

void TFontList::LoadScreenFonts() {
    FontListUpdate update(*this);
    Clear();
    if (FontTable() == nullptr) {
        return;
    }
    for (const std::string& name : FontTable()->Families()) {
        if (!items_.empty() && platform::CompareText(items_.back()->FullName(), name) == 0) {
            continue;
        }
        if (!name.empty() && name.front() == '@') {
            continue;
        }
        Add(name);
    }
}

void TFontList::LoadInstalledFonts() {
    const std::string fontsDir = UserFontsFolder();
    std::vector<std::string> entries;
    if (services_ != nullptr && services_->installedFonts != nullptr) {
        GetInstalledFontFiles(*services_->installedFonts, entries, fileTypes_);
    }
    bool abort = false;
    RaiseLoad(OnLoadBegin, flmInstalled, abort, std::to_string(entries.size()));
    BeginUpdate();
    ScopeExit end([this] {
        EndUpdate();
        RaiseNotify(OnLoadEnd);
    });
    Clear();
    for (const std::string& entry : entries) {
        // A bare name means a file in the Fonts folder, never one in the current folder.
        const std::string path =
            entry.find('/') != std::string::npos ? entry : AddToPath(fontsDir, entry);
        if (TFontFileTypes::IsCollection(path)) {
            RaiseLoad(OnLoadProgress, flmInstalled, abort, ExtractFileName(path));
            AddTTC(path);
        } else if (FileExists(path)) {
            std::unique_ptr<TFontInfo> record = NewRecord();
            record->SetFileName(path);
            RaiseLoad(OnLoadProgress, flmInstalled, abort, record->FullName());
            Add(std::move(record));
        }
        if (abort) {
            break;
        }
    }
}

void TFontList::AddTTC(const std::string& path) {
    std::vector<std::unique_ptr<TFontInfo>> faces;
    // A broken collection costs this file only, never the fonts loaded around it; one that
    // cannot be opened adds nothing.
    if (ReadFaces(path, faces) == platform::kErrorInvalidData) {
        errors_.emplace_back(path, platform::kErrorInvalidData);
    }
    for (auto& face : faces) {
        Add(std::move(face));
    }
}

int TFontList::ReadFaces(const std::string& path,
                         std::vector<std::unique_ptr<TFontInfo>>& faces) const {
    catalogue::FontBytes bytes(path);
    if (!bytes.Open()) {
        return platform::WinErrorFromErrno(errno);
    }
    std::uint8_t tag[4];
    // fontconfig lists a font by its content, not its name: a single font named like a
    // collection is one face at the start of the file. Only offsets that were really read
    // give faces: a short table gives fewer.
    std::vector<std::uint32_t> faceOffsets;
    if (bytes.Read(0, sizeof tag, tag) == sizeof tag && fileTypes_.IsSingleFontTag(tag)) {
        faceOffsets.push_back(0);
    } else if (!catalogue::ReadCollectionHeader(bytes, faceOffsets)) {
        return platform::kErrorInvalidData;
    }
    for (const std::uint32_t faceOffset : faceOffsets) {
        std::unique_ptr<TFontInfo> record = NewRecord();
        record->SetFaceOffset(faceOffset);
        record->SetFileName(path);
        faces.push_back(std::move(record));
    }
    return 0;
}

void TFontList::LoadFolders() {
    if (GetFolderCount() == 0) {
        return;
    }
    bool abort = false;
    RaiseLoad(OnLoadBegin, flmFolders, abort, "");
    ScopeExit end([this] { RaiseNotify(OnLoadEnd); });
    for (const std::string& folder : folders_) {
        if (DirExists(folder)) {
            ScanFolder(folder);
        }
    }
    BroadcastAlways();
}

void TFontList::ScanFolder(const std::string& path) {
    bool abort = false;
    for (const FolderEntry& entry : ListFolder(path)) {
        const std::string full = AddToPath(path, entry.name);
        if (entry.isFolder) {
            ScanFolder(full);
        } else if (fileTypes_.FromFolder(entry.name)) {
            if (TFontFileTypes::IsCollection(entry.name)) {
                ScanCollectionFile(full, abort);
            } else {
                ScanFontFile(full, abort);
            }
        }
        if (abort) {
            break;
        }
    }
}

void TFontList::ScanFontFile(const std::string& path, bool& abort) {
    std::unique_ptr<TFontInfo> record = NewRecord();
    bool ok = true;
    try {
        record->SetFileName(path);
        RaiseLoad(OnLoadProgress, flmFolders, abort, record->FullName());
    } catch (const std::exception&) {
        ok = false;
    }
    int code = 0;
    if (!ok || record->FullName().empty()) {
        ok = false;
        code = UnusableFileCode(path);
    } else {
        code = AddToFontTable(path);
        ok = code == 0;
    }
    if (ok) {
        Add(std::move(record));
    } else {
        errors_.emplace_back(path, code);
    }
}

// A collection in a folder is one file for the scan: one progress call, one font-table entry,
// one error-log line when none of its faces can be used. Faces without a full name are left
// out, as single fonts without one are.
void TFontList::ScanCollectionFile(const std::string& path, bool& abort) {
    RaiseLoad(OnLoadProgress, flmFolders, abort, ExtractFileName(path));
    std::vector<std::unique_ptr<TFontInfo>> faces;
    int code = ReadFaces(path, faces);
    std::erase_if(faces, [](const auto& face) { return face->FullName().empty(); });
    if (code == 0) {
        code = faces.empty() ? UnusableFileCode(path) : AddToFontTable(path);
    }
    if (code != 0) {
        errors_.emplace_back(path, code);
        return;
    }
    for (auto& face : faces) {
        Add(std::move(face));
    }
}

int TFontList::AddToFontTable(const std::string& path) const {
    return FontTable() != nullptr ? FontTable()->AddFontFile(path)
                                  : platform::kErrorCallNotImplemented;
}

void TFontList::LoadFontsInFolder(const std::string& path) {
    const int count = GetCount();
    bool abort = false;
    RaiseLoad(OnLoadBegin, flmFolders, abort, path);
    ScopeExit end([this] { RaiseNotify(OnLoadEnd); });
    ScanFolder(path);
    if (GetCount() != count) {
        BroadcastAlways();
    }
}

int TFontList::AddFolder(const std::string& path) {
    if (mode_ != flmFolders) {
        return -1;
    }
    if (GetFolderCount() == kFolderSlots) {
        ShowInformation("You can't add more than 5 folders.");
        return -1;
    }
    const std::string fontsFolder = UserFontsFolder();
    if (!fontsFolder.empty() && IsWithinFolderI(path, fontsFolder)) {
        return -1;
    }
    if (!DirExists(path)) {
        return -1;
    }
    for (const std::string& slot : folders_) {
        if (slot.empty()) {
            continue;
        }
        const char* finding = nullptr;
        if (IsSameFolderI(slot, path)) {
            finding = "Same folder already exists.";
        } else if (IsWithinFolderI(slot, path)) {
            finding =
                "Subfolder(s) already exist.\nPlease remove those folders first then add "
                "this folder.";
        } else if (IsWithinFolderI(path, slot)) {
            finding = "Parent folder already exists.\nYou don't need to add this folder.";
        }
        if (finding != nullptr) {
            ShowInformation(finding);
            return -1;
        }
    }
    const auto free = std::find_if(folders_.begin(), folders_.end(),
                                   [](const std::string& slot) { return slot.empty(); });
    *free = path;
    FontListUpdate update(*this);
    LoadFontsInFolder(path);
    Sort();
    return static_cast<int>(free - folders_.begin());
}

void TFontList::RemoveFolder(const std::string& path) {
    const auto slot = std::find_if(folders_.begin(), folders_.end(), [&](const std::string& f) {
        return !f.empty() && IsSameFolderI(f, path);
    });
    if (slot == folders_.end()) {
        return;
    }
    slot->clear();
    FontListUpdate update(*this);
    for (int i = 0; i < GetCount();) {
        if (IsWithinFolderI(items_[static_cast<std::size_t>(i)]->FileName(), path)) {
            Delete(i);
        } else {
            ++i;
        }
    }
}

void TFontList::RaiseLoad(const TLoadEvent& event, TFontListMode mode, bool& abort,
                          const std::string& info) {
    if (event) {
        event(*this, mode, abort, info);
    }
}

void TFontList::BroadcastAlways() {
    if (services_ != nullptr && services_->fontChange != nullptr) {
        services_->fontChange->Broadcast();
    }
}

void TFontList::WriteErrorLog() const {
    if (errors_.empty() || services_ == nullptr || services_->programFolder.empty()) {
        return;
    }
    std::vector<std::string> lines;
    lines.reserve(errors_.size());
    for (const auto& [path, code] : errors_) {
        lines.push_back(path + " (ERROR:" + std::to_string(code) + ")");
    }
    WriteLines(services_->programFolder + "error.log", lines);
}
