#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/services.h"

// `glyphwell print` and `glyphwell export`: the sample sheet and the export picture without
// a window, from the font list `glyphwell list` gives, on the same layout code as the print
// and export windows. args are the words after the command's name (see TSheetOptions);
// executableFolder is where the program folder is when --home does not say.
// Exit codes: 0 written, 2 bad arguments, 1 the file could not be written (the reason on err).

// Writes the sheet with printer (a PDF printer: the file named in args) with the stored
// "Print" margins and colours and prints its page count on out.
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const platform::Services& services, platform::Printer& printer,
                    const std::string& executableFolder);

// Writes the picture of every listed font as a PNG or BMP file.
int RunExportCommand(const std::vector<std::string>& args, std::ostream& err,
                     const platform::Services& services, const std::string& executableFolder);

// True for the words that name these commands.
bool IsSheetCommand(const std::string& word);
