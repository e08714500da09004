#pragma once

#include <cstdint>
#include <string>

// Big-endian fields as font files store them, appended to a byte string.
namespace testsupport {

inline void Put16(std::string& out, int value) {
    const auto bits = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<char>(bits >> 8));
    out.push_back(static_cast<char>(bits & 0xFF));
}

inline void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<int>(value >> 16));
    Put16(out, static_cast<int>(value & 0xFFFF));
}

}  // namespace testsupport
