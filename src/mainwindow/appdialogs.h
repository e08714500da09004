#pragma once

#include "platform/linux/qtdialogs.h"

// The dialogs the application installs: Qt's, with the program's own text prompt.
class AppDialogs : public platform::QtDialogs {
public:
    int InputString(const std::string& caption, const std::string& prompt, std::string& text,
                    QWidget* owner = nullptr) override;
};
