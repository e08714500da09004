#include "catalogue/fontlist.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "fileops/paths.h"
#include "platform/collation.h"
#include "platform/fontchange.h"
#include "platform/fonttable.h"
#include "platform/installedfonts.h"

namespace {

std::out_of_range IndexError(const char* prefix, int index) {
    return std::out_of_range(prefix + std::to_string(index) + ")");
}

bool ByName(const std::unique_ptr<TFontInfo>& a, const std::unique_ptr<TFontInfo>& b) {
    return platform::CompareStr(a->FullName(), b->FullName()) < 0;
}

bool ByPath(const std::unique_ptr<TFontInfo>& a, const std::unique_ptr<TFontInfo>& b) {
    const int folders = platform::CompareStrI(FolderPart(a->FileName()), FolderPart(b->FileName()));
    if (folders != 0) {
        return folders < 0;
    }
    return platform::CompareStrI(ExtractFileName(a->FileName()), ExtractFileName(b->FileName())) <
           0;
}

}  // namespace

TFontList::TFontList(bool manageResources, const platform::Services* services)
    : manageResources_(manageResources), services_(services) {}

TFontList::~TFontList() {
    // The owner may already be half gone: it hears nothing more, but the font resources of
    // folder fonts still leave the font table.
    OnChange = nullptr;
    OnLoaded = nullptr;
    OnLoadBegin = nullptr;
    OnLoadProgress = nullptr;
    OnLoadEnd = nullptr;
    Clear();
}

const TFontInfo& TFontList::GetItems(int index) const {
    if (index < 0 || index >= GetCount()) {
        throw IndexError("List index out of bounds(", index);
    }
    return *items_[static_cast<std::size_t>(index)];
}

TFontInfo& TFontList::GetItems(int index) {
    if (index < 0 || index >= GetCount()) {
        throw IndexError("List index out of bounds(", index);
    }
    return *items_[static_cast<std::size_t>(index)];
}

void TFontList::SetItems(int index, std::unique_ptr<TFontInfo> record) {
    if (index < 0 || index >= GetCount()) {
        throw IndexError("List index out of bounds (", index);
    }
    auto& slot = items_[static_cast<std::size_t>(index)];
    if (slot && !SharesFontFile(*slot)) {
        ReleaseResource(*slot);
    }
    slot = std::move(record);
    Change();
}

int TFontList::GetFolderCount() const {
    return static_cast<int>(std::count_if(folders_.begin(), folders_.end(),
                                          [](const std::string& f) { return !f.empty(); }));
}

std::string TFontList::GetFolders(int index) const {
    if (index < 0 || index >= static_cast<int>(folders_.size())) {
        return {};
    }
    return folders_[static_cast<std::size_t>(index)];
}

void TFontList::SetFolders(int index, const std::string& path) {
    if (mode_ == flmFolders || index < 0 || index >= static_cast<int>(folders_.size())) {
        return;
    }
    folders_[static_cast<std::size_t>(index)] = path;
}

void TFontList::SetMode(TFontListMode mode) {
    if (mode == mode_) {
        return;
    }
    if (autoLoad_) {
        LoadFonts(mode);
        return;
    }
    Clear();
    mode_ = mode;
}

void TFontList::SetSortType(TSortType sortType) {
    if (sortType == sortType_) {
        return;
    }
    sortType_ = sortType;
    Sort();
}

void TFontList::Add(std::unique_ptr<TFontInfo> record) {
    items_.push_back(std::move(record));
    Change();
}

void TFontList::Add(const std::string& name) {
    auto record = std::make_unique<TFontInfo>();
    record->SetFullName(name);
    items_.push_back(std::move(record));
    Change();
}

void TFontList::Delete(int index) {
    if (index < 0 || index >= GetCount()) {
        throw IndexError("List index out of bounds(", index);
    }
    const TFontInfo& record = *items_[static_cast<std::size_t>(index)];
    if (!SharesFontFile(record)) {
        ReleaseResource(record);
    }
    items_.erase(items_.begin() + index);
    Change();
    // Records deleted within an update bracket are announced once, when it closes: each
    // announcement makes the system read its fonts again.
    if (updateCount_ > 0) {
        broadcastPending_ = broadcastPending_ || AnnouncesChanges();
    } else {
        BroadcastFontChange();
    }
}

