#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/errorcodes.h"

class QWidget;

namespace platform {
class Dialogs;
class FileSystem;
}  // namespace platform

// Result of one file step besides 0 (done) and a Windows error code.
constexpr int kResultCancelled = platform::kErrorCancelled;
constexpr int kResultSkipped = -1;
constexpr int kResultNoMemory = 8;

// The common part of the copy, move and delete operations: the list of files, whether a
// progress window shows, and per entry whether the last run handled it.
class TFileFunction {
public:
    TFileFunction(platform::FileSystem& files, platform::Dialogs& dialogs)
        : files_(files), dialogs_(dialogs) {}
    virtual ~TFileFunction() = default;
    TFileFunction(const TFileFunction&) = delete;
    TFileFunction& operator=(const TFileFunction&) = delete;

    // Full paths to process.
    std::vector<std::string> Files;
    // Show the progress window and honour its Cancel button.
    bool ShowProgress = true;
    // The window messages are centred on (may be null).
    QWidget* Owner = nullptr;

    // True when the last run handled entry index; false before any run.
    bool Done(int index) const;
    // The result of entry index in the last run: 0, a Windows error code, 1223 for an entry
    // cancelled or never reached, -1 for one skipped. 1223 before any run.
    int Result(int index) const;

protected:
    // Starts a run: no entry done, every entry not reached yet.
    void BeginRun();
    void SetResult(int index, int result);
    // Every entry ends with result (a run refused before it began).
    void FailAll(int result);

    platform::FileSystem& files_;
    platform::Dialogs& dialogs_;

private:
    std::vector<int> results_;
};
