#pragma once

#include <string>
#include <vector>

namespace platform {
class IniFile;
}

// The list of sample texts in the settings file's "History" section: one key per text, the
// keys "1", "2", ... in list order.

// The texts under the keys 1 to n, n being the number of the section's key lines; a missing
// key gives an empty text.
std::vector<std::string> ReadSampleTexts(const platform::IniFile& file);

// Replaces the section with texts under the keys 1 to n, an empty text too, so the list
// reads back as it was. The file's reader trims blanks and takes one pair of quotes off a
// value, so a text that would lose either is written inside one more pair of quotes. False
// when the file could not be written.
bool WriteSampleTexts(platform::IniFile& file, const std::vector<std::string>& texts);

// value as it must be written to read back unchanged.
std::string ProfileValue(const std::string& value);
