#include "favorites/fontfavorites.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include "favorites/folderlistings.h"
#include "platform/atomicwrite.h"
#include "platform/collation.h"
#include "platform/regularfile.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Far above any favorites file; a larger one is not taken for one.
constexpr std::uint64_t kMaxFileSize = 64ull << 20;

// A line that may name a font file: an entry whose path is a full one.
bool NamesFontFile(const std::string& line, TFolderListings& listings) {
    const std::string_view path = EntryPath(line);
    return path.starts_with('/') && !listings.FileIsGone(std::string(path));
}

}  // namespace

void TFontFavorites::LoadFromFile(const std::string& fileName) {
    platform::RegularFile file(fileName);
    if (!file.IsOpen() && file.Error() == ENOENT) {
        LoadFromBytes({});
        return;
    }
    const std::optional<std::string> bytes = file.ReadAll(kMaxFileSize);
    if (!bytes) {
        throw TFavoritesError("Cannot open file " + fileName);
    }
    LoadFromBytes(*bytes);
}

void TFontFavorites::LoadFromBytes(std::string_view bytes) {
    std::vector<std::string> lines;
    // Every mark goes, so that what is saved reads back as the same lines.
    while (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes);
            break;
        }
        lines.emplace_back(bytes.substr(0, end));
        const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crLf ? 2 : 1));
    }
    lines_ = std::move(lines);
    Changed();
}

std::string TFontFavorites::SaveToBytes() const {
    std::size_t size = 0;
    for (const std::string& line : lines_) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void TFontFavorites::SaveToFile(const std::string& fileName) const {
    if (!platform::WriteFileAtomically(fileName, SaveToBytes())) {
        throw TFavoritesError("Cannot create file " + fileName);
    }
}

bool TFontFavorites::IsGroup(int index) const {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("List index out of bounds!");
    }
    return IsHeaderLine(lines_[static_cast<std::size_t>(index)]);
}

void TFontFavorites::BuildIndex() const {
    if (indexed_) {
        return;
    }
    firstHeader_.clear();
    for (int i = 0; i < Count(); ++i) {
        const std::string& line = lines_[static_cast<std::size_t>(i)];
        if (IsHeaderLine(line)) {
            firstHeader_.emplace(std::string(HeaderName(line)), i);
        }
    }
    indexed_ = true;
}

int TFontFavorites::FindGroup(const std::string& name) const {
    BuildIndex();
    const auto found = firstHeader_.find(name);
    return found != firstHeader_.end() ? found->second : -1;
}

int TFontFavorites::GroupEnd(int header) const {
    int end = header + 1;
    while (end < Count() && !IsHeaderLine(lines_[static_cast<std::size_t>(end)])) {
        ++end;
    }
    return end;
}

std::vector<std::string> TFontFavorites::GetGroups() const {
    std::vector<std::string> groups;
    for (const std::string& line : lines_) {
        if (IsHeaderLine(line)) {
            groups.emplace_back(HeaderName(line));
        }
    }
    return groups;
}

std::vector<TFavoriteEntry> TFontFavorites::GetGroupEntries(const std::string& name) const {
    std::vector<TFavoriteEntry> entries;
    const int header = FindGroup(name);
    if (header < 0) {
        return entries;
    }
    const int end = GroupEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const std::string& line = lines_[static_cast<std::size_t>(i)];
        if (!line.empty()) {
            entries.push_back(SplitEntry(line));
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TFavoriteEntry& a, const TFavoriteEntry& b) {
                         return platform::CompareText(a.name, b.name) < 0;
                     });
    return entries;
}

std::vector<std::string> TFontFavorites::GetGroupFonts(const std::string& name) const {
    std::vector<std::string> fonts;
    for (TFavoriteEntry& entry : GetGroupEntries(name)) {
        fonts.push_back(std::move(entry.name));
    }
    return fonts;
}

int TFontFavorites::GetFontCount(const std::string& name) const {
    const int header = FindGroup(name);
    if (header < 0) {
        return 0;
    }
    const int end = GroupEnd(header);
    return static_cast<int>(std::count_if(lines_.begin() + header + 1, lines_.begin() + end,
                                          [](const std::string& line) { return !line.empty(); }));
}

int TFontFavorites::AddGroup(const std::string& name) {
    if (!IsSingleLine(name)) {
        return -1;
    }
    lines_.emplace_back();
    return AppendGroup(name);
}

int TFontFavorites::AppendGroup(const std::string& name) {
    if (!IsSingleLine(name)) {
        return -1;
    }
    lines_.push_back(HeaderLine(name));
    Changed();
    return Count() - 1;
}

void TFontFavorites::AddFonts(const std::string& name, const std::vector<std::string>& entryLines) {
    int header = FindGroup(name);
    if (header < 0) {
        header = AddGroup(name);
    }
    if (header < 0) {
        return;
    }
    const auto at = lines_.begin() + header + 1;
    std::vector<std::string> accepted;
    for (const std::string& line : entryLines) {
        if (IsSingleLine(line) && !line.empty() && !IsHeaderLine(line)) {
            accepted.push_back(line);
        }
    }
    // Each line inserted at the header's next line pushes the earlier ones down.
    lines_.insert(at, accepted.rbegin(), accepted.rend());
    Changed();
}

void TFontFavorites::DeleteFont(const std::string& group, const std::string& font) {
    const int header = FindGroup(group);
    if (header < 0) {
        return;
    }
    const int end = GroupEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const std::string& line = lines_[static_cast<std::size_t>(i)];
        if (!line.empty() && platform::CompareStrI(SplitEntry(line).name, font) == 0) {
            lines_.erase(lines_.begin() + i);
            Changed();
            return;
        }
    }
}

void TFontFavorites::DeleteGroup(const std::string& name) {
    const int header = FindGroup(name);
    if (header < 0) {
        return;
    }
    lines_.erase(lines_.begin() + header, lines_.begin() + GroupEnd(header));
    Changed();
}

bool TFontFavorites::RenameGroup(const std::string& oldName, const std::string& newName) {
    const int header = FindGroup(oldName);
    const int taken = FindGroup(newName);
    // A change of letter case only finds the group itself, which is no clash.
    if (header < 0 || (taken >= 0 && taken != header) || !IsSingleLine(newName)) {
        return false;
    }
    lines_[static_cast<std::size_t>(header)] = HeaderLine(newName);
    Changed();
    return true;
}

void TFontFavorites::DeleteMissingFonts() {
    TFolderListings listings;
    const auto gone = std::remove_if(lines_.begin(), lines_.end(), [&](const std::string& line) {
        return !IsHeaderLine(line) && !NamesFontFile(line, listings);
    });
    if (gone != lines_.end()) {
        lines_.erase(gone, lines_.end());
        Changed();
    }
}

void TFontFavorites::Edit(const std::string& fileName,
                          const std::function<bool(TFontFavorites&)>& change) {
    LoadFromFile(fileName);
    DeleteMissingFonts();
    if (change(*this)) {
        SaveToFile(fileName);
    }
}

void TFontFavorites::AddFolder(const std::string& fileName, const std::string& name) {
    Edit(fileName, [&name](TFontFavorites& store) {
        return store.FindGroup(name) < 0 && store.AppendGroup(name) >= 0;
    });
}
