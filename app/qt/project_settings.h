#pragma once

#include <QStringView>

namespace vondrel {

// The project title: the caption of every message box that names none.
inline constexpr QStringView kProjectTitle = u"Vondrel";

}  // namespace vondrel
