#include "web_dialog.h"

#include <emscripten.h>

#include <algorithm>
#include <climits>

#include "common/text_edge.h"
#include "web_dom.h"
#include "web_units.h"

namespace trailcfg::web {

namespace {

bool IsEditKind(ControlKind kind) { return kind == ControlKind::Edit; }

bool IsListKind(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo; }

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::DefaultButton || kind == ControlKind::CheckBox;
}

std::u16string Utf16(const char* gbk) { return GbkToUtf16(gbk ? gbk : ""); }

int Length(const std::u16string& text) { return static_cast<int>(text.size()); }

}  // namespace

WebDialog::WebDialog(const DialogLayout& layout, Page& page)
    : layout_(layout), page_(page), title_(layout.title ? layout.title : "") {
    int metrics[2] = {0, 0};
    trailcfg_web_font_metrics(metrics);
    const BaseUnits units = BaseUnitsOf(metrics[0], metrics[1]);
    const PixelRect client = MapDialogRect(units, 0, 0, layout.cx, layout.cy);
    const std::u16string title = Utf16(title_.c_str());
    handle_ = trailcfg_web_page_open(layout.templateId, title.data(), Length(title), client.width, client.height);

    controls_.reserve(static_cast<std::size_t>(layout.controlCount));
    for (const ControlLayout& c : layout) {
        if (IsBitmapRow(c)) {
            // Its bitmap copied onto the page from its top-left corner into
            // a block of the row's size in CSS pixels, under what follows.
            trailcfg_web_add_bitmap(handle_, c.picture, c.x, c.y, c.cx, c.cy);
            continue;
        }
        WebControl state;
        state.layout = &c;
        if (!IsListKind(c.kind) && c.text) state.text = c.text;
        PixelRect place = MapDialogRect(units, c.x, c.y, c.cx, c.cy);
        if (IsListKind(c.kind)) place.height = ClosedListHeight(units);
        const std::u16string text = Utf16(state.text.c_str());
        trailcfg_web_add(handle_, c.id, static_cast<int>(c.kind), place.x, place.y, place.width, place.height,
                         (c.style & kStyleCenter) != 0, text.data(), Length(text));
        if (c.style & kStyleDisabled) {
            state.enabled = false;
            trailcfg_web_enable(handle_, c.id, 0);
        }
        if (c.style & kStyleHidden) {
            state.visible = false;
            trailcfg_web_show(handle_, c.id, 0);
        }
        controls_.push_back(std::move(state));
    }
}

WebDialog::~WebDialog() { trailcfg_web_page_close(handle_); }

WebControl* WebDialog::Find(int id) {
    for (WebControl& c : controls_)
        if (c.layout->id == id) return &c;
    return nullptr;
}

const WebControl* WebDialog::Find(int id) const {
    for (const WebControl& c : controls_)
        if (c.layout->id == id) return &c;
    return nullptr;
}

WebControl* WebDialog::Reachable(int id) {
    WebControl* c = Find(id);
    if (!c || ended_ || !c->enabled || !c->visible) return nullptr;
    return c;
}

void WebDialog::Raise(EventType type, int id) { page_.OnEvent(*this, Event{type, id}); }

// --- The user's events ------------------------------------------------------

void WebDialog::TakeUserEvents() {
    int event[3];
    while (trailcfg_web_next_event(event)) {
        if (event[0] == handle_) OnDomEvent(event[1], event[2]);
    }
}

void WebDialog::OnDomEvent(int type, int id) {
    if (ended_) return;
    switch (type) {
        case kDomEnter:
            PressEnter();
            return;
        case kDomEscape:
            Raise(EventType::Escape, 0);
            return;
        case kDomClose:
            Raise(EventType::Close, 0);
            return;
        default:
            break;
    }
    WebControl* c = Reachable(id);
    if (!c) return;
    const ControlKind kind = c->layout->kind;
    if (type == kDomInput && IsEditKind(kind)) {
        OnUserInput(*c);
    } else if (type == kDomBlur && IsEditKind(kind)) {
        Raise(EventType::FocusLost, id);
    } else if (type == kDomChange && IsListKind(kind)) {
        const int index = trailcfg_web_list_selection(handle_, id);
        c->selection = (index >= 0 && index < static_cast<int>(c->items.size())) ? index : -1;
        Raise(EventType::SelConfirmed, id);
        Raise(EventType::SelChanged, id);
    } else if (type == kDomClick && IsButtonKind(kind)) {
        if (kind == ControlKind::CheckBox) c->checked = trailcfg_web_is_checked(handle_, id) != 0;
        Raise(EventType::Clicked, id);
    }
}

