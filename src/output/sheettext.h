#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <string>

// The lines of a sample text: CR, LF or CR LF end a line, and a final line break adds no
// line, so an empty text has none. The item height and the sample slots both count these.
QStringList SampleLines(const QString& text);

// text cut to at most limit bytes, never inside a UTF-8 sequence.
std::string CutUtf8(const std::string& text, std::size_t limit);

// The sample size typed into a size box when it is a whole number of points the list view
// can show (5 to 100).
std::optional<int> ParseFontSize(const std::string& text);
// The size a sheet is printed at: the typed size, else 14.
int SheetFontSize(const std::string& text);

// Millimetres as dots of a device with dotsPerInch, truncated toward zero.
int MmToDots(int millimetres, int dotsPerInch);
