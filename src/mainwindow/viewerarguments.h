#pragma once

#include <string>
#include <vector>

// The viewer's command line: glyphwell [--home DIR] [--screenshot FILE.png] [PATH ...],
// where each PATH is a font file or a folder to show (what a file manager passes).
struct TViewerArguments {
    std::string home;
    std::string screenshot;
    std::vector<std::string> paths;
    bool valid = true;
};

// Words after "--" are paths whatever they look like; before it a word that begins with '-'
// and is no known option makes the command line invalid.
TViewerArguments ParseViewerArguments(const std::vector<std::string>& words);
