#include "catalogue/fontinfo.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue_fixture.h"
#include "support/truetypebuilder.h"

namespace {

using testsupport::kLangEnglish;
using testsupport::kLangGerman;
using testsupport::kLangKorean;
using testsupport::TrueTypeBuilder;

class TFontInfoTest : public CatalogueFixture {};

// "한글 글꼴" (Hangul font) and its Korean family/style.
const std::string kKoreanFull = "\xED\x95\x9C\xEA\xB8\x80 \xEA\xB8\x80\xEA\xBC\xB4";
const std::string kHangulSyllable = "\xEA\xB0\x80";  // 가

std::string Repeat(const std::string& unit, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += unit;
    }
    return out;
}

TEST_F(TFontInfoTest, MacintoshAndUnicodePlatformNamesGiveEmptyFullNameWithoutMessage) {
    const std::string path =
        WriteFont("mac.ttf", TrueTypeBuilder()
                                 .Record({1, 0, 0, 4, "Mac Name"})
                                 .Record({0, 3, 0, 4, testsupport::Utf16Be("Uni")}));
    TFontInfo font;
    font.SetFileName(path);
    EXPECT_EQ(font.FileName(), path);
    EXPECT_EQ(font.FullName(), "");
    EXPECT_EQ(font.LangID(), 0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TFontInfoTest, EnglishAndKoreanNamesFollowTheUserLanguage) {
    TrueTypeBuilder builder;
    builder.AllNames(kLangEnglish, "Hangul", "Regular").Name(kLangKorean, 4, kKoreanFull);
    const std::string path = WriteFont("ko.ttf", builder);

    TFontInfo korean(kLangKorean);
    korean.SetFileName(path);
    EXPECT_EQ(korean.FullName(), kKoreanFull);
    EXPECT_EQ(korean.LangID(), kLangKorean);

    TFontInfo english(kLangEnglish);
    english.SetFileName(path);
    EXPECT_EQ(english.FullName(), "Hangul Regular");
    EXPECT_EQ(english.LangID(), kLangEnglish);
}

TEST_F(TFontInfoTest, EnglishUserStopsAtTheEnglishRecord) {
    // The Korean record behind the English one is broken; an English reader never reaches it.
    TrueTypeBuilder builder;
    builder.Name(kLangEnglish, 4, "Plain").Name(kLangKorean, 4, kKoreanFull);
    std::string bytes = builder.Build();
    bytes.resize(bytes.size() - 2);
    const std::string path = WriteBytesFile("stop.ttf", bytes);

    TFontInfo font(kLangEnglish);
    font.SetFileName(path);
    EXPECT_EQ(font.FullName(), "Plain");
    EXPECT_TRUE(Messages().empty());

    TFontInfo korean(kLangKorean);
    korean.SetFileName(path);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, path + "\nInvalid TrueType Font! ErrorCode:6");
    EXPECT_EQ(korean.FullName(), "Plain");  // what was taken before the error stays
}

TEST_F(TFontInfoTest, ThirdLanguageOnlyGivesEmptyFullName) {
    const std::string path =
        WriteFont("de.ttf", TrueTypeBuilder().AllNames(kLangGerman, "Deutsch", "Fett"));
    TFontInfo font(kLangKorean);
    font.SetFileName(path);
    EXPECT_EQ(font.FullName(), "");
    EXPECT_EQ(font.FamilyName(), "");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TFontInfoTest, IsoNameIsTheLastResort) {
    TrueTypeBuilder iso;
    iso.Record({2, 1, 0, 4, testsupport::Utf16Be("Iso Name")});
    TFontInfo font;
    font.SetFileName(WriteFont("iso.ttf", iso));
    EXPECT_EQ(font.FullName(), "Iso Name");
    EXPECT_EQ(font.LangID(), 0);

    iso.Name(kLangEnglish, 4, "English Name");
    TFontInfo both;
    both.SetFileName(WriteFont("iso2.ttf", iso));
    EXPECT_EQ(both.FullName(), "English Name");
}

