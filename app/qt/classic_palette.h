#pragma once

#include <QPalette>

namespace vondrel::host {

// The light colours of classic dialogs, which the design's own colours are
// chosen against: black text on grey faces and white boxes. Every role the
// controls draw with is set, so that a dark desktop theme changes none.
QPalette ClassicPalette();

}  // namespace vondrel::host
