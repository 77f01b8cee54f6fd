#include "state_page.h"

#include <algorithm>
#include <climits>

#include "common/text_edge.h"

namespace trailcfg {

namespace {

// What the user types, cut to the edit's limit in GBK bytes without
// splitting a character; text that fits is kept byte for byte.
std::string FitToLimit(const std::string& gbk, int limit) {
    if (gbk.size() <= static_cast<std::size_t>(limit)) return gbk;
    return Utf16ToGbk(CutToGbkBytes(GbkToUtf16(gbk), limit));
}

bool InList(const ControlState& list, int index) { return index >= 0 && index < static_cast<int>(list.items.size()); }

}  // namespace

StatePage::StatePage(const DialogLayout& layout, Page& page)
    : ControlPage(layout, page), title_(layout.title ? layout.title : "") {
    std::vector<ControlState>& rows = controls_.Rows();
    rows.reserve(static_cast<std::size_t>(layout.controlCount));
    for (const ControlLayout& c : layout) {
        if (IsBitmapRow(c)) continue;  // a picture, nothing to act on
        ControlState state;
        state.layout = &c;
        if (!IsListKind(c.kind) && c.text) state.text = c.text;
        state.enabled = (c.style & kStyleDisabled) == 0;
        state.visible = (c.style & kStyleHidden) == 0;
        rows.push_back(std::move(state));
    }
}

// --- Dialog -------------------------------------------------------------------

void StatePage::SetTitle(const char* text) {
    title_ = text ? text : "";
    MirrorTitle();
}

void StatePage::SetText(int id, const char* text) {
    ControlState* c = Find(id);
    if (!c || IsListKind(c->layout->kind)) return;
    c->text = text ? text : "";
    Mirror(*c, StateChange::Text);
    if (!IsEditKind(c->layout->kind)) return;
    c->caret = 0;
    // The handler may set this edit's text again; `c` stays valid because
    // the rows never move once the page is made.
    Raise(EventType::TextChanged, id);
}

std::string StatePage::GetText(int id) const {
    const ControlState* c = Find(id);
    if (!c) return {};
    if (IsListKind(c->layout->kind)) return c->selection >= 0 ? c->items[static_cast<std::size_t>(c->selection)] : "";
    return c->text;
}

void StatePage::Enable(int id, bool enabled) {
    if (ControlState* c = Find(id)) {
        c->enabled = enabled;
        Mirror(*c, StateChange::Enabled);
    }
}

bool StatePage::IsEnabled(int id) const {
    const ControlState* c = Find(id);
    return c && c->enabled;
}

void StatePage::Show(int id, bool visible) {
    if (ControlState* c = Find(id)) {
        c->visible = visible;
        Mirror(*c, StateChange::Visible);
    }
}

bool StatePage::IsVisible(int id) const {
    const ControlState* c = Find(id);
    return c && c->visible;
}

void StatePage::SetCheck(int id, bool checked) {
    if (ControlState* c = Find(id)) {
        c->checked = checked;
        Mirror(*c, StateChange::Checked);
    }
}

bool StatePage::IsChecked(int id) const {
    const ControlState* c = Find(id);
    return c && c->checked;
}

void StatePage::SetMasked(int id, bool masked) {
    if (ControlState* c = Find(id)) {
        c->masked = masked;
        Mirror(*c, StateChange::Masked);
    }
}

void StatePage::SetLimit(int id, int chars) {
    if (ControlState* c = Find(id)) c->limit = chars > 0 ? chars : INT_MAX;
}

void StatePage::SetCaret(int id, int pos) {
    ControlState* c = Find(id);
    if (!c) return;
    c->caret = std::clamp(pos, 0, static_cast<int>(c->text.size()));
    Mirror(*c, StateChange::Caret);
}

void StatePage::ListAdd(int id, const char* text) {
    ControlState* c = Find(id);
    if (!c || !IsListKind(c->layout->kind)) return;
    c->items.emplace_back(text ? text : "");
    Mirror(*c, StateChange::ItemAdded);
}

void StatePage::ListEmpty(int id) {
    ControlState* c = Find(id);
    if (!c) return;
    c->items.clear();
    c->selection = -1;
    Mirror(*c, StateChange::ItemsEmptied);
}

void StatePage::ListSelect(int id, int index) {
    ControlState* c = Find(id);
    if (!c) return;
    c->selection = InList(*c, index) ? index : -1;
    Mirror(*c, StateChange::Selection);
}

int StatePage::ListSelection(int id) const {
    const ControlState* c = Find(id);
    return c ? c->selection : -1;
}

int StatePage::ListCount(int id) const {
    const ControlState* c = Find(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

std::string StatePage::ListItem(int id, int index) const {
    const ControlState* c = Find(id);
    if (!c || !InList(*c, index)) return {};
    return c->items[static_cast<std::size_t>(index)];
}

// --- DialogProbe ----------------------------------------------------------------

bool StatePage::IsMasked(int id) const {
    const ControlState* c = Find(id);
    return c && c->masked;
}

int StatePage::Caret(int id) const {
    const ControlState* c = Find(id);
    return c ? c->caret : 0;
}

int StatePage::Limit(int id) const {
    const ControlState* c = Find(id);
    return c ? c->limit : 0;
}

void StatePage::UserType(int id, const std::string& text) {
    ControlState* c = Reachable(id);
    if (c && IsEditKind(c->layout->kind)) TypeAsUser(*c, text);
}

void StatePage::UserClick(int id) {
    ControlState* c = Reachable(id);
    if (c && IsButtonKind(c->layout->kind)) ClickAsUser(*c);
}

void StatePage::UserLeave(int id) {
    ControlState* c = Reachable(id);
    if (c && IsEditKind(c->layout->kind)) LeaveAsUser(*c);
}

void StatePage::UserChoose(int id, int index) {
    ControlState* c = Reachable(id);
    if (c && IsListKind(c->layout->kind) && InList(*c, index)) ChooseAsUser(*c, index);
}

void StatePage::UserPressKey(UserKey key) {
    if (!Ended()) PressKeyAsUser(key);
}

void StatePage::UserClose() {
    if (!Ended()) CloseAsUser();
}

// --- What the user's actions do -------------------------------------------------

void StatePage::TypeAsUser(ControlState& edit, const std::string& text) {
    edit.text = FitToLimit(text, edit.limit);
    edit.caret = static_cast<int>(edit.text.size());
    Raise(EventType::TextChanged, edit.layout->id);
}

void StatePage::ClickAsUser(ControlState& button) {
    if (button.layout->kind == ControlKind::CheckBox) button.checked = !button.checked;
    Raise(EventType::Clicked, button.layout->id);
}

void StatePage::LeaveAsUser(ControlState& edit) { Raise(EventType::FocusLost, edit.layout->id); }

void StatePage::ChooseAsUser(ControlState& list, int index) {
    list.selection = InList(list, index) ? index : -1;
    Raise(EventType::SelConfirmed, list.layout->id);
    Raise(EventType::SelChanged, list.layout->id);
}

void StatePage::PressKeyAsUser(UserKey key) {
    if (key == UserKey::Escape) {
        Raise(EventType::Escape, 0);
        return;
    }
    // Windows presses the default button even when it is hidden, but never
    // while it is disabled.
    if (const ControlState* button = controls_.FirstOfKind(ControlKind::DefaultButton)) {
        if (button->enabled) Raise(EventType::Clicked, button->layout->id);
        return;
    }
    Raise(EventType::Enter, 0);
}

void StatePage::CloseAsUser() { Raise(EventType::Close, 0); }

}  // namespace trailcfg
