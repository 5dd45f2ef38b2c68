#pragma once

#include "host/runtime_error.h"

#include <string_view>

namespace vondrel::host {

class Form;

// The host's message box: the prompt, no icon and one button with the
// system's own text (确定 on Chinese Windows), captioned with the project
// title. Modal over the form; returns once dismissed.
void ShowMessage(const Form& owner, std::u16string_view prompt);

// Reports a run-time error that reached the host, by its number and
// description, in a modal box with the error icon.
void ReportRuntimeError(const Form& owner, const RuntimeError& error);

}  // namespace vondrel::host
