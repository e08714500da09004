#pragma once

#include <string>
#include <vector>

#include "catalogue/fontfiletypes.h"

// What the file manager hands the viewer, on its command line or in a drop: font files and
// folders, sorted into what the folder mode shows and what an install takes.
struct TOpenRequest {
    // The folders to show in the order given, each once: every folder given and the folder
    // of every font file given.
    std::vector<std::string> folders;
    // The font files given (.ttf, .ttc; with OpenType on .otf and .otc too), each once, in the
    // order given; the first is the one to focus.
    std::vector<std::string> fontFiles;
};

// Paths are taken from the current folder when relative; paths that name nothing and files
// that are no fonts are left out. Every path in the request is absolute, without "." or ".."
// parts or a trailing '/'. types says which files are fonts, as for the installed list.
TOpenRequest MakeOpenRequest(const std::vector<std::string>& paths,
                             const TFontFileTypes& types = TFontFileTypes());
