#pragma once

// Opening the principle window from the main window, for the suites that
// need it open.

#include "window_support.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <functional>

inline QWidgetList PrincipleWindows()
{
    QWidgetList found;
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == QStringLiteral("Form2"))
            found << widget;
    return found;
}

// Presses Principle on the main window and, once the principle window is
// the active modal window, runs `whileOpen` on it, which is to close it.
// False if it did not open, or was still open after 10 s; the window is
// closed then, so that a fault fails the test instead of hanging it.
inline bool WhilePrincipleOpen(QWidget& form1, const std::function<void(QWidget&)>& whileOpen)
{
    bool opened = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isActiveWindow())
            return;
        watch.stop();
        opened = modal->objectName() == QStringLiteral("Form2");
        whileOpen(*modal);
    });
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        for (QWidget* form2 : PrincipleWindows())
            form2->close();
    });
    watch.start();
    guard.start(10000);
    FindControl<QPushButton>(form1, QStringLiteral("Command2"))->click();
    return opened && !timedOut;
}
