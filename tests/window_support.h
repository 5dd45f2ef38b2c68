#pragma once

// Helpers shared by the window suites.

#include <QAccessible>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <algorithm>

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

// The controls of the window that a screen reader would read out with no
// Chinese in the name, or with no name at all.
inline QStringList ControlsWithoutChineseName(const QWidget& window)
{
    QStringList unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        const bool chinese = std::any_of(name.cbegin(), name.cend(), [](QChar c) {
            return c.script() == QChar::Script_Han;
        });
        if (!chinese)
            unnamed << control->objectName();
    }
    return unnamed;
}
