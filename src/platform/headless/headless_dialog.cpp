#include "headless_dialog.h"

#include <algorithm>
#include <climits>

namespace trailcfg::headless {

namespace {

bool IsEditKind(ControlKind kind) { return kind == ControlKind::Edit; }

bool IsListKind(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo; }

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::DefaultButton || kind == ControlKind::CheckBox;
}

// The longest start of `text` that fits `limit` bytes without cutting a
// double-byte GBK character in two.
std::string CutToLimit(const std::string& text, int limit) {
    if (limit <= 0 || text.size() <= static_cast<std::size_t>(limit)) return text;
    std::size_t end = 0;
    while (end < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[end]);
        std::size_t width = (c >= 0x81 && c <= 0xFE && end + 1 < text.size()) ? 2 : 1;
        if (end + width > static_cast<std::size_t>(limit)) break;
        end += width;
    }
    return text.substr(0, end);
}

}  // namespace

HeadlessDialog::HeadlessDialog(const DialogLayout& layout, Page& page)
    : layout_(layout), page_(page), title_(layout.title ? layout.title : "") {
    controls_.reserve(static_cast<std::size_t>(layout.controlCount));
    for (const ControlLayout& c : layout) {
        if (IsBitmapRow(c)) continue;  // a picture, nothing to act on
        ControlState state;
        state.layout = &c;
        if (!IsListKind(c.kind) && c.text) state.text = c.text;
        state.enabled = (c.style & kStyleDisabled) == 0;
        state.visible = (c.style & kStyleHidden) == 0;
        controls_.push_back(std::move(state));
    }
}

ControlState* HeadlessDialog::Find(int id) {
    for (ControlState& c : controls_)
        if (c.layout->id == id) return &c;
    return nullptr;
}

const ControlState* HeadlessDialog::Find(int id) const {
    for (const ControlState& c : controls_)
        if (c.layout->id == id) return &c;
    return nullptr;
}

ControlState* HeadlessDialog::Reachable(int id) {
    ControlState* c = Find(id);
    if (!c || ended_ || !c->enabled || !c->visible) return nullptr;
    return c;
}

void HeadlessDialog::Raise(EventType type, int id) { page_.OnEvent(*this, Event{type, id}); }

void HeadlessDialog::SetTitle(const char* text) { title_ = text ? text : ""; }

void HeadlessDialog::SetSmallIcon(int iconId) { smallIcon_ = iconId; }

void HeadlessDialog::SetText(int id, const char* text) {
    ControlState* c = Find(id);
    if (!c || IsListKind(c->layout->kind)) return;
    c->text = text ? text : "";
    if (!IsEditKind(c->layout->kind)) return;
    c->caret = 0;
    // The handler may set this edit's text again; `c` stays valid because
    // controls_ never changes its size after construction.
    Raise(EventType::TextChanged, id);
}

std::string HeadlessDialog::GetText(int id) const {
    const ControlState* c = Find(id);
    if (!c) return {};
    if (IsListKind(c->layout->kind)) return c->selection >= 0 ? c->items[static_cast<std::size_t>(c->selection)] : "";
    return c->text;
}

void HeadlessDialog::Enable(int id, bool enabled) {
    if (ControlState* c = Find(id)) c->enabled = enabled;
}

bool HeadlessDialog::IsEnabled(int id) const {
    const ControlState* c = Find(id);
    return c && c->enabled;
}

void HeadlessDialog::Show(int id, bool visible) {
    if (ControlState* c = Find(id)) c->visible = visible;
}

bool HeadlessDialog::IsVisible(int id) const {
    const ControlState* c = Find(id);
    return c && c->visible;
}

void HeadlessDialog::SetCheck(int id, bool checked) {
    if (ControlState* c = Find(id)) c->checked = checked;
}

bool HeadlessDialog::IsChecked(int id) const {
    const ControlState* c = Find(id);
    return c && c->checked;
}

void HeadlessDialog::SetMasked(int id, bool masked) {
    if (ControlState* c = Find(id)) c->masked = masked;
}

