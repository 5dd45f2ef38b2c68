#include "app/win32/message_box.h"

#include "app/win32/form.h"
#include "app/win32/project_settings.h"
#include "app/win32/text.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace vondrel::host {

namespace {

void ShowBox(const Form& owner, std::u16string_view text, UINT icon)
{
    MessageBoxW(owner.handle(), std::wstring(ViewOf(text)).c_str(), kProjectTitle.data(), MB_OK | icon);
}

}  // namespace

void ShowMessage(const Form& owner, std::u16string_view prompt)
{
    ShowBox(owner, prompt, 0);
}

void ReportRuntimeError(const Form& owner, const RuntimeError& error)
{
    ShowBox(owner, error.report(), MB_ICONERROR);
}

}  // namespace vondrel::host
