#pragma once

#include <cstdint>

namespace platform {
class IniFile;
}

// The "Print" section of the settings file: the sheet's margins in millimetres and its three
// colours (0x00BBGGRR). They are kept between runs; everything else of the print window is not.
struct TPrintSettings {
    static constexpr int kMaxMargin = 100;

    int left = 12;
    int right = 12;
    int top = 26;
    int bottom = 12;
    std::uint32_t nameColor = 0;
    std::uint32_t textColor = 0;
    std::uint32_t titleColor = 0;

    // Margins outside 0 to kMaxMargin are brought into it, as the print window's boxes would.
    static TPrintSettings Read(const platform::IniFile& file);
    // False when the file could not be written.
    bool Write(platform::IniFile& file) const;
};
