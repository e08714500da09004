#pragma once

#include <cstdint>
#include <string>

class QWidget;

namespace platform {
class Dialogs;
}

// Texts and questions of the file operations.
constexpr const char* kProcessRestText = "Do you want to process the rest of files?";  // 707
constexpr const char* kErrorCaption = "Error";                                         // 504
constexpr const char* kNoSpaceText = "There is no enough space in disk";               // 525
constexpr const char* kInstallingCaption = "Installing...";                            // 534

// The text shown for a Windows error code of a file step.
std::string FileErrorText(int code);

// Shows FileErrorText(code) with the error icon and caption. For a file that is not the last,
// adds the question whether to go on and offers Yes and No; for the last, only OK. True only
// for Yes.
bool AskContinue(platform::Dialogs& dialogs, int code, const std::string& caption, bool last,
                 QWidget* owner = nullptr);

// value with thousands separators and no decimals ("200,000").
std::string FormatThousands(std::uint64_t value);
