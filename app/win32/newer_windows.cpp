#include "app/win32/newer_windows.h"

namespace vondrel::host {

namespace {

// A function of a DLL that the program imports anyway, so already loaded;
// null where this Windows lacks it.
template <typename Function>
Function* Lookup(const wchar_t* module, const char* name)
{
    const FARPROC found = GetProcAddress(GetModuleHandleW(module), name);
    // Through a function type without parameters, which GCC accepts as
    // the generic one.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

void RestrictDllSearchToSystem32()
{
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    static auto* const restrict = Lookup<SetDefaultDllDirectoriesFunction>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (restrict && restrict(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    SetDllDirectoryW(L"");
}

UINT DpiOf(HWND window)
{
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    static auto* const dpiForWindow = Lookup<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (dpiForWindow)
        return dpiForWindow(window);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

RECT FrameAround(RECT client, DWORD style, DWORD exStyle, UINT dpi)
{
    using AdjustForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* const adjustForDpi =
        Lookup<AdjustForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjustForDpi)
        adjustForDpi(&client, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    return client;
}

}  // namespace vondrel::host
