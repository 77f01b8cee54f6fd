// A page that does not fit on its monitor: when the dialog the template
// made is larger than the monitor's work area, it opens at the work area's
// size with scroll bars (the rule in platform/page_fit.h), and scrolling
// moves its controls. Moving the keyboard focus (Tab, a page's own focus
// moves) scrolls the focused control into view.
//
// The scroll state lives on the dialog window itself (a window property),
// so the page dialog only forwards a few messages here.
#pragma once

#include <windows.h>

namespace trailcfg::win32 {

// Posted to the dialog after the focus moved, once the dialog manager has
// moved it.
inline constexpr UINT kMsgRevealFocus = WM_APP + 0x140;

// Sizes and places the dialog for the monitor it is on; the page's own size
// is the layout's `cx` x `cy` in the dialog's units. Called when the page
// opens and again when its DPI changes.
void FitPageToMonitor(HWND dialog, int cx, int cy);

// Handles the scroll bars, the mouse wheel and kMsgRevealFocus; false for
// any other message, and for these on a page that does not scroll.
bool HandleScrollMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Scrolls so that `control` is in view (a page that does not scroll: nothing).
void RevealControl(HWND dialog, HWND control);

// How far the page is scrolled, for painting what the template draws itself.
POINT ScrollOffset(HWND dialog);

// Forgets the scroll state (the dialog is going).
void ForgetScroll(HWND dialog);

// Pages fitted from now on take `area` as their monitor's work area;
// nullptr goes back to the monitor's own. For tests: Wine's monitor keeps
// its work area whatever SPI_SETWORKAREA says.
void SetWorkAreaForTests(const RECT* area);

}  // namespace trailcfg::win32
