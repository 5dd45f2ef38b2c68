#pragma once

#include <QStringView>

namespace vondrel {

// The face the windows are designed in, a Windows font.
inline constexpr QStringView kSongTi = u"宋体";

// Adds the program's own 宋体 to the application's fonts: a Song face, regular
// and bold, compiled in and holding the characters that the program writes,
// so every caption renders as designed whatever fonts the system has. Other
// characters, such as Chinese that the user types, come from the system's
// fonts. Call it once the application exists, before any window is built.
void AddSongTi();

}  // namespace vondrel
