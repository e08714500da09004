#include "fakes/fakeshell.h"

namespace fakes {

bool FakeShell::Execute(const std::string& file, const std::string& parameters,
                        const std::string& workingFolder) {
    executed_.push_back({file, parameters, workingFolder});
    return result_;
}

bool FakeShell::OpenUrl(const std::string& url) {
    urls_.push_back(url);
    return result_;
}

}  // namespace fakes
