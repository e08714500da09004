#include "platform/linux/qtfonttable.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <QFontDatabase>
#include <QSet>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "platform/errorcodes.h"
#include "platform/linux/fontconfigstate.h"

namespace platform {
namespace {

// Qt tells families apart that several foundries ship ("Nimbus Sans [urw]", "Nimbus Sans
// [UKWN]"); the window system's list names each family once, without the foundry.
QString FamilyWithoutFoundry(const QString& name) {
    const qsizetype bracket = name.lastIndexOf(QLatin1String(" ["));
    if (bracket > 0 && name.endsWith(QLatin1Char(']'))) {
        return name.left(bracket);
    }
    return name;
}

std::string Fold(const std::string& name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
        .toCaseFolded()
        .toStdString();
}

std::string PatternString(FcPattern* pattern, const char* object, int index = 0) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch || value == nullptr) {
        return {};
    }
    return reinterpret_cast<const char*>(value);
}

std::vector<std::string> FullNames(FcPattern* pattern) {
    std::vector<std::string> names;
    for (int i = 0;; ++i) {
        std::string name = PatternString(pattern, FC_FULLNAME, i);
        if (name.empty()) {
            break;
        }
        names.push_back(std::move(name));
    }
    return names;
}

// The family and style under which Qt registers a face are the first FC_FAMILY and
// FC_STYLE values fontconfig gives it.
ResolvedFace FaceOf(FcPattern* pattern) {
    return ResolvedFace{PatternString(pattern, FC_FAMILY), PatternString(pattern, FC_STYLE), true};
}

struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;

int CheckReadable(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        return WinErrorFromErrno(ec ? ec.value() : ENOENT);
    }
    if (std::filesystem::is_directory(status)) {
        return WinErrorFromErrno(EACCES);
    }
    if (access(path.c_str(), R_OK) != 0) {
        return WinErrorFromErrno(errno);
    }
    return 0;
}

// The fontconfig generation Qt's font database was last read from, process-wide as that
// database is; set when the first table is made, which is before any font command runs.
std::optional<unsigned> qtFontsGeneration;

// Qt reads the system's fonts once and again only after an application font goes away, so a
// font installed or uninstalled since then would still be missing from, or stay in, its
// list: register a file a second time and drop that registration. The table's own file is
// the first choice; then the system's, as some (bitmap fonts) Qt does not take.
void MakeQtReadFontsAgain(const std::string& ownFile) {
    constexpr int kMostSystemTries = 16;
    const auto registerAndDrop = [](const std::string& file) {
        const int id = QFontDatabase::addApplicationFont(QString::fromStdString(file));
        if (id >= 0) {
            QFontDatabase::removeApplicationFont(id);
        }
        return id >= 0;
    };
    if (!ownFile.empty() && registerAndDrop(ownFile)) {
        return;
    }
    const FcFontSet* system = FcConfigGetFonts(nullptr, FcSetSystem);
    const int tries = system != nullptr ? std::min(system->nfont, kMostSystemTries) : 0;
    for (int i = 0; i < tries; ++i) {
        if (registerAndDrop(PatternString(system->fonts[i], FC_FILE))) {
            return;
        }
    }
}

}  // namespace

QtFontTable::QtFontTable() {
    if (!qtFontsGeneration) {
        FontconfigState::EnsureCurrent();
        qtFontsGeneration = FontconfigState::Generation();
    }
}

QtFontTable::~QtFontTable() {
    for (const auto& [path, file] : addedFiles_) {
        QFontDatabase::removeApplicationFont(file.id);
    }
}

int QtFontTable::AddFontFile(const std::string& path) {
    if (auto found = addedFiles_.find(path); found != addedFiles_.end()) {
        ++found->second.references;
        return 0;
    }
    if (const int error = CheckReadable(path)) {
        return error;
    }
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(path));
    if (id < 0) {
        return platform::kErrorInvalidData;
    }
    AddedFile& file = addedFiles_[path];
    file.id = id;
    file.references = 1;
    IndexFileFaces(path, file);
    familiesBuilt_ = false;
    return 0;
}

