#include "platform/helppages.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace platform {

namespace {

std::string Joined(const std::string& folder, std::string_view middle, const std::string& page) {
    std::string path;
    path.reserve(folder.size() + middle.size() + page.size());
    path.append(folder).append(middle).append(page);
    return path;
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

std::string FindHelpPage(const std::string& page, const std::string& programFolder,
                         const std::string& executableFolder) {
    std::string inProgramFolder = Joined(programFolder, "help/", page);
    if (IsFile(inProgramFolder)) {
        return inProgramFolder;
    }
    for (const std::string_view beside : {"help/", "../share/glyphwell/help/"}) {
        std::string candidate = Joined(executableFolder, beside, page);
        if (IsFile(candidate)) {
            return candidate;
        }
    }
    return inProgramFolder;
}

}  // namespace platform
