#pragma once

#include <cstdint>
#include <string>

#include "platform/filesystem.h"

// The file a copy writes before it takes its target's name: hidden beside the target (a
// leading "." and a name that does not end in ".ttf", so font scanners pass it by), synced
// before its rename, and removed on every way out that does not rename it into place. An
// existing target is thus never truncated or written in place: a program that has it mapped
// keeps its old bytes, and a crash never leaves a cut font under the real name.
class TTempTarget {
public:
    TTempTarget(platform::FileSystem& files, std::string target);
    ~TTempTarget();
    TTempTarget(const TTempTarget&) = delete;
    TTempTarget& operator=(const TTempTarget&) = delete;

    // Creates the file under a free hidden name in the target's folder.
    int Create();
    int Write(const void* buffer, std::size_t size);
    // Gives the file the source's permission bits and modification time and closes it; with
    // sync, its bytes are put on the disk first.
    int Complete(const platform::FileStatus& source, bool sync);
    // Renames the completed file to the target, replacing it or failing with 183 when it
    // exists. Its bytes must be on the disk by now.
    int Place(platform::RenameMode mode);
    // Complete with sync, then Place.
    int Commit(const platform::FileStatus& source, platform::RenameMode mode);

    const std::string& Path() const { return path_; }
    const std::string& Target() const { return target_; }

private:
    void Discard();

    platform::FileSystem& files_;
    std::string target_;
    std::string path_;
    platform::FileSystem::Handle handle_ = platform::FileSystem::kNoHandle;
    bool committed_ = false;
};
