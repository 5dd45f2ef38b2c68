#pragma once

namespace vondrel::host {

class Form;

// Shows the form with its client area centred on the primary monitor's work
// area, active.
void ShowCentred(Form& form);

// Shows the form centred and modal over its owner, which takes no input
// until the form is unloaded; returns then, with the owner active again.
// A form that could not be made returns at once.
void ShowModal(Form& form);

// Ends the program at once with exit status 0, whatever windows are open:
// every running event loop returns, and with it the program's main loop.
void EndProgram();

}  // namespace vondrel::host
