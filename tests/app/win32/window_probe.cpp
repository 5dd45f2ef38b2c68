// What the tests do to the program's windows from outside, from another
// process, as Windows and assistive technology do. A window is named by
// the start of its caption, in ASCII, which reaches a Windows program whole
// from any locale.
//
// window_probe text CAPTION X Y
//     Prints, in UTF-8, the text of the control at that point of the
//     window's client area, as a screen reader reads it (WM_GETTEXT): no
//     clipboard, which Wine syncs with X's a moment late.
// window_probe density CAPTION FROM_DPI TO_DPI
//     Tells the window what Windows tells one that has moved to a monitor of
//     another density, or whose monitor's density has changed:
//     WM_DPICHANGED, with the new density in both halves of wParam and in
//     lParam the rectangle that Windows suggests, the window's own scaled
//     from its top-left corner. Windows hands that rectangle over in the
//     window's own process, and so does this, in memory allocated there.
//     Prints "sent" once the window has handled the message.

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* captionStart;
    HWND found;
};

BOOL CALLBACK Consider(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<Search*>(lParam);
    wchar_t className[16]{}, caption[64]{};
    GetClassNameW(window, className, 16);
    GetWindowTextW(window, caption, 64);
    if (std::wcscmp(className, L"VondrelForm") == 0 &&
        std::wcsncmp(caption, search.captionStart, std::wcslen(search.captionStart)) == 0)
        search.found = window;
    return !search.found;
}

HWND FindForm(const wchar_t* captionStart)
{
    Search search{captionStart, nullptr};
    EnumWindows(Consider, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int PrintText(HWND form, int x, int y)
{
    HWND control = ChildWindowFromPointEx(form, POINT{x, y}, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!control || control == form) {
        std::fputs("FAIL no control there\n", stderr);
        return 1;
    }
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    std::string utf8(static_cast<std::size_t>(4 * text.size()), '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                                             nullptr)));
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return 0;
}

int SendDensityChange(HWND form, int from, int to)
{
    RECT frame{};
    GetWindowRect(form, &frame);
    const RECT suggested = {frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, to, from),
                            frame.top + MulDiv(frame.bottom - frame.top, to, from)};
    DWORD processId = 0;
    GetWindowThreadProcessId(form, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    void* there = process ? VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE,
                                           PAGE_READWRITE)
                          : nullptr;
    if (!there || !WriteProcessMemory(process, there, &suggested, sizeof suggested, nullptr)) {
        std::fputs("FAIL the window's process takes no rectangle\n", stderr);
        return 1;
    }
    const auto density = static_cast<WORD>(to);
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(density, density), reinterpret_cast<LPARAM>(there));
    VirtualFreeEx(process, there, 0, MEM_RELEASE);
    CloseHandle(process);
    std::puts("sent");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring command = argc == 5 ? argv[1] : L"";
    HWND form = command.empty() ? nullptr : FindForm(argv[2]);
    const int first = command.empty() ? 0 : _wtoi(argv[3]);
    const int second = command.empty() ? 0 : _wtoi(argv[4]);
    if (command == L"text" && form)
        return PrintText(form, first, second);
    if (command == L"density" && form && first > 0 && second > 0)
        return SendDensityChange(form, first, second);
    std::fputs("usage: window_probe text CAPTION X Y | density CAPTION FROM_DPI TO_DPI"
               " (of a window that is shown)\n",
               stderr);
    return 2;
}
