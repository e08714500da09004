#pragma once

#include <vector>

#include "favorites/favoriteline.h"

class TFontList;

// The records of installed that a group's entries name, as indexes into installed, in entry
// order; entries whose font is not installed are skipped. Names match without regard to
// case. Two installed faces often share a full name: the one whose file is the entry's path
// wins, else the first of that name. Names are looked up through one sorted index, so a
// large group over many fonts costs n log n, not a scan per name.
std::vector<int> FindFavoriteFonts(const std::vector<TFavoriteEntry>& entries,
                                   const TFontList& installed);

// Fills target with copies of those records (inside one update bracket), as showing a group
// in the font list view does; the copies keep their marks, as every copy of a record does.
void AssignFavoriteFonts(TFontList& target, const TFontList& installed,
                         const std::vector<TFavoriteEntry>& entries);
