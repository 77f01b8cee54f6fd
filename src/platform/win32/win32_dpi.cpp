#include "win32_dpi.h"

#include "win32_scroll.h"

namespace trailcfg::win32 {

namespace {

#ifndef WM_DPICHANGED
constexpr UINT WM_DPICHANGED = 0x02E0;
#endif

// After the dialog manager's own rescaling.
constexpr UINT kMsgRefit = WM_APP + 0x141;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn GetDpiForWindowEntry() {
    // Not in Windows 7's user32; looked up once.
    static const auto entry = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return entry;
}

}  // namespace

UINT DpiOf(HWND window) {
    if (GetDpiForWindowFn entry = GetDpiForWindowEntry()) {
        if (const UINT dpi = entry(window)) return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

bool HandleDpiMessage(HWND dialog, UINT message, WPARAM, LPARAM lParam, const DialogLayout& layout) {
    if (message == WM_DPICHANGED) {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        if (suggested)
            SetWindowPos(dialog, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        PostMessageW(dialog, kMsgRefit, 0, 0);
        return false;
    }
    if (message == kMsgRefit) {
        FitPageToMonitor(dialog, layout.cx, layout.cy);
        InvalidateRect(dialog, nullptr, TRUE);
        return true;
    }
    return false;
}

}  // namespace trailcfg::win32
