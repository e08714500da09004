#include "output/printsettings.h"

#include <algorithm>

#include "platform/inifile.h"

namespace {

const char* const kSection = "Print";

int ReadMargin(const platform::IniFile& file, const char* key, int defaultValue) {
    return std::clamp(file.ReadInteger(kSection, key, defaultValue), 0, TPrintSettings::kMaxMargin);
}

std::uint32_t ReadColor(const platform::IniFile& file, const char* key) {
    return static_cast<std::uint32_t>(file.ReadInteger(kSection, key, 0)) & 0xFFFFFFu;
}

}  // namespace

TPrintSettings TPrintSettings::Read(const platform::IniFile& file) {
    TPrintSettings settings;
    settings.left = ReadMargin(file, "Left", settings.left);
    settings.right = ReadMargin(file, "Right", settings.right);
    settings.top = ReadMargin(file, "Top", settings.top);
    settings.bottom = ReadMargin(file, "Bottom", settings.bottom);
    settings.nameColor = ReadColor(file, "NameColor");
    settings.textColor = ReadColor(file, "TextColor");
    settings.titleColor = ReadColor(file, "TitleColor");
    return settings;
}

bool TPrintSettings::Write(platform::IniFile& file) const {
    bool written = file.WriteInteger(kSection, "Left", left);
    written = file.WriteInteger(kSection, "Right", right) && written;
    written = file.WriteInteger(kSection, "Top", top) && written;
    written = file.WriteInteger(kSection, "Bottom", bottom) && written;
    written = file.WriteInteger(kSection, "NameColor", static_cast<int>(nameColor)) && written;
    written = file.WriteInteger(kSection, "TextColor", static_cast<int>(textColor)) && written;
    return file.WriteInteger(kSection, "TitleColor", static_cast<int>(titleColor)) && written;
}
