#pragma once

#include <QApplication>
#include <exception>

// The viewer's application object. An exception that reaches the event loop is shown in
// the program's error box and the program goes on: one failed command must not end a
// session with thousands of fonts open.
class TApplication : public QApplication {
    Q_OBJECT

public:
    // The program's title: window captions, error boxes, the about window.
    static constexpr const char* Title = "Glyphwell Viewer 1.5 Beta";

    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The program's error box for an exception (std::exception or any other).
    static void ShowError(const std::exception_ptr& error, QWidget* owner);
};
