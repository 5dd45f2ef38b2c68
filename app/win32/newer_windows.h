#pragma once

#include <windows.h>

namespace vondrel::host {

// What Windows 7 lacks and newer Windows has, looked up at run time, each
// with the fallback that Windows 7 understands. The program is built
// against Windows 7's API, so that it starts on every Windows from 7 SP1 on.

// Has every DLL that is loaded from now on, by the program or by Windows on
// its behalf, come from System32 alone, never from the program's folder or
// the current one. Without Windows 7's update KB2533623 only the current
// folder can be taken out of the search.
void RestrictDllSearchToSystem32();

// The density of the monitor the window is on where the program follows
// each monitor's (Windows 10, version 1703 on); elsewhere that of the
// system, at which Windows then runs the program.
UINT DpiOf(HWND window);

// The window rectangle that holds that client rectangle at the density.
RECT FrameAround(RECT client, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace vondrel::host
