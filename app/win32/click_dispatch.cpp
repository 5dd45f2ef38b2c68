#include "app/win32/click_dispatch.h"

#include "app/win32/form.h"
#include "app/win32/message_box.h"
#include "host/runtime_error.h"

namespace vondrel::host {

void DispatchClick(const Form& form, const std::function<void()>& handler)
{
    if (!IsWindowEnabled(form.handle()))
        return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        ReportRuntimeError(form, error);
    }
}

}  // namespace vondrel::host
