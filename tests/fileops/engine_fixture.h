#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fakes/faultyfilesystem.h"
#include "fakes/scripteddialogs.h"
#include "platform/linux/posixfilesystem.h"
#include "support/filecensus.h"
#include "support/sandbox.h"

// A sandbox with a source folder "from" and a target folder "to", the real file system
// behind a fault-injecting wrapper, scripted dialogs, and a census of the files made.
class EngineFixture : public testing::Test {
protected:
    Sandbox sandbox;
    platform::PosixFileSystem real;
    fakes::FaultyFileSystem files{real};
    fakes::ScriptedDialogs dialogs;
    testsupport::FileCensus census;
    std::string from = sandbox.Path() + "/from";
    std::string to = sandbox.Path() + "/to";

    EngineFixture() {
        std::filesystem::create_directories(from);
        std::filesystem::create_directories(to);
    }

    // A file of size bytes whose content no other file of the test shares; noted in the
    // census.
    std::string MakeFile(const std::string& folder, const std::string& name,
                         std::size_t size = 100) {
        std::string bytes;
        const std::string seed = folder + "/" + name + "|";
        while (bytes.size() < size) {
            bytes += seed + std::to_string(bytes.size());
        }
        bytes.resize(size);
        const std::string path = folder + "/" + name;
        sandbox.WriteFile(path.substr(sandbox.Path().size() + 1), bytes);
        census.Take({path});
        return path;
    }

    void ExpectNothingLost() const { EXPECT_EQ(census.Check(sandbox.Path()), ""); }

    std::string Bytes(const std::string& path) const { return testsupport::ReadFileBytes(path); }
    static bool Exists(const std::string& path) {
        std::error_code ec;
        return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
    }
};
