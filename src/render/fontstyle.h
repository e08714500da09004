#pragma once

#include <cstdint>

// Sample-text style: a set of bold, italic, underline, strike-out.
enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;
