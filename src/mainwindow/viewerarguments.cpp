#include "mainwindow/viewerarguments.h"

TViewerArguments ParseViewerArguments(const std::vector<std::string>& words) {
    TViewerArguments arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.empty() || word.front() != '-') {
            arguments.paths.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if ((word == "--home" || word == "--screenshot") && i + 1 < words.size()) {
            (word == "--home" ? arguments.home : arguments.screenshot) = words[++i];
        } else {
            arguments.valid = false;
        }
    }
    return arguments;
}
