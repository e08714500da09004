#include "fakes/faultyfilesystem.h"

#include <cerrno>

namespace fakes {

using platform::FileCall;

void FaultyFileSystem::FailNth(FileCall kind, int nth, int err) {
    faults_.push_back({kind, counts_[kind] + nth, {}, err});
}

void FaultyFileSystem::FailPath(FileCall kind, const std::string& pathPart, int err) {
    faults_.push_back({kind, 0, pathPart, err});
}

int FaultyFileSystem::CountOf(FileCall kind) const {
    const auto found = counts_.find(kind);
    return found == counts_.end() ? 0 : found->second;
}

int FaultyFileSystem::IndexOf(FileCall kind, const std::string& path) const {
    for (std::size_t i = 0; i < log_.size(); ++i) {
        if (log_[i].kind == kind && log_[i].path == path) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int FaultyFileSystem::Injected(FileCall kind, const std::string& path, const std::string& target) {
    if (BeforeCall) {
        BeforeCall(kind, path);
    }
    const int count = ++counts_[kind];
    for (const Fault& fault : faults_) {
        if (fault.kind != kind) {
            continue;
        }
        const bool byPath = fault.nth == 0 &&
                            (path.find(fault.pathPart) != std::string::npos ||
                             (!target.empty() && target.find(fault.pathPart) != std::string::npos));
        if (fault.nth == count || byPath) {
            return platform::FileCallError(kind, fault.err);
        }
    }
    return 0;
}

int FaultyFileSystem::Logged(FileCall kind, const std::string& path, int result,
                             const std::string& target) {
    log_.push_back({kind, path, target, result});
    return result;
}

std::string FaultyFileSystem::PathOf(Handle handle) const {
    const auto found = handles_.find(handle);
    return found == handles_.end() ? std::string() : found->second;
}

bool FaultyFileSystem::OnOtherVolume(const std::string& path) const {
    return !otherVolume_.empty() && path.compare(0, otherVolume_.size(), otherVolume_) == 0;
}

int FaultyFileSystem::OpenRead(const std::string& path, Handle& handle) {
    handle = kNoHandle;
    int result = Injected(FileCall::OpenRead, path);
    if (result == 0) {
        result = inner_.OpenRead(path, handle);
    }
    if (result == 0) {
        handles_[handle] = path;
    }
    return Logged(FileCall::OpenRead, path, result);
}

int FaultyFileSystem::CreateNew(const std::string& path, std::uint32_t permissions,
                                Handle& handle) {
    handle = kNoHandle;
    int result = Injected(FileCall::CreateNew, path);
    if (result == 0) {
        result = inner_.CreateNew(path, permissions, handle);
    }
    if (result == 0) {
        handles_[handle] = path;
    }
    return Logged(FileCall::CreateNew, path, result);
}

int FaultyFileSystem::Read(Handle handle, void* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    const std::string path = PathOf(handle);
    int result = Injected(FileCall::Read, path);
    if (result == 0) {
        result = inner_.Read(handle, buffer, size, got);
    }
    return Logged(FileCall::Read, path, result);
}

int FaultyFileSystem::Write(Handle handle, const void* buffer, std::size_t size) {
    const std::string path = PathOf(handle);
    int result = Injected(FileCall::Write, path);
    if (result == 0) {
        result = inner_.Write(handle, buffer, size);
    }
    return Logged(FileCall::Write, path, result);
}

int FaultyFileSystem::Sync(Handle handle) {
    const std::string path = PathOf(handle);
    int result = Injected(FileCall::Sync, path);
    if (result == 0) {
        result = inner_.Sync(handle);
    }
    return Logged(FileCall::Sync, path, result);
}

int FaultyFileSystem::StartWriteback(Handle handle) {
    const std::string path = PathOf(handle);
    int result = Injected(FileCall::StartWriteback, path);
    if (result == 0) {
        result = inner_.StartWriteback(handle);
    }
    return Logged(FileCall::StartWriteback, path, result);
}

int FaultyFileSystem::SyncFolder(const std::string& folder) {
    int result = Injected(FileCall::SyncFolder, folder);
    if (result == 0) {
        result = inner_.SyncFolder(folder);
    }
    return Logged(FileCall::SyncFolder, folder, result);
}

int FaultyFileSystem::SyncVolume(const std::string& folder) {
    int result = Injected(FileCall::SyncVolume, folder);
    if (result == 0) {
        result = inner_.SyncVolume(folder);
    }
    return Logged(FileCall::SyncVolume, folder, result);
}

int FaultyFileSystem::Close(Handle handle) {
    const std::string path = PathOf(handle);
    handles_.erase(handle);
    // A failing close still frees the handle, as close(2) does.
    const int injected = Injected(FileCall::Close, path);
    const int closed = inner_.Close(handle);
    return Logged(FileCall::Close, path, injected != 0 ? injected : closed);
}

int FaultyFileSystem::SetPermissions(Handle handle, std::uint32_t permissions) {
    const std::string path = PathOf(handle);
    int result = Injected(FileCall::SetPermissions, path);
    if (result == 0) {
        result = inner_.SetPermissions(handle, permissions);
    }
    return Logged(FileCall::SetPermissions, path, result);
}

int FaultyFileSystem::SetModifiedTime(Handle handle, const platform::FileTime& time) {
    const std::string path = PathOf(handle);
    int result = Injected(FileCall::SetModifiedTime, path);
    if (result == 0) {
        result = inner_.SetModifiedTime(handle, time);
    }
    return Logged(FileCall::SetModifiedTime, path, result);
}

int FaultyFileSystem::Rename(const std::string& from, const std::string& to,
                             platform::RenameMode mode) {
    int result = Injected(FileCall::Rename, from, to);
    if (result == 0 && OnOtherVolume(from) != OnOtherVolume(to)) {
        result = platform::FileCallError(FileCall::Rename, EXDEV);
    }
    if (result == 0) {
        result = inner_.Rename(from, to, mode);
    }
    return Logged(FileCall::Rename, from, result, to);
}

int FaultyFileSystem::Unlink(const std::string& path) {
    int result = Injected(FileCall::Unlink, path);
    if (result == 0) {
        result = inner_.Unlink(path);
    }
    return Logged(FileCall::Unlink, path, result);
}

int FaultyFileSystem::Status(const std::string& path, platform::FileStatus& status,
                             bool followLinks) {
    status = platform::FileStatus{};
    int result = Injected(FileCall::Status, path);
    if (result == 0) {
        result = inner_.Status(path, status, followLinks);
    }
    if (result == 0 && OnOtherVolume(path)) {
        status.device = ~status.device;
    }
    return Logged(FileCall::Status, path, result);
}

int FaultyFileSystem::FreeSpace(const std::string& folder, std::uint64_t& bytes) {
    bytes = 0;
    int result = Injected(FileCall::FreeSpace, folder);
    if (result == 0) {
        result = inner_.FreeSpace(folder, bytes);
    }
    if (result == 0 && freeBytes_) {
        bytes = *freeBytes_;
    }
    return Logged(FileCall::FreeSpace, folder, result);
}

int FaultyFileSystem::MakeFolder(const std::string& path) {
    int result = Injected(FileCall::MakeFolder, path);
    if (result == 0) {
        result = inner_.MakeFolder(path);
    }
    return Logged(FileCall::MakeFolder, path, result);
}

int FaultyFileSystem::SameVolume(const std::string& a, const std::string& b, bool& same) {
    same = false;
    int result = Injected(FileCall::SameVolume, a, b);
    if (result == 0) {
        result = inner_.SameVolume(a, b, same);
    }
    if (result == 0 && OnOtherVolume(a) != OnOtherVolume(b)) {
        same = false;
    }
    return Logged(FileCall::SameVolume, a, result, b);
}

}  // namespace fakes
