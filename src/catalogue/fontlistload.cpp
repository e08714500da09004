// The loading half of TFontList: the three sources, collections, folder slots, error log.
#include <algorithm>
#include <cerrno>
#include <exception>
#include <stdexcept>
#include <utility>

#include "catalogue/collectionheader.h"
#include "catalogue/fontbytes.h"
#include "catalogue/fontfiles.h"
#include "catalogue/fontlist.h"
#include "fileops/fileutil.h"
#include "platform/collation.h"
#include "platform/dialogs.h"
#include "platform/errorcodes.h"
#include "platform/fontchange.h"
#include "platform/fonttable.h"
#include "platform/installedfonts.h"
#include "platform/programfolder.h"
#include "platform/userfonts.h"

namespace {

constexpr std::size_t kMaxFolders = 5;
// ERROR_INVALID_DATA: the file was read but offers no usable full name.
constexpr int kErrorInvalidData = 13;
// ERROR_CALL_NOT_IMPLEMENTED: a list without a font table cannot register folder fonts.
constexpr int kErrorNoFontTable = 120;

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
    return kErrorInvalidData;
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
        // A broken collection ends the load, but the list still takes the new mode (so the
        // records it holds are released under the mode they were loaded with), is sorted,
        // logs its errors and tells its owner before the error goes on.
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
    const std::string fontsDir = platform::UserFontsFolder();
    std::vector<std::string> entries;
    if (services_ != nullptr && services_->installedFonts != nullptr) {
        GetInstalledFontFiles(*services_->installedFonts, entries);
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
        if (catalogue::HasExtensionI(path, ".ttf")) {
            if (catalogue::FileExists(path)) {
                auto record = std::make_unique<TFontInfo>();
                record->SetFileName(path);
                RaiseLoad(OnLoadProgress, flmInstalled, abort, record->FullName());
                Add(record.release());
            }
        } else if (catalogue::HasExtensionI(path, ".ttc")) {
            RaiseLoad(OnLoadProgress, flmInstalled, abort, catalogue::NamePart(path));
            AddTTC(path);
        }
        if (abort) {
            break;
        }
    }
}

void TFontList::AddTTC(const std::string& path) {
    catalogue::FontBytes bytes(path);
    if (!bytes.Open()) {
        return;
    }
    std::vector<std::uint32_t> faceOffsets;
    if (!catalogue::ReadCollectionHeader(bytes, faceOffsets)) {
        throw std::runtime_error("Invalid True Type Font Collection file!");
    }
    for (const std::uint32_t faceOffset : faceOffsets) {
        auto record = std::make_unique<TFontInfo>();
        record->SetFaceOffset(faceOffset);
        record->SetFileName(path);
        Add(record.release());
    }
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
    for (const catalogue::FolderEntry& entry : catalogue::ListFolder(path)) {
        const std::string full = AddToPath(path, entry.name);
        if (entry.isFolder) {
            ScanFolder(full);
        } else if (catalogue::HasExtensionI(entry.name, ".ttf")) {
            ScanFontFile(full, abort);
        }
        if (abort) {
            break;
        }
    }
}

void TFontList::ScanFontFile(const std::string& path, bool& abort) {
    auto record = std::make_unique<TFontInfo>();
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
        code = FontTable() != nullptr ? FontTable()->AddFontFile(path) : kErrorNoFontTable;
        ok = code == 0;
    }
    if (ok) {
        Add(record.release());
    } else {
        errors_.emplace_back(path, code);
    }
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
    if (GetFolderCount() == static_cast<int>(kMaxFolders)) {
        ShowInformation("You can't add more than 5 folders.");
        return -1;
    }
    const std::string fontsFolder = platform::UserFontsFolder();
    if (!fontsFolder.empty() && platform::StartsWithI(path, fontsFolder)) {
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
        if (platform::CompareStrI(slot, path) == 0) {
            finding = "Same folder already exists.";
        } else if (platform::StartsWithI(slot, path)) {
            finding =
                "Subfolder(s) already exist.\nPlease remove those folders first then add "
                "this folder.";
        } else if (platform::StartsWithI(path, slot)) {
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
        return !f.empty() && platform::CompareStrI(f, path) == 0;
    });
    if (slot == folders_.end()) {
        return;
    }
    slot->clear();
    FontListUpdate update(*this);
    for (int i = 0; i < GetCount();) {
        if (platform::StartsWithI(items_[static_cast<std::size_t>(i)]->FileName(), path)) {
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
    if (errors_.empty()) {
        return;
    }
    std::vector<std::string> lines;
    lines.reserve(errors_.size());
    for (const auto& [path, code] : errors_) {
        lines.push_back(path + " (ERROR:" + std::to_string(code) + ")");
    }
    catalogue::WriteLines(platform::ProgramFolder() + "error.log", lines);
}
