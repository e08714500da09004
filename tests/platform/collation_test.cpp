#include "platform/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using platform::CompareStr;
using platform::CompareStrI;
using platform::CompareText;
using platform::StartsWithI;

TEST(Collation, IgnoringCaseTreatsCasesAlike) {
    EXPECT_EQ(CompareStrI("Arial", "ARIAL"), 0);
    EXPECT_EQ(CompareText("dejavu sans", "DejaVu Sans"), 0);
    EXPECT_EQ(CompareStrI("\xC3\x89"
                          "cole",
                          "\xC3\xA9"
                          "COLE"),
              0);                                                       // Éc / éc
    EXPECT_EQ(CompareStrI("\xD0\x90\xD0\xB1", "\xD0\xB0\xD0\x91"), 0);  // Аб / аБ
    EXPECT_LT(CompareStrI("arial", "Batang"), 0);
    EXPECT_GT(CompareStrI("Zapf", "arial"), 0);
}

TEST(Collation, CaseSensitiveUsesCaseOnlyAsTieBreak) {
    EXPECT_LT(CompareStr("arial", "Batang"), 0);  // not byte order, where 'B' < 'a'
    EXPECT_LT(CompareStr("arial", "Arial"), 0);   // lower case first
    EXPECT_GT(CompareStr("Arial", "arial"), 0);
    EXPECT_EQ(CompareStr("Arial", "Arial"), 0);
    EXPECT_LT(CompareStr("Arial", "arialb"), 0);  // length decides before case
}

TEST(Collation, PunctuationBeforeDigitsBeforeLetters) {
    std::vector<std::string> names = {"b", "_x", "1a", "A", "[z", "~", " lead", "\xEA\xB5\xB4"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareStrI(a, b) < 0; });
    EXPECT_EQ(names,
              (std::vector<std::string>{" lead", "[z", "_x", "~", "1a", "A", "b", "\xEA\xB5\xB4"}));
}

TEST(Collation, PrefixSortsFirst) {
    EXPECT_LT(CompareStrI("Gulim", "GulimChe"), 0);
    EXPECT_GT(CompareStrI("GulimChe", "gulim"), 0);
    EXPECT_EQ(CompareStrI("", ""), 0);
    EXPECT_LT(CompareStrI("", "a"), 0);
}

TEST(Collation, InvalidUtf8IsOrderedReproducibly) {
    const std::string broken = "a\xFF";
    const std::string truncated = "a\xE4\xB8";
    EXPECT_EQ(CompareStrI(broken, broken), 0);
    EXPECT_NE(CompareStrI(broken, truncated), 0);
    EXPECT_EQ(CompareStrI(broken, truncated), -CompareStrI(truncated, broken));
    EXPECT_GT(CompareStrI(broken, "a\xEA\xB5\xB4"), 0);
}

TEST(Collation, StartsWithIgnoringCase) {
    EXPECT_TRUE(StartsWithI("DejaVu Sans Bold", "dejavu s"));
    EXPECT_TRUE(StartsWithI("anything", ""));
    EXPECT_FALSE(StartsWithI("Deja", "dejavu"));
    EXPECT_FALSE(StartsWithI("Arial", "b"));
    EXPECT_TRUE(
        StartsWithI("\xC3\x89"
                    "cole",
                    "\xC3\xA9"));
}

}  // namespace
