#include "preview/quicksearch.h"

#include "catalogue/fontlist.h"
#include "platform/collation.h"

namespace quicksearch {

namespace {

bool Matches(const TFontList& items, int index, const std::string& text) {
    return platform::StartsWithI(items.GetItems(index).FullName(), text);
}

int Scan(const TFontList& items, int from, int to, const std::string& text) {
    for (int index = from; index < to; ++index) {
        if (Matches(items, index, text)) {
            return index;
        }
    }
    return -1;
}

}  // namespace

bool Accepts(char32_t code) {
    return code == U' ' || (code >= U'"' && code <= U'~');
}

void RemoveLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0u) == 0x80u) {
        text.pop_back();
    }
    if (!text.empty()) {
        text.pop_back();
    }
}

int Find(const TFontList& items, int itemIndex, const std::string& text, bool includeFocused) {
    const int count = items.GetCount();
    if (text.empty() || count == 0) {
        return 0;
    }
    const bool focusedIsLast = itemIndex == count - 1;
    int start = itemIndex;
    if (focusedIsLast) {
        start = 0;
    } else if (!includeFocused) {
        start = itemIndex + 1;
    }
    const int found = Scan(items, start < 0 ? 0 : start, count, text);
    if (found >= 0) {
        return found;
    }
    if (itemIndex <= 0 || (!includeFocused && focusedIsLast)) {
        return -1;
    }
    return Scan(items, 0, itemIndex, text);
}

}  // namespace quicksearch
