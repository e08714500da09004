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
