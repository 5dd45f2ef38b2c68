#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vondrel::host {

// The whole text of a text box.
std::u16string TextOf(HWND box);

// Replaces the whole text, shown from its start with the caret there, as a
// text box shows a text set by the program.
void ReplaceText(HWND box, std::u16string_view text);

}  // namespace vondrel::host
