#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "mainwindow/mainformfixture.h"

// Runs command, which may open a modal window; act gets that window once it shows, and
// whatever act leaves open is closed, so the command returns. The window's objectName is
// returned; empty when the command opened none.
inline QString RunModal(const std::function<void()>& command,
                        const std::function<void(QWidget&)>& act = {}) {
    QString opened;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) {
            return;
        }
        opened = window->objectName();
        if (act) {
            act(*window);
        }
        if (window->isVisible()) {
            window->close();
        }
    });
    timer.start(0);
    command();
    // A command that opened nothing lets the timer find nothing here.
    QApplication::processEvents();
    return opened;
}

// The main window with the ways a user reaches a command: its shortcut key, a menu item
// (its menu opened first, so its rules apply), a toolbar button.
class CommandTest : public MainFormTest {
protected:
    std::function<void()> Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return [=, this] { Key(key, modifiers); };
    }
    std::function<void()> Choose(const char* menu, const char* item) {
        return [=, this] {
            OpenMenu(menu);
            Action(item)->trigger();
        };
    }
    std::function<void()> Click(const char* button) {
        return [=, this] { Action(button)->trigger(); };
    }
};
