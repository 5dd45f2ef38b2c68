#pragma once

#include <Qt>

class QWidget;

namespace vondrel::host {

// The fixed single border of the design, for a window's constructor: a title
// bar with a close box but no minimize or maximize button. The window's
// design fixes its size.
inline constexpr Qt::WindowFlags kFixedSingleBorder = Qt::Window | Qt::CustomizeWindowHint |
                                                      Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                      Qt::WindowCloseButtonHint;

// Sizes every label of the window to its caption or picture in the font
// actually used, keeping its top-left corner.
void SizeLabelsToContent(QWidget& window);

// Shows the window with its client area centred on the primary screen's
// available area.
void ShowCentred(QWidget& window);

// Shows the window centred and modal: no other window of the program takes
// input until it is closed. Returns once it has been closed, with the window
// that was active before active again.
void ShowModal(QWidget& window);

// Whether a modal window keeps the widget's window from input: one is open,
// and it is neither that window nor one that owns it. Qt blocks the mouse
// and the keyboard by this rule, but not the clicks and edits that assistive
// technology asks for; the program checks those against it.
bool IsBlockedByModalWindow(const QWidget& widget);

// Ends the program at once with exit status 0, whatever windows are open:
// every running event loop returns, and with it the program's main loop.
void EndProgram();

}  // namespace vondrel::host
