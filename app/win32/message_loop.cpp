#include "app/win32/message_loop.h"

#include <windows.h>

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

}  // namespace

std::optional<int> DispatchEventsWhile(const std::function<bool()>& condition)
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

int RunEventLoop()
{
    return *DispatchEventsWhile([] { return true; });
}

}  // namespace vondrel::host
