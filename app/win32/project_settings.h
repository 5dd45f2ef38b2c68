#pragma once

#include <string_view>

namespace vondrel {

// The project title: the caption of every message box that names none.
inline constexpr std::wstring_view kProjectTitle = L"Vondrel";

// The program's icon group in its resources, shared by every window.
inline constexpr int kIconResource = 1;

}  // namespace vondrel
