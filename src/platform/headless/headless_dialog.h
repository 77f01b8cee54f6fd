// One open page of the headless backend: its controls as plain values, built
// from the page's layout, and the user's actions turned into the page's events.
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

#include <set>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/driver.h"
#include "platform/layout.h"

namespace trailcfg::headless {

// The limit of an edit whose page never set one.
inline constexpr int kDefaultEditLimit = 32767;

struct ControlState {
    const ControlLayout* layout = nullptr;
    std::string text;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool masked = false;
    int limit = kDefaultEditLimit;
    int caret = 0;
    std::vector<std::string> items;
    int selection = -1;
};

class HeadlessDialog final : public Dialog, public DialogProbe, public BackendPage {
public:
    HeadlessDialog(const DialogLayout& layout, Page& page);

    // Dialog
    void SetTitle(const char* text) override;
    void SetSmallIcon(int iconId) override;
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
    void End(int result) override;

    // DialogProbe
    int TemplateId() const override;
    std::string Title() const override;
    bool HasControl(int id) const override;
    bool IsMasked(int id) const override;
    int Caret(int id) const override;
    int Limit(int id) const override;
    bool TimerRunning(int timerId) const override;
    void UserType(int id, const std::string& text) override;
    void UserClick(int id) override;
    void UserLeave(int id) override;
    void UserChoose(int id, int index) override;
    void UserPressKey(UserKey key) override;
    void UserClose() override;
    void FireTimer(int timerId) override;

    // For the platform and for tests of this backend.
    bool Ended() const override { return ended_; }
    int Result() const override { return result_; }
    int SmallIcon() const { return smallIcon_; }
    // No clock runs here: a timer fires only when the driver fires it.
    void StartTimer(int timerId, int) override {
        if (!ended_) timers_.insert(timerId);
    }
    void StopTimer(int timerId) override { timers_.erase(timerId); }

private:
    ControlState* Find(int id);
    const ControlState* Find(int id) const;
    // The control if a user could act on it now, else nullptr.
    ControlState* Reachable(int id);
    void Raise(EventType type, int id);

    const DialogLayout& layout_;
    Page& page_;
    std::vector<ControlState> controls_;
    std::string title_;
    int smallIcon_ = 0;
    std::set<int> timers_;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace trailcfg::headless
