#include "platform/helppages.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string FindHelpPage(const std::string& page, const std::string& programFolder,
                         const std::string& executableFolder) {
    const std::string inProgramFolder = programFolder + "help/" + page;
    for (const std::string& candidate : {inProgramFolder, executableFolder + "help/" + page,
                                         executableFolder + "../share/glyphwell/help/" + page}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec)) {
            return candidate;
        }
    }
    return inProgramFolder;
}

}  // namespace platform
