#pragma once

#include <QColor>
#include <cstdint>

// Colours kept in the settings file, in the program's constants and passed between its parts
// are 0x00BBGGRR values; Qt's colours are made from them here only. Header-only: the
// libraries that draw (and so link Qt's GUI module) use it.
inline QColor ColorFromRef(std::uint32_t ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

inline std::uint32_t ColorToRef(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}
