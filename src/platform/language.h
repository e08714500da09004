#pragma once

#include <cstdint>

namespace platform {

// Windows language IDs.
constexpr std::uint16_t kLangEnglishUs = 0x0409;

// The user's default language ID (Windows numbering): from LC_ALL, LC_MESSAGES or LANG
// (ko_KR -> 0x0412, en_US -> 0x0409, ...; unknown -> 0x0409).
std::uint16_t UserDefaultLangID();
// Maps a locale name such as "ko_KR.UTF-8" to a language ID.
std::uint16_t LangIDFromLocaleName(const char* localeName);

}  // namespace platform
