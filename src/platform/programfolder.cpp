#include "platform/programfolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

bool IsWritableFolder(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(folder, ec) &&
           access(folder.c_str(), W_OK | X_OK) == 0;
}

// Settings never go beside an installed executable: the files under a prefix belong to the
// package manager, and every user keeps their own.
bool IsInstalledProgram(const std::string& executableDir) {
    std::error_code ec;
    return !executableDir.empty() &&
           std::filesystem::is_directory(WithSlash(executableDir) + "../share/glyphwell", ec);
}

std::string ConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return WithSlash(xdg) + "glyphwell/";
    }
    const char* home = std::getenv("HOME");
    return WithSlash(home != nullptr && home[0] != '\0' ? home : "/tmp") + ".config/glyphwell/";
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return "./";
    }
    return WithSlash(exe.parent_path().string());
}

std::string ChooseProgramFolder(const std::string& homeArgument, const std::string& executableDir) {
    std::string folder;
    if (!homeArgument.empty()) {
        folder = homeArgument;
    } else if (!IsInstalledProgram(executableDir) && IsWritableFolder(executableDir)) {
        folder = executableDir;
    } else {
        folder = ConfigFolder();
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return WithSlash(folder);
}

}  // namespace platform
