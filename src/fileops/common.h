#pragma once

#include <string>

class QWidget;

// Runs the text prompt centred on window with caption, prompt and text (all of it
// selected). Returns the dialog's result; on OK (1) text receives what was typed, on
// Cancel (2) it is left as it was.
int InputString(QWidget* window, const std::string& caption, const std::string& prompt,
                std::string& text);