void WebDialog::OnUserInput(WebControl& c) {
    const int id = c.layout->id;
    std::u16string edited(64, u'\0');
    int caret = 0;
    int length = trailcfg_web_edit_value(handle_, id, edited.data(), Length(edited), &caret);
    if (length > Length(edited)) {
        edited.assign(static_cast<std::size_t>(length), u'\0');
        length = trailcfg_web_edit_value(handle_, id, edited.data(), Length(edited), &caret);
    }
    edited.resize(static_cast<std::size_t>(std::min(length, Length(edited))));

    const std::u16string committed = GbkToUtf16(c.text);
    const FittedEdit fitted = FitUserEdit(committed, edited, caret, c.limit);
    if (fitted.refused) {
        // Nothing of it fits: the edit stays as it was, as Windows refuses it.
        trailcfg_web_set_text(handle_, id, committed.data(), Length(committed));
        trailcfg_web_set_caret(handle_, id, IndexAtByte(committed, c.caret));
        return;
    }
    c.text = Utf16ToGbk(fitted.text);
    // What GBK cannot hold shows as the "?" the program keeps.
    const std::u16string shown = GbkToUtf16(c.text);
    if (shown != edited) trailcfg_web_set_text(handle_, id, shown.data(), Length(shown));
    c.caret = ByteAtIndex(fitted.text, fitted.caret);
    trailcfg_web_set_caret(handle_, id, IndexAtByte(shown, c.caret));
    ++userEdits_;
    Raise(EventType::TextChanged, id);
}

void WebDialog::PressEnter() {
    for (const WebControl& c : controls_) {
        if (c.layout->kind != ControlKind::DefaultButton) continue;
        // Windows presses the default button even when it is hidden, but
        // never while it is disabled.
        if (c.enabled) Raise(EventType::Clicked, c.layout->id);
        return;
    }
    Raise(EventType::Enter, 0);
}

void WebDialog::FireDueTimers(double nowMs) {
    for (auto& [timerId, timer] : timers_) {
        if (ended_) return;
        if (nowMs < timer.nextMs) continue;
        timer.nextMs = nowMs + timer.periodMs;
        const int id = timerId;
        Raise(EventType::Timer, id);
        // The handler may have stopped or started timers.
        break;
    }
}

// --- Dialog -------------------------------------------------------------------

void WebDialog::SetTitle(const char* text) {
    title_ = text ? text : "";
    const std::u16string title = GbkToUtf16(title_);
    trailcfg_web_page_title(handle_, title.data(), Length(title));
}

// Every page shows the program's one icon, the site's own (index.html).
void WebDialog::SetSmallIcon(int) {}

void WebDialog::SetText(int id, const char* text) {
    WebControl* c = Find(id);
    if (!c || IsListKind(c->layout->kind)) return;
    c->text = text ? text : "";
    const std::u16string shown = GbkToUtf16(c->text);
    trailcfg_web_set_text(handle_, id, shown.data(), Length(shown));
    if (!IsEditKind(c->layout->kind)) return;
    c->caret = 0;
    // The handler may set this edit's text again; `c` stays valid because
    // controls_ never changes its size after construction.
    Raise(EventType::TextChanged, id);
}

std::string WebDialog::GetText(int id) const {
    const WebControl* c = Find(id);
    if (!c) return {};
    if (IsListKind(c->layout->kind)) return c->selection >= 0 ? c->items[static_cast<std::size_t>(c->selection)] : "";
    return c->text;
}

void WebDialog::Enable(int id, bool enabled) {
    if (WebControl* c = Find(id)) {
        c->enabled = enabled;
        trailcfg_web_enable(handle_, id, enabled);
    }
}

bool WebDialog::IsEnabled(int id) const {
    const WebControl* c = Find(id);
    return c && c->enabled;
}

void WebDialog::Show(int id, bool visible) {
    if (WebControl* c = Find(id)) {
        c->visible = visible;
        trailcfg_web_show(handle_, id, visible);
    }
}

bool WebDialog::IsVisible(int id) const {
    const WebControl* c = Find(id);
    return c && c->visible;
}

void WebDialog::SetCheck(int id, bool checked) {
    if (WebControl* c = Find(id)) {
        c->checked = checked;
        trailcfg_web_check(handle_, id, checked);
    }
}

bool WebDialog::IsChecked(int id) const {
    const WebControl* c = Find(id);
    return c && c->checked;
}

void WebDialog::SetMasked(int id, bool masked) {
    if (WebControl* c = Find(id)) {
        c->masked = masked;
        trailcfg_web_mask(handle_, id, masked);
    }
}

