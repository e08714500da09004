#include "mainwindow/openrequest.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "fileops/paths.h"

namespace {

namespace fs = std::filesystem;

std::string Absolute(const std::string& given) {
    std::error_code ec;
    std::string path = fs::absolute(given, ec).lexically_normal().string();
    if (ec) {
        return {};
    }
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

void AddFolderOnce(std::vector<std::string>& folders, const std::string& folder) {
    if (std::none_of(folders.begin(), folders.end(),
                     [&](const std::string& known) { return IsSameFolderI(known, folder); })) {
        folders.push_back(folder);
    }
}

}  // namespace

TOpenRequest MakeOpenRequest(const std::vector<std::string>& paths, const TFontFileTypes& types) {
    TOpenRequest request;
    for (const std::string& given : paths) {
        const std::string path = given.empty() ? std::string() : Absolute(given);
        if (path.empty()) {
            continue;
        }
        if (DirExists(path)) {
            AddFolderOnce(request.folders, path);
        } else if (types.FromInstalled(path) && FileExists(path)) {
            AddFolderOnce(request.folders, ContainingFolder(path));
            if (std::find(request.fontFiles.begin(), request.fontFiles.end(), path) ==
                request.fontFiles.end()) {
                request.fontFiles.push_back(path);
            }
        }
    }
    return request;
}
