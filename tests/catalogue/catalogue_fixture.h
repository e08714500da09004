#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/language.h"
#include "support/truetypebuilder.h"

// Records every message the code under test shows and answers OK.
class RecordingDialogs : public platform::Dialogs {
public:
    struct Message {
        std::string text;
        std::string caption;
        platform::MsgIcon icon;
    };
    std::vector<Message> messages;

    int MessageBox(const std::string& text, const std::string& caption, platform::MsgButtons,
                   platform::MsgIcon icon, QWidget*) override {
        messages.push_back({text, caption, icon});
        return platform::IdOk;
    }
    int InputString(const std::string&, const std::string&, std::string&, QWidget*) override {
        return platform::IdCancel;
    }
    std::string BrowseForFolder(const std::string&, const std::string&, QWidget*) override {
        return {};
    }
    bool ChooseColor(std::uint32_t&, QWidget*) override { return false; }
    std::string SaveFileName(const std::string&, const std::string&, const std::string&,
                             QWidget*) override {
        return {};
    }
};

// A fresh folder for font files, the recording dialogs and an English user for each test.
class CatalogueFixture : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/gw-catalogue-XXXXXX";
        folder = ::mkdtemp(pattern);
        previousDialogs_ = platform::SetDialogs(&dialogs);
        platform::SetUserDefaultLangID(testsupport::kLangEnglish);
    }
    void TearDown() override {
        platform::SetDialogs(previousDialogs_);
        platform::SetUserDefaultLangID(0);
        std::filesystem::remove_all(folder);
    }

    void SetUserLanguage(std::uint16_t langId) { platform::SetUserDefaultLangID(langId); }

    std::string WriteFont(const std::string& name, const testsupport::TrueTypeBuilder& font) {
        return WriteBytesFile(name, font.Build());
    }
    std::string WriteBytesFile(const std::string& name, const std::string& bytes) {
        const std::string path = folder + "/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        EXPECT_TRUE(testsupport::WriteBytes(path, bytes));
        return path;
    }
    void RemoveFile(const std::string& name) { std::filesystem::remove(folder + "/" + name); }

    RecordingDialogs dialogs;
    std::string folder;

private:
    platform::Dialogs* previousDialogs_ = nullptr;
};
