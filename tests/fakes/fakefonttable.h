#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/fonttable.h"

namespace fakes {

// A font table that only records: every add and remove in order, with files it can be told
// to reject. Families are what the test sets; names resolve to themselves unless told.
class FakeFontTable : public platform::FontTable {
public:
    int AddFontFile(const std::string& path) override;
    bool RemoveFontFile(const std::string& path) override;
    std::vector<std::string> Families() override { return families_; }
    platform::ResolvedFace Resolve(const std::string& faceName) override;

    void Reject(const std::string& path, int errorCode) { rejected_[path] = errorCode; }
    void SetFamilies(std::vector<std::string> families) { families_ = std::move(families); }
    void SetResolved(const std::string& faceName, platform::ResolvedFace face) {
        resolved_[faceName] = std::move(face);
    }

    const std::vector<std::string>& Adds() const { return adds_; }
    const std::vector<std::string>& Removes() const { return removes_; }
    bool IsAdded(const std::string& path) const { return references_.count(path) != 0; }
    // Number of files currently added (for checks of resource management).
    int AddedFileCount() const;

private:
    std::vector<std::string> adds_;
    std::vector<std::string> removes_;
    std::map<std::string, int> references_;
    std::map<std::string, int> rejected_;
    std::map<std::string, platform::ResolvedFace> resolved_;
    std::vector<std::string> families_;
};

}  // namespace fakes
