#include "fileops/operation.h"

bool TFileFunction::Done(int index) const {
    return Result(index) == 0;
}

int TFileFunction::Result(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= results_.size()) {
        return kResultCancelled;
    }
    return results_[static_cast<std::size_t>(index)];
}

void TFileFunction::BeginRun() {
    results_.assign(Files.size(), kResultCancelled);
}

void TFileFunction::SetResult(int index, int result) {
    if (index >= 0 && static_cast<std::size_t>(index) < results_.size()) {
        results_[static_cast<std::size_t>(index)] = result;
    }
}

void TFileFunction::FailAll(int result) {
    results_.assign(Files.size(), result);
}
