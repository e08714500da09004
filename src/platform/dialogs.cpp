#include "platform/dialogs.h"

#include <iostream>

#include "platform/streamdialogs.h"

namespace platform {
namespace {

// Without a window system (command-line use, early start-up) messages go to standard error.
Dialogs& DefaultDialogs() {
    static StreamDialogs dialogs(std::cerr);
    return dialogs;
}

Dialogs*& Installed() {
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

}  // namespace

Dialogs& CurrentDialogs() {
    Dialogs* installed = Installed();
    return installed != nullptr ? *installed : DefaultDialogs();
}

Dialogs* SetDialogs(Dialogs* d) {
    Dialogs* previous = Installed();
    Installed() = d;
    return previous;
}

}  // namespace platform
