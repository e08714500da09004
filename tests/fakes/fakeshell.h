#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace fakes {

// A shell that starts nothing: it records what it was asked to open and answers with the
// result the test chose.
class FakeShell : public platform::Shell {
public:
    struct Request {
        std::string file;
        std::string parameters;
        std::string workingFolder;
    };

    bool Execute(const std::string& file, const std::string& parameters,
                 const std::string& workingFolder) override;
    bool OpenUrl(const std::string& url) override;

    void SetResult(bool result) { result_ = result; }
    const std::vector<Request>& Executed() const { return executed_; }
    const std::vector<std::string>& OpenedUrls() const { return urls_; }

private:
    bool result_ = true;
    std::vector<Request> executed_;
    std::vector<std::string> urls_;
};

}  // namespace fakes
