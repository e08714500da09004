// Fuzz target: the `cmap` reader over a font in memory, at offset 0 and, for a collection, at
// the first faces its header lists. A coverage it gives holds only code points, and answers
// for the codes it lists.
// Input: the font or collection file.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "catalogue/cmapreader.h"
#include "catalogue/fontbytes.h"
#include "fuzzcheck.h"

namespace {

using fuzzcheck::Expect;

constexpr std::size_t kMaxFacesRead = 4;
constexpr std::size_t kCodesChecked = 256;

void Check(const std::uint8_t* data, std::size_t size, std::uint32_t faceOffset) {
    const auto coverage = catalogue::ReadUnicodeCoverageFromMemory(data, size, faceOffset);
    if (!coverage) {
        return;
    }
    for (const char32_t code : coverage->First(kCodesChecked, [](char32_t) { return true; })) {
        Expect(code <= 0x10FFFF, "a coverage holds code points only");
        Expect(coverage->Covers(code), "a coverage covers the codes it lists");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check(data, size, 0);
    if (size < 12 || std::memcmp(data, "ttcf", 4) != 0) {
        return 0;
    }
    for (std::size_t i = 0; i < kMaxFacesRead && 16 + 4 * i <= size; ++i) {
        Check(data, size, catalogue::ReadBe32(data + 12 + 4 * i));
    }
    return 0;
}
