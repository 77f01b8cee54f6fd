#include "win32_probe.h"

#include "win32_edit.h"
#include "win32_list.h"
#include "win32_page_dialog.h"
#include "win32_text.h"

namespace trailcfg::win32 {

namespace {

bool IsEdit(ControlKind kind) { return kind == ControlKind::Edit; }

}  // namespace

int PageProbe::TemplateId() const { return dialog_.Layout().templateId; }

std::string PageProbe::Title() const { return Gbk(WindowText(dialog_.Window())); }

bool PageProbe::HasControl(int id) const { return dialog_.Find(id) != nullptr; }

bool PageProbe::IsMasked(int id) const {
    const Control* c = dialog_.Find(id);
    return c && IsEdit(c->layout->kind) && win32::IsMasked(*c);
}

int PageProbe::Caret(int id) const {
    const Control* c = dialog_.Find(id);
    return c && IsEdit(c->layout->kind) ? CaretByte(*c) : 0;
}

int PageProbe::Limit(int id) const {
    const Control* c = dialog_.Find(id);
    return c && IsEdit(c->layout->kind) ? c->limit : 0;
}

bool PageProbe::TimerRunning(int timerId) const { return dialog_.TimerRunning(timerId); }

void PageProbe::UserType(int id, const std::string& text) {
    Control* c = dialog_.Reachable(id);
    if (!c || !IsEdit(c->layout->kind)) return;
    const int before = c->changesRaised;
    ReplaceAsUser(*c, text);
    // The edit control says nothing when a selection is replaced by the same
    // text, or an empty text by nothing; the port's user edit always counts
    // as one change.
    if (c->changesRaised == before)
        SendMessageW(dialog_.Window(), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(c->window));
}

void PageProbe::UserClick(int id) {
    Control* c = dialog_.Reachable(id);
    if (c && IsButtonKind(c->layout->kind)) SendMessageW(c->window, BM_CLICK, 0, 0);
}

void PageProbe::UserLeave(int id) {
    Control* c = dialog_.Reachable(id);
    if (c && IsEdit(c->layout->kind)) dialog_.LeaveAsUser(*c);
}

void PageProbe::UserChoose(int id, int index) {
    Control* c = dialog_.Reachable(id);
    if (!c || !IsListKind(c->layout->kind) || index < 0 || index >= ListCount(*c)) return;
    ChooseAsUser(*c, dialog_.Window(), index);
}

void PageProbe::UserPressKey(UserKey key) { dialog_.PressKeyAsUser(key == UserKey::Enter); }

void PageProbe::UserClose() {
    // The close box's command: DefWindowProc turns it into WM_CLOSE.
    if (!dialog_.Ended()) SendMessageW(dialog_.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void PageProbe::FireTimer(int timerId) { dialog_.FireTimer(timerId); }

}  // namespace trailcfg::win32
