#pragma once

// Qt's strings and the core's are both UTF-16, so crossing between them
// copies code units unchanged: no re-encoding, nothing lost.

#include <QString>

#include <cstddef>
#include <string_view>

namespace vondrel {

// A view of the text's code units, valid while `text` lives unchanged.
inline std::u16string_view ViewOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vondrel
