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

// The same border for a window that another owns: a dialog, which window
// managers keep above its owner.
inline constexpr Qt::WindowFlags kOwnedFixedSingleBorder = (kFixedSingleBorder & ~Qt::WindowType_Mask) | Qt::Dialog;

// Sizes every label of the window to its caption or picture in the font
// actually used, keeping its left edge and its vertical centre: a face
// taller than the design's grows up and down alike, so that the texts of a
// row stay in line with the boxes and pictures beside them.
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
// technology asks for (6.4.2 and 6.8.2 alike); the program checks those
// against it.
bool IsBlockedByModalWindow(const QWidget& widget);

// Keeps every window of the program at its fixed size from then on: one
// that is maximized or made full screen goes back to its normal state. For
// Wayland, where the decoration that Qt draws itself (its bradient plugin,
// in Qt 6.4.2 and still in 6.8.2) offers maximize on every window, whatever
// its flags and fixed size; X11 window managers honour both. Call it once,
// at start-up.
void KeepWindowsAtTheirSize();

// Keeps a modal window within the user's reach from then on: one that was
// minimized, which leaves the program's other windows taking no input with
// nothing on screen to say why, comes back, active, as soon as one of the
// windows it blocks is activated, as by a click. Wayland lets no window ask
// for a frame without minimize (KWin and Qt's own decoration draw it on
// every window, in Qt 6.4.2 and 6.8.2 alike), nor tells a program that its
// window was minimized, so any such activation brings the modal window
// forward. On X11, where window managers draw no minimize button for a
// window that asks for none, nothing minimizes the modal window and the
// activation stays with it: this does nothing there but bring back what a
// window manager that ignores the request minimized. Call it once, at
// start-up.
void KeepModalWindowsInReach();

// Ends the program at once with exit status 0, whatever windows are open:
// every running event loop returns, and with it the program's main loop.
void EndProgram();

}  // namespace vondrel::host
