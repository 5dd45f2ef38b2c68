#pragma once

#include <functional>
#include <optional>

namespace vondrel::host {

// The program's message loop, with the keys that a Windows dialog gives
// its controls: Tab and the arrows move the focus, Return or Enter presses
// the focused button, and Ctrl+A selects a box's text.

// Dispatches window events while the condition holds. Once the program is
// ending, gives its exit status and posts the quit message again for the
// loops below.
std::optional<int> DispatchEventsWhile(const std::function<bool()>& condition);

// Dispatches the program's window events until it ends; returns its exit
// status.
int RunEventLoop();

}  // namespace vondrel::host
