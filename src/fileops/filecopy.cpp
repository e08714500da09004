#include "fileops/filecopy.h"

#include <memory>
#include <new>
#include <set>

#include "fileops/fileerrors.h"
#include "fileops/fileprogress.h"
#include "fileops/fileutil.h"
#include "fileops/paths.h"
#include "fileops/temptarget.h"
#include "platform/dialogs.h"
#include "platform/errorcodes.h"
#include "platform/filesystem.h"

namespace {

// A copy written and waiting to be placed (never a result of an entry).
constexpr int kPending = -2;
// Copies wait for one sync of their volume together, up to these amounts: one wait for the
// disk per group instead of one per file, while a group's bytes stay a modest part of memory.
constexpr std::size_t kGroupFiles = 1024;
constexpr std::uint64_t kGroupBytes = 256ull << 20;

// The last component of folder; the folder itself for the root.
std::string ShortName(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    const std::string last = ExtractFileName(folder);
    return last.empty() ? folder : last;
}

bool TargetExists(int result) {
    return result == platform::kErrorFileExists || result == platform::kErrorAlreadyExists;
}

// Ends the progress display however the run ends.
class DisplayEnd {
public:
    explicit DisplayEnd(TCopyProgress* progress) : progress_(progress) {}
    ~DisplayEnd() {
        if (progress_ != nullptr) {
            progress_->EndDisplay();
        }
    }
    DisplayEnd(const DisplayEnd&) = delete;
    DisplayEnd& operator=(const DisplayEnd&) = delete;

private:
    TCopyProgress* progress_;
};

}  // namespace

TFileCopy::TFileCopy(platform::FileSystem& files, platform::Dialogs& dialogs,
                     TCopyProgress* progress)
    : TFileFunction(files, dialogs), progress_(progress) {}

TFileCopy::~TFileCopy() = default;

bool TFileCopy::HasFreeSpace(const std::string& folder) {
    return CheckFreeSpace(folder) == 0;
}

// 0 when TotalSize fits; 112 when it does not; the folder's own error when the volume
// cannot be asked (a missing folder is 3, not a full disk).
int TFileCopy::CheckFreeSpace(const std::string& folder) {
    std::uint64_t bytes = 0;
    const int result = files_.FreeSpace(folder, bytes);
    if (result != 0) {
        return result;
    }
    return bytes >= TotalSize ? 0 : 112;
}

bool TFileCopy::RefusedForSpace(const std::string& folder) {
    const int result = CheckFreeSpace(folder);
    if (result == 0) {
        return false;
    }
    dialogs_.MessageBox(FileErrorText(result), kErrorCaption, platform::MsgButtons::Ok,
                        platform::MsgIcon::Error, Owner);
    FailAll(result);
    return true;
}

void TFileCopy::CopyTo(const std::string& folder) {
    if (Files.empty()) {
        return;
    }
    BeginRun();
    TotalSize = GetSelectedSize(Files);
    if (RefusedForSpace(folder)) {
        return;
    }
    TotalCount = GetSelectedCount(Files);
    BeginDisplay(folder, true);
    DisplayEnd end(Progress());
    RunEntries(folder, false, kProcessRestText);
}

void TFileCopy::MoveTo(const std::string& folder) {
    if (Files.empty()) {
        return;
    }
    BeginRun();
    bool sameVolume = true;
    if (files_.SameVolume(Files.front(), folder, sameVolume) != 0) {
        // The first file or the folder is missing: its own step reports why.
        sameVolume = true;
    }
    TotalCount = static_cast<int>(Files.size());
    if (!sameVolume) {
        TotalCount = GetSelectedCount(Files);
        TotalSize = GetSelectedSize(Files);
        if (RefusedForSpace(folder)) {
            return;
        }
    }
    BeginDisplay(folder, !sameVolume);
    DisplayEnd end(Progress());
    RunEntries(folder, true, kErrorCaption);
}

void TFileCopy::BeginDisplay(const std::string& folder, bool byBytes) {
    byBytes_ = byBytes;
    current_ = 0;
    TCopyProgress* progress = Progress();
    if (progress == nullptr) {
        return;
    }
    if (TotalCount == 0) {
        TotalCount = static_cast<int>(Files.size());
    }
    TCopyProgress::Display display;
    display.caption = kInstallingCaption;
    display.byBytes = byBytes;
    display.gaugeMax = byBytes ? TotalSize : static_cast<std::uint64_t>(TotalCount);
    display.totalSize = byBytes ? FormatThousands(TotalSize) : std::string();
    display.totalCount = TotalCount;
    display.sourceName = ShortName(ContainingFolder(Files.front()));
    progress->BeginDisplay(display);
    progress->SetTargetName(ShortName(folder));
    progress->StartTiming();
}

