#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes/scripteddialogs.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"

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

    Sandbox sandbox;
    fakes::ScriptedDialogs dialogs;
    std::string folder;
};
