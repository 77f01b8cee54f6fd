// Per-monitor DPI. The program declares itself per-monitor aware (v2) in its
// manifest, so Windows no longer stretches its windows as bitmaps: the dialog
// manager makes each page's font and controls at the DPI of the monitor the
// page is on, and makes them again when the page moves to a monitor with
// another DPI. What the page draws itself (the banner) and its fit to the
// monitor's work area are done again here.
#pragma once

#include <windows.h>

#include "platform/layout.h"

namespace trailcfg::win32 {

// The window's DPI (96 at 100 %): the monitor's for a per-monitor aware
// window where Windows says so (10, 1607 and later), else the system's.
UINT DpiOf(HWND window);

// WM_DPICHANGED: the page takes the rectangle Windows suggests, the dialog
// manager rescales it, and once that is done the page is fitted to its new
// monitor and repainted. Returns false: the dialog manager's own handling
// must still run.
bool HandleDpiMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, const DialogLayout& layout);

}  // namespace trailcfg::win32
