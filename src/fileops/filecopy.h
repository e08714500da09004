#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fileops/operation.h"

class TCopyProgress;
class TTempTarget;

namespace platform {
struct FileStatus;
}

// Decision for the current file of a copy or move.
enum TFileAction : std::uint32_t {
    faOverwrite = 2,  // replace an existing target
    faSkip = 4,       // do not process the file (it counts as not done)
    faStop = 8,       // stop the whole run
    faRenamed = 16,   // the handler set the target path; use it instead of folder + name
    faAll = 32        // keep the decision for all later files of the run
};

// Copies or moves a list of files into a folder, one at a time. A copy is written under a
// hidden name beside its target and renamed into place once complete and synced.
class TFileCopy : public TFileFunction {
public:
    static constexpr std::size_t kBufferSize = 65535;

    // Asked when a target exists: it may rewrite target (with faRenamed) and sets action.
    using TFileExistsEvent = std::function<void(TFileCopy& sender, const std::string& source,
                                                std::string& target, std::uint32_t& action)>;

    // progress may be null (no window).
    TFileCopy(platform::FileSystem& files, platform::Dialogs& dialogs, TCopyProgress* progress);
    ~TFileCopy() override;

    std::uint64_t TotalSize = 0;
    int TotalCount = 0;
    std::uint32_t Action = 0;
    TFileExistsEvent OnFileExists;

    int CopyOne(const std::string& source, const std::string& target);
    void CopyTo(const std::string& folder);
    void MoveTo(const std::string& folder);
    // True when the user may still write TotalSize bytes on the folder's volume.
    bool HasFreeSpace(const std::string& folder);

private:
    struct CopyOutcome {
        int result = 0;
        bool sameFile = false;  // source and target were one file already
        bool replaced = false;  // an existing target was replaced
    };
    // A copy whose bytes are written and which waits for the volume to be synced before it
    // takes its name, together with others of the run.
    struct PendingCopy {
        int index = 0;
        std::unique_ptr<TTempTarget> temp;
        std::uint32_t action = 0;
    };

    TCopyProgress* Progress() const { return ShowProgress ? progress_ : nullptr; }
    int CheckFreeSpace(const std::string& folder);
    bool RefusedForSpace(const std::string& folder);
    void BeginDisplay(const std::string& folder, bool byBytes);
    void RunEntries(const std::string& folder, bool move, const std::string& errorCaption);
    bool AskFileExists(int index, std::string& target);
    // announce: show the file and count it (false when the move already did). defer: leave
    // the written copy in deferred_ (result kPending) for a group placement.
    CopyOutcome CopyFile(const std::string& source, const std::string& target, bool announce,
                         bool defer = false);
    int CopyData(const std::string& source, const std::string& target,
                 const platform::FileStatus& status, bool defer);
    void HoldPending(int index, std::uint32_t action);
    bool PendingTarget(const std::string& target) const;
    bool GroupFull() const;
    // Syncs the volumes of the pending copies once and gives each its name; asks whether to
    // go on when one failed. False when the run must stop.
    bool PlacePending(const std::string& errorCaption, bool last);
    int MoveOne(const std::string& source, const std::string& target);
    int MoveAcross(const std::string& source, const std::string& target, bool announce);
    void AnnounceMove(const std::string& source);
    void AdvanceBytes(std::uint64_t bytes);
    void ClearAction();

    TCopyProgress* progress_;
    bool byBytes_ = true;
    int current_ = 0;
    std::unique_ptr<TTempTarget> deferred_;
    std::vector<PendingCopy> pending_;
    std::uint64_t pendingBytes_ = 0;
};
