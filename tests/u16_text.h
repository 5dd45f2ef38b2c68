#pragma once

// Bridges between the core's UTF-16 strings and Qt Test, whose tables and
// failure messages speak QString.

#include <QString>
#include <QStringView>

#include <string_view>

inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// QCOMPARE is fuzzy on doubles; comparing 17 significant digits is exact and
// tells -0 from 0.
inline QString Exact(double value)
{
    return QString::number(value, 'g', 17);
}
