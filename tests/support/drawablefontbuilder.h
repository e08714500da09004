#pragma once

#include <string>
#include <string_view>

// Writes a small TrueType (or OpenType) font that font engines load and draw, unlike the name-only
// fonts of TrueTypeBuilder: every character it is given draws as a filled square, every other one
// as the face's own missing-glyph box (a hollow rectangle, or nothing when the face has none). The
// em is 1000 units; the line's ascent and descent may be chosen to make a tall face.
namespace testsupport {

class DrawableFontBuilder {
public:
    // Names 0 to 7 as TrueTypeBuilder::AllNames writes them; the full name is
    // "<family> <style>".
    DrawableFontBuilder(std::string_view family, std::string_view style);

    // Characters of the Basic Multilingual Plane, as UTF-8, that draw as squares.
    DrawableFontBuilder& Characters(std::string_view utf8);
    // The line above and below the baseline, in font units (default 800 and 200).
    DrawableFontBuilder& LineMetrics(int ascent, int descent);
    // The missing glyph draws nothing.
    DrawableFontBuilder& EmptyMissingGlyph();
    // An OpenType font with PostScript (CFF) outlines, version tag "OTTO", instead of
    // TrueType outlines.
    DrawableFontBuilder& PostScriptOutlines();

    std::string Build() const;
    bool Write(const std::string& path) const;

private:
    std::string BuildCmap() const;
    std::string BuildGlyphs(std::string& loca) const;
    std::string BuildHead() const;
    std::string BuildHhea() const;
    std::string BuildOs2() const;

    std::string family_;
    std::string style_;
    std::u16string characters_;
    int ascent_ = 800;
    int descent_ = 200;
    bool missingBox_ = true;
    bool postScript_ = false;
};

}  // namespace testsupport
