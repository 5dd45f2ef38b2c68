#pragma once

#include <windows.h>

#include <string_view>

namespace vondrel::host {

class Form;

// Tells screen readers what the design says of the form and its controls
// beyond their texts: accessible names and descriptions, a dialog role for
// an owned window, and the read-only result box as a live region. The
// labels and pictures that the form draws have no window to be read by:
// the controls that they name carry their texts, and a window without a
// description of its own is described as its pictures are.
void DescribeForScreenReaders(const Form& form);

// Has a screen reader speak the announcement for a live region that has
// changed, away from the focus; the region is named after it from then on.
void Announce(HWND liveRegion, std::u16string_view announcement);

}  // namespace vondrel::host
