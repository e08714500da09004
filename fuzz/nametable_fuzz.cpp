// Fuzz target: the name-table reader over a font in memory, both passes as a font record runs
// them: the full name first, then the other names in the language the first pass settled on.
// Input: the user's language (2 bytes, big-endian), the record's language before the first
// pass (2 bytes; 0 for a new record), then the font file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue/fontbytes.h"
#include "catalogue/nametable.h"
#include "fuzzcheck.h"

namespace {

using fuzzcheck::Expect;

// A string is read from at most 511 bytes; no byte or pair of bytes gives more than three
// bytes of UTF-8.
constexpr std::size_t kMaxNameUtf8 = 3 * 511;
constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::size_t kPrefixSize = 4;

void ExpectPassOutcome(const catalogue::NameReadResult& result,
                       const catalogue::NameRequest& request) {
    Expect(result.error >= catalogue::kNameOk && result.error <= catalogue::kNameStringPastEnd,
           "the error is one of the reader's codes");
    Expect(result.lastLang == 0 || result.lastLang == kEnglishUs ||
               result.lastLang == request.userLang || result.lastLang == request.langId,
           "a pass only settles on English, the user's or the record's language");
}

void ExpectNames(const std::array<std::string, 8>& names) {
    Expect(names[3].empty() && names[6].empty(), "name IDs 3 and 6 are never stored");
    for (const std::string& name : names) {
        Expect(name.size() <= kMaxNameUtf8, "a name is no longer than its bytes allow");
        Expect(fuzzcheck::IsUtf8(name), "every name is well-formed UTF-8");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kPrefixSize) {
        return 0;
    }
    const std::uint8_t* font = data + kPrefixSize;
    const std::size_t fontSize = size - kPrefixSize;
    std::array<std::string, 8> names;
    catalogue::NameTargets targets{};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        targets[i] = &names[i];
    }

    const catalogue::NameRequest fullName{0, catalogue::ReadBe16(data),
                                          catalogue::ReadBe16(data + 2), true};
    const catalogue::NameReadResult first =
        catalogue::ReadNamesFromMemory(font, fontSize, fullName, targets);
    ExpectPassOutcome(first, fullName);
    for (std::size_t id = 0; id < names.size(); ++id) {
        Expect(id == 4 || names[id].empty(), "the first pass reads the full name only");
    }

    const std::string fullNameRead = names[4];
    const catalogue::NameRequest others{
        0, fullName.userLang, first.lastLang != 0 ? first.lastLang : fullName.langId, false};
    const catalogue::NameReadResult second =
        catalogue::ReadNamesFromMemory(font, fontSize, others, targets);
    ExpectPassOutcome(second, others);
    Expect(names[4] == fullNameRead, "the second pass leaves the full name alone");
    ExpectNames(names);
    return 0;
}
