#pragma once

#include "app/win32/form.h"

namespace vondrel {

// The calculator window. Its controls, geometry, captions, fonts, colours
// and tab order are the design in form1.ui; this class wires the buttons to
// their handlers.
class Form1 {
public:
    Form1();

    host::Form& form() { return form_; }

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    host::Form form_;
};

}  // namespace vondrel
