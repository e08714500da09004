#include "support/filecensus.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace testsupport {

std::uint64_t HashBytes(const std::string& bytes) {
    // FNV-1a: enough to tell the small test files apart.
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : bytes) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::map<std::string, std::uint64_t> HashTree(const std::string& root) {
    std::map<std::string, std::uint64_t> hashes;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && !it->is_symlink(ec)) {
            hashes[it->path().string()] = HashBytes(ReadFileBytes(it->path().string()));
        }
    }
    return hashes;
}

void FileCensus::Take(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        originals_[path] = HashBytes(ReadFileBytes(path));
    }
}

std::string FileCensus::Check(const std::string& root) const {
    std::map<std::uint64_t, std::vector<std::string>> found;
    for (const auto& [path, hash] : HashTree(root)) {
        found[hash].push_back(path);
    }
    std::string problems;
    for (const auto& [path, hash] : originals_) {
        const auto at = found.find(hash);
        const std::size_t copies = at == found.end() ? 0 : at->second.size();
        if (copies != 1) {
            problems += path + " found " + std::to_string(copies) + " times\n";
        }
    }
    for (const std::string& temp : TemporaryFiles(root)) {
        problems += "temporary file left: " + temp + "\n";
    }
    return problems;
}

std::string FileCensus::WhereIs(const std::string& originalPath, const std::string& root) const {
    const auto original = originals_.find(originalPath);
    if (original == originals_.end()) {
        return {};
    }
    std::vector<std::string> places;
    for (const auto& [path, hash] : HashTree(root)) {
        if (hash == original->second) {
            places.push_back(path);
        }
    }
    return places.size() == 1 ? places.front() : std::string();
}

std::vector<std::string> TemporaryFiles(const std::string& root) {
    std::vector<std::string> temps;
    for (const auto& [path, hash] : HashTree(root)) {
        const std::string name = fs::path(path).filename().string();
        if (name.size() > 5 && name.front() == '.' && name.ends_with(".part")) {
            temps.push_back(path);
        }
    }
    return temps;
}

}  // namespace testsupport
