// What a driver sees of an open page and does to it, on the real controls
// (PageDialog's DialogProbe).
#include "win32_edit.h"
#include "win32_list.h"
#include "win32_page_dialog.h"
#include "win32_text.h"

namespace trailcfg::win32 {

std::string PageDialog::Title() const { return Gbk(WindowText(window_)); }

void PageDialog::TypeAsUser(Control& edit, const std::string& text) {
    const int before = edit.changesRaised;
    ReplaceAsUser(edit, text);
    // The edit control says nothing when a selection is replaced by the same
    // text, or an empty text by nothing; the port's user edit always counts
    // as one change.
    if (edit.changesRaised == before)
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(edit.layout->id, EN_CHANGE),
                     reinterpret_cast<LPARAM>(edit.window));
}

void PageDialog::LeaveAsUser(Control& edit) {
    userLeaving_ = true;
    const int before = focusLosses_;
    if (GetFocus() == edit.window) {
        // As Tab would: the next control takes the focus.
        HWND next = GetNextDlgTabItem(window_, edit.window, FALSE);
        if (next && next != edit.window) SetFocus(next);
    }
    // An edit without the focus (or a system that said nothing) still
    // reports the loss, once.
    if (focusLosses_ == before)
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(edit.layout->id, EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(edit.window));
    userLeaving_ = false;
}

void PageDialog::PressKeyAsUser(UserKey key) {
    if (key == UserKey::Escape) {
        SendMessageW(window_, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(window_, IDCANCEL)));
        return;
    }
    // IsDialogMessage's Enter, with the focus on anything but a push button
    // (which would take Enter itself).
    const LRESULT defId = SendMessageW(window_, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) == DC_HASDEFID) {
        const int id = LOWORD(defId);
        HWND button = GetDlgItem(window_, id);
        if (button ? IsWindowEnabled(button) : id == IDOK)
            SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return;
    }
    SendMessageW(window_, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(window_, IDOK)));
}

}  // namespace trailcfg::win32
