#include "ui/main/win32/form1.h"

#include "app/win32/accessibility.h"
#include "app/win32/message_box.h"
#include "app/win32/text.h"
#include "app/win32/text_box.h"
#include "app/win32/window_lifetimes.h"
#include "calc/calculation_presenter.h"
#include "ui/principle/win32/form2.h"
#include "windows_designs.h"

namespace vondrel {

using Controls = design::Form1;

Form1::Form1() : form_(design::Form1::kWindow)
{
    form_.OnClick(Controls::Command1, [this] { Command1_Click(); });
    form_.OnClick(Controls::Command2, [this] { Command2_Click(); });
    form_.OnClick(Controls::Command3, [this] { Command3_Click(); });
}

// Calculate
void Form1::Command1_Click()
{
    const CalculationPresentation shown =
        PresentCalculation(host::TextOf(form_.control(Controls::Text1)), host::TextOf(form_.control(Controls::Text2)),
                           ViewOf(Controls::kWindow.controls[Controls::Label9].accessibleName));
    if (!shown.message.empty()) {
        host::ShowMessage(form_, shown.message);
        return;
    }
    host::ReplaceText(form_.control(Controls::Text3), shown.resultText);
    // The result shows away from the focus: a screen reader is told it.
    host::Announce(form_.control(Controls::Text3), shown.announcement);
}

// Principle: a fresh window at every opening, owned by this one so that it
// stays above it, and gone once it is closed.
void Form1::Command2_Click()
{
    Form2 form2(form_);
    host::ShowModal(form2.form());
}

// Exit
void Form1::Command3_Click()
{
    host::EndProgram();
}

}  // namespace vondrel
