#include "win32_page_dialog.h"

#include "win32_banner.h"
#include "win32_dpi.h"
#include "win32_edit.h"
#include "win32_list.h"
#include "win32_names.h"
#include "win32_scroll.h"
#include "win32_template.h"
#include "win32_text.h"

namespace trailcfg::win32 {

namespace {

// Marks the time a page handler runs; handlers nest through the events their
// own calls raise.
class Handling {
public:
    explicit Handling(int& depth) : depth_(depth) { ++depth_; }
    ~Handling() { --depth_; }
    Handling(const Handling&) = delete;
    Handling& operator=(const Handling&) = delete;

private:
    int& depth_;
};

}  // namespace

PageDialog::PageDialog(const DialogLayout& layout, Page& page, bool driven)
    : ControlPage(layout, page), driven_(driven), bitmaps_(layout) {}

PageDialog::~PageDialog() {
    // A driven page's window outlives its run; going, it moves the focus,
    // and nothing of that may reach the page any more.
    Detach();
    finished_ = true;
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

INT_PTR CALLBACK PageDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<PageDialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        // TRUE: the dialog manager gives the first control the focus.
        return self->Initialise(window) ? TRUE : FALSE;
    }
    auto* self = reinterpret_cast<PageDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        ForgetScroll(window);
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->window_ = nullptr;
        return FALSE;
    }
    // A page larger than its monitor scrolls; one that moves to a monitor
    // with another DPI is fitted again.
    if (HandleScrollMessage(window, message, wParam, lParam)) return TRUE;
    if (HandleDpiMessage(window, message, wParam, lParam, self->Layout())) return TRUE;
    return self->Handle(message, wParam);
}

bool PageDialog::Initialise(HWND window) {
    window_ = window;
    if (!CollectControls(window, Layout(), controls_.Rows())) {
        // The template made a dialog without the layout's controls: not the
        // page the pages were written for.
        Detach();
        finished_ = true;
        if (!driven_) EndDialog(window, kPageNotCreated);
        return false;
    }
    bitmaps_.Acquire();
    OrderLabels(window, Layout());
    FitPageToMonitor(window, Layout().cx, Layout().cy);
    opened_ = true;
    {
        Handling handling(handling_);
        Handlers().OnOpen(*this);
    }
    FinishIfEnded();
    return true;
}

INT_PTR PageDialog::Handle(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_COMMAND:
            Command(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            // Left to DefDlgProc, the close box would become IDCANCEL, which
            // is Escape.
            closeRequest_ = true;
            Raise(EventType::Close, 0);
            closeRequest_ = false;
            return TRUE;
        case WM_TIMER:
            if (TimerRunning(static_cast<int>(wParam))) Raise(EventType::Timer, static_cast<int>(wParam));
            return TRUE;
        case WM_PAINT:
            if (!bitmaps_.Held()) return FALSE;
            Paint();
            return TRUE;
        default:
            return FALSE;
    }
}

void PageDialog::Command(int id, int code) {
    // The dialog manager's commands for Enter without a default button and
    // for Escape; no control of a page has these ids.
    if (id == IDOK) return Raise(EventType::Enter, 0);
    if (id == IDCANCEL) return Raise(EventType::Escape, 0);
    Control* c = Find(id);
    if (!c) return;
    const ControlKind kind = c->layout->kind;
    if (IsButtonKind(kind)) {
        if (code == BN_CLICKED) Raise(EventType::Clicked, id);
    } else if (IsEditKind(kind)) {
        if (code == EN_CHANGE && AcceptChange(*c)) {
            ++c->changesRaised;
            Raise(EventType::TextChanged, id);
        } else if (code == EN_KILLFOCUS && (!driven_ || userLeaving_)) {
            ++focusLosses_;
            Raise(EventType::FocusLost, id);
        }
    } else if (IsListKind(kind) && c->programListing == 0) {
        if (code == CBN_SELENDOK) Raise(EventType::SelConfirmed, id);
        if (code == CBN_SELCHANGE) Raise(EventType::SelChanged, id);
    }
}

void PageDialog::Raise(EventType type, int id) {
    // The window system has nothing more to tell an ended page; what the
    // page's own calls raise (a text it sets) it still hears.
    if (Ended() && type != EventType::TextChanged) return;
    {
        Handling handling(handling_);
        BackendPage::Raise(type, id);
    }
    FinishIfEnded();
}

void PageDialog::FinishIfEnded() {
    if (!Ended() || finished_ || handling_ > 0 || !window_) return;
    finished_ = true;
    if (driven_)
        ShowWindow(window_, SW_HIDE);
    else
        EndDialog(window_, Result());
    // A page's bitmaps outlive it unless the user closed it; the page is off
    // the screen now, so nothing paints with them any more.
    if (endedByClose_) bitmaps_.Release();
}

void PageDialog::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (dc) {
        const POINT scrolled = ScrollOffset(window_);
        SetViewportOrgEx(dc, -scrolled.x, -scrolled.y, nullptr);
        bitmaps_.Paint(dc, DpiOf(window_));
    }
    EndPaint(window_, &paint);
}

int PageDialog::RunModal() {
    const DialogTemplate tmpl(Layout());
    // -1 when the dialog manager could not make the page; then it never
    // opened. Otherwise the result is the page's own, kept here.
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), tmpl.data(), nullptr, &DialogProc,
                            reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    return opened_ ? Result() : kPageNotCreated;
}

bool PageDialog::CreateDriven() {
    const DialogTemplate tmpl(Layout());
    HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), tmpl.data(), nullptr, &DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    if (!window) return false;
    if (!opened_) {
        DestroyWindow(window);
        return false;
    }
    if (!Ended()) ShowWindow(window, SW_SHOW);
    return true;
}

void PageDialog::Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Not ours to take: whoever runs the outer loop gets it again.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (window_ && IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool PageDialog::ArmTimer(int timerId, int periodMs) {
    if (!window_) return false;
    // A driver delivers the ticks itself; a person gets them from the clock.
    return driven_ || SetTimer(window_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(periodMs), nullptr) != 0;
}

void PageDialog::DisarmTimer(int timerId) {
    if (!driven_ && window_) KillTimer(window_, static_cast<UINT_PTR>(timerId));
}

// --- Dialog -------------------------------------------------------------------

void PageDialog::SetTitle(const char* text) { SetWindowTextGbk(window_, text ? text : ""); }

void PageDialog::SetSmallIcon(int iconId) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    if (icon) SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void PageDialog::OnEnded() {
    endedByClose_ = closeRequest_;
    // Called by a driver rather than a handler, End takes effect at once.
    FinishIfEnded();
}

}  // namespace trailcfg::win32
