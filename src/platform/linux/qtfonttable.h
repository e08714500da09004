#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/fonttable.h"

namespace platform {

// The system font table on Qt's font database. Files are added as application fonts; face
// names resolve through fontconfig's view of each face, which is also how Qt registered it.
class QtFontTable : public FontTable {
public:
    QtFontTable();
    ~QtFontTable() override;
    QtFontTable(const QtFontTable&) = delete;
    QtFontTable& operator=(const QtFontTable&) = delete;

    int AddFontFile(const std::string& path) override;
    bool RemoveFontFile(const std::string& path) override;
    std::vector<std::string> Families() override;
    ResolvedFace Resolve(const std::string& faceName) override;

private:
    struct AddedFile {
        int id = -1;
        int references = 0;
        std::vector<std::string> keys;  // folded full names of its faces
    };
    struct AddedFace {
        std::string path;
        ResolvedFace face;
    };

    void IndexFileFaces(const std::string& path, AddedFile& file);
    void ForgetFileFaces(const std::string& path, const AddedFile& file);
    void EnsureSystemIndex();
    void EnsureFamilyIndex();
    void EnsureQtFontsCurrent();

    std::unordered_map<std::string, AddedFile> addedFiles_;
    // Several added files may carry the same full name; the latest added wins, as a lookup
    // of the window system finds the most recent resource first.
    std::unordered_map<std::string, std::vector<AddedFace>> addedFaces_;
    std::unordered_map<std::string, ResolvedFace> systemFaces_;
    unsigned systemGeneration_ = 0;
    bool systemBuilt_ = false;
    std::unordered_map<std::string, std::string> families_;  // folded -> as Qt spells it
    bool familiesBuilt_ = false;
};

}  // namespace platform
