#include "platform/textconv.h"

#include <iconv.h>

#include <cerrno>

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// One converter per thread: iconv descriptors carry shift state and are not thread-safe.
class Cp949Converter {
public:
    Cp949Converter() : cd_(iconv_open("UTF-8", "CP949")) {}
    ~Cp949Converter() {
        if (Valid()) {
            iconv_close(cd_);
        }
    }
    Cp949Converter(const Cp949Converter&) = delete;
    Cp949Converter& operator=(const Cp949Converter&) = delete;

    // iconv_open says it failed with the descriptor (iconv_t)-1.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::string Convert(const std::string& bytes) {
        std::string out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char buffer[256];
        while (inLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof(buffer);
            const std::size_t rc = iconv(cd_, &in, &inLeft, &dst, &dstLeft);
            const int err = errno;
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1) || err == E2BIG) {
                continue;
            }
            // An invalid or truncated sequence costs one byte, so the bytes after a bad lead
            // byte are still read as text of their own.
            AppendUtf8(out, kReplacement);
            ++in;
            --inLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string Utf16BeToUtf8(const std::uint8_t* data, std::size_t size) {
    std::string out;
    if (data == nullptr) {
        return out;
    }
    const std::size_t units = size / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = static_cast<char32_t>((data[2 * i] << 8) | data[2 * i + 1]);
        if (unit == 0) {
            break;
        }
        if (IsHighSurrogate(unit) && i + 1 < units) {
            const char32_t next = static_cast<char32_t>((data[2 * i + 2] << 8) | data[2 * i + 3]);
            if (IsLowSurrogate(next)) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit);
    }
    return out;
}

std::string Cp949ToUtf8(const std::string& bytes) {
    thread_local Cp949Converter converter;
    if (!converter.Valid()) {
        // Without a CP949 table keep the ASCII part, which is what names mostly carry.
        std::string out;
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x80) {
                out += c;
            } else {
                AppendUtf8(out, kReplacement);
            }
        }
        return out;
    }
    return converter.Convert(bytes);
}

}  // namespace platform
