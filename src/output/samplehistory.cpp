#include "output/samplehistory.h"

#include "platform/inifile.h"

namespace {

const char* const kSection = "History";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

}  // namespace

std::vector<std::string> ReadSampleTexts(const platform::IniFile& file) {
    const std::size_t count = file.ReadSectionValues(kSection).size();
    std::vector<std::string> texts;
    texts.reserve(count);
    for (std::size_t key = 1; key <= count; ++key) {
        texts.push_back(file.ReadString(kSection, std::to_string(key), ""));
    }
    return texts;
}

bool WriteSampleTexts(platform::IniFile& file, const std::vector<std::string>& texts) {
    bool written = file.EraseSection(kSection);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        written =
            file.WriteString(kSection, std::to_string(i + 1), ProfileValue(texts[i])) && written;
    }
    return written;
}

std::string ProfileValue(const std::string& value) {
    const bool trimmed = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quoted =
        value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
    return trimmed || quoted ? '"' + value + '"' : value;
}