TEST_F(TFontInfoTest, FullPassTakesUserLanguageAndFillsGapsWithEnglish) {
    TrueTypeBuilder builder;
    builder.AllNames(kLangEnglish, "Hangul", "Regular")
        .Name(kLangKorean, 1, "\xED\x95\x9C\xEA\xB8\x80")
        .Name(kLangKorean, 4, kKoreanFull);
    TFontInfo font(kLangKorean);
    font.SetFileName(WriteFont("mixed.ttf", builder));
    EXPECT_EQ(font.FamilyName(), "\xED\x95\x9C\xEA\xB8\x80");
    EXPECT_EQ(font.Copyright(), "Hangul Copyright");
    EXPECT_EQ(font.StyleName(), "Regular");
    EXPECT_EQ(font.Version(), "Version 1.0");
    EXPECT_EQ(font.Trademark(), "Hangul Trademark");
    EXPECT_EQ(font.FullName(), kKoreanFull);  // the full pass never touches name ID 4
    EXPECT_TRUE(font.Loaded());
}

TEST_F(TFontInfoTest, LazyNamesAreReadOnceAfterTheFullNamePass) {
    const std::string path =
        WriteFont("lazy.ttf", TrueTypeBuilder().AllNames(kLangEnglish, "First", "Regular"));
    TFontInfo font;
    font.SetFileName(path);
    EXPECT_FALSE(font.Loaded());
    // The lazy names come from the file as it is when first asked for ...
    WriteFont("lazy.ttf", TrueTypeBuilder().AllNames(kLangEnglish, "Second", "Bold"));
    EXPECT_EQ(font.Copyright(), "Second Copyright");
    EXPECT_TRUE(font.Loaded());
    // ... and never again.
    WriteFont("lazy.ttf", TrueTypeBuilder().AllNames(kLangEnglish, "Third", "Light"));
    EXPECT_EQ(font.Copyright(), "Second Copyright");
    EXPECT_EQ(font.Version(), "Version 1.0");
    EXPECT_EQ(font.StyleName(), "Bold");
    EXPECT_EQ(font.FullName(), "First Regular");
}

TEST_F(TFontInfoTest, ScreenFontHasNoFileAndEmptyLazyNames) {
    TFontInfo font;
    font.SetFullName("Screen Sans");
    EXPECT_EQ(font.Version(), "");
    EXPECT_FALSE(font.Loaded());
    EXPECT_EQ(font.FileSize(), 0u);
}

