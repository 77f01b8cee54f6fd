// What a driver sees of an open page and does to it, on the real controls
// (PageDialog's DialogProbe).
#include "win32_edit.h"
#include "win32_list.h"
#include "win32_page_dialog.h"
#include "win32_text.h"

namespace trailcfg::win32 {

std::string PageDialog::Title() const { return Gbk(WindowText(window_)); }

bool PageDialog::IsMasked(int id) const {
    const Control* c = controls_.FindOf(id, IsEditKind);
    return c && win32::IsMasked(*c);
}

int PageDialog::Caret(int id) const {
    const Control* c = controls_.FindOf(id, IsEditKind);
    return c ? CaretByte(*c) : 0;
}

int PageDialog::Limit(int id) const {
    const Control* c = controls_.FindOf(id, IsEditKind);
    return c ? c->limit : 0;
}

void PageDialog::UserType(int id, const std::string& text) {
    Control* c = Reachable(id);
    if (!c || !IsEditKind(c->layout->kind)) return;
    const int before = c->changesRaised;
    ReplaceAsUser(*c, text);
    // The edit control says nothing when a selection is replaced by the same
    // text, or an empty text by nothing; the port's user edit always counts
    // as one change.
    if (c->changesRaised == before)
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(c->window));
}

void PageDialog::UserClick(int id) {
    Control* c = Reachable(id);
    if (c && IsButtonKind(c->layout->kind)) SendMessageW(c->window, BM_CLICK, 0, 0);
}

void PageDialog::UserLeave(int id) {
    Control* c = Reachable(id);
    if (c && IsEditKind(c->layout->kind)) LeaveAsUser(*c);
}

void PageDialog::UserChoose(int id, int index) {
    Control* c = Reachable(id);
    if (!c || !IsListKind(c->layout->kind) || index < 0 || index >= win32::ListCount(*c)) return;
    ChooseAsUser(*c, window_, index);
}

void PageDialog::UserPressKey(UserKey key) { PressKeyAsUser(key == UserKey::Enter); }

void PageDialog::UserClose() {
    // The close box's command: DefWindowProc turns it into WM_CLOSE.
    if (!Ended()) SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace trailcfg::win32
