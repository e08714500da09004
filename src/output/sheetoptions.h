#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"

// The words of `glyphwell print` and `glyphwell export` after the command's name:
//   print --pdf FILE [--title TEXT] [--size N] [--text TEXT] [--no-file-names] [LIST ...]
//   export FILE.png|FILE.bmp [--width W] [--height H] [--size N] [--text TEXT] [LIST ...]
// LIST being the font list's words as `glyphwell list` takes them:
//   [--home DIR] [--mode screen|installed|folders] [--sort name|path] [FOLDER ...]
struct TSheetOptions {
    enum class Kind { Print, Export };

    std::string output;  // the PDF or picture file
    std::string title;
    std::string text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890";
    int fontSize = 16;
    bool fileNames = true;
    int width = 0;  // 0: the picture's natural width
    int height = 0;
    std::string home;
    std::optional<TFontListMode> mode;
    TSortType sort = stName;
    std::vector<std::string> folders;

    // Nothing when the words are not a valid command line.
    static std::optional<TSheetOptions> Parse(Kind kind, const std::vector<std::string>& args);

    // Loads the fonts into list (in list's sort order) as `glyphwell list` would with the same
    // words; programFolder holds the stored folder slots for folder mode without folders.
    void LoadFonts(TFontList& list, const std::string& programFolder) const;
};
