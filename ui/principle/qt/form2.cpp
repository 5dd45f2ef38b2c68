#include "ui/principle/qt/form2.h"

#include "ui_form2.h"

#include "app/qt/click_dispatch.h"
#include "app/qt/window_lifetimes.h"

namespace vondrel {

Form2::Form2(QWidget* parent)
    : QWidget(parent, host::kOwnedFixedSingleBorder), ui_(std::make_unique<Ui::Form2>())
{
    ui_->setupUi(this);
    host::ConnectClick(*ui_->Command1, [this] { Command1_Click(); });
}

Form2::~Form2() = default;

// Exit
void Form2::Command1_Click()
{
    close();
}

}  // namespace vondrel
