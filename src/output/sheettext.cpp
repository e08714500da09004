#include "output/sheettext.h"

#include <charconv>

namespace {

constexpr int kMinFontSize = 5;
constexpr int kMaxFontSize = 100;
constexpr int kFallbackFontSize = 14;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

}  // namespace

QStringList SampleLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            continue;
        }
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

std::string CutUtf8(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t end = limit;
    while (end > 0 && IsContinuationByte(text[end])) {
        --end;
    }
    return text.substr(0, end);
}

std::optional<int> ParseFontSize(const std::string& text) {
    int size = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, error] = std::from_chars(first, last, size);
    if (error != std::errc() || end != last || size < kMinFontSize || size > kMaxFontSize) {
        return std::nullopt;
    }
    return size;
}

int SheetFontSize(const std::string& text) {
    return ParseFontSize(text).value_or(kFallbackFontSize);
}

int MmToDots(int millimetres, int dotsPerInch) {
    return static_cast<int>(static_cast<double>(millimetres) * dotsPerInch / 25.4);
}
