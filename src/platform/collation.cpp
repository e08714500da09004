#include "platform/collation.h"

#include <cstddef>
#include <cstdint>

#include "platform/casefolding.h"

namespace platform {
namespace {

// Names sort the way the desktop's word sort shows them: punctuation and spaces first, then
// digits, then letters alphabetically with case as a tie-break, then everything beyond ASCII
// by code point, each letter taken in its folded case (Unicode simple case folding).

struct Decoder {
    std::string_view text;
    std::size_t pos = 0;

    bool AtEnd() const { return pos >= text.size(); }

    // Bytes that are not valid UTF-8 are taken one by one, above every real code point,
    // so a broken name still sorts reproducibly.
    char32_t Next() {
        const auto lead = static_cast<unsigned char>(text[pos]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            ++pos;
            return lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            ++pos;
            return 0x110000 + lead;
        }
        if (text.size() - pos <= static_cast<std::size_t>(extra)) {
            ++pos;
            return 0x110000 + lead;
        }
        for (int i = 1; i <= extra; ++i) {
            const auto cont = static_cast<unsigned char>(text[pos + i]);
            if ((cont & 0xC0) != 0x80) {
                ++pos;
                return 0x110000 + lead;
            }
            cp = (cp << 6) | (cont & 0x3F);
        }
        pos += static_cast<std::size_t>(extra) + 1;
        return cp;
    }
};

std::uint32_t PrimaryWeight(char32_t folded) {
    if (folded >= 0x80) {
        return 0x1000 + folded;
    }
    if (folded >= '0' && folded <= '9') {
        return 0x100 + folded;
    }
    if (folded >= 'a' && folded <= 'z') {
        return 0x200 + folded;
    }
    return folded;
}

int Sign(std::int64_t value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// Compares ignoring case; caseOrder receives the first case difference found (lower case
// before upper case), for callers that use case as the tie-break.
int ComparePrimary(std::string_view a, std::string_view b, int* caseOrder) {
    Decoder da{a};
    Decoder db{b};
    while (!da.AtEnd() && !db.AtEnd()) {
        const char32_t ca = da.Next();
        const char32_t cb = db.Next();
        const char32_t fa = FoldCase(ca);
        const char32_t fb = FoldCase(cb);
        if (fa != fb) {
            return Sign(static_cast<std::int64_t>(PrimaryWeight(fa)) - PrimaryWeight(fb));
        }
        if (caseOrder != nullptr && *caseOrder == 0 && ca != cb) {
            *caseOrder = ca == fa ? -1 : 1;
        }
    }
    if (da.AtEnd() && db.AtEnd()) {
        return 0;
    }
    return da.AtEnd() ? -1 : 1;
}

}  // namespace

int CompareStr(std::string_view a, std::string_view b) {
    int caseOrder = 0;
    const int primary = ComparePrimary(a, b, &caseOrder);
    if (primary != 0) {
        return primary;
    }
    if (caseOrder != 0) {
        return caseOrder;
    }
    return Sign(static_cast<std::int64_t>(a.compare(b)));
}

int CompareStrI(std::string_view a, std::string_view b) {
    return ComparePrimary(a, b, nullptr);
}

int CompareText(std::string_view a, std::string_view b) {
    return ComparePrimary(a, b, nullptr);
}

bool StartsWithI(std::string_view text, std::string_view prefix) {
    Decoder dt{text};
    Decoder dp{prefix};
    while (!dp.AtEnd()) {
        if (dt.AtEnd() || FoldCase(dt.Next()) != FoldCase(dp.Next())) {
            return false;
        }
    }
    return true;
}

}  // namespace platform
