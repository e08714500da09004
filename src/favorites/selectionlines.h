#pragma once

#include <string>
#include <vector>

class TFontList;

// The favorites entry lines of what the font list view has chosen: one "name=path" line per
// marked record in list order, or, with none marked, one for the current item alone.
struct TSelectionLines {
    std::vector<std::string> lines;
    // Fonts left out because their name or path cannot be stored as one entry line.
    int refused = 0;
};

TSelectionLines EntryLinesOfSelection(const TFontList& items, int itemIndex);
