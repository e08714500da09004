#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fileops/fileprogress.h"

namespace fakes {

// Progress windows that record what the engine showed, in order, as short lines
// ("Begin", "File x.ttf (10 bytes) ", "Current 1", "Advance 65535", "End"), and press Cancel
// when told: at once, or once the gauge has been advanced a number of times.
class ScriptedCopyProgress : public TCopyProgress {
public:
    void BeginDisplay(const Display& display) override;
    void SetTargetName(const std::string& name) override;
    void StartTiming() override { events_.push_back("Start"); }
    void PauseTiming() override { events_.push_back("Pause"); }
    void RestartTiming() override { events_.push_back("Restart"); }
    void SetFileName(const std::string& text) override;
    void SetCurrent(int count) override;
    void Advance(std::uint64_t step) override;
    bool CancelRequested() const override;
    void EndDisplay() override { events_.push_back("End"); }

    void CancelAfterAdvances(int advances) { cancelAfter_ = advances; }
    void Cancel() { cancelAfter_ = 0; }

    const std::vector<std::string>& Events() const { return events_; }
    const Display& LastDisplay() const { return display_; }
    const std::string& TargetName() const { return targetName_; }
    std::vector<std::uint64_t> Advances() const { return advances_; }
    int Current() const { return current_; }

private:
    std::vector<std::string> events_;
    std::vector<std::uint64_t> advances_;
    Display display_;
    std::string targetName_;
    int current_ = 0;
    int cancelAfter_ = -1;
};

class ScriptedDeleteProgress : public TDeleteProgress {
public:
    void BeginDisplay(int gaugeMax) override;
    void SetItem(const std::string& name) override;
    void Advance() override;
    bool CancelRequested() const override;
    void EndDisplay() override { events_.push_back("End"); }

    void CancelAfterAdvances(int advances) { cancelAfter_ = advances; }

    const std::vector<std::string>& Events() const { return events_; }
    int GaugeMax() const { return gaugeMax_; }
    int Advances() const { return advances_; }

private:
    std::vector<std::string> events_;
    int gaugeMax_ = 0;
    int advances_ = 0;
    int cancelAfter_ = -1;
};

}  // namespace fakes
