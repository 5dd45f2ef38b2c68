#pragma once

#include <QStringView>

namespace vondrel {

// The project title: the caption of every message box that names none.
inline constexpr QStringView kProjectTitle = u"Vondrel";

// Applies the project's settings to the running application, once, before
// the first window is built: its name and version, the Chinese (PRC)
// locale, the classic Windows look, the icon of every window, the
// stand-ins for the design font, and what screen readers see.
void ApplyProjectSettings();

}  // namespace vondrel
