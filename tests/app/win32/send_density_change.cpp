// send_density_change CAPTION FROM_DPI TO_DPI
//
// Tells the program's window whose caption begins with CAPTION, in ASCII,
// which reaches a Windows program whole from any locale, what Windows tells
// a window that has moved to a monitor of another density, or whose
// monitor's density has changed: WM_DPICHANGED, with the new density in
// both halves of wParam and in lParam the rectangle that Windows suggests,
// the window's own scaled from its top-left corner. Windows hands that
// rectangle over in the window's own process, and so does this, in memory
// allocated there. Prints "sent" once the window has handled the message.

#include <windows.h>

#include <cstdio>
#include <cwchar>

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

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) {
        std::fputs("usage: send_density_change CAPTION FROM_DPI TO_DPI\n", stderr);
        return 2;
    }
    const int from = _wtoi(argv[2]);
    const int to = _wtoi(argv[3]);
    Search search{argv[1], nullptr};
    EnumWindows(Consider, reinterpret_cast<LPARAM>(&search));
    HWND window = search.found;
    if (!window || from <= 0 || to <= 0) {
        std::fputs("FAIL no such window, or no such density\n", stderr);
        return 1;
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    const RECT suggested = {frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, to, from),
                            frame.top + MulDiv(frame.bottom - frame.top, to, from)};

    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    void* there = process ? VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE,
                                           PAGE_READWRITE)
                          : nullptr;
    if (!there || !WriteProcessMemory(process, there, &suggested, sizeof suggested, nullptr)) {
        std::fputs("FAIL the window's process takes no rectangle\n", stderr);
        return 1;
    }
    const auto density = static_cast<WORD>(to);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(density, density), reinterpret_cast<LPARAM>(there));
    VirtualFreeEx(process, there, 0, MEM_RELEASE);
    CloseHandle(process);
    std::puts("sent");
    return 0;
}
