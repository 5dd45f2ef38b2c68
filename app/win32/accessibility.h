#pragma once

#include "app/win32/design.h"

#include <windows.h>

namespace vondrel::host {

class Form;

// Tells screen readers what the design says of the form and its controls
// beyond their texts: accessible names and descriptions, a dialog role for
// an owned window, and the read-only result box as a live region.
void DescribeForScreenReaders(const Form& form, const WindowDesign& design);

// Has a screen reader speak the new text of a live region, away from the focus.
void Announce(HWND liveRegion);

}  // namespace vondrel::host
