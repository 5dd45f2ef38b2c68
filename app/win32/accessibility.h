#pragma once

#include "app/win32/design.h"

#include <windows.h>

#include <string_view>

namespace vondrel::host {

class Form;

// Tells screen readers what the design says of the form and its controls
// beyond their texts: accessible names and descriptions, a dialog role for
// an owned window, and the read-only result box as a live region.
void DescribeForScreenReaders(const Form& form, const WindowDesign& design);

// Has a screen reader speak the announcement for a live region that has
// changed, away from the focus; the region is named after it from then on.
void Announce(HWND liveRegion, std::u16string_view announcement);

}  // namespace vondrel::host