void TFileCopy::RunEntries(const std::string& folder, bool move, const std::string& errorCaption) {
    const int count = static_cast<int>(Files.size());
    std::string target;
    for (int i = 0; i < count;) {
        const std::string& source = Files[static_cast<std::size_t>(i)];
        if ((Action & faRenamed) == 0) {
            target = AddToPath(folder, ExtractFileName(source));
        }
        // A name a waiting copy is about to take must be seen as taken.
        if (PendingTarget(target) && !PlacePending(errorCaption, false)) {
            break;
        }
        const int result =
            move ? MoveOne(source, target) : CopyFile(source, target, true, true).result;
        const std::uint32_t action = Action;
        ClearAction();
        if (result == kPending) {
            HoldPending(i, action);
            if (GroupFull() && !PlacePending(errorCaption, i == count - 1)) {
                break;
            }
            ++i;
            continue;
        }
        SetResult(i, result);
        if (result == kResultCancelled) {
            break;
        }
        // The copies before a question are settled first, so it is asked about the present.
        if (result > 0 && !PlacePending(errorCaption, false)) {
            break;
        }
        if (TargetExists(result)) {
            if (!AskFileExists(i, target)) {
                SetResult(i, kResultCancelled);
                break;
            }
            continue;  // the same entry again, with the decision taken
        }
        if (result > 0 && !AskContinue(dialogs_, result, errorCaption, i == count - 1, Owner)) {
            break;
        }
        ++i;
    }
    PlacePending(errorCaption, true);
}

void TFileCopy::HoldPending(int index, std::uint32_t action) {
    pendingBytes_ += GetFileSize(deferred_->Path());
    pending_.push_back({index, std::move(deferred_), action});
}

bool TFileCopy::PendingTarget(const std::string& target) const {
    for (const PendingCopy& copy : pending_) {
        if (copy.temp->Target() == target) {
            return true;
        }
    }
    return false;
}

bool TFileCopy::GroupFull() const {
    return pending_.size() >= kGroupFiles || pendingBytes_ >= kGroupBytes;
}

bool TFileCopy::PlacePending(const std::string& errorCaption, bool last) {
    if (pending_.empty()) {
        return true;
    }
    std::set<std::string> folders;
    int synced = 0;
    for (const PendingCopy& copy : pending_) {
        const std::string folder = ContainingFolder(copy.temp->Target());
        if (synced == 0 && folders.insert(folder).second) {
            synced = files_.SyncVolume(folder);
        }
    }
    int firstFailure = 0;
    for (PendingCopy& copy : pending_) {
        const bool overwrite = (copy.action & faOverwrite) != 0;
        const int result = synced != 0
                               ? synced
                               : copy.temp->Place(overwrite ? platform::RenameMode::Replace
                                                            : platform::RenameMode::NoReplace);
        SetResult(copy.index, result);
        if (result != 0 && firstFailure == 0) {
            firstFailure = result;
        }
    }
    pending_.clear();  // copies not placed remove their files
    pendingBytes_ = 0;
    return firstFailure == 0 || AskContinue(dialogs_, firstFailure, errorCaption, last, Owner);
}

// False when the run must stop.
bool TFileCopy::AskFileExists(int index, std::string& target) {
    if (!OnFileExists) {
        Action = faSkip | faAll;
        return true;
    }
    TCopyProgress* progress = Progress();
    if (progress != nullptr) {
        progress->PauseTiming();
    }
    OnFileExists(*this, Files[static_cast<std::size_t>(index)], target, Action);
    if (progress != nullptr) {
        progress->RestartTiming();
    }
    if ((Action & faStop) != 0) {
        return false;
    }
    // A handler that decided nothing would be asked again without end.
    if ((Action & (faOverwrite | faSkip | faRenamed)) == 0) {
        Action |= faSkip;
    }
    return true;
}

void TFileCopy::ClearAction() {
    const bool keep = (Action & faAll) != 0 && (Action & faRenamed) == 0;
    if (!keep) {
        Action = 0;
    }
}

void TFileCopy::AdvanceBytes(std::uint64_t bytes) {
    if (Progress() != nullptr && byBytes_) {
        Progress()->Advance(bytes);
    }
}

int TFileCopy::CopyOne(const std::string& source, const std::string& target) {
    return CopyFile(source, target, true).result;
}

