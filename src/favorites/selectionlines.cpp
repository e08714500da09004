#include "favorites/selectionlines.h"

#include <optional>

#include "catalogue/fontlist.h"
#include "favorites/favoriteline.h"

namespace {

void AddLine(TSelectionLines& result, const TFontInfo& record) {
    const std::optional<std::string> line = MakeEntryLine(record.FullName(), record.FileName());
    if (line) {
        result.lines.push_back(*line);
    } else {
        ++result.refused;
    }
}

}  // namespace

TSelectionLines EntryLinesOfSelection(const TFontList& items, int itemIndex) {
    TSelectionLines result;
    bool anyMarked = false;
    for (int i = 0; i < items.GetCount(); ++i) {
        const TFontInfo& record = items.GetItems(i);
        if (record.Selected()) {
            anyMarked = true;
            AddLine(result, record);
        }
    }
    if (!anyMarked && itemIndex >= 0 && itemIndex < items.GetCount()) {
        AddLine(result, items.GetItems(itemIndex));
    }
    return result;
}
