#include "favorites/favoritelookup.h"

#include <algorithm>
#include <numeric>

#include "catalogue/fontlist.h"
#include "platform/collation.h"

namespace {

// A record's name, or the name looked for: the index is searched with either.
struct NameKey {
    const TFontList& list;

    const std::string& operator()(int index) const { return list.GetItems(index).FullName(); }
};

}  // namespace

std::vector<int> FindFavoriteFonts(const std::vector<TFavoriteEntry>& entries,
                                   const TFontList& installed) {
    const NameKey nameOf{installed};
    std::vector<int> byName(static_cast<std::size_t>(installed.GetCount()));
    std::iota(byName.begin(), byName.end(), 0);
    // Stable, so records of one name keep list order and the first of them comes first.
    std::stable_sort(byName.begin(), byName.end(),
                     [&](int a, int b) { return platform::CompareStrI(nameOf(a), nameOf(b)) < 0; });

    std::vector<int> found;
    found.reserve(entries.size());
    for (const TFavoriteEntry& entry : entries) {
        const auto first = std::lower_bound(
            byName.begin(), byName.end(), entry.name, [&](int index, const std::string& name) {
                return platform::CompareStrI(nameOf(index), name) < 0;
            });
        const auto last = std::upper_bound(
            first, byName.end(), entry.name, [&](const std::string& name, int index) {
                return platform::CompareStrI(name, nameOf(index)) < 0;
            });
        if (first == last) {
            continue;
        }
        const auto samePath = std::find_if(first, last, [&](int index) {
            return installed.GetItems(index).FileName() == entry.path;
        });
        found.push_back(samePath != last ? *samePath : *first);
    }
    return found;
}

void AssignFavoriteFonts(TFontList& target, const TFontList& installed,
                         const std::vector<TFavoriteEntry>& entries) {
    const std::vector<int> found = FindFavoriteFonts(entries, installed);
    FontListUpdate update(target);
    target.Clear();
    for (const int index : found) {
        target.Add(installed.GetItems(index).Copy());
    }
}
