#include "web_dialog.h"

#include <emscripten.h>

#include <algorithm>

#include "common/text_edge.h"
#include "platform/control_names.h"
#include "web_dom.h"
#include "web_units.h"

namespace trailcfg::web {

namespace {

std::u16string Utf16(const char* gbk) { return GbkToUtf16(gbk ? gbk : ""); }

int Length(const std::u16string& text) { return static_cast<int>(text.size()); }

}  // namespace

WebDialog::WebDialog(const DialogLayout& layout, Page& page) : StatePage(layout, page) {
    int metrics[2] = {0, 0};
    trailcfg_web_font_metrics(metrics);
    const BaseUnits units = BaseUnitsOf(metrics[0], metrics[1]);
    const PixelRect client = MapDialogRect(units, 0, 0, layout.cx, layout.cy);
    const std::u16string title = Utf16(Title().c_str());
    handle_ = trailcfg_web_page_open(layout.templateId, title.data(), Length(title), client.width, client.height);

    const ControlState* next = controls_.Rows().data();
    for (const ControlLayout& c : layout) {
        if (IsBitmapRow(c)) {
            // Its bitmap copied onto the page from its top-left corner into
            // a block of the row's size in CSS pixels, under what follows.
            trailcfg_web_add_bitmap(handle_, c.picture, c.x, c.y, c.cx, c.cy);
            continue;
        }
        // The rows are the layout's controls, in its order.
        const ControlState& state = *next++;
        PixelRect place = MapDialogRect(units, c.x, c.y, c.cx, c.cy);
        if (IsListKind(c.kind)) place.height = ClosedListHeight(units);
        const std::u16string text = Utf16(state.text.c_str());
        trailcfg_web_add(handle_, c.id, static_cast<int>(c.kind), place.x, place.y, place.width, place.height,
                         (c.style & kStyleCenter) != 0, text.data(), Length(text));
        if (!state.enabled) trailcfg_web_enable(handle_, c.id, 0);
        if (!state.visible) trailcfg_web_show(handle_, c.id, 0);
    }
}

WebDialog::~WebDialog() { trailcfg_web_page_close(handle_); }

void WebDialog::NameControls() {
    named_ = true;
    const DialogLayout& layout = Layout();
    for (int i = 0; i < layout.labelCount; ++i) {
        const LabelLink& link = layout.labels[i];
        const std::string name = ControlName(link, [this](int id) {
            const ControlState* part = Find(id);
            // What the user typed names nothing.
            return part && !IsEditKind(part->layout->kind) ? GetText(id) : std::string();
        });
        const std::u16string shown = GbkToUtf16(name);
        trailcfg_web_name(handle_, link.control, shown.data(), Length(shown));
    }
}

void WebDialog::RenameAfter(int id) {
    if (named_ && IsNamePart(Layout(), id)) NameControls();
}

// --- The user's events ------------------------------------------------------

void WebDialog::TakeUserEvents() {
    int event[3];
    while (trailcfg_web_next_event(event)) {
        if (event[0] == handle_) OnDomEvent(event[1], event[2]);
    }
}

void WebDialog::OnDomEvent(int type, int id) {
    if (Ended()) return;
    switch (type) {
        case kDomEnter:
            StatePage::PressKeyAsUser(UserKey::Enter);
            return;
        case kDomEscape:
            StatePage::PressKeyAsUser(UserKey::Escape);
            return;
        case kDomClose:
            StatePage::CloseAsUser();
            return;
        default:
            break;
    }
    ControlState* c = Reachable(id);
    if (!c) return;
    const ControlKind kind = c->layout->kind;
    if (type == kDomInput && IsEditKind(kind)) {
        OnUserInput(*c);
    } else if (type == kDomBlur && IsEditKind(kind)) {
        StatePage::LeaveAsUser(*c);
    } else if (type == kDomChange && IsListKind(kind)) {
        StatePage::ChooseAsUser(*c, trailcfg_web_list_selection(handle_, id));
        RenameAfter(id);
    } else if (type == kDomClick && IsButtonKind(kind)) {
        // The browser has toggled the check box already.
        if (kind == ControlKind::CheckBox) c->checked = trailcfg_web_is_checked(handle_, id) != 0;
        Raise(EventType::Clicked, id);
    }
}

void WebDialog::OnUserInput(ControlState& c) {
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

void WebDialog::FireDueTimers(double nowMs) {
    for (auto& [timerId, clock] : clocks_) {
        if (Ended()) return;
        if (nowMs < clock.nextMs) continue;
        clock.nextMs = nowMs + clock.periodMs;
        const int id = timerId;
        Raise(EventType::Timer, id);
        // The handler may have stopped or started timers.
        break;
    }
}

bool WebDialog::ArmTimer(int timerId, int periodMs) {
    clocks_[timerId] = Clock{periodMs, emscripten_get_now() + periodMs};
    return true;
}

// --- The program's changes, shown ---------------------------------------------

void WebDialog::MirrorTitle() {
    const std::u16string title = GbkToUtf16(Title());
    trailcfg_web_page_title(handle_, title.data(), Length(title));
}

void WebDialog::Mirror(const ControlState& c, StateChange change) {
    const int id = c.layout->id;
    switch (change) {
        case StateChange::Text: {
            const std::u16string shown = GbkToUtf16(c.text);
            trailcfg_web_set_text(handle_, id, shown.data(), Length(shown));
            RenameAfter(id);
            break;
        }
        case StateChange::Caret: {
            const std::u16string shown = GbkToUtf16(c.text);
            trailcfg_web_set_caret(handle_, id, IndexAtByte(shown, c.caret));
            break;
        }
        case StateChange::Enabled:
            trailcfg_web_enable(handle_, id, c.enabled);
            break;
        case StateChange::Visible:
            trailcfg_web_show(handle_, id, c.visible);
            break;
        case StateChange::Checked:
            trailcfg_web_check(handle_, id, c.checked);
            break;
        case StateChange::Masked:
            trailcfg_web_mask(handle_, id, c.masked);
            break;
        case StateChange::ItemAdded: {
            const std::u16string shown = GbkToUtf16(c.items.back());
            trailcfg_web_list_add(handle_, id, shown.data(), Length(shown), c.selection);
            RenameAfter(id);
            break;
        }
        case StateChange::ItemsEmptied:
            trailcfg_web_list_empty(handle_, id);
            break;
        case StateChange::Selection:
            trailcfg_web_list_select(handle_, id, c.selection);
            RenameAfter(id);
            break;
    }
}

// --- The driver's actions -------------------------------------------------------

void WebDialog::TypeAsUser(ControlState& edit, const std::string& text) {
    const int id = edit.layout->id;
    const int before = userEdits_;
    const std::u16string typed = GbkToUtf16(text);
    trailcfg_web_user_type(handle_, id, typed.data(), Length(typed));
    TakeUserEvents();
    // Windows reports a replaced selection as a change even when nothing of
    // the new text fits.
    if (userEdits_ == before && !Ended()) Raise(EventType::TextChanged, id);
}

void WebDialog::ClickAsUser(ControlState& button) {
    trailcfg_web_user_click(handle_, button.layout->id);
    TakeUserEvents();
}

void WebDialog::LeaveAsUser(ControlState& edit) {
    trailcfg_web_user_leave(handle_, edit.layout->id);
    TakeUserEvents();
}

void WebDialog::ChooseAsUser(ControlState& list, int index) {
    trailcfg_web_user_choose(handle_, list.layout->id, index);
    TakeUserEvents();
}

void WebDialog::PressKeyAsUser(UserKey key) {
    trailcfg_web_user_key(handle_, key == UserKey::Escape);
    TakeUserEvents();
}

void WebDialog::CloseAsUser() {
    trailcfg_web_user_close(handle_);
    TakeUserEvents();
}

}  // namespace trailcfg::web
