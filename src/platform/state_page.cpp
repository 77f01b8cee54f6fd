#include "state_page.h"

#include "common/text_edge.h"

namespace trailcfg {

namespace {

// What the user types, cut to the edit's limit in GBK bytes without
// splitting a character; text that fits is kept byte for byte.
std::string FitToLimit(const std::string& gbk, int limit) {
    if (gbk.size() <= static_cast<std::size_t>(limit)) return gbk;
    return Utf16ToGbk(CutToGbkBytes(GbkToUtf16(gbk), limit));
}

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

void StatePage::SetTitle(const char* text) {
    title_ = text ? text : "";
    MirrorTitle();
}

void StatePage::Changed(ControlState& control, StateChange change) {
    Mirror(control, change);
    // The program's text in an edit is a change the page hears of at once.
    // The handler may set this edit's text again; `control` stays valid
    // because the rows never move once the page is made.
    if (change == StateChange::Text && IsEditKind(control.layout->kind))
        Raise(EventType::TextChanged, control.layout->id);
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

void StatePage::ChooseAsUser(ControlState& list, int index) {
    list.ListSelect(index);
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

}  // namespace trailcfg