void HeadlessDialog::SetLimit(int id, int chars) {
    if (ControlState* c = Find(id)) c->limit = chars > 0 ? chars : INT_MAX;
}

void HeadlessDialog::SetCaret(int id, int pos) {
    ControlState* c = Find(id);
    if (!c) return;
    c->caret = std::clamp(pos, 0, static_cast<int>(c->text.size()));
}

void HeadlessDialog::ListAdd(int id, const char* text) {
    ControlState* c = Find(id);
    if (c && IsListKind(c->layout->kind)) c->items.emplace_back(text ? text : "");
}

void HeadlessDialog::ListEmpty(int id) {
    ControlState* c = Find(id);
    if (!c) return;
    c->items.clear();
    c->selection = -1;
}

void HeadlessDialog::ListSelect(int id, int index) {
    ControlState* c = Find(id);
    if (!c) return;
    c->selection = (index >= 0 && index < static_cast<int>(c->items.size())) ? index : -1;
}

int HeadlessDialog::ListSelection(int id) const {
    const ControlState* c = Find(id);
    return c ? c->selection : -1;
}

int HeadlessDialog::ListCount(int id) const {
    const ControlState* c = Find(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

std::string HeadlessDialog::ListItem(int id, int index) const {
    const ControlState* c = Find(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
    return c->items[static_cast<std::size_t>(index)];
}

void HeadlessDialog::End(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
    timers_.clear();
}

int HeadlessDialog::TemplateId() const { return layout_.templateId; }

std::string HeadlessDialog::Title() const { return title_; }

bool HeadlessDialog::HasControl(int id) const { return Find(id) != nullptr; }

bool HeadlessDialog::IsMasked(int id) const {
    const ControlState* c = Find(id);
    return c && c->masked;
}

int HeadlessDialog::Caret(int id) const {
    const ControlState* c = Find(id);
    return c ? c->caret : 0;
}

int HeadlessDialog::Limit(int id) const {
    const ControlState* c = Find(id);
    return c ? c->limit : 0;
}

bool HeadlessDialog::TimerRunning(int timerId) const { return timers_.count(timerId) != 0; }

void HeadlessDialog::UserType(int id, const std::string& text) {
    ControlState* c = Reachable(id);
    if (!c || !IsEditKind(c->layout->kind)) return;
    c->text = CutToLimit(text, c->limit);
    c->caret = static_cast<int>(c->text.size());
    Raise(EventType::TextChanged, id);
}

void HeadlessDialog::UserClick(int id) {
    ControlState* c = Reachable(id);
    if (!c || !IsButtonKind(c->layout->kind)) return;
    if (c->layout->kind == ControlKind::CheckBox) c->checked = !c->checked;
    Raise(EventType::Clicked, id);
}

void HeadlessDialog::UserLeave(int id) {
    ControlState* c = Reachable(id);
    if (c && IsEditKind(c->layout->kind)) Raise(EventType::FocusLost, id);
}

void HeadlessDialog::UserChoose(int id, int index) {
    ControlState* c = Reachable(id);
    if (!c || !IsListKind(c->layout->kind) || index < 0 || index >= static_cast<int>(c->items.size())) return;
    c->selection = index;
    Raise(EventType::SelConfirmed, id);
    Raise(EventType::SelChanged, id);
}

void HeadlessDialog::UserPressKey(UserKey key) {
    if (ended_) return;
    if (key == UserKey::Escape) {
        Raise(EventType::Escape, 0);
        return;
    }
    for (const ControlState& c : controls_) {
        if (c.layout->kind != ControlKind::DefaultButton) continue;
        // Windows presses the default button even when it is hidden, but
        // never while it is disabled.
        if (c.enabled) Raise(EventType::Clicked, c.layout->id);
        return;
    }
    Raise(EventType::Enter, 0);
}

void HeadlessDialog::UserClose() {
    if (!ended_) Raise(EventType::Close, 0);
}

void HeadlessDialog::FireTimer(int timerId) {
    if (!ended_ && TimerRunning(timerId)) Raise(EventType::Timer, timerId);
}

}  // namespace trailcfg::headless
