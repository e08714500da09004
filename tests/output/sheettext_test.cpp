#include "output/sheettext.h"

#include <gtest/gtest.h>

#include "output/printsettings.h"
#include "platform/inifile.h"
#include "support/sandbox.h"

namespace {

TEST(SheetText, LineBreaksOfEveryKindEndALineAndAFinalOneAddsNone) {
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"", {}},           {"A", {"A"}},
        {"A\n", {"A"}},     {"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        {"\n\n", {"", ""}}, {"A\n\nB\r\n", {"A", "", "B"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SampleLines(QString::fromUtf8(c.text)), c.lines) << c.text;
    }
}

TEST(SheetText, LongTextsAreCutOnWholeUtf8Sequences) {
    EXPECT_EQ(CutUtf8("abc", 3), "abc");
    EXPECT_EQ(CutUtf8("abcd", 3), "abc");
    // "가" is three bytes: a cut inside it drops the whole character.
    EXPECT_EQ(CutUtf8("a\xEA\xB0\x80", 3), "a");
    EXPECT_EQ(CutUtf8("a\xEA\xB0\x80", 4), "a\xEA\xB0\x80");
    EXPECT_EQ(CutUtf8(std::string(600, 'x'), 511).size(), 511u);
}

TEST(SheetText, SizesOutsideTheViewsRangeOrNotNumbersPrintAtFourteen) {
    const struct {
        const char* text;
        int size;
    } cases[] = {{"12", 12}, {"5", 5},       {"100", 100}, {"4", 14},   {"0", 14},
                 {"-5", 14}, {"100000", 14}, {"", 14},     {"12a", 14}, {" 12", 14}};
    for (const auto& c : cases) {
        EXPECT_EQ(SheetFontSize(c.text), c.size) << c.text;
    }
    EXPECT_FALSE(ParseFontSize("abc").has_value());
}

TEST(SheetText, MillimetresBecomeDotsTruncated) {
    const struct {
        int mm, dpi, dots;
    } cases[] = {{0, 600, 0}, {12, 600, 283}, {26, 600, 614}, {25, 96, 94}, {100, 1200, 4724}};
    for (const auto& c : cases) {
        EXPECT_EQ(MmToDots(c.mm, c.dpi), c.dots) << c.mm << " mm at " << c.dpi;
    }
}

TEST(PrintSettings, MissingKeysGiveTheDefaultsAndMarginsStayInRange) {
    Sandbox sandbox;
    platform::IniFile file(sandbox.HomeFolder() + "glyphwell.ini");
    const TPrintSettings defaults = TPrintSettings::Read(file);
    EXPECT_EQ(defaults.left, 12);
    EXPECT_EQ(defaults.right, 12);
    EXPECT_EQ(defaults.top, 26);
    EXPECT_EQ(defaults.bottom, 12);
    EXPECT_EQ(defaults.titleColor, 0u);

    file.WriteString("Print", "Left", "-5");
    file.WriteString("Print", "Top", "100000");
    file.WriteString("Print", "NameColor", "255");
    const TPrintSettings read = TPrintSettings::Read(file);
    EXPECT_EQ(read.left, 0);
    EXPECT_EQ(read.top, 100);
    EXPECT_EQ(read.nameColor, 255u);
}

TEST(PrintSettings, WrittenKeysReadBack) {
    Sandbox sandbox;
    platform::IniFile file(sandbox.HomeFolder() + "glyphwell.ini");
    TPrintSettings settings;
    settings.left = 1;
    settings.right = 2;
    settings.top = 3;
    settings.bottom = 4;
    settings.nameColor = 0x112233;
    settings.textColor = 0x445566;
    settings.titleColor = 0x778899;
    ASSERT_TRUE(settings.Write(file));
    const TPrintSettings read = TPrintSettings::Read(file);
    EXPECT_EQ(read.left, 1);
    EXPECT_EQ(read.right, 2);
    EXPECT_EQ(read.top, 3);
    EXPECT_EQ(read.bottom, 4);
    EXPECT_EQ(read.nameColor, 0x112233u);
    EXPECT_EQ(read.textColor, 0x445566u);
    EXPECT_EQ(read.titleColor, 0x778899u);
    EXPECT_EQ(file.ReadString("Print", "TitleColor", ""), std::to_string(0x778899));
}

}  // namespace
