#include "catalogue/fontinfo.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "catalogue/fontbytes.h"
#include "catalogue/nametable.h"
#include "fileops/paths.h"
#include "platform/dialogs.h"

namespace {

void ShowReaderMessage(const std::string& text) {
    platform::CurrentDialogs().MessageBox(text, "", platform::MsgButtons::Ok,
                                          platform::MsgIcon::None);
}

}  // namespace

void TFontInfo::SetFileName(const std::string& path) {
    if (!autoRead_) {
        if (FileExists(path)) {
            StoreFileName(path);
        }
        return;
    }
    // Opening first answers "does it exist" for the usual case without a separate look-up.
    catalogue::FontBytes bytes(path);
    if (bytes.Open()) {
        StoreFileName(path);
        ReadNamesFrom(bytes, true, &fullName_);
    } else if (FileExists(path)) {
        StoreFileName(path);  // there, but not readable: nothing to read, as with ReadFontNames
    }
}

const std::string& TFontInfo::Copyright() const {
    EnsureLoaded();
    return copyright_;
}

const std::string& TFontInfo::FamilyName() const {
    EnsureLoaded();
    return familyName_;
}

const std::string& TFontInfo::StyleName() const {
    EnsureLoaded();
    return styleName_;
}

const std::string& TFontInfo::Version() const {
    EnsureLoaded();
    return version_;
}

const std::string& TFontInfo::Trademark() const {
    EnsureLoaded();
    return trademark_;
}

void TFontInfo::EnsureLoaded() const {
    if (loaded_ || fileName_.empty()) {
        return;
    }
    catalogue::FontBytes bytes(fileName_);
    if (bytes.Open()) {
        ReadNamesFrom(bytes, false, nullptr);
    }
}

void TFontInfo::Assign(const TFontInfo& source) {
    if (!source.coverage_) {
        source.coverage_ = std::make_shared<std::optional<TCharCoverage>>();
    }
    coverage_ = source.coverage_;
    loaded_ = source.loaded_;
    fileName_ = source.fileName_;
    fullName_ = source.fullName_;
    if (loaded_) {
        copyright_ = source.Copyright();
        familyName_ = source.FamilyName();
        styleName_ = source.StyleName();
        version_ = source.Version();
        trademark_ = source.Trademark();
    }
    autoRead_ = source.autoRead_;
    faceOffset_ = source.faceOffset_;
    langId_ = source.langId_;
    userLanguage_ = source.userLanguage_;
    fileSize_ = source.fileSize_;
    selected_ = source.selected_;
}

void TFontInfo::StoreFileName(const std::string& path) {
    if (path != fileName_) {
        coverage_.reset();
        fileName_ = path;
    }
}

const TCharCoverage* TFontInfo::Coverage() const {
    return coverage_ && coverage_->has_value() ? &coverage_->value() : nullptr;
}

void TFontInfo::SetCoverage(TCharCoverage coverage) const {
    if (!coverage_) {
        coverage_ = std::make_shared<std::optional<TCharCoverage>>();
    }
    *coverage_ = std::move(coverage);
}

std::unique_ptr<TFontInfo> TFontInfo::Copy() const {
    auto copy = std::make_unique<TFontInfo>(userLanguage_);
    copy->Assign(*this);
    return copy;
}

void TFontInfo::ReadFontNames(bool fullNameOnly) {
    catalogue::FontBytes bytes(fileName_);
    if (bytes.Open()) {
        ReadNamesFrom(bytes, fullNameOnly, &fullName_);
    }
}

void TFontInfo::ReadNamesFrom(catalogue::FontBytes& bytes, bool fullNameOnly,
                              std::string* fullName) const {
    fileSize_ = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(bytes.Size(), std::numeric_limits<std::uint32_t>::max()));
    const catalogue::NameRequest request{faceOffset_, userLanguage_, langId_, fullNameOnly};
    catalogue::NameTargets targets{&copyright_, &familyName_, &styleName_, nullptr,
                                   fullName,    &version_,    nullptr,     &trademark_};
    catalogue::NameReadResult result;
    try {
        result = catalogue::ReadNames(bytes, request, targets);
        if (result.error != catalogue::kNameOk) {
            ShowReaderMessage(fileName_ +
                              "\nInvalid TrueType Font! ErrorCode:" + std::to_string(result.error));
        }
    } catch (const std::exception&) {
        ShowReaderMessage(fileName_ + "\nUnknown Error!!");
    }
    if (result.lastLang != 0) {
        langId_ = result.lastLang;
    }
    if (!fullNameOnly) {
        loaded_ = true;
    }
}
