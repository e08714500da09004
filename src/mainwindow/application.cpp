#include "mainwindow/application.h"

#include <QIcon>
#include <exception>

#include "platform/dialogs.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(Title);
    setWindowIcon(QIcon(":/images/glyphwell.png"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        platform::CurrentDialogs().MessageBox(error.what(), Title, platform::MsgButtons::Ok,
                                              platform::MsgIcon::Error, activeWindow());
    } catch (...) {
        platform::CurrentDialogs().MessageBox("Unknown error.", Title, platform::MsgButtons::Ok,
                                              platform::MsgIcon::Error, activeWindow());
    }
    return false;
}
