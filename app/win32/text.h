#pragma once

// Windows' wide strings and the core's are both UTF-16 on Windows, so
// crossing between them copies code units unchanged: no re-encoding.

#include <string>
#include <string_view>

namespace vondrel {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::u16string_view ViewOf(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

inline std::wstring_view ViewOf(std::u16string_view text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

}  // namespace vondrel
