#include "fontcommands/protectlist.h"

#include "fileops/paths.h"
#include "platform/collation.h"
#include "platform/errorcodes.h"
#include "platform/filesystem.h"

namespace {

constexpr std::size_t kReadBlock = 16384;

int ReadAll(platform::FileSystem& files, const std::string& path, std::string& text) {
    platform::FileSystem::Handle handle = platform::FileSystem::kNoHandle;
    int result = files.OpenRead(path, handle);
    if (result != 0) {
        return result;
    }
    char block[kReadBlock];
    std::size_t got = 0;
    while ((result = files.Read(handle, block, sizeof block, got)) == 0 && got > 0) {
        text.append(block, got);
    }
    files.Close(handle);
    return result;
}

}  // namespace

int TProtectList::Load(platform::FileSystem& files, const std::string& path) {
    lines_.clear();
    std::string text;
    const int result = ReadAll(files, path, text);
    if (result == platform::kErrorFileNotFound) {
        return 0;
    }
    if (result != 0) {
        return result;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines_.push_back(std::move(line));
        start = end + 1;
    }
    return 0;
}

bool TProtectList::Protects(const std::string& path) const {
    const std::string name = ExtractFileName(path);
    for (const std::string& line : lines_) {
        if (platform::CompareStrI(line, name) == 0) {
            return true;
        }
    }
    return false;
}
