#pragma once

#include <string_view>

namespace vondrel::host {

// Drops the blanks around a text: spaces, tabs, and the ideographic space
// (U+3000) that Chinese input methods type in full-width mode. The result is a
// view into the same text.
std::u16string_view TrimBlanks(std::u16string_view text);

}  // namespace vondrel::host
