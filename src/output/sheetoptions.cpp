#include "output/sheetoptions.h"

#include <charconv>

#include "catalogue/listcommand.h"
#include "output/exportpicture.h"
#include "output/sheettext.h"

namespace {

bool ParseSide(const std::string& word, int& side) {
    const char* last = word.data() + word.size();
    const auto [end, error] = std::from_chars(word.data(), last, side);
    return error == std::errc() && end == last && side > 0 && side <= TExportPicture::kMaxSide;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = text[text.size() - suffix.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != suffix[i]) {
            return false;
        }
    }
    return true;
}

class TSheetParser {
public:
    TSheetParser(TSheetOptions::Kind kind, const std::vector<std::string>& args)
        : kind_(kind), args_(args) {}

    std::optional<TSheetOptions> Parse() {
        std::size_t i = 0;
        if (kind_ == TSheetOptions::Kind::Export) {
            if (args_.empty() || !(EndsWith(args_[0], ".png") || EndsWith(args_[0], ".bmp"))) {
                return std::nullopt;
            }
            options_.output = args_[i++];
        }
        for (; i < args_.size(); ++i) {
            if (!Word(i)) {
                return std::nullopt;
            }
        }
        return Complete() ? std::optional<TSheetOptions>(options_) : std::nullopt;
    }

private:
    bool IsPrint() const { return kind_ == TSheetOptions::Kind::Print; }

    // Reads the word at i (and its value); false when it is not one the command takes.
    bool Word(std::size_t& i) {
        const std::string& word = args_[i];
        if (word == "--no-file-names" && IsPrint()) {
            options_.fileNames = false;
            return true;
        }
        if (word.size() > 1 && word[0] == '-') {
            if (i + 1 >= args_.size()) {
                return false;
            }
            return Option(word, args_[++i]);
        }
        options_.folders.push_back(word);
        return true;
    }

    bool Option(const std::string& option, const std::string& value) {
        if (option == "--pdf" && IsPrint()) {
            options_.output = value;
            return !value.empty();
        }
        if (option == "--title" && IsPrint()) {
            options_.title = value;
            return true;
        }
        if (option == "--text") {
            options_.text = value;
            return true;
        }
        if (option == "--size") {
            const std::optional<int> size = ParseFontSize(value);
            options_.fontSize = size.value_or(0);
            return size.has_value();
        }
        if ((option == "--width" || option == "--height") && !IsPrint()) {
            return ParseSide(value, option == "--width" ? options_.width : options_.height);
        }
        return ListOption(option, value);
    }

    bool ListOption(const std::string& option, const std::string& value) {
        if (option == "--mode") {
            options_.mode = ParseListMode(value);
            return options_.mode.has_value();
        }
        if (option == "--sort") {
            options_.sort = value == "name" ? stName : stPath;
            return value == "name" || value == "path";
        }
        if (option == "--home") {
            options_.home = value;
            return !value.empty();
        }
        return false;
    }

    bool Complete() {
        if (options_.output.empty()) {
            return false;
        }
        if (!options_.folders.empty()) {
            if (options_.mode.value_or(flmFolders) != flmFolders) {
                return false;
            }
            options_.mode = flmFolders;
        }
        return true;
    }

    TSheetOptions::Kind kind_;
    const std::vector<std::string>& args_;
    TSheetOptions options_;
};

}  // namespace

std::optional<TSheetOptions> TSheetOptions::Parse(Kind kind, const std::vector<std::string>& args) {
    return TSheetParser(kind, args).Parse();
}

void TSheetOptions::LoadFonts(TFontList& list, const std::string& programFolder) const {
    list.SetSortType(sort);
    LoadForCommand(list, mode, folders, programFolder);
}
