#pragma once

#include <functional>

namespace vondrel::host {

class Form;

// Runs a Click handler of the form's button. Never while a modal window
// keeps the form from input, whatever the source of the click: assistive
// technology presses buttons past the disabled window. Handlers arm no
// error handling of their own: a run-time error that one raises is caught
// here, reported over the form, and the program goes on taking input.
void DispatchClick(const Form& form, const std::function<void()>& handler);

}  // namespace vondrel::host
