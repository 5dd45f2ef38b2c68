#pragma once

#include <QStringView>

namespace vondrel {

// The project title: the caption of every message box that names none.
inline constexpr QStringView kProjectTitle = u"Vondrel";

// Chooses the window system before the application exists: an X display
// wherever there is one, Xwayland on a Wayland desktop too, since there the
// windows are centred on the screen and framed by the desktop as designed.
// A choice made in QT_QPA_PLATFORM stands.
void ChooseWindowSystem();

// Applies the project's settings to the running application, once, before
// the first window is built: its name and version, the Chinese (PRC)
// locale and Qt's own texts in Chinese, the classic Windows look and
// colours, the icon of every window, the design's font, and what screen
// readers see.
void ApplyProjectSettings();

}  // namespace vondrel
