#include "ui/principle/win32/form2.h"

#include "windows_designs.h"

namespace vondrel {

Form2::Form2(const host::Form& owner) : form_(design::Form2::kWindow, &owner)
{
    form_.OnClick(design::Form2::Command1, [this] { Command1_Click(); });
}

// Exit
void Form2::Command1_Click()
{
    form_.Unload();
}

}  // namespace vondrel
