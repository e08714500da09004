#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "fakes/scripteddialogs.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"

// A font whose every English name is taken from family and style.
inline testsupport::TrueTypeBuilder Font(const std::string& family,
                                         const std::string& style = "Regular") {
    return testsupport::TrueTypeBuilder().AllNames(testsupport::kLangEnglish, family, style);
}

// Each test gets a sandbox (program folder, Fonts folder, fontconfig), scripted dialogs that
// record every message, and a work folder for font files.
class CatalogueFixture : public ::testing::Test {
protected:
    CatalogueFixture() : folder(sandbox.Path() + "/work") {
        std::filesystem::create_directories(folder);
    }

    // name is relative to the work folder; parents are created.
    std::string WriteFont(const std::string& name, const testsupport::TrueTypeBuilder& font) {
        return WriteBytesFile(name, font.Build());
    }
    std::string WriteBytesFile(const std::string& name, const std::string& bytes) {
        return sandbox.WriteFile("work/" + name, bytes);
    }
    void RemoveFile(const std::string& name) { std::filesystem::remove(folder + "/" + name); }
    const std::vector<fakes::DialogCall>& Messages() const { return dialogs.Calls(); }

    static std::vector<std::string> FullNames(const TFontList& list) {
        std::vector<std::string> names;
        for (int i = 0; i < list.GetCount(); ++i) {
            names.push_back(list.GetItems(i).FullName());
        }
        return names;
    }

    Sandbox sandbox;
    fakes::ScriptedDialogs dialogs;
    std::string folder;
};
