#include "controls/markup.h"

#include <cstring>

namespace {

bool StartsWithNoCase(const std::string& text, std::size_t pos, const char* tag) {
    const std::size_t length = std::strlen(tag);
    if (pos > text.size() || length > text.size() - pos) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        char c = text[pos + i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != tag[i]) {
            return false;
        }
    }
    return true;
}

// Bytes of the UTF-8 sequence that starts at pos, cut at the end of the text so a broken
// tail never reads past it.
std::size_t SequenceLength(const std::string& text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return std::min(length, text.size() - pos);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

void TMarkupWalker::Walk(const std::string& text, const Handlers& handlers) {
    std::string run;
    auto flush = [&] {
        if (!run.empty() && handlers.onText) {
            handlers.onText(QString::fromUtf8(run));
        }
        run.clear();
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == '<') {
            flush();
            const std::size_t next = Tag(text, pos, handlers);
            if (next != pos) {
                pos = next;
                continue;
            }
        }
        const std::size_t length = SequenceLength(text, pos);
        run.append(text, pos, length);
        pos += length;
    }
    flush();
}

// Returns the position after the tag at pos, or pos itself when '<' is ordinary text.
std::size_t TMarkupWalker::Tag(const std::string& text, std::size_t pos, const Handlers& handlers) {
    static const struct {
        const char* tag;
        char style;
        bool on;
    } styleTags[] = {{"<b>", 'b', true},   {"</b>", 'b', false}, {"<i>", 'i', true},
                     {"</i>", 'i', false}, {"<u>", 'u', true},   {"</u>", 'u', false}};
    for (const auto& entry : styleTags) {
        if (StartsWithNoCase(text, pos, entry.tag)) {
            SetStyle(entry.style, entry.on, handlers);
            return pos + std::strlen(entry.tag);
        }
    }
    if (!StartsWithNoCase(text, pos, "<c")) {
        if (StartsWithNoCase(text, pos, "</c>")) {
            color_ = saved_;
            if (handlers.onColor) {
                handlers.onColor(color_);
            }
            return pos + 4;
        }
        return pos;
    }
    return ColorTag(text, pos, handlers);
}

// "<cRRGGBB>": needs nine bytes from the '<' with '>' last. A malformed one loses only its
// '<'; six non-hex digits are consumed with the colour left as it was.
std::size_t TMarkupWalker::ColorTag(const std::string& text, std::size_t pos,
                                    const Handlers& handlers) {
    constexpr std::size_t tagLength = 9;
    if (tagLength > text.size() - pos || text[pos + 8] != '>') {
        return pos + 1;
    }
    saved_ = color_;
    int rgb[3] = {0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        const int digit = HexValue(text[pos + 2 + static_cast<std::size_t>(i)]);
        if (digit < 0) {
            return pos + tagLength;
        }
        rgb[i / 2] = rgb[i / 2] * 16 + digit;
    }
    color_ = QColor(rgb[0], rgb[1], rgb[2]);
    if (handlers.onColor) {
        handlers.onColor(color_);
    }
    return pos + tagLength;
}

void TMarkupWalker::SetStyle(char tag, bool on, const Handlers& handlers) {
    if (tag == 'b') {
        font_.setBold(on);
    } else if (tag == 'i') {
        font_.setItalic(on);
    } else {
        font_.setUnderline(on);
    }
    if (handlers.onFont) {
        handlers.onFont(font_);
    }
}
