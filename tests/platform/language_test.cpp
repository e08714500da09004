#include "platform/language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace {

using platform::LangIDFromLocaleName;

TEST(LangIDFromLocaleName, MapsLanguageAndCountry) {
    EXPECT_EQ(LangIDFromLocaleName("ko_KR.UTF-8"), 0x0412);
    EXPECT_EQ(LangIDFromLocaleName("en_US.UTF-8"), 0x0409);
    EXPECT_EQ(LangIDFromLocaleName("en_GB"), 0x0809);
    EXPECT_EQ(LangIDFromLocaleName("ja_JP.eucJP"), 0x0411);
    EXPECT_EQ(LangIDFromLocaleName("zh_TW.UTF-8"), 0x0404);
    EXPECT_EQ(LangIDFromLocaleName("de_DE@euro"), 0x0407);
}

TEST(LangIDFromLocaleName, UnknownCountryFallsBackToLanguage) {
    EXPECT_EQ(LangIDFromLocaleName("ko_XX.UTF-8"), 0x0412);
    EXPECT_EQ(LangIDFromLocaleName("fr_LU"), 0x040C);
}

TEST(LangIDFromLocaleName, UnknownOrPosixIsUsEnglish) {
    EXPECT_EQ(LangIDFromLocaleName("C"), 0x0409);
    EXPECT_EQ(LangIDFromLocaleName("POSIX"), 0x0409);
    EXPECT_EQ(LangIDFromLocaleName("xx_YY"), 0x0409);
    EXPECT_EQ(LangIDFromLocaleName(""), 0x0409);
    EXPECT_EQ(LangIDFromLocaleName(nullptr), 0x0409);
}

class UserDefaultLangIDTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* value = std::getenv(name);
            saved_[name] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
            unsetenv(name);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(UserDefaultLangIDTest, LcAllThenLcMessagesThenLang) {
    setenv("LANG", "ja_JP.UTF-8", 1);
    EXPECT_EQ(platform::UserDefaultLangID(), 0x0411);
    setenv("LC_MESSAGES", "ko_KR.UTF-8", 1);
    EXPECT_EQ(platform::UserDefaultLangID(), 0x0412);
    setenv("LC_ALL", "en_GB.UTF-8", 1);
    EXPECT_EQ(platform::UserDefaultLangID(), 0x0809);
    setenv("LC_ALL", "", 1);
    EXPECT_EQ(platform::UserDefaultLangID(), 0x0412);
}

TEST_F(UserDefaultLangIDTest, NothingSetIsUsEnglish) {
    EXPECT_EQ(platform::UserDefaultLangID(), 0x0409);
}

}  // namespace
