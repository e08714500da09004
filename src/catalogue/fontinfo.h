#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "catalogue/charcoverage.h"
#include "platform/language.h"

namespace catalogue {
class FontBytes;
}

// One font as the program sees it: a TrueType face stored in a file (a .ttf file or one face
// of a .ttc collection) or a screen font known only by its face name. Names come from the
// file's `name` table, read lazily: assigning a file name reads only the full name; the other
// names are read on first demand. All strings are UTF-8. Names are taken in the language of
// the user the record was made for where the file has them.
class TFontInfo {
public:
    explicit TFontInfo(std::uint16_t userLanguage = platform::kLangEnglishUs)
        : userLanguage_(userLanguage) {}
    virtual ~TFontInfo() = default;
    TFontInfo(const TFontInfo&) = delete;
    TFontInfo& operator=(const TFontInfo&) = delete;

    bool Loaded() const { return loaded_; }
    const std::string& FileName() const { return fileName_; }
    // Stores path when such a file exists and, with AutoRead, reads the full name.
    // A path that does not exist changes nothing.
    void SetFileName(const std::string& path);
    const std::string& FullName() const { return fullName_; }
    void SetFullName(const std::string& name) { fullName_ = name; }

    // Lazy names: read the whole name set from the file the first time one is asked for
    // (reading fills a cache; the record does not change in meaning).
    const std::string& Copyright() const;
    const std::string& FamilyName() const;
    const std::string& StyleName() const;
    const std::string& Version() const;
    const std::string& Trademark() const;

    bool AutoRead() const { return autoRead_; }
    void SetAutoRead(bool value) { autoRead_ = value; }
    std::uint32_t FaceOffset() const { return faceOffset_; }
    void SetFaceOffset(std::uint32_t offset) { faceOffset_ = offset; }
    std::uint16_t LangID() const { return langId_; }
    std::uint16_t UserLanguage() const { return userLanguage_; }
    std::uint32_t FileSize() const { return fileSize_; }
    bool Selected() const { return selected_; }
    void SetSelected(bool value) { selected_ = value; }

    // The characters the face maps once someone read them (null before): kept with the record
    // and shared with every copy of it, so a face's character map is read once however often
    // its record is copied. A new file name forgets them.
    const TCharCoverage* Coverage() const;
    void SetCoverage(TCharCoverage coverage) const;

    // Copies source into this record without opening any file.
    void Assign(const TFontInfo& source);
    // A new record holding what this one holds (see Assign).
    std::unique_ptr<TFontInfo> Copy() const;
    // Reads the names from the file: only the full name (name ID 4), or all the others.
    void ReadFontNames(bool fullNameOnly);

private:
    void StoreFileName(const std::string& path);
    void EnsureLoaded() const;
    // One pass of the name reader; the full name goes to fullName (null: not asked for).
    void ReadNamesFrom(catalogue::FontBytes& bytes, bool fullNameOnly, std::string* fullName) const;

    // The names of the full pass, read on first demand, with what that pass learns.
    mutable bool loaded_ = false;
    mutable std::string copyright_;
    mutable std::string familyName_;
    mutable std::string styleName_;
    mutable std::string version_;
    mutable std::string trademark_;
    mutable std::uint16_t langId_ = 0;
    mutable std::uint32_t fileSize_ = 0;

    // Made when first filled or first copied, then shared by the copies.
    mutable std::shared_ptr<std::optional<TCharCoverage>> coverage_;

    std::string fileName_;
    std::string fullName_;
    bool autoRead_ = true;
    std::uint32_t faceOffset_ = 0;
    std::uint16_t userLanguage_;
    bool selected_ = false;
};
