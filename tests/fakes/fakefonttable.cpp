#include "fakes/fakefonttable.h"

namespace fakes {

int FakeFontTable::AddFontFile(const std::string& path) {
    adds_.push_back(path);
    if (auto found = rejected_.find(path); found != rejected_.end()) {
        return found->second;
    }
    ++references_[path];
    return 0;
}

bool FakeFontTable::RemoveFontFile(const std::string& path) {
    removes_.push_back(path);
    auto found = references_.find(path);
    if (found == references_.end()) {
        return false;
    }
    if (--found->second == 0) {
        references_.erase(found);
    }
    return true;
}

int FakeFontTable::AddedFileCount() const {
    return static_cast<int>(references_.size());
}

platform::ResolvedFace FakeFontTable::Resolve(const std::string& faceName) {
    if (auto found = resolved_.find(faceName); found != resolved_.end()) {
        return found->second;
    }
    return platform::ResolvedFace{faceName, {}, true};
}

}  // namespace fakes