TFileCopy::CopyOutcome TFileCopy::CopyFile(const std::string& source, const std::string& target,
                                           bool announce, bool defer) {
    CopyOutcome outcome;
    TCopyProgress* progress = Progress();
    if (progress != nullptr && progress->CancelRequested()) {
        outcome.result = kResultCancelled;
        return outcome;
    }
    platform::FileStatus from;
    const int sourceResult = files_.Status(source, from);
    if (progress != nullptr && announce) {
        progress->SetFileName(ExtractFileName(source) + " (" + FormatThousands(from.size) +
                              " bytes) ");
        if (Action == 0) {
            progress->SetCurrent(++current_);
        }
    }
    if ((Action & faSkip) != 0) {
        AdvanceBytes(from.size);
        outcome.result = kResultSkipped;
        return outcome;
    }
    if (sourceResult != 0 || !from.isRegular) {
        outcome.result = sourceResult != 0 ? sourceResult : platform::kErrorAccessDenied;
        return outcome;
    }
    // Looked at before any byte is copied, so a skip costs nothing.
    platform::FileStatus existing;
    if (files_.Status(target, existing, false) == 0) {
        outcome.sameFile = existing.device == from.device && existing.inode == from.inode;
        if ((Action & faOverwrite) == 0) {
            outcome.result = platform::kErrorFileExists;
            return outcome;
        }
        if (outcome.sameFile || existing.isFolder) {
            outcome.result = outcome.sameFile ? 0 : platform::kErrorAccessDenied;
            return outcome;
        }
        outcome.replaced = true;
    }
    outcome.result = CopyData(source, target, from, defer);
    return outcome;
}

int TFileCopy::CopyData(const std::string& source, const std::string& target,
                        const platform::FileStatus& status, bool defer) {
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kBufferSize]);
    if (!buffer) {
        return kResultNoMemory;
    }
    platform::FileSystem::Handle input = platform::FileSystem::kNoHandle;
    int result = files_.OpenRead(source, input);
    if (result != 0) {
        return result;
    }
    auto temp = std::make_unique<TTempTarget>(files_, target);
    result = temp->Create();
    TCopyProgress* progress = Progress();
    while (result == 0) {
        std::size_t got = 0;
        result = files_.Read(input, buffer.get(), kBufferSize, got);
        if (result != 0 || got == 0) {
            break;
        }
        result = temp->Write(buffer.get(), got);
        if (result != 0) {
            break;
        }
        if (progress != nullptr) {
            if (progress->CancelRequested()) {
                result = kResultCancelled;
                break;
            }
            AdvanceBytes(got);
        }
    }
    files_.Close(input);
    if (result != 0) {
        return result;
    }
    if (defer) {
        result = temp->Complete(status, false);
        if (result == 0) {
            deferred_ = std::move(temp);
            return kPending;
        }
        return result;
    }
    const bool overwrite = (Action & faOverwrite) != 0;
    return temp->Commit(
        status, overwrite ? platform::RenameMode::Replace : platform::RenameMode::NoReplace);
}

int TFileCopy::MoveOne(const std::string& source, const std::string& target) {
    TCopyProgress* progress = Progress();
    // Uninstalling thousands of fonts is a run of such moves; Cancel must reach it.
    if (progress != nullptr && progress->CancelRequested()) {
        return kResultCancelled;
    }
    bool sameVolume = true;
    if (files_.SameVolume(source, ContainingFolder(target), sameVolume) != 0) {
        sameVolume = true;  // the rename below reports what is missing
    }
    int result = 0;
    if (!sameVolume) {
        result = MoveAcross(source, target, true);
    } else {
        AnnounceMove(source);
        const std::uint64_t size = byBytes_ ? GetFileSize(source) : 0;
        if ((Action & faSkip) != 0) {
            result = kResultSkipped;
        } else {
            // One replacing rename: a failed move cannot lose the old target.
            const bool overwrite = (Action & faOverwrite) != 0;
            result = files_.Rename(
                source, target,
                overwrite ? platform::RenameMode::Replace : platform::RenameMode::NoReplace);
        }
        if (result == platform::kErrorNotSameDevice) {
            result = MoveAcross(source, target, false);
        } else {
            AdvanceBytes(size);
        }
    }
    if (progress != nullptr && !byBytes_) {
        progress->Advance(1);
    }
    return result;
}

void TFileCopy::AnnounceMove(const std::string& source) {
    TCopyProgress* progress = Progress();
    if (progress == nullptr) {
        return;
    }
    if ((Action & (faOverwrite | faRenamed | faSkip)) == 0) {
        progress->SetFileName(ExtractFileName(source));
        progress->SetCurrent(++current_);
    }
}

// Copy, then delete the source; the source goes only once its copy is complete and on the
// disk under its real name. A source that cannot be deleted fails the move: the copy goes
// again unless it replaced an older target, whose bytes it now holds in its place.
int TFileCopy::MoveAcross(const std::string& source, const std::string& target, bool announce) {
    const CopyOutcome copy = CopyFile(source, target, announce);
    if (copy.result != 0 || copy.sameFile) {
        return copy.result;
    }
    int result = files_.SyncFolder(ContainingFolder(target));
    if (result == 0) {
        result = files_.Unlink(source);
    }
    if (result != 0 && !copy.replaced) {
        files_.Unlink(target);
    }
    return result;
}
