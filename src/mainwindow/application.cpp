#include "mainwindow/application.h"

#include <QIcon>
#include <exception>
#include <string>

#include "controls/glyphwellstyle.h"
#include "platform/dialogs.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(Title);
    InstallGlyphwellLook(*this);
    setWindowIcon(QIcon(":/images/glyphwell.png"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowError(std::current_exception(), activeWindow());
    }
    return false;
}

void TApplication::ShowError(const std::exception_ptr& error, QWidget* owner) {
    std::string text = "Unknown error.";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& known) {
        text = known.what();
    } catch (...) {
        // Not a standard exception: the general text stands.
    }
    platform::CurrentDialogs().MessageBox(text, Title, platform::MsgButtons::Ok,
                                          platform::MsgIcon::Error, owner);
}
