#include "catalogue/charcoverage.h"

#include <gtest/gtest.h>

#include "catalogue/fontinfo.h"

namespace {

TEST(TCharCoverage, RunsAnswerForEveryCodeInsideAndNoneBetween) {
    // Unsorted, with a repeat, the largest code point and a run across a boundary.
    const TCharCoverage coverage({0x43, 0x41, 0x42, 0x42, 0xAC00, 0x10FFFF, 0xFFFF, 0x10000});
    for (const char32_t code : {0x41, 0x42, 0x43, 0xAC00, 0xFFFF, 0x10000, 0x10FFFF}) {
        EXPECT_TRUE(coverage.Covers(code)) << std::hex << static_cast<unsigned>(code);
    }
    for (const char32_t code : {0x0, 0x40, 0x44, 0xABFF, 0xAC01, 0x10001, 0x10FFFE}) {
        EXPECT_FALSE(coverage.Covers(code)) << std::hex << static_cast<unsigned>(code);
    }
    EXPECT_FALSE(coverage.Empty());
    EXPECT_TRUE(TCharCoverage().Empty());
    EXPECT_FALSE(TCharCoverage().Covers(0x41));
}

TEST(TCharCoverage, FirstTakesCodesInOrderAcrossRuns) {
    const TCharCoverage coverage({0x20, 0x21, 0x22, 0x30, 0x31, 0x10FFFF});
    const auto notBlank = [](char32_t code) { return code != 0x20; };
    EXPECT_EQ(coverage.First(3, notBlank), (std::vector<char32_t>{0x21, 0x22, 0x30}));
    EXPECT_EQ(coverage.First(10, notBlank),
              (std::vector<char32_t>{0x21, 0x22, 0x30, 0x31, 0x10FFFF}));
    EXPECT_TRUE(coverage.First(0, notBlank).empty());
}

TEST(TCharCoverage, CopiesOfARecordShareItsCoverageUntilTheFileChanges) {
    TFontInfo record;
    record.SetAutoRead(false);
    EXPECT_EQ(record.Coverage(), nullptr);
    const auto copy = record.Copy();
    const auto copyOfCopy = copy->Copy();
    // Filled through a copy, it is there for the record and every other copy.
    copyOfCopy->SetCoverage(TCharCoverage({0x41}));
    for (const TFontInfo* r : {&record, copy.get(), copyOfCopy.get()}) {
        ASSERT_NE(r->Coverage(), nullptr);
        EXPECT_TRUE(r->Coverage()->Covers(0x41));
    }
    record.SetFileName("/");  // a folder is no file: nothing changes
    EXPECT_NE(record.Coverage(), nullptr);
    record.SetFileName("/dev/null");
    EXPECT_EQ(record.Coverage(), nullptr);
    EXPECT_NE(copy->Coverage(), nullptr);
}

}  // namespace