void TFontList::Clear() {
    std::set<std::string> collections;
    for (const auto& record : items_) {
        if (!TFontFileTypes::IsCollection(record->FileName()) ||
            collections.insert(record->FileName()).second) {
            ReleaseResource(*record);
        }
    }
    items_.clear();
    Change();
    BroadcastFontChange();
}

void TFontList::Assign(const TFontList& source) {
    {
        FontListUpdate update(*this);
        Clear();
        sortType_ = source.sortType_;
        items_.reserve(source.items_.size());
        for (const auto& record : source.items_) {
            items_.push_back(record->Copy());
        }
        mode_ = source.mode_;
        folders_ = source.folders_;
        fileTypes_ = source.fileTypes_;
    }
    RaiseNotify(OnLoaded);
}

void TFontList::Assign(const std::vector<std::string>& names) {
    {
        FontListUpdate update(*this);
        Clear();
        for (const std::string& name : names) {
            Add(name);
        }
        mode_ = flmScreen;
    }
    RaiseNotify(OnLoaded);
}

int TFontList::Find(const std::string& name) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (platform::CompareStrI(items_[i]->FullName(), name) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int TFontList::IndexOfFileName(const std::string& path) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (platform::CompareStrI(items_[i]->FileName(), path) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TFontList::Sort() {
    // Stable, so records that compare equal (screen fonts by path) keep their load order.
    std::stable_sort(items_.begin(), items_.end(), sortType_ == stName ? ByName : ByPath);
    Change();
}

void TFontList::BeginUpdate() {
    ++updateCount_;
}

void TFontList::EndUpdate() {
    if (updateCount_ > 0) {
        --updateCount_;
    }
    Change();
    if (updateCount_ == 0 && broadcastPending_) {
        broadcastPending_ = false;
        BroadcastAlways();
    }
}

void TFontList::Change() {
    if (updateCount_ == 0 && OnChange) {
        OnChange(*this);
    }
}

bool TFontList::SharesFontFile(const TFontInfo& record) const {
    if (!TFontFileTypes::IsCollection(record.FileName())) {
        return false;
    }
    return std::count_if(items_.begin(), items_.end(), [&record](const auto& other) {
               return other->FileName() == record.FileName();
           }) > 1;
}

void TFontList::ReleaseResource(const TFontInfo& record) {
    if (manageResources_ && mode_ == flmFolders && FontTable() != nullptr) {
        FontTable()->RemoveFontFile(record.FileName());
    }
}

bool TFontList::AnnouncesChanges() const {
    return manageResources_ && mode_ != flmInstalled && services_ != nullptr &&
           services_->fontChange != nullptr;
}

void TFontList::BroadcastFontChange() {
    if (AnnouncesChanges()) {
        services_->fontChange->Broadcast();
    }
}

void TFontList::RaiseNotify(const TNotifyEvent& event) {
    if (event) {
        event(*this);
    }
}

platform::FontTable* TFontList::FontTable() const {
    return services_ != nullptr ? services_->fontTable : nullptr;
}

std::unique_ptr<TFontInfo> TFontList::NewRecord() const {
    return std::make_unique<TFontInfo>(services_ != nullptr ? services_->userLanguage
                                                            : platform::kLangEnglishUs);
}

std::string TFontList::UserFontsFolder() const {
    return services_ != nullptr ? services_->userFontsFolder : std::string();
}

std::string GetFontRegKey() {
    return "\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
}

void GetInstalledFontFiles(platform::InstalledFonts& source, std::vector<std::string>& out,
                           const TFontFileTypes& types) {
    std::vector<std::string> files = source.Files();
    out.clear();
    for (std::string& file : files) {
        if (types.FromInstalled(file)) {
            out.push_back(std::move(file));
        }
    }
}
