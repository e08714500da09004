#include "fakes/scriptedprogress.h"

namespace fakes {

void ScriptedCopyProgress::BeginDisplay(const Display& display) {
    display_ = display;
    current_ = 0;
    events_.push_back("Begin");
}

void ScriptedCopyProgress::SetTargetName(const std::string& name) {
    targetName_ = name;
    events_.push_back("Target " + name);
}

void ScriptedCopyProgress::SetFileName(const std::string& text) {
    events_.push_back("File " + text);
}

void ScriptedCopyProgress::SetCurrent(int count) {
    current_ = count;
    events_.push_back("Current " + std::to_string(count));
}

void ScriptedCopyProgress::Advance(std::uint64_t step) {
    advances_.push_back(step);
    events_.push_back("Advance " + std::to_string(step));
}

bool ScriptedCopyProgress::CancelRequested() const {
    return cancelAfter_ >= 0 && static_cast<int>(advances_.size()) >= cancelAfter_;
}

void ScriptedDeleteProgress::BeginDisplay(int gaugeMax) {
    gaugeMax_ = gaugeMax;
    events_.push_back("Begin " + std::to_string(gaugeMax));
}

void ScriptedDeleteProgress::SetItem(const std::string& name) {
    events_.push_back("Item " + name);
}

void ScriptedDeleteProgress::Advance() {
    ++advances_;
    events_.push_back("Advance");
}

bool ScriptedDeleteProgress::CancelRequested() const {
    return cancelAfter_ >= 0 && advances_ >= cancelAfter_;
}

}  // namespace fakes
