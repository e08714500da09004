#pragma once

#include <string>

class TFontList;

// Pieces of the type-ahead search on font names that do not depend on the widget.
namespace quicksearch {

// True for the typed characters that extend the search (space and '"' to '~'); every other
// character except backspace cancels it.
bool Accepts(char32_t code);

// Removes the last character of UTF-8 text: a whole multi-byte sequence, never half of one.
void RemoveLastCharacter(std::string& text);

// The row whose full name begins with text (ASCII case ignored), searching from the focused
// row (or the one after it when it is excluded) to the end and then from the top. Empty text
// or an empty list gives row 0; no match gives -1.
int Find(const TFontList& items, int itemIndex, const std::string& text, bool includeFocused);

}  // namespace quicksearch
