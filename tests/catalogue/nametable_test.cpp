#include "catalogue/nametable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "catalogue_fixture.h"
#include "support/truetypebuilder.h"

namespace {

using testsupport::kLangEnglish;
using testsupport::kLangKorean;
using testsupport::TrueTypeBuilder;

struct Outcome {
    catalogue::NameReadResult result;
    std::array<std::string, 8> names;

    bool operator==(const Outcome& other) const {
        return result.error == other.result.error && result.lastLang == other.result.lastLang &&
               names == other.names;
    }
};

catalogue::NameTargets TargetsOf(Outcome& outcome) {
    catalogue::NameTargets targets{};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        targets[i] = &outcome.names[i];
    }
    return targets;
}

Outcome FromMemory(const std::string& bytes, const catalogue::NameRequest& request) {
    Outcome outcome;
    outcome.result =
        catalogue::ReadNamesFromMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                       bytes.size(), request, TargetsOf(outcome));
    return outcome;
}

Outcome FromFile(const std::string& path, const catalogue::NameRequest& request) {
    Outcome outcome;
    catalogue::FontBytes bytes(path);
    EXPECT_TRUE(bytes.Open());
    outcome.result = catalogue::ReadNames(bytes, request, TargetsOf(outcome));
    return outcome;
}

class NameTableTest : public CatalogueFixture {};

TEST_F(NameTableTest, BrokenCorpusGivesEachFileItsErrorCode) {
    for (const auto& [bytes, code] : testsupport::brokenfonts::Corpus()) {
        for (const bool fullNameOnly : {true, false}) {
            const Outcome outcome = FromMemory(bytes, {0, kLangEnglish, 0, fullNameOnly});
            if (fullNameOnly || code != 6) {
                EXPECT_EQ(outcome.result.error, code) << "full name only: " << fullNameOnly;
            }
        }
    }
}

TEST_F(NameTableTest, NamesOutsideTheDeclaredTableLengthAreStillFound) {
    // A directory that understates the table: the window misses the records and strings, and
    // the reader fetches them piece by piece with the same result.
    TrueTypeBuilder builder;
    builder.AllNames(kLangEnglish, "Window", "Regular").NameTableLength(0);
    const std::string path = WriteFont("short-length.ttf", builder);
    const catalogue::NameRequest request{0, kLangEnglish, kLangEnglish, false};
    const Outcome outcome = FromFile(path, request);
    EXPECT_EQ(outcome.result.error, 0);
    EXPECT_EQ(outcome.names[1], "Window");
    EXPECT_EQ(outcome.names[7], "Window Trademark");
    EXPECT_EQ(outcome.names[3], "");  // unique identifier: read past, never stored
}

TEST(NameTableRules, UnsortedRecordsAreTakenAndStoppedByTheirOwnRules) {
    // Real tables are sorted, which hides the rules behind each other; in file order they
    // show one by one.
    struct Case {
        const char* what;
        catalogue::NameRequest request;
        std::vector<testsupport::TtNameRecord> records;
        std::uint16_t nameId;
        std::string expected;
        std::uint16_t lastLang;
    };
    const Case cases[] = {
        {"the user's own language ends the full-name pass",
         {0, kLangEnglish, 0, true},
         {{3, 1, kLangEnglish, 4, testsupport::Utf16Be("English")},
          {2, 1, 0, 4, testsupport::Utf16Be("Iso")}},
         4,
         "English",
         kLangEnglish},
        {"once the user's language was taken, only the record's own language is",
         {0, kLangKorean, kLangEnglish, false},
         {{3, 1, kLangKorean, 7, testsupport::Utf16Be("Korean Trademark")},
          {3, 1, kLangEnglish, 1, testsupport::Utf16Be("English Family")},
          {3, 1, kLangKorean, 1, testsupport::Utf16Be("Korean Family")}},
         1,
         "English Family",
         kLangKorean},
    };
    for (const Case& c : cases) {
        TrueTypeBuilder builder;
        for (const testsupport::TtNameRecord& record : c.records) {
            builder.Record(record);
        }
        const Outcome outcome = FromMemory(builder.KeepRecordOrder().Build(), c.request);
        EXPECT_EQ(outcome.result.error, 0) << c.what;
        EXPECT_EQ(outcome.names[c.nameId], c.expected) << c.what;
        EXPECT_EQ(outcome.result.lastLang, c.lastLang) << c.what;
    }
}

TEST_F(NameTableTest, MutatedFontsNeverCrashAndReadAlikeFromFileAndMemory) {
    std::vector<std::string> seeds;
    seeds.push_back(TrueTypeBuilder()
                        .AllNames(kLangEnglish, "Seed", "Regular")
                        .AllNames(kLangKorean, "\xEC\x94\xA8", "Bold")
                        .Build());
    seeds.push_back(TrueTypeBuilder()
                        .Record({1, 0, 0, 4, "Mac"})
                        .Record({2, 1, 0, 4, testsupport::Utf16Be("Iso")})
                        .Record({3, 5, kLangKorean, 4, "\xC7\xD1"})
                        .Build());
    for (const auto& [bytes, code] : testsupport::brokenfonts::Corpus()) {
        seeds.push_back(bytes);
    }
    std::mt19937 random(20240601);
    int run = 0;
    for (int round = 0; round < 600; ++round) {
        std::string bytes = seeds[random() % seeds.size()];
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const std::size_t at = random() % bytes.size();
            if (random() % 5 == 0) {
                bytes.resize(at);
            } else {
                bytes[at] = static_cast<char>(random() % 256);
            }
        }
        const catalogue::NameRequest request{
            0, random() % 2 ? kLangEnglish : kLangKorean,
            static_cast<std::uint16_t>(random() % 2 ? 0 : kLangKorean), random() % 2 == 0};
        const Outcome memory = FromMemory(bytes, request);
        EXPECT_GE(memory.result.error, 0);
        EXPECT_LE(memory.result.error, 6);
        if (round % 4 == 0) {
            // Appended, not "m" + std::to_string(...): optimising g++ 12 reports that form
            // as an overlapping copy (a false -Wrestrict).
            std::string name = "m";
            name += std::to_string(run++) + ".ttf";
            const std::string path = WriteBytesFile(name, bytes);
            EXPECT_TRUE(FromFile(path, request) == memory) << "round " << round;
        }
    }
}

TEST(ConvertNameString, Utf16StopsAtTheFirstZeroUnitAndWansungDropsZeroBytes) {
    const std::string utf16 = std::string(
        "\x00"
        "A"
        "\x00\x00\x00"
        "B",
        6);
    EXPECT_EQ(catalogue::ConvertNameString(1, reinterpret_cast<const std::uint8_t*>(utf16.data()),
                                           utf16.size()),
              "A");
    EXPECT_EQ(catalogue::ConvertNameString(5, reinterpret_cast<const std::uint8_t*>(utf16.data()),
                                           utf16.size()),
              "AB");
}

}  // namespace
