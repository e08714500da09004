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

// Case pairs beyond the simple blocks: each must compare equal ignoring case, and sort
// lower case first when case counts.
TEST(Collation, FoldsUnicodeCasePairs) {
    const struct {
        const char* upper;
        const char* lower;
    } pairs[] = {
        {"\xC5\xB8", "\xC3\xBF"},                  // Ÿ ÿ
        {"\xC5\x90", "\xC5\x91"},                  // Ő ő
        {"\xC7\x85", "\xC7\x86"},                  // ǅ ǆ (title case)
        {"\xCE\x86", "\xCE\xAC"},                  // Ά ά
        {"\xCE\xA3", "\xCF\x83"},                  // Σ σ
        {"\xD4\xB1", "\xD5\xA1"},                  // Ա ա
        {"\xE1\xB8\x80", "\xE1\xB8\x81"},          // Ḁ ḁ
        {"\xE1\xBA\x9E", "\xC3\x9F"},              // ẞ ß
        {"\xE2\x84\xAA", "k"},                     // Kelvin sign, k
        {"\xE2\x92\xB6", "\xE2\x93\x90"},          // Ⓐ ⓐ
        {"\xF0\x90\x90\x80", "\xF0\x90\x90\xA8"},  // Deseret Long I
    };
    for (const auto& pair : pairs) {
        const std::string upper = std::string(pair.upper) + "x";
        const std::string lower = std::string(pair.lower) + "X";
        EXPECT_EQ(CompareStrI(upper, lower), 0) << upper;
        EXPECT_EQ(CompareText(lower, upper), 0) << upper;
        EXPECT_TRUE(StartsWithI(lower, pair.upper)) << upper;
        EXPECT_LT(CompareStr(pair.lower, pair.upper), 0) << upper;
    }
    EXPECT_EQ(CompareStrI("\xCF\x82", "\xCE\xA3"), 0);  // final sigma ς
    EXPECT_NE(CompareStrI("\xC5\xB8", "\xC5\xB9"), 0);  // Ÿ is not Ź
    EXPECT_NE(CompareStrI("\xC4\xB0", "i"), 0);         // İ folds only in Turkish
    EXPECT_NE(CompareStrI("\xC4\xB1", "I"), 0);         // ı likewise
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
