#pragma once

#include <QStringView>

namespace vondrel {

// The project title: the caption of every message box that names none.
inline constexpr QStringView kProjectTitle = u"Vondrel";

// Applies the project's settings to the running application, once, before
// the first window is built: its name and version, the Chinese (PRC)
// locale and Qt's own texts in Chinese, the classic Windows look and
// colours, the icon of every window, and the design's font.
void ApplyProjectSettings();

}  // namespace vondrel
