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

#include <string>
#include <vector>

#include "platform/backend_page.h"

namespace trailcfg {

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
};

// What a program call changed in a control, for a page that shows it.
enum class StateChange { Text, Enabled, Visible, Checked, Masked, Caret, ItemAdded, ItemsEmptied, Selection };

class StatePage : public ControlPage<ControlState> {
public:
    StatePage(const DialogLayout& layout, Page& page);

    // Dialog
    void SetTitle(const char* text) override;
    void SetSmallIcon(int iconId) override { smallIcon_ = iconId; }
    void SetText(int id, const char* text) override;
    std::string GetText(int id) const override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) const override;
    void Show(int id, bool visible) override;
    bool IsVisible(int id) const override;
    void SetCheck(int id, bool checked) override;
    bool IsChecked(int id) const override;
    void SetMasked(int id, bool masked) override;
    void SetLimit(int id, int chars) override;
    void SetCaret(int id, int pos) override;
    void ListAdd(int id, const char* text) override;
    void ListEmpty(int id) override;
    void ListSelect(int id, int index) override;
    int ListSelection(int id) const override;
    int ListCount(int id) const override;
    std::string ListItem(int id, int index) const override;

    // DialogProbe: the user's actions reach only what a user could reach,
    // and only controls of the kind the action is made on.
    std::string Title() const override { return title_; }
    bool IsMasked(int id) const override;
    int Caret(int id) const override;
    int Limit(int id) const override;
    void UserType(int id, const std::string& text) final;
    void UserClick(int id) final;
    void UserLeave(int id) final;
    void UserChoose(int id, int index) final;
    void UserPressKey(UserKey key) final;
    void UserClose() final;

    // The icon the page asked for (nothing here shows it).
    int SmallIcon() const { return smallIcon_; }

protected:
    // A page on a screen shows what the program changed.
    virtual void Mirror(const ControlState& /*control*/, StateChange /*change*/) {}
    virtual void MirrorTitle() {}

    // What each user action does, on a control within reach: the state
    // changes and the page hears of it. A page with real controls instead
    // acts on those, and calls these for the events they report.
    virtual void TypeAsUser(ControlState& edit, const std::string& text);
    virtual void ClickAsUser(ControlState& button);
    virtual void LeaveAsUser(ControlState& edit);
    // An index outside the list leaves no selection.
    virtual void ChooseAsUser(ControlState& list, int index);
    virtual void PressKeyAsUser(UserKey key);
    virtual void CloseAsUser();

private:
    std::string title_;
    int smallIcon_ = 0;
};

}  // namespace trailcfg
