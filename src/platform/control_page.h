// A page whose controls are C rows (see ControlTable), with the port's
// Dialog and DialogProbe calls written once over them: each call finds the
// control, keeps to the kinds of control it is made on, and leaves the rest
// to the control's own members, so a backend writes its widgets' side once,
// in C:
//
//   every control  SetText(std::string_view gbk)  (never called on a list),
//                  Text(), Enable(bool), IsEnabled(), Show(bool),
//                  IsVisible(), SetCheck(bool), IsChecked() (check boxes)
//   edits          SetMasked(bool), IsMasked(), SetLimit(int bytes), Limit(),
//                  SetCaret(int byte), Caret()
//   lists          ListAdd(std::string_view gbk), ListEmpty(),
//                  ListSelect(int), ListSelection(), ListCount(),
//                  ListItem(int)
//
// What belongs to the page rather than a control stays the backend's: the
// title and icon, what a program's change means to the page (`Changed`),
// and the user's actions, which go through the toolkit the way it delivers
// a person's own (the *AsUser hooks).
#pragma once

#include <string>
#include <string_view>

#include "platform/backend_page.h"
#include "platform/control_table.h"

namespace trailcfg {

// What a program call changed in a control.
enum class StateChange { Text, Enabled, Visible, Checked, Masked, Caret, ItemAdded, ItemsEmptied, Selection };

inline bool IsCheckKind(ControlKind kind) { return kind == ControlKind::CheckBox; }

template <typename C>
class ControlPage : public BackendPage {
public:
    using BackendPage::BackendPage;

    const C* Find(int id) const { return controls_.Find(id); }
    C* Find(int id) { return controls_.Find(id); }
    bool HasControl(int id) const final { return controls_.Find(id) != nullptr; }

    // Dialog
    void SetText(int id, const char* text) final {
        C* c = Find(id);
        if (!c || IsListKind(c->layout->kind)) return;  // a list shows its selected entry
        c->SetText(text ? text : "");
        Changed(*c, StateChange::Text);
    }
    std::string GetText(int id) const final {
        const C* c = Find(id);
        return c ? c->Text() : std::string();
    }
    void Enable(int id, bool enabled) final {
        if (C* c = Find(id)) Change(*c, &C::Enable, enabled, StateChange::Enabled);
    }
    bool IsEnabled(int id) const final {
        const C* c = Find(id);
        return c && c->IsEnabled();
    }
    void Show(int id, bool visible) final {
        if (C* c = Find(id)) Change(*c, &C::Show, visible, StateChange::Visible);
    }
    // The control's own state, whether or not the page is on screen.
    bool IsVisible(int id) const final {
        const C* c = Find(id);
        return c && c->IsVisible();
    }
    void SetCheck(int id, bool checked) final {
        if (C* c = controls_.FindOf(id, IsCheckKind)) Change(*c, &C::SetCheck, checked, StateChange::Checked);
    }
    bool IsChecked(int id) const final {
        const C* c = controls_.FindOf(id, IsCheckKind);
        return c && c->IsChecked();
    }
    void SetMasked(int id, bool masked) final {
        if (C* c = controls_.FindOf(id, IsEditKind)) Change(*c, &C::SetMasked, masked, StateChange::Masked);
    }
    void SetLimit(int id, int chars) final {
        if (C* c = controls_.FindOf(id, IsEditKind)) c->SetLimit(chars);
    }
    void SetCaret(int id, int pos) final {
        if (C* c = controls_.FindOf(id, IsEditKind)) Change(*c, &C::SetCaret, pos, StateChange::Caret);
    }
    void ListAdd(int id, const char* text) final {
        C* c = controls_.FindOf(id, IsListKind);
        if (!c) return;
        c->ListAdd(text ? text : "");
        Changed(*c, StateChange::ItemAdded);
    }
    void ListEmpty(int id) final {
        C* c = controls_.FindOf(id, IsListKind);
        if (!c) return;
        c->ListEmpty();
        Changed(*c, StateChange::ItemsEmptied);
    }
    // An index outside the list leaves no selection.
    void ListSelect(int id, int index) final {
        if (C* c = controls_.FindOf(id, IsListKind)) Change(*c, &C::ListSelect, index, StateChange::Selection);
    }
    int ListSelection(int id) const final {
        const C* c = controls_.FindOf(id, IsListKind);
        return c ? c->ListSelection() : -1;
    }
    int ListCount(int id) const final {
        const C* c = controls_.FindOf(id, IsListKind);
        return c ? c->ListCount() : 0;
    }
    std::string ListItem(int id, int index) const final {
        const C* c = controls_.FindOf(id, IsListKind);
        return c && index >= 0 && index < c->ListCount() ? c->ListItem(index) : std::string();
    }

    // DialogProbe: the user's actions reach only what a user could reach,
    // and only controls of the kind the action is made on.
    bool IsMasked(int id) const final {
        const C* c = controls_.FindOf(id, IsEditKind);
        return c && c->IsMasked();
    }
    int Caret(int id) const final {
        const C* c = controls_.FindOf(id, IsEditKind);
        return c ? c->Caret() : 0;
    }
    int Limit(int id) const final {
        const C* c = controls_.FindOf(id, IsEditKind);
        return c ? c->Limit() : 0;
    }
    void UserType(int id, const std::string& text) final {
        if (C* c = Reachable(id, IsEditKind)) TypeAsUser(*c, text);
    }
    void UserClick(int id) final {
        if (C* c = Reachable(id, IsButtonKind)) ClickAsUser(*c);
    }
    void UserLeave(int id) final {
        if (C* c = Reachable(id, IsEditKind)) LeaveAsUser(*c);
    }
    void UserChoose(int id, int index) final {
        C* c = Reachable(id, IsListKind);
        if (c && index >= 0 && index < c->ListCount()) ChooseAsUser(*c, index);
    }
    void UserPressKey(UserKey key) final {
        if (!Ended()) PressKeyAsUser(key);
    }
    void UserClose() final {
        if (!Ended()) CloseAsUser();
    }

protected:
    // After a program call has changed the control: what the page shows or
    // raises beyond what the control did itself.
    virtual void Changed(C& /*control*/, StateChange /*change*/) {}

    // What each user action does to a control within reach, of the kind the
    // action is made on, on a page that has not ended.
    virtual void TypeAsUser(C& edit, const std::string& text) = 0;
    virtual void ClickAsUser(C& button) = 0;
    virtual void LeaveAsUser(C& edit) = 0;
    virtual void ChooseAsUser(C& list, int index) = 0;  // index within the list
    virtual void PressKeyAsUser(UserKey key) = 0;
    virtual void CloseAsUser() = 0;

    // The control if a user could act on it now, else nullptr: what a user
    // cannot reach (a disabled or hidden control, a page that has ended)
    // ignores the user's actions.
    C* Reachable(int id) {
        C* c = controls_.Find(id);
        if (!c || Ended() || !c->IsEnabled() || !c->IsVisible()) return nullptr;
        return c;
    }

    ControlTable<C> controls_;

private:
    C* Reachable(int id, bool (*kind)(ControlKind)) {
        C* c = Reachable(id);
        return c && kind(c->layout->kind) ? c : nullptr;
    }

    // A setter on the control, and the page told of it.
    template <typename Value>
    void Change(C& c, void (C::*set)(Value), Value value, StateChange change) {
        (c.*set)(value);
        Changed(c, change);
    }
};

}  // namespace trailcfg
