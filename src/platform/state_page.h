// A page whose controls are plain values: the program's state of each
// control, kept here in GBK, and the user's actions turned into the page's
// events. The headless backend's page is this class as it stands; the web
// backend's mirrors each change into its HTML controls and takes the user's
// actions from them.
//
// Where Windows behaviour needs a choice, the choice is Windows':
// - SetText on an edit leaves the caret at position 0 and then raises
//   TextChanged; labels, group boxes, buttons and check boxes raise nothing.
// - A list's text is its selected entry ("" without a selection); SetText on
//   a list changes nothing.
// - Enter presses the layout's default button when there is one (nothing
//   happens while it is disabled); without one the page gets Event Enter.
// - The edit limit counts bytes of the GBK text and never splits a
//   double-byte character; a limit of 0 or less means no practical limit.
// - What a user cannot reach (a disabled or hidden control, a page that has
//   ended) ignores the user's actions.
#pragma once

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_page.h"

namespace trailcfg {

// A control as plain values, with the members ControlPage calls.
struct ControlState {
    const ControlLayout* layout = nullptr;
    std::string text;  // GBK; a list's is unused (it reads its selection)
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool masked = false;
    int limit = kDefaultEditLimit;  // GBK bytes
    int caret = 0;                  // GBK bytes
    std::vector<std::string> items;
    int selection = -1;

    // An edit's caret goes to the start.
    void SetText(std::string_view gbk) {
        text = gbk;
        caret = 0;
    }
    std::string Text() const { return IsListKind(layout->kind) ? ListItem(selection) : text; }
    void Enable(bool on) { enabled = on; }
    bool IsEnabled() const { return enabled; }
    void Show(bool on) { visible = on; }
    bool IsVisible() const { return visible; }
    void SetCheck(bool on) { checked = on; }
    bool IsChecked() const { return checked; }

    void SetMasked(bool on) { masked = on; }
    bool IsMasked() const { return masked; }
    // 0 or less: no practical limit.
    void SetLimit(int bytes) { limit = bytes > 0 ? bytes : INT_MAX; }
    int Limit() const { return limit; }
    void SetCaret(int pos) { caret = std::clamp(pos, 0, static_cast<int>(text.size())); }
    int Caret() const { return caret; }

    void ListAdd(std::string_view gbk) { items.emplace_back(gbk); }
    void ListEmpty() {
        items.clear();
        selection = -1;
    }
    void ListSelect(int index) { selection = InList(index) ? index : -1; }
    int ListSelection() const { return selection; }
    int ListCount() const { return static_cast<int>(items.size()); }
    std::string ListItem(int index) const { return InList(index) ? items[static_cast<std::size_t>(index)] : ""; }
    bool InList(int index) const { return index >= 0 && index < ListCount(); }
};

class StatePage : public ControlPage<ControlState> {
public:
    StatePage(const DialogLayout& layout, Page& page);

    void SetTitle(const char* text) override;
    void SetSmallIcon(int iconId) override { smallIcon_ = iconId; }
    std::string Title() const override { return title_; }

    // The icon the page asked for (nothing here shows it).
    int SmallIcon() const { return smallIcon_; }

protected:
    // A page on a screen shows what the program changed.
    virtual void Mirror(const ControlState& /*control*/, StateChange /*change*/) {}
    virtual void MirrorTitle() {}

    // What each user action does: the state changes and the page hears of
    // it. A page with real controls instead acts on those, and calls these
    // for the events they report.
    void TypeAsUser(ControlState& edit, const std::string& text) override;
    void ClickAsUser(ControlState& button) override;
    void LeaveAsUser(ControlState& edit) override { Raise(EventType::FocusLost, edit.layout->id); }
    // An index outside the list leaves no selection.
    void ChooseAsUser(ControlState& list, int index) override;
    void PressKeyAsUser(UserKey key) override;
    void CloseAsUser() override { Raise(EventType::Close, 0); }

private:
    void Changed(ControlState& control, StateChange change) final;

    std::string title_;
    int smallIcon_ = 0;
};

}  // namespace trailcfg
