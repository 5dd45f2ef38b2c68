#include "app/win32/window_lifetimes.h"

#include "app/win32/form.h"
#include "app/win32/message_loop.h"

namespace vondrel::host {

void ShowCentred(Form& form)
{
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT frame{};
    RECT client{};
    GetWindowRect(form.handle(), &frame);
    GetClientRect(form.handle(), &client);
    POINT origin{0, 0};
    ClientToScreen(form.handle(), &origin);
    const int left = area.left + (area.right - area.left - client.right) / 2 - (origin.x - frame.left);
    const int top = area.top + (area.bottom - area.top - client.bottom) / 2 - (origin.y - frame.top);
    SetWindowPos(form.handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(form.handle(), SW_SHOWNORMAL);
    // Showing activates the window within the program; it also asks to be
    // the desktop's foreground window, in front of other programs', as a
    // window that the user has just opened is.
    SetForegroundWindow(form.handle());
}

void ShowModal(Form& form)
{
    // A window that could not be made leaves its owner as it was.
    if (!form.IsLoaded())
        return;
    HWND owner = form.owner() ? form.owner()->handle() : nullptr;
    if (owner) {
        EnableWindow(owner, FALSE);
        // Enabled again before the form goes, so that the system gives the
        // activation back to the owner rather than to another program.
        form.OnUnload([owner] { EnableWindow(owner, TRUE); });
    }
    ShowCentred(form);
    DispatchEventsWhile([&form] { return form.IsLoaded(); });
}

void EndProgram()
{
    PostQuitMessage(0);
}

}  // namespace vondrel::host
