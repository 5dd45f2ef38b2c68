#pragma once

#include <string>
#include <string_view>

namespace vondrel::host {

// Chinese input methods in full-width mode type the full-width forms of ASCII
// (digits, letters, signs: "５０Ｈｚ"), and the ideographic full stop "。" or
// its halfwidth form "｡" for a point. These give the ASCII character that
// such a form stands for; anything else is itself.
char16_t ToHalfWidth(char16_t c);
std::u16string ToHalfWidth(std::u16string_view text);

}  // namespace vondrel::host
