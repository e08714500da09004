#include "platform/textconv.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using platform::Cp949ToUtf8;
using platform::Utf16BeToUtf8;

std::string FromUnits(const std::vector<std::uint8_t>& bytes) {
    return Utf16BeToUtf8(bytes.data(), bytes.size());
}

TEST(Utf16BeToUtf8, ConvertsAsciiHangulAndSurrogatePairs) {
    EXPECT_EQ(FromUnits({0x00, 'A', 0x00, 'b'}), "Ab");
    EXPECT_EQ(FromUnits({0xAD, 0x74, 0xB9, 0xBC}), "\xEA\xB5\xB4\xEB\xA6\xBC");  // 굴림
    EXPECT_EQ(FromUnits({0x00, 0xE9}), "\xC3\xA9");
    EXPECT_EQ(FromUnits({0xD8, 0x3D, 0xDE, 0x00}), "\xF0\x9F\x98\x80");  // U+1F600
}

TEST(Utf16BeToUtf8, UnpairedSurrogatesBecomeReplacementCharacters) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(FromUnits({0xD8, 0x3D, 0x00, 'x'}), replacement + "x");
    EXPECT_EQ(FromUnits({0xDE, 0x00, 0x00, 'x'}), replacement + "x");
    EXPECT_EQ(FromUnits({0x00, 'x', 0xD8, 0x3D}), "x" + replacement);
    EXPECT_EQ(FromUnits({0xD8, 0x3D, 0xD8, 0x3D, 0xDE, 0x00}), replacement + "\xF0\x9F\x98\x80");
}

TEST(Utf16BeToUtf8, StopsAtZeroAndIgnoresOddTrailingByte) {
    EXPECT_EQ(FromUnits({0x00, 'a', 0x00, 0x00, 0x00, 'b'}), "a");
    EXPECT_EQ(FromUnits({0x00, 'a', 0x00}), "a");
    EXPECT_EQ(FromUnits({0x41}), "");
    EXPECT_EQ(Utf16BeToUtf8(nullptr, 10), "");
}

TEST(Cp949ToUtf8, ConvertsWansungAndUhcHangul) {
    EXPECT_EQ(Cp949ToUtf8("\xB1\xBC\xB8\xB2"), "\xEA\xB5\xB4\xEB\xA6\xBC");            // 굴림
    EXPECT_EQ(Cp949ToUtf8("\xB9\xD9\xC5\xC1 Font"), "\xEB\xB0\x94\xED\x83\x95 Font");  // 바탕
    EXPECT_EQ(Cp949ToUtf8("\x81\x41"), "\xEA\xB0\x82");  // 갂, only in the extended (UHC) range
}

TEST(Cp949ToUtf8, InvalidAndTruncatedSequencesBecomeReplacementCharacters) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(Cp949ToUtf8("A\xFF"
                          "B"),
              "A" + replacement + "B");
    EXPECT_EQ(Cp949ToUtf8("A\xB1"), "A" + replacement);
    EXPECT_EQ(Cp949ToUtf8(""), "");
}

TEST(Cp949ToUtf8, LongInputIsConvertedWhole) {
    std::string input;
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        input += "\xB1\xBC";
        expected += "\xEA\xB5\xB4";
    }
    EXPECT_EQ(Cp949ToUtf8(input), expected);
}

}  // namespace
