#pragma once

#include "host/runtime_error.h"

class QString;
class QWidget;

namespace vondrel::host {

// The host's message box: the prompt, no icon and one button, "确定",
// captioned with the project title. Modal; returns once dismissed.
void ShowMessage(QWidget* owner, const QString& prompt);

// Reports a run-time error that reached the host, by its number and
// description, in a modal box with the critical icon.
void ReportRuntimeError(QWidget* owner, const RuntimeError& error);

}  // namespace vondrel::host
