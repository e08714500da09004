#include "catalogue/listcommand.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <ostream>

#include "catalogue/fontlist.h"
#include "catalogue/viewersettings.h"
#include "platform/dialogs.h"
#include "platform/language.h"
#include "platform/programfolder.h"
#include "platform/streamdialogs.h"

namespace {

constexpr int kExitLoaded = 0;
constexpr int kExitBadArguments = 2;

const char* const kUsage =
    "usage: glyphwell list [--mode screen|installed|folders] [--sort name|path] [--all-names]\n"
    "                      [--lang 0xNNNN] [--home DIR] [FOLDER ...]\n";

struct ListOptions {
    std::optional<TFontListMode> mode;
    TSortType sort = stName;
    bool allNames = false;
    std::uint16_t lang = 0;
    std::string home;
    std::vector<std::string> folders;
};

std::optional<std::uint16_t> ParseLang(const std::string& word) {
    if (word.size() < 3 || word.size() > 6 || word[0] != '0' ||
        (word[1] != 'x' && word[1] != 'X')) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (std::size_t i = 2; i < word.size(); ++i) {
        const char c = word[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    if (value == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

// Reads one option with its value; false on a missing or bad value.
bool ParseOption(const std::string& option, const std::string* value, ListOptions& options) {
    if (value == nullptr) {
        return false;
    }
    if (option == "--mode") {
        options.mode = ParseListMode(*value);
        return options.mode.has_value();
    }
    if (option == "--sort") {
        options.sort = *value == "name" ? stName : stPath;
        return *value == "name" || *value == "path";
    }
    if (option == "--lang") {
        const auto lang = ParseLang(*value);
        options.lang = lang.value_or(0);
        return lang.has_value();
    }
    options.home = *value;
    return !value->empty();
}

std::optional<ListOptions> ParseArgs(const std::vector<std::string>& args) {
    ListOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--all-names") {
            options.allNames = true;
        } else if (word == "--mode" || word == "--sort" || word == "--lang" || word == "--home") {
            const std::string* value = i + 1 < args.size() ? &args[++i] : nullptr;
            if (!ParseOption(word, value, options)) {
                return std::nullopt;
            }
        } else if (word.size() > 1 && word[0] == '-') {
            return std::nullopt;
        } else {
            options.folders.push_back(word);
        }
    }
    if (!options.folders.empty()) {
        if (options.mode.value_or(flmFolders) != flmFolders) {
            return std::nullopt;
        }
        options.mode = flmFolders;
    }
    return options;
}

// Reader messages of a command-line run go to the error stream while the run lasts.
class InstalledDialogs {
public:
    explicit InstalledDialogs(platform::Dialogs& dialogs)
        : previous_(platform::SetDialogs(&dialogs)) {}
    ~InstalledDialogs() { platform::SetDialogs(previous_); }
    InstalledDialogs(const InstalledDialogs&) = delete;
    InstalledDialogs& operator=(const InstalledDialogs&) = delete;

private:
    platform::Dialogs* previous_;
};

std::string Escaped(const std::string& field) {
    std::string out;
    out.reserve(field.size());
    for (const char c : field) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

void WriteRecord(std::ostream& out, const TFontInfo& record, bool allNames) {
    char lang[8];
    std::snprintf(lang, sizeof lang, "0x%04X", static_cast<unsigned>(record.LangID()));
    out << Escaped(record.FullName()) << '\t' << Escaped(record.FileName()) << '\t'
        << record.FaceOffset() << '\t' << record.FileSize() << '\t' << lang;
    if (allNames) {
        for (const std::string* name :
             {&record.FamilyName(), &record.StyleName(), &record.Version(), &record.Copyright(),
              &record.Trademark()}) {
            out << '\t' << Escaped(*name);
        }
    }
    out << '\n';
}

}  // namespace

int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const platform::Services& services) {
    const std::optional<ListOptions> options = ParseArgs(args);
    if (!options) {
        err << kUsage;
        return kExitBadArguments;
    }
    platform::StreamDialogs dialogs(err);
    const InstalledDialogs installed(dialogs);
    platform::Services listServices = services;
    // The program folder handed in is the executable's; like the viewer, keep it only while
    // it can be written to (an installed program reads its settings from the config folder).
    listServices.programFolder =
        platform::ChooseProgramFolder(options->home, services.programFolder);
    if (options->lang != 0) {
        listServices.userLanguage = options->lang;
    }
    // A listing changes nothing other programs could see: no "fonts changed" broadcast.
    listServices.fontChange = nullptr;
    TFontList list(true, &listServices);
    list.SetSortType(options->sort);
    try {
        LoadForCommand(list, options->mode, options->folders, listServices.programFolder);
    } catch (const std::exception& e) {
        err << e.what() << '\n';
    }
    for (const auto& [path, code] : list.Errors()) {
        err << path << " (ERROR:" << code << ")\n";
    }
    for (int i = 0; i < list.GetCount(); ++i) {
        WriteRecord(out, list.GetItems(i), options->allNames);
    }
    return kExitLoaded;
}

bool ListCommandNeedsFontTable(const std::vector<std::string>& args) {
    const std::optional<ListOptions> options = ParseArgs(args);
    return options && options->mode.value_or(flmInstalled) != flmInstalled;
}

std::optional<TFontListMode> ParseListMode(const std::string& word) {
    if (word == "screen") {
        return flmScreen;
    }
    if (word == "installed") {
        return flmInstalled;
    }
    if (word == "folders") {
        return flmFolders;
    }
    return std::nullopt;
}

void LoadForCommand(TFontList& list, std::optional<TFontListMode> mode,
                    const std::vector<std::string>& folders, const std::string& programFolder) {
    const TFontListMode chosen = mode.value_or(flmInstalled);
    const TViewerSettings settings = ReadViewerSettings(programFolder + kSettingsFileName);
    list.SetFileTypes(TFontFileTypes(settings.openType));
    if (chosen == flmFolders && !folders.empty()) {
        list.LoadFonts(flmFolders);
        for (const std::string& folder : folders) {
            list.AddFolder(folder);
        }
        return;
    }
    if (chosen == flmFolders) {
        for (int slot = 0; slot < kFolderSlots; ++slot) {
            list.SetFolders(slot, settings.folders[static_cast<std::size_t>(slot)]);
        }
    }
    list.LoadFonts(chosen);
}
