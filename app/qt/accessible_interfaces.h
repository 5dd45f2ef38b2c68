#pragma once

namespace vondrel::host {

// Has screen readers see the program's windows and text boxes through the
// program's own accessible interfaces: its main windows as frames and its
// dialogs as dialogs, where Qt shows a plain widget's window as a filler,
// and its text boxes as AccessibleTextBox. Once, after the application
// object is made and before the first window.
void InstallAccessibleInterfaces();

}  // namespace vondrel::host
