// Fuzz target: the favorites store over a favorites file in memory. The groups listed agree
// with the lookups (the first header of a name counts, names compare without regard to case,
// a group's entries are its non-empty lines, sorted by name); saving and reading again gives
// the same lines. Adding a font, deleting a font, deleting or renaming a group changes that
// group only, and the store still saves and reads back as it is.
// Input: "GROUP\0NAME\0PATH\0" and then the file's bytes: the edits add the font NAME=PATH to
// GROUP, delete it, delete GROUP and rename it to NAME. Without three zero bytes the whole input
// is the file, and the edits go to its first group (or a new one).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "favorites/favoriteline.h"
#include "favorites/fontfavorites.h"
#include "fuzzcheck.h"
#include "platform/collation.h"

namespace {

using fuzzcheck::Expect;
using Entries = std::vector<TFavoriteEntry>;

// Each group looked up costs a sort of its entries; a bound keeps the checks of a large input
// quick.
constexpr std::size_t kMaxChecked = 16;

struct Edit {
    std::string group;
    std::string name;
    std::string path;
    std::string file;
};

Edit SplitInput(const std::string& input) {
    if (const auto split = fuzzcheck::SplitFields<3>(input)) {
        const auto& [group, name, path] = split->fields;
        return {group, name, path, split->rest};
    }
    Edit edit{"Fuzz", "Fuzz Sans", "/fuzz/FuzzSans.ttf", input};
    TFontFavorites store;
    store.LoadFromBytes(input);
    const std::vector<std::string> groups = store.GetGroups();
    if (!groups.empty()) {
        edit.group = groups.front();
    }
    return edit;
}

bool Same(std::string_view a, std::string_view b) {
    return platform::CompareStrI(a, b) == 0;
}

std::string SwapAsciiCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// Entries in an order that does not depend on how the store sorts them.
Entries Ordered(Entries entries) {
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.name != b.name ? a.name < b.name : a.path < b.path;
    });
    return entries;
}

struct Group {
    int header = -1;
    Entries entries;  // in byte order, see Ordered
};

// Each group as the lines make it, worked out without the store: a header opens a group that
// runs to the next header, its non-empty lines are its entries, and of several headers of one
// name the first counts.
using Groups = std::map<std::string, Group, TNameLess>;

Groups GroupsOf(const std::vector<std::string>& lines) {
    Groups groups;
    Group* open = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsHeaderLine(line)) {
            const auto [at, isFirst] =
                groups.try_emplace(std::string(HeaderName(line)), Group{static_cast<int>(i), {}});
            open = isFirst ? &at->second : nullptr;
        } else if (open != nullptr && !line.empty()) {
            open->entries.push_back(SplitEntry(line));
        }
    }
    for (auto& [name, group] : groups) {
        group.entries = Ordered(std::move(group.entries));
    }
    return groups;
}

std::vector<std::string> HeaderNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines) {
        if (IsHeaderLine(line)) {
            names.emplace_back(HeaderName(line));
        }
    }
    return names;
}

bool ThrowsOutOfRange(const TFontFavorites& store, int index) {
    try {
        store.IsGroup(index);
    } catch (const std::out_of_range&) {
        return true;
    }
    return false;
}

void ExpectGroupReads(const TFontFavorites& store, const std::string& name, const Group& group) {
    Expect(store.FindGroup(name) == group.header, "a group is found at its first header");
    Expect(store.FindGroup(SwapAsciiCase(name)) == group.header,
           "a group is found whatever the case of its name");
    Expect(store.IsGroup(group.header), "a group's header is a group line");
    const Entries entries = store.GetGroupEntries(name);
    Expect(std::is_sorted(entries.begin(), entries.end(),
                          [](const auto& a, const auto& b) {
                              return platform::CompareText(a.name, b.name) < 0;
                          }),
           "a group's entries are sorted by name");
    Expect(Ordered(entries) == group.entries, "a group's entries are its non-empty lines");
    Expect(store.GetFontCount(name) == static_cast<int>(entries.size()),
           "a group counts the entries it lists");
    const std::vector<std::string> fonts = store.GetGroupFonts(name);
    Expect(std::equal(fonts.begin(), fonts.end(), entries.begin(), entries.end(),
                      [](const auto& font, const auto& entry) { return font == entry.name; }),
           "a group's fonts are its entries' names");
}

// Everything the store answers agrees with its lines, and they save and read back unchanged.
Groups ExpectConsistent(const TFontFavorites& store) {
    const Groups groups = GroupsOf(store.Lines());
    Expect(store.GetGroups() == HeaderNames(store.Lines()), "the groups listed are the headers");
    std::size_t checked = 0;
    for (const auto& [name, group] : groups) {
        if (++checked > kMaxChecked) {
            break;
        }
        ExpectGroupReads(store, name, group);
    }
    // No line holds a line break, so no header has this name.
    Expect(store.FindGroup("\n") < 0 && store.GetFontCount("\n") == 0 &&
               store.GetGroupEntries("\n").empty(),
           "a group that is not there has no entries");
    Expect(ThrowsOutOfRange(store, -1) && ThrowsOutOfRange(store, store.Count()),
           "a line outside the store is refused");
    const std::string bytes = store.SaveToBytes();
    TFontFavorites again;
    again.LoadFromBytes(bytes);
    Expect(again.Lines() == store.Lines(), "saved lines read back unchanged");
    Expect(again.SaveToBytes() == bytes, "saving again writes the same bytes");
    return groups;
}

