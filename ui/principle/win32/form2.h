#pragma once

#include "app/win32/form.h"

namespace vondrel {

// The principle window: the rule behind the calculation, as a picture, and
// a button that closes the window. Its design is form2.ui; this class wires
// the button. The window that opens it owns it.
class Form2 {
public:
    explicit Form2(const host::Form& owner);

    host::Form& form() { return form_; }

private:
    void Command1_Click();

    host::Form form_;
};

}  // namespace vondrel
