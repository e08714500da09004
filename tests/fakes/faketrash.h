#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/trash.h"

namespace fakes {

// A trash that is a plain folder: files are renamed into it under their own name (a number
// added on a clash), so a test sees each file exactly once, in the trash or where it was.
// Paths told to fail stay where they are and give the code chosen.
class FakeTrash : public platform::Trash {
public:
    explicit FakeTrash(std::string folder) : folder_(std::move(folder)) {}

    int MoveToTrash(const std::string& path) override;

    void Reject(const std::string& path, int errorCode) { rejected_[path] = errorCode; }
    // The paths that went to the trash, in order, and where each one landed.
    const std::vector<std::string>& Trashed() const { return trashed_; }
    const std::vector<std::string>& Landed() const { return landed_; }

private:
    std::string folder_;
    std::map<std::string, int> rejected_;
    std::vector<std::string> trashed_;
    std::vector<std::string> landed_;
};

}  // namespace fakes
