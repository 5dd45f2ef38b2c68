#include "app/win32/message_box.h"

#include "app/win32/form.h"
#include "app/win32/project_settings.h"
#include "app/win32/text.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace vondrel::host {

namespace {

// Windows makes a message box wide enough for its caption; Wine sizes it for
// its text alone, and there the desktop's window manager draws the title
// bar, often with the title centred between the window's icon on one side
// and minimize, maximize and close on the other: a short report then reads
// "Vo…rel".
bool UnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Widens the box about to be activated until the title bar, as wide as its
// client area there, holds the caption with three caption buttons' room on
// either side and a frame's width at each end, keeping the box and its
// contents centred.
LRESULT CALLBACK FitCaption(int code, WPARAM wParam, LPARAM lParam)
{
    const auto box = reinterpret_cast<HWND>(wParam);
    wchar_t className[8]{};
    if (code == HCBT_ACTIVATE && GetClassNameW(box, className, 8) && std::wstring_view(className) == L"#32770") {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
        HDC dc = GetDC(box);
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE title{};
        GetTextExtentPoint32W(dc, kProjectTitle.data(), static_cast<int>(kProjectTitle.size()), &title);
        SelectObject(dc, previous);
        ReleaseDC(box, dc);
        DeleteObject(font);
        RECT frame{}, client{};
        GetWindowRect(box, &frame);
        GetClientRect(box, &client);
        const int needed = title.cx + 6 * metrics.iCaptionWidth + 2 * GetSystemMetrics(SM_CXFIXEDFRAME);
        if (const int growth = needed - client.right; growth > 0) {
            SetWindowPos(box, nullptr, frame.left - growth / 2, frame.top, frame.right - frame.left + growth,
                         frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
            for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT place{};
                GetWindowRect(child, &place);
                MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
                SetWindowPos(child, nullptr, place.left + growth / 2, place.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ShowBox(const Form& owner, std::u16string_view text, UINT icon)
{
    static const bool underWine = UnderWine();
    HHOOK hook = underWine ? SetWindowsHookExW(WH_CBT, FitCaption, nullptr, GetCurrentThreadId()) : nullptr;
    MessageBoxW(owner.handle(), std::wstring(ViewOf(text)).c_str(), kProjectTitle.data(), MB_OK | icon);
    if (hook)
        UnhookWindowsHookEx(hook);
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
