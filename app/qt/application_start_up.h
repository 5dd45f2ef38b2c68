#pragma once

namespace vondrel {

// Chooses the window system before the application exists: an X display
// wherever there is one, Xwayland on a Wayland desktop too, since there the
// windows are centred on the screen and framed by the desktop as designed.
// A choice made in QT_QPA_PLATFORM stands.
void ChooseWindowSystem();

// Sets the running application up, once, before the first window is built:
// its name and version, the Chinese (PRC) locale and Qt's own texts in
// Chinese, the classic Windows look and colours, the icon of every window,
// windows kept at their size on Wayland and modal ones within reach, the design's
// font, and what screen readers see.
void SetUpApplication();

}  // namespace vondrel
