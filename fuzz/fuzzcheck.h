#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

// What the fuzz targets check beyond "no crash": a property that does not hold ends the run
// like a crash, so libFuzzer keeps the input and the corpus replay fails on it.
namespace fuzzcheck {

inline void Expect(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}

// True when text is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF),
// which is what every name the reader hands to the user interface must be.
inline bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const unsigned char lead = byte(i);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF5 ? 4 - (lead < 0xF0)
                                                 : 0;
        if (length == 0 || length > text.size() - i) {
            return false;
        }
        unsigned code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (byte(i + k) & 0x3F);
        }
        const unsigned smallest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

// An input that starts with N fields, each ended by a zero byte, and then the file's bytes:
// the fields and the rest. Nothing when the input has fewer than N zero bytes.
template <std::size_t N>
struct Fields {
    std::array<std::string, N> fields;
    std::string rest;
};

template <std::size_t N>
std::optional<Fields<N>> SplitFields(const std::string& input) {
    Fields<N> split;
    std::size_t pos = 0;
    for (std::string& field : split.fields) {
        const std::size_t zero = input.find('\0', pos);
        if (zero == std::string::npos) {
            return std::nullopt;
        }
        field = input.substr(pos, zero - pos);
        pos = zero + 1;
    }
    split.rest = input.substr(pos);
    return split;
}

}  // namespace fuzzcheck