bool QtFontTable::RemoveFontFile(const std::string& path) {
    auto found = addedFiles_.find(path);
    if (found == addedFiles_.end()) {
        return false;
    }
    if (--found->second.references > 0) {
        return true;
    }
    QFontDatabase::removeApplicationFont(found->second.id);
    ForgetFileFaces(path, found->second);
    addedFiles_.erase(found);
    familiesBuilt_ = false;
    return true;
}

std::vector<std::string> QtFontTable::Families() {
    EnsureQtFontsCurrent();
    std::vector<std::string> families;
    QSet<QString> seen;
    for (const QString& name : QFontDatabase::families()) {
        const QString family = FamilyWithoutFoundry(name);
        if (!seen.contains(family.toCaseFolded())) {
            seen.insert(family.toCaseFolded());
            families.push_back(family.toStdString());
        }
    }
    return families;
}

ResolvedFace QtFontTable::Resolve(const std::string& faceName) {
    const std::string key = Fold(faceName);
    if (auto found = addedFaces_.find(key); found != addedFaces_.end() && !found->second.empty()) {
        return found->second.back().face;
    }
    EnsureSystemIndex();
    if (auto found = systemFaces_.find(key); found != systemFaces_.end()) {
        return found->second;
    }
    EnsureFamilyIndex();
    if (auto found = families_.find(key); found != families_.end()) {
        return ResolvedFace{found->second, {}, true};
    }
    return ResolvedFace{faceName, {}, false};
}

void QtFontTable::IndexFileFaces(const std::string& path, AddedFile& file) {
    FontSetPtr set(FcFontSetCreate());
    int count = 0;
    FcFreeTypeQueryAll(reinterpret_cast<const FcChar8*>(path.c_str()), static_cast<unsigned>(-1),
                       nullptr, &count, set.get());
    for (int i = 0; i < set->nfont; ++i) {
        const ResolvedFace face = FaceOf(set->fonts[i]);
        if (face.family.empty()) {
            continue;
        }
        for (const std::string& name : FullNames(set->fonts[i])) {
            std::string key = Fold(name);
            addedFaces_[key].push_back(AddedFace{path, face});
            file.keys.push_back(std::move(key));
        }
    }
}

void QtFontTable::ForgetFileFaces(const std::string& path, const AddedFile& file) {
    for (const std::string& key : file.keys) {
        auto found = addedFaces_.find(key);
        if (found == addedFaces_.end()) {
            continue;
        }
        std::erase_if(found->second, [&](const AddedFace& f) { return f.path == path; });
        if (found->second.empty()) {
            addedFaces_.erase(found);
        }
    }
}

void QtFontTable::EnsureSystemIndex() {
    if (systemBuilt_ && systemGeneration_ == FontconfigState::Generation()) {
        return;
    }
    FontconfigState::EnsureCurrent();
    systemFaces_.clear();
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects =
        FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FULLNAME, FC_FILE, FC_INDEX, nullptr);
    FontSetPtr set(FcFontList(nullptr, pattern, objects));
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    for (int i = 0; set && i < set->nfont; ++i) {
        const ResolvedFace face = FaceOf(set->fonts[i]);
        if (face.family.empty()) {
            continue;
        }
        for (const std::string& name : FullNames(set->fonts[i])) {
            systemFaces_.emplace(Fold(name), face);
        }
    }
    systemGeneration_ = FontconfigState::Generation();
    systemBuilt_ = true;
}

void QtFontTable::EnsureQtFontsCurrent() {
    FontconfigState::EnsureCurrent();
    const unsigned generation = FontconfigState::Generation();
    if (qtFontsGeneration && *qtFontsGeneration != generation) {
        MakeQtReadFontsAgain(addedFiles_.empty() ? std::string{} : addedFiles_.begin()->first);
        familiesBuilt_ = false;
    }
    qtFontsGeneration = generation;
}

void QtFontTable::EnsureFamilyIndex() {
    if (familiesBuilt_) {
        return;
    }
    families_.clear();
    for (const QString& name : QFontDatabase::families()) {
        const QString family = FamilyWithoutFoundry(name);
        families_.emplace(family.toCaseFolded().toStdString(), family.toStdString());
    }
    familiesBuilt_ = true;
}

}  // namespace platform
