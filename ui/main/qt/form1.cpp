#include "ui/main/qt/form1.h"

#include "ui_form1.h"

#include "app/qt/announcement.h"
#include "app/qt/click_dispatch.h"
#include "app/qt/message_box.h"
#include "app/qt/text_bridge.h"
#include "app/qt/text_box.h"
#include "app/qt/window_lifetimes.h"
#include "calc/calculation_presenter.h"
#include "ui/principle/qt/form2.h"

namespace vondrel {

Form1::Form1(QWidget* parent)
    : QWidget(parent, host::kFixedSingleBorder), ui_(std::make_unique<Ui::Form1>())
{
    ui_->setupUi(this);
    host::SizeLabelsToContent(*this);
    // The tab order is a cycle from Command1; Qt would start it wherever the
    // chain of children begins, so the window opens with Command1 focused.
    ui_->Command1->setFocus();
    host::ConnectClick(*ui_->Command1, [this] { Command1_Click(); });
    host::ConnectClick(*ui_->Command2, [this] { Command2_Click(); });
    host::ConnectClick(*ui_->Command3, [this] { Command3_Click(); });
}

Form1::~Form1() = default;

// Calculate
void Form1::Command1_Click()
{
    const CalculationPresentation shown = PresentCalculation(
        ViewOf(ui_->Text1->text()), ViewOf(ui_->Text2->text()), ViewOf(ui_->Label9->accessibleName()));
    if (!shown.message.empty()) {
        host::ShowMessage(this, ToQString(shown.message));
        return;
    }
    host::ReplaceText(*ui_->Text3, ToQString(shown.resultText));
    // The result shows away from the focus: a screen reader is told it.
    host::Announce(*this, ToQString(shown.announcement));
}

// Principle: a fresh window at every opening, owned by this one so that it
// stays above it, and gone once it is closed.
void Form1::Command2_Click()
{
    Form2 form2(this);
    host::ShowModal(form2);
}

// Exit
void Form1::Command3_Click()
{
    host::EndProgram();
}

}  // namespace vondrel