TEST_F(TFontInfoTest, LongNamesKeepAtMost255UnitsAndAreNeverCut) {
    // 300 Hangul syllables are 600 bytes in the file; 255 are read, 765 bytes of UTF-8.
    TFontInfo hangul;
    hangul.SetFileName(WriteFont(
        "long.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, Repeat(kHangulSyllable, 300))));
    EXPECT_EQ(hangul.FullName(), Repeat(kHangulSyllable, 255));
    EXPECT_EQ(hangul.FullName().size(), 765u);

    TFontInfo latin;
    latin.SetFileName(
        WriteFont("latin.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, std::string(300, 'x'))));
    EXPECT_EQ(latin.FullName(), std::string(255, 'x'));
}

TEST_F(TFontInfoTest, WansungNamesKeepTheirNonZeroBytes) {
    // "한" in CP949 is C7 D1: once packed in one unit, once a byte per unit, then "A" as 00 41.
    TrueTypeBuilder builder;
    builder.Record({3, 5, kLangEnglish, 4, std::string("\xC7\xD1\x00\xC7\x00\xD1\x00\x41", 8)});
    TFontInfo font;
    font.SetFileName(WriteFont("wansung.ttf", builder));
    EXPECT_EQ(font.FullName(),
              "\xED\x95\x9C\xED\x95\x9C"
              "A");
}

TEST_F(TFontInfoTest, MissingPathChangesNothing) {
    TFontInfo font;
    font.SetFileName(WriteFont("a.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Kept")));
    font.SetFileName(folder + "/missing.ttf");
    font.SetFileName(folder);  // a folder is not a font file
    EXPECT_EQ(font.FileName(), folder + "/a.ttf");
    EXPECT_EQ(font.FullName(), "Kept");
}

TEST_F(TFontInfoTest, AutoReadOffStoresThePathOnly) {
    TFontInfo font;
    font.SetAutoRead(false);
    font.SetFileName(WriteFont("a.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Unread")));
    EXPECT_EQ(font.FullName(), "");
    EXPECT_EQ(font.FileSize(), 0u);
}

TEST_F(TFontInfoTest, EveryReaderErrorShowsItsCodeOnceAndMarksTheRecordLoaded) {
    int index = 0;
    for (const auto& [bytes, code] : testsupport::brokenfonts::Corpus()) {
        SCOPED_TRACE("error code " + std::to_string(code));
        const std::size_t before = Messages().size();
        const std::string path = WriteBytesFile("broken" + std::to_string(index++) + ".ttf", bytes);
        TFontInfo font;
        font.SetFileName(path);
        EXPECT_EQ(font.FullName(), "");
        EXPECT_EQ(font.FileSize(), bytes.size());
        ASSERT_EQ(Messages().size(), before + 1);
        EXPECT_EQ(Messages()[before].text,
                  path + "\nInvalid TrueType Font! ErrorCode:" + std::to_string(code));
        EXPECT_EQ(Messages()[before].caption, "");
        EXPECT_EQ(Messages()[before].buttons, platform::MsgButtons::Ok);
        // The full pass may fail too, but only once: then the record counts as loaded.
        EXPECT_EQ(font.Copyright(), "");
        EXPECT_TRUE(font.Loaded());
        const std::size_t shown = Messages().size();
        EXPECT_EQ(font.Version(), "");
        EXPECT_EQ(Messages().size(), shown);
    }
}

TEST_F(TFontInfoTest, AssignFromUnloadedRecordCopiesPlainMembersAndReadsLaterItself) {
    const std::string path =
        WriteFont("src.ttf", TrueTypeBuilder().AllNames(kLangEnglish, "Source", "Italic"));
    TFontInfo source;
    source.SetFileName(path);
    source.SetSelected(true);
    TFontInfo copy;
    copy.Assign(source);
    EXPECT_FALSE(source.Loaded());
    EXPECT_FALSE(copy.Loaded());
    EXPECT_EQ(copy.FileName(), path);
    EXPECT_EQ(copy.FullName(), "Source Italic");
    EXPECT_EQ(copy.LangID(), kLangEnglish);
    EXPECT_EQ(copy.FileSize(), source.FileSize());
    EXPECT_TRUE(copy.Selected());
    EXPECT_EQ(copy.StyleName(), "Italic");
    EXPECT_FALSE(source.Loaded());
}

TEST_F(TFontInfoTest, AssignFromLoadedRecordCopiesNamesWithoutTheFile) {
    const std::string path =
        WriteFont("src.ttf", TrueTypeBuilder().AllNames(kLangEnglish, "Loaded", "Bold"));
    TFontInfo source;
    source.SetFileName(path);
    ASSERT_EQ(source.FamilyName(), "Loaded");
    RemoveFile("src.ttf");
    TFontInfo copy;
    copy.Assign(source);
    EXPECT_TRUE(copy.Loaded());
    EXPECT_EQ(copy.FamilyName(), "Loaded");
    EXPECT_EQ(copy.Trademark(), "Loaded Trademark");
}

TEST_F(TFontInfoTest, CollectionFaceIsReadAtItsOffset) {
    testsupport::CollectionBuilder collection;
    collection.Face(TrueTypeBuilder().AllNames(kLangEnglish, "One", "Regular"))
        .Face(TrueTypeBuilder().AllNames(kLangEnglish, "Two", "Bold"));
    const std::string bytes = collection.Build();
    const std::string path = WriteBytesFile("pair.ttc", bytes);
    const auto offset = static_cast<std::uint32_t>((static_cast<unsigned char>(bytes[16]) << 24) |
                                                   (static_cast<unsigned char>(bytes[17]) << 16) |
                                                   (static_cast<unsigned char>(bytes[18]) << 8) |
                                                   static_cast<unsigned char>(bytes[19]));
    TFontInfo font;
    font.SetFaceOffset(offset);
    font.SetFileName(path);
    EXPECT_EQ(font.FullName(), "Two Bold");
    EXPECT_EQ(font.FamilyName(), "Two");
}

}  // namespace
