#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// "Nothing lost" checks for the file commands: the bytes of every original file are counted
// by a hash before a test's run, and after it each must be found exactly once under the
// sandbox, whole, with no temporary copy left behind.
namespace testsupport {

std::uint64_t HashBytes(const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

// Regular files under root (links not followed), with the hash of each one's bytes.
std::map<std::string, std::uint64_t> HashTree(const std::string& root);

class FileCensus {
public:
    // Notes the bytes of each file as an original.
    void Take(const std::vector<std::string>& paths);
    // Empty when every original's bytes lie under root exactly once; otherwise what is wrong.
    std::string Check(const std::string& root) const;
    // Where the original first noted at path now lies (empty when nowhere or several).
    std::string WhereIs(const std::string& originalPath, const std::string& root) const;

private:
    std::map<std::string, std::uint64_t> originals_;
};

// Hidden ".part" files a copy writes before renaming them, under root.
std::vector<std::string> TemporaryFiles(const std::string& root);

}  // namespace testsupport