// Groups of every name but the edited ones read as before.
void ExpectOthersKept(const Groups& before, const Groups& after,
                      const std::vector<std::string>& edited) {
    const auto isEdited = [&](const std::string& name) {
        return std::any_of(edited.begin(), edited.end(),
                           [&](const std::string& e) { return Same(e, name); });
    };
    for (const auto& [name, group] : before) {
        if (isEdited(name)) {
            continue;
        }
        const auto now = after.find(name);
        Expect(now != after.end() && now->second.entries == group.entries,
               "an edit keeps the other groups' fonts");
    }
    for (const auto& [name, group] : after) {
        Expect(isEdited(name) || before.count(name) == 1, "an edit adds no other group");
    }
}

std::size_t EntryCount(const Groups& groups, const std::string& name) {
    const auto found = groups.find(name);
    return found != groups.end() ? found->second.entries.size() : 0;
}

void CheckAddFont(const TFontFavorites& loaded, const Groups& before, const Edit& edit) {
    TFontFavorites store = loaded;
    const std::optional<std::string> line = MakeEntryLine(edit.name, edit.path);
    // A line the program would not make is offered too: the store must keep it from changing
    // the file's structure on its own.
    const std::string offered = line ? *line : edit.name + "=" + edit.path;
    store.AddFonts(edit.group, {offered});
    // A file may hold a header with a NUL in it; a new group never gets one.
    if (before.count(edit.group) == 0 && !IsSingleLine(edit.group)) {
        Expect(store.Lines() == loaded.Lines(), "a new group name with a line break is refused");
        return;
    }
    const Groups after = ExpectConsistent(store);
    const bool accepted = IsSingleLine(offered) && !IsHeaderLine(offered);
    Expect(after.count(edit.group) == 1, "adding a font makes its group");
    Expect(EntryCount(after, edit.group) == EntryCount(before, edit.group) + accepted,
           "adding a font adds one entry, or none when it is refused");
    if (line) {
        const TFavoriteEntry added{edit.name, edit.path};
        const Entries& entries = after.at(edit.group).entries;
        Expect(std::find(entries.begin(), entries.end(), added) != entries.end(),
               "an added font reads back as its name and path");
    }
    ExpectOthersKept(before, after, {edit.group});
}

void CheckDeleteFont(const TFontFavorites& loaded, const Groups& before, const Edit& edit) {
    TFontFavorites store = loaded;
    store.DeleteFont(SwapAsciiCase(edit.group), SwapAsciiCase(edit.name));
    const Groups after = ExpectConsistent(store);
    const auto group = before.find(edit.group);
    const bool listed = group != before.end() &&
                        std::any_of(group->second.entries.begin(), group->second.entries.end(),
                                    [&](const auto& entry) { return Same(entry.name, edit.name); });
    Expect(EntryCount(after, edit.group) == EntryCount(before, edit.group) - listed,
           "deleting a font deletes one entry of that name, whatever its case");
    ExpectOthersKept(before, after, {edit.group});
}

void CheckDeleteGroup(const TFontFavorites& loaded, const Groups& before, const Edit& edit) {
    TFontFavorites store = loaded;
    store.DeleteGroup(SwapAsciiCase(edit.group));
    const Groups after = ExpectConsistent(store);
    const bool existed = before.count(edit.group) == 1;
    Expect(store.GetGroups().size() == loaded.GetGroups().size() - existed,
           "deleting a group takes its one header");
    ExpectOthersKept(before, after, {edit.group});
}

void CheckRenameGroup(const TFontFavorites& loaded, const Groups& before, const Edit& edit) {
    TFontFavorites store = loaded;
    const auto group = before.find(edit.group);
    const auto taken = before.find(edit.name);
    const bool allowed = group != before.end() && IsSingleLine(edit.name) &&
                         (taken == before.end() || taken == group);
    Expect(store.RenameGroup(edit.group, edit.name) == allowed,
           "a group is renamed unless another group has the name");
    if (!allowed) {
        Expect(store.Lines() == loaded.Lines(), "a refused rename changes nothing");
        return;
    }
    const Groups after = ExpectConsistent(store);
    Expect(store.FindGroup(edit.name) == group->second.header &&
               after.at(edit.name).entries == group->second.entries,
           "a renamed group keeps its place and its fonts");
    ExpectOthersKept(before, after, {edit.group, edit.name});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Edit edit = SplitInput(std::string(reinterpret_cast<const char*>(data), size));
    TFontFavorites store;
    store.LoadFromBytes(edit.file);
    const Groups before = ExpectConsistent(store);
    CheckAddFont(store, before, edit);
    CheckDeleteFont(store, before, edit);
    CheckDeleteGroup(store, before, edit);
    CheckRenameGroup(store, before, edit);
    return 0;
}
