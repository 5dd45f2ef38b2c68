#pragma once

// Helpers shared by the window suites.

#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QWidget>

// The control of that name in the window; a missing control ends the run.
template <typename T>
T* FindControl(const QWidget& window, const QString& name)
{
    T* control = window.findChild<T*>(name);
    if (!control)
        qFatal("%s has no %s", qPrintable(window.objectName()), qPrintable(name));
    return control;
}

// Centred on the primary screen's available area, to the half pixel that an
// odd size leaves.
inline bool IsCentredOnScreen(const QWidget& window)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    return (window.geometry().center() - available.center()).manhattanLength() <= 1;
}
