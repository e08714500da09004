#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace fakes {

// Passes every call on to a real file system, except those told to fail: the Nth call of a
// kind, or every call of a kind on a path containing some text. A failure reports the
// Windows code the real call would give for the errno chosen. It logs every call with its
// path (a handle's calls with the path it was opened with), and can make a folder look like
// another volume: SameVolume says so and a rename across its border fails with 17.
class FaultyFileSystem : public platform::FileSystem {
public:
    struct Call {
        platform::FileCall kind;
        std::string path;
        std::string target;  // renames only
        int result = 0;
    };

    explicit FaultyFileSystem(platform::FileSystem& inner) : inner_(inner) {}

    // The nth call of kind from now on (1 = the next one) fails with err.
    void FailNth(platform::FileCall kind, int nth, int err);
    // Every call of kind on a path containing pathPart fails with err.
    void FailPath(platform::FileCall kind, const std::string& pathPart, int err);
    // Paths inside folder lie on a volume of their own.
    void SetOtherVolume(const std::string& folder) { otherVolume_ = folder; }
    // FreeSpace answers bytes for every folder.
    void SetFreeBytes(std::uint64_t bytes) { freeBytes_ = bytes; }
    // Runs before each call is passed on (a test cancels or changes files from here).
    std::function<void(platform::FileCall kind, const std::string& path)> BeforeCall;

    const std::vector<Call>& Log() const { return log_; }
    int CountOf(platform::FileCall kind) const;
    // Index in Log() of the first call of kind on path, or -1.
    int IndexOf(platform::FileCall kind, const std::string& path) const;

    int OpenRead(const std::string& path, Handle& handle) override;
    int CreateNew(const std::string& path, std::uint32_t permissions, Handle& handle) override;
    int Read(Handle handle, void* buffer, std::size_t size, std::size_t& got) override;
    int Write(Handle handle, const void* buffer, std::size_t size) override;
    int Sync(Handle handle) override;
    int StartWriteback(Handle handle) override;
    int SyncFolder(const std::string& folder) override;
    int SyncVolume(const std::string& folder) override;
    int Close(Handle handle) override;
    int SetPermissions(Handle handle, std::uint32_t permissions) override;
    int SetModifiedTime(Handle handle, const platform::FileTime& time) override;
    int Rename(const std::string& from, const std::string& to, platform::RenameMode mode) override;
    int Unlink(const std::string& path) override;
    int Status(const std::string& path, platform::FileStatus& status,
               bool followLinks = true) override;
    int FreeSpace(const std::string& folder, std::uint64_t& bytes) override;
    int MakeFolder(const std::string& path) override;
    int SameVolume(const std::string& a, const std::string& b, bool& same) override;

private:
    struct Fault {
        platform::FileCall kind;
        int nth = 0;  // 0: by path
        std::string pathPart;
        int err = 0;
    };

    // The code the call must fail with (counting it), or 0 to pass it on.
    int Injected(platform::FileCall kind, const std::string& path, const std::string& target = {});
    int Logged(platform::FileCall kind, const std::string& path, int result,
               const std::string& target = {});
    std::string PathOf(Handle handle) const;
    bool OnOtherVolume(const std::string& path) const;

    platform::FileSystem& inner_;
    std::vector<Fault> faults_;
    std::map<platform::FileCall, int> counts_;
    std::map<Handle, std::string> handles_;
    std::vector<Call> log_;
    std::string otherVolume_;
    std::optional<std::uint64_t> freeBytes_;
};

}  // namespace fakes
