#pragma once

#include <cstdint>

namespace platform {

// The user's default language ID (Windows numbering): from LC_ALL, LC_MESSAGES or LANG
// (ko_KR -> 0x0412, en_US -> 0x0409, ...; unknown -> 0x0409), unless overridden.
std::uint16_t UserDefaultLangID();
// Overrides the locale's value (0 restores the locale's).
void SetUserDefaultLangID(std::uint16_t langId);
// Maps a locale name such as "ko_KR.UTF-8" to a language ID.
std::uint16_t LangIDFromLocaleName(const char* localeName);

}  // namespace platform
