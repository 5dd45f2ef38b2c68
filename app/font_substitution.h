#pragma once

#include <QStringView>

namespace vondrel {

// The face the windows are designed in. It is a Windows font, so elsewhere
// it stands for whatever SubstituteSongTi puts in its place.
inline constexpr QStringView kSongTi = u"宋体";

// Makes 宋体 resolve to a Song (Ming) face for simplified Chinese: Noto Serif
// CJK SC, else AR PL UMing CN, else any font that writes simplified Chinese.
// Fonts are searched by writing system only when neither named face is there.
// The face found takes 宋体 as another name, so fonts asking for 宋体 find it
// directly. Call it once the application exists, before any window is built.
void SubstituteSongTi();

}  // namespace vondrel
