#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scripteddialogs.h"
#include "platform/linux/fontconfigfontfilelookup.h"
#include "platform/linux/freetypeoutlinemetrics.h"
#include "platform/services.h"
#include "support/sandbox.h"

inline const std::string kDejaVuFolder = "/usr/share/fonts/truetype/dejavu/";
inline const std::string kDejaVuSans = kDejaVuFolder + "DejaVuSans.ttf";
inline const std::string kDejaVuBold = kDejaVuFolder + "DejaVuSans-Bold.ttf";

// Each test gets a sandbox (fonts folder, fontconfig), scripted dialogs that record every
// message, an English user, and the real metrics and family lookup services.
class DetailsFixture : public testing::Test {
protected:
    DetailsFixture();

    // Writes bytes to work/name in the sandbox; returns the full path.
    std::string WriteFont(const std::string& name, const std::string& bytes);
    // True when the DejaVu Sans regular and bold files are installed.
    bool HaveDejaVu() const;

    Sandbox sandbox;
    fakes::ScriptedDialogs dialogs;
    platform::FreeTypeOutlineMetrics metrics;
    platform::FontconfigFontFileLookup fontFiles;
    platform::Services services = sandbox.Services();
};

// A collection of whole font files: each face keeps its tables, moved to where it lands.
std::string CollectionOf(const std::vector<std::string>& files);
// The offset of face index in a collection's header.
std::uint32_t FaceOffsetIn(const std::string& collection, int index);
std::string ReadWholeFile(const std::string& path);
