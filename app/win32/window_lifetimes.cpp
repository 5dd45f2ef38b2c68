#include "app/win32/window_lifetimes.h"

#include "app/win32/form.h"

#include <functional>
#include <optional>

namespace vondrel::host {

namespace {

// A first press of the key, with exactly the modifiers given down.
bool IsKeyPress(const MSG& message, WPARAM key, bool control)
{
    return message.message == WM_KEYDOWN && message.wParam == key && !(message.lParam & (1 << 30)) &&
           (GetKeyState(VK_CONTROL) < 0) == control && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

// The control that has the focus, if it is of that window class.
HWND FocusedControl(const wchar_t* windowClass)
{
    HWND focused = GetFocus();
    wchar_t name[8]{};
    return focused && GetClassNameW(focused, name, 8) && lstrcmpiW(name, windowClass) == 0 ? focused : nullptr;
}

// A Windows button that has the focus takes Return and Enter as a click,
// even outside a dialog.
bool ClicksFocusedButton(const MSG& message)
{
    HWND button = IsKeyPress(message, VK_RETURN, false) ? FocusedControl(L"BUTTON") : nullptr;
    if (!button || (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) > BS_DEFPUSHBUTTON)
        return false;
    SendMessageW(button, BM_CLICK, 0, 0);
    return true;
}

// Ctrl+A selects the whole text of a text box, which the classic control
// leaves to the program.
bool SelectsAllText(const MSG& message)
{
    HWND box = IsKeyPress(message, 'A', true) ? FocusedControl(L"EDIT") : nullptr;
    if (!box)
        return false;
    SendMessageW(box, EM_SETSEL, 0, -1);
    return true;
}

// Dispatches window events while the condition holds. Once the program is
// ending, gives its exit status and posts the quit message again for the
// loops below.
std::optional<int> DispatchWhile(const std::function<bool()>& condition)
{
    MSG message;
    while (condition()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            const int status = got == 0 ? static_cast<int>(message.wParam) : 1;
            PostQuitMessage(status);
            return status;
        }
        if (ClicksFocusedButton(message) || SelectsAllText(message))
            continue;
        // Tab and the arrow keys move the focus as in a dialog.
        HWND window = GetAncestor(message.hwnd, GA_ROOT);
        if (window && IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return std::nullopt;
}

}  // namespace

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
    // Showing activates the window within the program; this also asks the
    // desktop to, which Wine passes on to an X window manager.
    SetForegroundWindow(form.handle());
}

void ShowModal(Form& form)
{
    HWND owner = form.owner() ? form.owner()->handle() : nullptr;
    if (owner) {
        EnableWindow(owner, FALSE);
        // Enabled again before the form goes, so that the system gives the
        // activation back to the owner rather than to another program.
        form.OnUnload([owner] { EnableWindow(owner, TRUE); });
    }
    ShowCentred(form);
    DispatchWhile([&form] { return form.IsLoaded(); });
}

int RunEventLoop()
{
    return *DispatchWhile([] { return true; });
}

void EndProgram()
{
    PostQuitMessage(0);
}

}  // namespace vondrel::host
