// Writes COUNT small OpenType fonts with PostScript (CFF) outlines into FOLDER, for the
// benchmarks that need OpenType files: "otto-NNNNN.otf", each its own family, mapping the
// printable ASCII and Latin-1 characters.
// Usage: write_opentype_fonts FOLDER COUNT
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/drawablefontbuilder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_opentype_fonts FOLDER COUNT\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int count = std::atoi(argv[2]);
    std::string characters;
    for (char32_t c = 0x21; c <= 0xFF; ++c) {
        if (c >= 0x7F && c < 0xA1) {
            continue;
        }
        if (c < 0x80) {
            characters.push_back(static_cast<char>(c));
        } else {
            characters.push_back(static_cast<char>(0xC0 | (c >> 6)));
            characters.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(100000 + i);
        const std::string path = folder + "/otto-" + number + ".otf";
        if (!testsupport::DrawableFontBuilder("Otto " + number, "Regular")
                 .Characters(characters)
                 .PostScriptOutlines()
                 .Write(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
