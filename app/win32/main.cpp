#include "app/win32/message_loop.h"
#include "app/win32/newer_windows.h"
#include "app/win32/window_lifetimes.h"
#include "ui/main/win32/form1.h"

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // Before anything can load a DLL: one planted beside the program, in a
    // downloads folder say, must never run in it.
    vondrel::host::RestrictDllSearchToSystem32();
    // The screen readers' annotations are COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int status = 1;  // no window could be made
    {
        vondrel::Form1 form1;
        if (form1.form().IsLoaded()) {
            vondrel::host::ShowCentred(form1.form());
            status = vondrel::host::RunEventLoop();
        }
    }
    CoUninitialize();
    return status;
}
