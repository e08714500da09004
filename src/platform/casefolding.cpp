#include "platform/casefolding.h"

#include <algorithm>
#include <iterator>

#include "platform/casefoldingtable.h"

namespace platform {

char32_t FoldCase(char32_t cp) {
    if (cp < 0x80) {
        // Names are mostly ASCII; they need no search.
        return cp >= 'A' && cp <= 'Z' ? cp + 0x20 : cp;
    }
    const auto* after = std::upper_bound(
        std::begin(kCaseFoldRanges), std::end(kCaseFoldRanges), cp,
        [](char32_t value, const CaseFoldRange& range) { return value < range.first; });
    if (after == std::begin(kCaseFoldRanges)) {
        return cp;
    }
    const CaseFoldRange& range = *std::prev(after);
    if (cp > range.last || (cp - range.first) % range.stride != 0) {
        return cp;
    }
    return static_cast<char32_t>(static_cast<std::int32_t>(cp) + range.delta);
}

}  // namespace platform
