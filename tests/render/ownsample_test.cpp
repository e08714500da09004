#include "render/ownsample.h"

#include <gtest/gtest.h>

#include <QList>

#include <map>
#include <string>
#include <vector>

#include "catalogue/fontinfo.h"
#include "platform/charactermap.h"
#include "platform/services.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"

namespace {

std::vector<char32_t> Codes(const QString& text) {
    std::vector<char32_t> codes;
    for (const uint code : text.toUcs4()) {
        codes.push_back(code);
    }
    return codes;
}

std::vector<char32_t> Range(char32_t first, char32_t last) {
    std::vector<char32_t> codes;
    for (char32_t code = first; code <= last; ++code) {
        codes.push_back(code);
    }
    return codes;
}

std::vector<char32_t> Join(std::vector<char32_t> a, const std::vector<char32_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(OwnSampleText, KeepsTheSampleOrPicksAScriptTheFaceCovers) {
    const QString hangul = QStringLiteral("가나다라마바사아자차");
    const QString han = QStringLiteral("永和九年天地日月山水");
    const struct {
        const char* what;
        std::vector<char32_t> covered;
        QString sample;
        QString drawn;
    } cases[] = {
        {"nothing known of the face", {}, "ABC", "ABC"},
        {"a Latin face", Range(0x20, 0x7E), "ABC", "ABC"},
        {"one letter of the sample is enough", Codes("B"), "ABC", "ABC"},
        {"a Hangul-only face", Join(Codes(hangul), Range(0xAC00, 0xD7A3)), "ABC", hangul},
        {"a Japanese face without Latin", Join(Codes(han), Range(0x3041, 0x30FF)), "ABC", han},
        {"letters count, digits do not", Join(Codes("0123456789"), Codes(hangul)), "ABC123",
         hangul},
        {"a sample without letters wants its digits", Join(Codes("0123"), Codes(hangul)), "12 34",
         "12 34"},
        {"only what the face covers of a script it mostly covers",
         Codes(QStringLiteral("АБВГДабвг")), "ABC", QStringLiteral("АБВГДабвг")},
        {"a Latin face under a Korean sample", Range(0x20, 0x7E), hangul, "AaBbCcDdEe"},
        {"an icon font: its first 20 pictures", Range(0xF000, 0xF0FF), "ABC",
         QString::fromUcs4(Range(0xF000, 0xF013).data(), 20)},
        {"blanks and controls are no pictures",
         Join(Range(0x0, 0x20), Codes(QStringLiteral("\u2600\u2601"))), "ABC",
         QStringLiteral("\u2600\u2601")},
        {"a face of blanks keeps the sample", Codes(QStringLiteral(" \u00A0\u3000")), "ABC", "ABC"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OwnSampleText(TCharCoverage(c.covered), c.sample), c.drawn) << c.what;
    }
}

// Counts the faces it is asked for; every face maps "A".
class CountingCharacterMap : public platform::CharacterMap {
public:
    std::vector<char32_t> CodePoints(const std::string& path, int faceIndex) override {
        ++asked[path + "#" + std::to_string(faceIndex)];
        return {0x41};
    }
    std::map<std::string, int> asked;
};

TEST(RecordCoverage, ReadsEachFaceOnceForTheRecordAndAllItsCopies) {
    Sandbox sandbox;
    CountingCharacterMap map;
    platform::Services services;
    services.characterMap = &map;
    const std::string font = sandbox.WriteFile(
        "a.ttf",
        testsupport::TrueTypeBuilder().AllNames(testsupport::kLangEnglish, "A", "B").Build());
    TFontInfo record;
    record.SetFileName(font);
    const auto copy = record.Copy();
    EXPECT_TRUE(RecordCoverage(*copy, services).Covers(0x41));
    EXPECT_TRUE(RecordCoverage(record, services).Covers(0x41));
    EXPECT_TRUE(RecordCoverage(*record.Copy(), services).Covers(0x41));
    EXPECT_EQ(map.asked, (std::map<std::string, int>{{font + "#0", 1}}));

    // Nothing to read (no font, a screen font without a file lookup) is remembered as well.
    TFontInfo notAFont;
    notAFont.SetAutoRead(false);
    notAFont.SetFileName(sandbox.WriteFile("empty.ttf", ""));
    TFontInfo screen;
    for (const TFontInfo* nothing : {&notAFont, &screen, &notAFont}) {
        EXPECT_TRUE(RecordCoverage(*nothing, services).Empty());
    }
    EXPECT_EQ(map.asked.size(), 1u);
}

}  // namespace
