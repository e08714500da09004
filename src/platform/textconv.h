#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// UTF-16 big-endian bytes to UTF-8, stopping at the first zero unit. Unpaired surrogates
// become U+FFFD; an odd trailing byte is ignored.
std::string Utf16BeToUtf8(const std::uint8_t* data, std::size_t size);
// CP949 (Wansung) bytes to UTF-8; invalid sequences become U+FFFD.
std::string Cp949ToUtf8(const std::string& bytes);

}  // namespace platform
