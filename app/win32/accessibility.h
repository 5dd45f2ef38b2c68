#pragma once

#include <windows.h>

namespace vondrel::host {

class Form;

// Tells screen readers what the design says of the form and its controls
// beyond their texts: accessible names and descriptions, a dialog role for
// an owned window, and the read-only result box as a live region. The
// labels and pictures that the form draws have no window to be read by:
// the controls that they name carry their texts, and a window without a
// description of its own is described as its pictures are.
void DescribeForScreenReaders(const Form& form);

// Has a screen reader speak the new text of a live region, away from the focus.
void Announce(HWND liveRegion);

}  // namespace vondrel::host
