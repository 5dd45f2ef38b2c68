#include "host/half_width.h"

namespace vondrel::host {

char16_t ToHalfWidth(char16_t c)
{
    // U+FF01 to U+FF5E mirror "!" to "~" in order.
    if (c >= u'\uFF01' && c <= u'\uFF5E')
        return static_cast<char16_t>(u'!' + (c - u'\uFF01'));
    if (c == u'\u3002' || c == u'\uFF61')
        return u'.';
    return c;
}

std::u16string ToHalfWidth(std::u16string_view text)
{
    std::u16string halfWidth(text);
    for (char16_t& c : halfWidth)
        c = ToHalfWidth(c);
    return halfWidth;
}

}  // namespace vondrel::host
