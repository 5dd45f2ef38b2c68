#pragma once

// Helpers shared by the suites: bridges from the core's UTF-16 strings and
// doubles to what Qt Test compares and prints, and the run-time error caught.

#include "app/qt/text_bridge.h"
#include "host/runtime_error.h"

#include <QString>

using vondrel::ToQString;

// QCOMPARE is fuzzy on doubles; comparing 17 significant digits is exact and
// tells -0 from 0.
inline QString Exact(double value)
{
    return QString::number(value, 'g', 17);
}

// The number of the run-time error that `action` raises, 0 if it raises none.
template <typename Action>
int RaisedErrorNumber(Action&& action)
{
    try {
        action();
        return 0;
    } catch (const vondrel::host::RuntimeError& error) {
        return static_cast<int>(error.number());
    }
}
