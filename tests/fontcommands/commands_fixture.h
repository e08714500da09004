#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "fakes/fakefontchange.h"
#include "fakes/fakefonttable.h"
#include "fakes/fakeinstalledfonts.h"
#include "fakes/faketrash.h"
#include "fakes/faultyfilesystem.h"
#include "fakes/scripteddialogs.h"
#include "fakes/scriptedprogress.h"
#include "fontcommands/fontcommand.h"
#include "platform/language.h"
#include "platform/linux/posixfilesystem.h"
#include "platform/services.h"
#include "support/filecensus.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"

// A sandbox world for the font commands: real files behind the fault-injecting file system,
// recording font table, installed-font list and font change, a trash folder, scripted
// dialogs and progress windows, the master list and the view's list, and a census of every
// font file made.
class CommandFixture : public testing::Test {
protected:
    CommandFixture() {
        services.fontTable = &table;
        services.installedFonts = &installed;
        services.fontChange = &change;
        services.trash = &trash;
    }

    // A font whose full name is "<family> Regular", at a path relative to the sandbox.
    std::string MakeFont(const std::string& relativePath, const std::string& family) {
        const std::string path = sandbox.WriteFile(
            relativePath, testsupport::TrueTypeBuilder()
                              .AllNames(testsupport::kLangEnglish, family, "Regular")
                              .Build());
        census.Take({path});
        return path;
    }
    std::string MakeCollection(const std::string& relativePath, const std::string& first,
                               const std::string& second) {
        testsupport::CollectionBuilder collection;
        collection.Face(
            testsupport::TrueTypeBuilder().AllNames(testsupport::kLangEnglish, first, "Regular"));
        collection.Face(
            testsupport::TrueTypeBuilder().AllNames(testsupport::kLangEnglish, second, "Regular"));
        const std::string path = sandbox.WriteFile(relativePath, collection.Build());
        census.Take({path});
        return path;
    }

    // The master list shows the fonts of folder; the view shows a copy of it.
    void ShowFolder(const std::string& folder) {
        master.SetFolders(0, folder);
        master.SetMode(flmFolders);
        view.Assign(master);
    }
    // The master list shows these files as installed fonts.
    void ShowInstalled(std::vector<std::string> files) {
        installed.SetFiles(std::move(files));
        master.SetMode(flmInstalled);
        view.Assign(master);
    }

    int IndexOf(const TFontList& list, const std::string& fullName) const {
        return list.Find(fullName);
    }
    void Mark(const std::string& fullName) {
        const int index = view.Find(fullName);
        ASSERT_GE(index, 0) << fullName;
        view.GetItems(index).SetSelected(true);
    }
    bool Marked(const std::string& fullName) const {
        const int index = view.Find(fullName);
        return index >= 0 && view.GetItems(index).Selected();
    }
    bool Listed(const std::string& fullName) const {
        return master.Find(fullName) >= 0 && view.Find(fullName) >= 0;
    }
    bool NotListedAnywhere(const std::string& fullName) const {
        return master.Find(fullName) < 0 && view.Find(fullName) < 0;
    }

    std::vector<std::string> ErrorLog() const {
        std::vector<std::string> lines;
        std::string text = testsupport::ReadFileBytes(sandbox.HomeFolder() + "error.log");
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end - start));
            start = end == std::string::npos ? text.size() : end + 1;
        }
        return lines;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const fakes::DialogCall& call : dialogs.Calls()) {
            texts.push_back(call.text);
        }
        return texts;
    }

    void ExpectNothingLost() const { EXPECT_EQ(census.Check(sandbox.Path()), ""); }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

    Sandbox sandbox;
    platform::PosixFileSystem real;
    fakes::FaultyFileSystem files{real};
    fakes::ScriptedDialogs dialogs;
    fakes::FakeFontTable table;
    fakes::FakeInstalledFonts installed;
    fakes::FakeFontChange change;
    fakes::FakeTrash trash{sandbox.Path() + "/trash"};
    fakes::ScriptedCopyProgress copyProgress;
    fakes::ScriptedDeleteProgress deleteProgress;
    platform::Services services = sandbox.Services();
    TFontList master{true, &services};
    TFontList view{false, &services};
    testsupport::FileCensus census;
    TFontCommandContext context{master, view,          services,       dialogs,
                                files,  &copyProgress, &deleteProgress};
};
