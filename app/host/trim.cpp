#include "host/trim.h"

namespace vondrel::host {

std::u16string_view TrimBlanks(std::u16string_view text)
{
    constexpr std::u16string_view blanks = u" \t\u3000";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace vondrel::host
