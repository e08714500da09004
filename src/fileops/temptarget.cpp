#include "fileops/temptarget.h"

#include <unistd.h>

#include <atomic>

#include "fileops/paths.h"
#include "platform/errorcodes.h"

namespace {

// File names may hold 255 bytes; the hidden name adds a dot and a suffix to the target's.
constexpr std::size_t kMaxKeptNameBytes = 200;
constexpr int kNameAttempts = 100;

std::string HiddenName(const std::string& target, int attempt) {
    static std::atomic<unsigned> serial{0};
    const std::string name = ExtractFileName(target);
    return AddToPath(ContainingFolder(target),
                     "." + name.substr(0, kMaxKeptNameBytes) + "." + std::to_string(::getpid()) +
                         "-" + std::to_string(serial++) + "-" + std::to_string(attempt) + ".part");
}

}  // namespace

TTempTarget::TTempTarget(platform::FileSystem& files, std::string target)
    : files_(files), target_(std::move(target)) {}

TTempTarget::~TTempTarget() {
    if (!committed_) {
        Discard();
    }
}

int TTempTarget::Create() {
    int result = platform::kErrorFileExists;
    for (int attempt = 0; attempt < kNameAttempts && result == platform::kErrorFileExists;
         ++attempt) {
        path_ = HiddenName(target_, attempt);
        // Only the owner may read the bytes until the source's permissions are given.
        result = files_.CreateNew(path_, 0600, handle_);
    }
    if (result != 0) {
        path_.clear();
    }
    return result;
}

int TTempTarget::Write(const void* buffer, std::size_t size) {
    return files_.Write(handle_, buffer, size);
}

int TTempTarget::Complete(const platform::FileStatus& source, bool sync) {
    // The bytes are what matters: a file system without Unix permissions or times still
    // takes the font, so these two may fail.
    files_.SetPermissions(handle_, source.permissions);
    files_.SetModifiedTime(handle_, source.modified);
    // Without a sync of its own the file waits for one of its volume; its bytes may start
    // on their way meanwhile (a failure to start shows in that sync).
    const int synced = sync ? files_.Sync(handle_) : (files_.StartWriteback(handle_), 0);
    const int closed = files_.Close(handle_);
    handle_ = platform::FileSystem::kNoHandle;
    return synced != 0 ? synced : closed;
}

int TTempTarget::Place(platform::RenameMode mode) {
    const int result = files_.Rename(path_, target_, mode);
    committed_ = result == 0;
    return result;
}

int TTempTarget::Commit(const platform::FileStatus& source, platform::RenameMode mode) {
    const int result = Complete(source, true);
    return result != 0 ? result : Place(mode);
}

void TTempTarget::Discard() {
    if (handle_ != platform::FileSystem::kNoHandle) {
        files_.Close(handle_);
        handle_ = platform::FileSystem::kNoHandle;
    }
    if (!path_.empty()) {
        files_.Unlink(path_);
    }
}
