#include "win32_scroll.h"

#include <algorithm>

#include "platform/page_fit.h"
#include "win32_dpi.h"

namespace trailcfg::win32 {

namespace {

constexpr const wchar_t* kProperty = L"trailcfg.scroll";

struct ScrollState {
    SIZE page{};  // the page's full size in pixels
    POINT at{};   // how far it is scrolled
    bool h = false;
    bool v = false;
};

bool g_testArea = false;
RECT g_workAreaForTests{};

ScrollState* StateOf(HWND dialog) { return static_cast<ScrollState*>(GetPropW(dialog, kProperty)); }

PixelSize Size(const RECT& r) { return PixelSize{r.right - r.left, r.bottom - r.top}; }

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

// Moves the page's children (and what the page paints) to `to`.
void ScrollTo(HWND dialog, ScrollState& state, POINT to) {
    const SIZE view = ClientSize(dialog);
    to.x = std::clamp<LONG>(to.x, 0, std::max<LONG>(0, state.page.cx - view.cx));
    to.y = std::clamp<LONG>(to.y, 0, std::max<LONG>(0, state.page.cy - view.cy));
    const int dx = state.at.x - to.x;
    const int dy = state.at.y - to.y;
    state.at = to;
    if (dx || dy)
        ScrollWindowEx(dialog, dx, dy, nullptr, nullptr, nullptr, nullptr,
                       SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    if (state.h) SetScrollPos(dialog, SB_HORZ, state.at.x, TRUE);
    if (state.v) SetScrollPos(dialog, SB_VERT, state.at.y, TRUE);
}

void SetBar(HWND dialog, int bar, bool on, int page, int view) {
    if (!on) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = page - 1;
    info.nPage = static_cast<UINT>(view);
    info.nPos = 0;
    SetScrollInfo(dialog, bar, &info, TRUE);
}

// A scroll bar's size at the window's DPI: per-monitor aware, the page's
// bars are drawn at its monitor's scale, not the system's.
int BarMetric(HWND window, int index) {
    using ForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = reinterpret_cast<ForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    return forDpi ? forDpi(index, DpiOf(window)) : GetSystemMetrics(index);
}

int NewPosition(HWND dialog, int bar, int code, int pos, int line) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(dialog, bar, &info);
    switch (code) {
        case SB_LINEUP:
            return pos - line;
        case SB_LINEDOWN:
            return pos + line;
        case SB_PAGEUP:
            return pos - static_cast<int>(info.nPage);
        case SB_PAGEDOWN:
            return pos + static_cast<int>(info.nPage);
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return info.nTrackPos;
        case SB_TOP:
            return 0;
        case SB_BOTTOM:
            return info.nMax;
        default:
            return pos;
    }
}

}  // namespace

void FitPageToMonitor(HWND dialog, int cx, int cy) {
    // Back to the top-left and without bars, so the page's size is measured
    // as laid out.
    if (ScrollState* old = StateOf(dialog)) {
        ScrollTo(dialog, *old, POINT{0, 0});
        RemovePropW(dialog, kProperty);
        delete old;
    }
    LONG style = GetWindowLongW(dialog, GWL_STYLE);
    if (style & (WS_HSCROLL | WS_VSCROLL)) {
        ShowScrollBar(dialog, SB_BOTH, FALSE);
        SetWindowLongW(dialog, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
        style &= ~(WS_HSCROLL | WS_VSCROLL);
    }
    RECT pageRect{0, 0, cx, cy};
    MapDialogRect(dialog, &pageRect);
    RECT outer{};
    GetWindowRect(dialog, &outer);
    RECT client{};
    GetClientRect(dialog, &client);
    const PixelSize frame{Size(outer).width - client.right, Size(outer).height - client.bottom};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    if (g_testArea) monitor.rcWork = g_workAreaForTests;
    const PixelSize work = Size(monitor.rcWork);
    const PixelSize bars{BarMetric(dialog, SM_CXVSCROLL), BarMetric(dialog, SM_CYHSCROLL)};
    const PixelSize page = Size(pageRect);
    const PageFit fit = FitPage(page, frame, work, bars);
    if (!fit.Scrolls()) {
        // As laid out; when the DPI changed, the page's new size.
        if (client.right != page.width || client.bottom != page.height)
            SetWindowPos(dialog, nullptr, 0, 0, page.width + frame.width, page.height + frame.height,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    auto* state = new ScrollState{SIZE{page.width, page.height}, POINT{0, 0}, fit.hScroll, fit.vScroll};
    SetPropW(dialog, kProperty, state);
    SetWindowLongW(dialog, GWL_STYLE, style | (fit.hScroll ? WS_HSCROLL : 0) | (fit.vScroll ? WS_VSCROLL : 0));
    const PixelSize outerSize{fit.client.width + frame.width, fit.client.height + frame.height};
    const PixelPoint at = PlaceWindow(PixelPoint{monitor.rcWork.left, monitor.rcWork.top}, work, outerSize);
    SetWindowPos(dialog, nullptr, at.x, at.y, outerSize.width, outerSize.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const SIZE view = ClientSize(dialog);
    SetBar(dialog, SB_HORZ, fit.hScroll, page.width, view.cx);
    SetBar(dialog, SB_VERT, fit.vScroll, page.height, view.cy);
}

bool HandleScrollMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    ScrollState* state = StateOf(dialog);
    if (!state) return false;
    // Tab and Shift+Tab come as WM_NEXTDLGCTL from the dialog manager, an
    // edit or a list taking the focus as its notification; the focus has
    // moved only after the dialog manager's handling, so the reveal waits.
    const WORD code = HIWORD(wParam);
    if (message == WM_NEXTDLGCTL || (message == WM_COMMAND && (code == EN_SETFOCUS || code == CBN_SETFOCUS))) {
        PostMessageW(dialog, kMsgRevealFocus, 0, 0);
        return false;
    }
    // A line is a text line of the dialog's font, as in the dialog's units.
    RECT unit{0, 0, 4, 8};
    MapDialogRect(dialog, &unit);
    const int line = std::max<LONG>(1, unit.bottom * 2);
    switch (message) {
        case WM_VSCROLL:
            if (!state->v) return false;
            ScrollTo(dialog, *state,
                     POINT{state->at.x, NewPosition(dialog, SB_VERT, LOWORD(wParam), state->at.y, line)});
            return true;
        case WM_HSCROLL:
            if (!state->h) return false;
            ScrollTo(dialog, *state,
                     POINT{NewPosition(dialog, SB_HORZ, LOWORD(wParam), state->at.x, line), state->at.y});
            return true;
        case WM_MOUSEWHEEL: {
            if (!state->v) return false;
            const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
            ScrollTo(dialog, *state, POINT{state->at.x, state->at.y - notches * 3 * line});
            return true;
        }
        case kMsgRevealFocus:
            RevealControl(dialog, GetFocus());
            return true;
        default:
            return false;
    }
}

void RevealControl(HWND dialog, HWND control) {
    ScrollState* state = StateOf(dialog);
    if (!state || !control || GetParent(control) != dialog) return;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    const SIZE view = ClientSize(dialog);
    POINT to = state->at;
    // r is in the view's coordinates; a control larger than the view shows
    // its top-left.
    if (r.left < 0)
        to.x += r.left;
    else if (r.right > view.cx)
        to.x += std::min<LONG>(r.right - view.cx, r.left);
    if (r.top < 0)
        to.y += r.top;
    else if (r.bottom > view.cy)
        to.y += std::min<LONG>(r.bottom - view.cy, r.top);
    ScrollTo(dialog, *state, to);
}

POINT ScrollOffset(HWND dialog) {
    const ScrollState* state = StateOf(dialog);
    return state ? state->at : POINT{0, 0};
}

void ForgetScroll(HWND dialog) {
    if (ScrollState* state = StateOf(dialog)) {
        RemovePropW(dialog, kProperty);
        delete state;
    }
}

void SetWorkAreaForTests(const RECT* area) {
    g_testArea = area != nullptr;
    if (area) g_workAreaForTests = *area;
}

}  // namespace trailcfg::win32