void WebDialog::SetLimit(int id, int chars) {
    if (WebControl* c = Find(id)) c->limit = chars > 0 ? chars : INT_MAX;
}

void WebDialog::SetCaret(int id, int pos) {
    WebControl* c = Find(id);
    if (!c) return;
    c->caret = std::clamp(pos, 0, static_cast<int>(c->text.size()));
    const std::u16string shown = GbkToUtf16(c->text);
    trailcfg_web_set_caret(handle_, id, IndexAtByte(shown, c->caret));
}

void WebDialog::ListAdd(int id, const char* text) {
    WebControl* c = Find(id);
    if (!c || !IsListKind(c->layout->kind)) return;
    c->items.emplace_back(text ? text : "");
    const std::u16string shown = GbkToUtf16(c->items.back());
    trailcfg_web_list_add(handle_, id, shown.data(), Length(shown), c->selection);
}

void WebDialog::ListEmpty(int id) {
    WebControl* c = Find(id);
    if (!c) return;
    c->items.clear();
    c->selection = -1;
    trailcfg_web_list_empty(handle_, id);
}

void WebDialog::ListSelect(int id, int index) {
    WebControl* c = Find(id);
    if (!c) return;
    c->selection = (index >= 0 && index < static_cast<int>(c->items.size())) ? index : -1;
    trailcfg_web_list_select(handle_, id, c->selection);
}

int WebDialog::ListSelection(int id) const {
    const WebControl* c = Find(id);
    return c ? c->selection : -1;
}

int WebDialog::ListCount(int id) const {
    const WebControl* c = Find(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

std::string WebDialog::ListItem(int id, int index) const {
    const WebControl* c = Find(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
    return c->items[static_cast<std::size_t>(index)];
}

void WebDialog::End(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
    timers_.clear();
}

void WebDialog::StartTimer(int timerId, int periodMs) {
    if (!ended_) timers_[timerId] = Timer{periodMs, emscripten_get_now() + periodMs};
}

void WebDialog::StopTimer(int timerId) { timers_.erase(timerId); }

// --- DialogProbe ----------------------------------------------------------------

int WebDialog::TemplateId() const { return layout_.templateId; }

std::string WebDialog::Title() const { return title_; }

bool WebDialog::HasControl(int id) const { return Find(id) != nullptr; }

bool WebDialog::IsMasked(int id) const {
    const WebControl* c = Find(id);
    return c && c->masked;
}

int WebDialog::Caret(int id) const {
    const WebControl* c = Find(id);
    return c ? c->caret : 0;
}

int WebDialog::Limit(int id) const {
    const WebControl* c = Find(id);
    return c ? c->limit : 0;
}

bool WebDialog::TimerRunning(int timerId) const { return timers_.count(timerId) != 0; }

void WebDialog::UserType(int id, const std::string& text) {
    WebControl* c = Reachable(id);
    if (!c || !IsEditKind(c->layout->kind)) return;
    const int before = userEdits_;
    const std::u16string typed = GbkToUtf16(text);
    trailcfg_web_user_type(handle_, id, typed.data(), Length(typed));
    TakeUserEvents();
    // Windows reports a replaced selection as a change even when nothing of
    // the new text fits.
    if (userEdits_ == before && !ended_) Raise(EventType::TextChanged, id);
}

void WebDialog::UserClick(int id) {
    WebControl* c = Reachable(id);
    if (!c || !IsButtonKind(c->layout->kind)) return;
    trailcfg_web_user_click(handle_, id);
    TakeUserEvents();
}

void WebDialog::UserLeave(int id) {
    WebControl* c = Reachable(id);
    if (!c || !IsEditKind(c->layout->kind)) return;
    trailcfg_web_user_leave(handle_, id);
    TakeUserEvents();
}

void WebDialog::UserChoose(int id, int index) {
    WebControl* c = Reachable(id);
    if (!c || !IsListKind(c->layout->kind) || index < 0 || index >= static_cast<int>(c->items.size())) return;
    trailcfg_web_user_choose(handle_, id, index);
    TakeUserEvents();
}

void WebDialog::UserPressKey(UserKey key) {
    if (ended_) return;
    trailcfg_web_user_key(handle_, key == UserKey::Escape);
    TakeUserEvents();
}

void WebDialog::UserClose() {
    if (ended_) return;
    trailcfg_web_user_close(handle_);
    TakeUserEvents();
}

void WebDialog::FireTimer(int timerId) {
    if (!ended_ && TimerRunning(timerId)) Raise(EventType::Timer, timerId);
}

}  // namespace trailcfg::web
