#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platform {

// INI files with private-profile semantics: sections and keys are found ignoring case and
// the blanks around names, writing creates the file and the section, every call opens the
// file by name and keeps no handle. Text is written as UTF-8; lines end in CR LF, LF or CR on
// reading. Garbage lines and lines without '=' are ignored by key lookups, and a save keeps
// them and a leading byte-order mark as they were.
//
// A file that exists but cannot be read (no permission, not a regular file, a link loop)
// reads as empty, so every value is its default, and is never written: the writers fail
// rather than replace settings they never saw. So does a read-only file. Writes replace the
// file in one step (see WriteFileAtomically).
class IniFile {
public:
    explicit IniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    // The same reading and editing over a text the caller holds instead of a file (the fuzz
    // target drives the parser and the writer this way); writes replace text.
    static IniFile OverText(std::string& text);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // An integer that does not parse reads as the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    // Section names in file order.
    std::vector<std::string> ReadSections() const;
    // Key names of a section in file order.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // Key/value pairs of a section in file order.
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(
        const std::string& section) const;
    bool SectionExists(const std::string& section) const;

    // Writers return false when the file could not be written.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool WriteBool(const std::string& section, const std::string& key, bool value);
    bool EraseSection(const std::string& section);
    bool DeleteKey(const std::string& section, const std::string& key);

private:
    std::string fileName_;
    std::string* text_ = nullptr;
};

}  // namespace platform
