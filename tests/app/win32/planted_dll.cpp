// A DLL that reports being loaded: its entry appends its own path to the
// file that VONDREL_PLANTED_MARKER names. Planted beside the program under
// the names of the DLLs that it loads, it must never run.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t marker[MAX_PATH];
    wchar_t self[MAX_PATH];
    DWORD marker_length = GetEnvironmentVariableW(L"VONDREL_PLANTED_MARKER", marker, MAX_PATH);
    DWORD self_length = GetModuleFileNameW(instance, self, MAX_PATH);
    if (marker_length == 0 || marker_length >= MAX_PATH || self_length == 0)
        return TRUE;
    HANDLE file = CreateFileW(marker, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return TRUE;
    self[self_length] = L'\n';
    DWORD written = 0;
    WriteFile(file, self, (self_length + 1) * sizeof(wchar_t), &written, nullptr);
    CloseHandle(file);
    return TRUE;
}
