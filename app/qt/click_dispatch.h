#pragma once

#include <functional>

class QAbstractButton;

namespace vondrel::host {

// Runs `handler` on every click of `button`: by the mouse, by Space, and,
// as on Windows, by Return or Enter while the button has the focus, and by
// assistive technology; never while a modal window blocks the button's
// window, whatever the source of the click.
// Handlers arm no error handling of their own: a run-time error that one
// raises is caught here, reported over the button's window, and the program
// goes on taking input.
void ConnectClick(QAbstractButton& button, std::function<void()> handler);

}  // namespace vondrel::host
