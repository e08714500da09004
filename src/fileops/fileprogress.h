#pragma once

#include <cstdint>
#include <string>

// What the copy progress window shows while files are copied or moved, and its Cancel
// button. The window lets pending events run where the user must see a change (a new file,
// a step of the gauge), and keeps the owner disabled from BeginDisplay to EndDisplay.
class TCopyProgress {
public:
    struct Display {
        std::string caption;
        bool byBytes = true;         // the gauge counts bytes, else files
        std::uint64_t gaugeMax = 0;  // total bytes or files
        std::string totalSize;       // total bytes with thousands separators; empty by files
        int totalCount = 0;
        std::string sourceName;  // short name of the folder the files come from
    };

    virtual ~TCopyProgress() = default;

    // Shows the window with the gauge at 0, empty texts and no cancel request.
    virtual void BeginDisplay(const Display& display) = 0;
    virtual void SetTargetName(const std::string& name) = 0;
    // The remaining-time estimate of the gauge; paused while a question is open.
    virtual void StartTiming() = 0;
    virtual void PauseTiming() = 0;
    virtual void RestartTiming() = 0;
    // The file being worked on.
    virtual void SetFileName(const std::string& text) = 0;
    // Files started so far (of the total given at the beginning).
    virtual void SetCurrent(int count) = 0;
    virtual void Advance(std::uint64_t step) = 0;
    virtual bool CancelRequested() const = 0;
    virtual void EndDisplay() = 0;
};

// What the delete progress window shows while files are deleted, and its Cancel button.
class TDeleteProgress {
public:
    virtual ~TDeleteProgress() = default;

    // Shows the window with the gauge at 0 of gaugeMax files and no cancel request.
    virtual void BeginDisplay(int gaugeMax) = 0;
    // The bare name of the file being deleted.
    virtual void SetItem(const std::string& name) = 0;
    virtual void Advance() = 0;
    virtual bool CancelRequested() const = 0;
    virtual void EndDisplay() = 0;
};
