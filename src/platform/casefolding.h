#pragma once

#include <cstdint>

namespace platform {

// Code points first..last, every stride-th of them, fold to themselves plus delta.
struct CaseFoldRange {
    char32_t first;
    char32_t last;
    std::int32_t delta;
    std::uint8_t stride;
};

// The one character every case form of a letter folds to (Unicode simple case folding):
// Ÿ and ÿ, Σ, σ and ς, K and the Kelvin sign fold alike. Characters without case, and
// values beyond Unicode, fold to themselves.
char32_t FoldCase(char32_t cp);

}  // namespace platform
