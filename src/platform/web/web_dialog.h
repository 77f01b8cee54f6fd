// One open page of the web backend: HTML controls placed from the page's
// layout (web_dom.js), the program's state of each control kept here in GBK
// and mirrored into the page, and the user's DOM events taken from the queue
// and turned into the page's events.
//
// The event semantics are the port's (platform/port.h) and the headless
// backend's choices where a toolkit would have its own habits: SetText on an
// edit puts the caret at 0 and raises TextChanged; the limit counts GBK bytes
// and cuts what the user inserts (common/text_edge.h); Enter presses the
// default button while it is enabled; what the user cannot reach (disabled,
// hidden, an ended page) ignores the user.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/driver.h"
#include "platform/layout.h"

namespace trailcfg::web {

inline constexpr int kDefaultEditLimit = 32767;

struct WebControl {
    const ControlLayout* layout = nullptr;
    std::string text;  // GBK; for edits what the user committed last
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool masked = false;
    int limit = kDefaultEditLimit;
    int caret = 0;  // GBK bytes
    std::vector<std::string> items;
    int selection = -1;
};

class WebDialog final : public Dialog, public DialogProbe, public BackendPage {
public:
    WebDialog(const DialogLayout& layout, Page& page);
    ~WebDialog() override;
    WebDialog(const WebDialog&) = delete;
    WebDialog& operator=(const WebDialog&) = delete;

    // Hands the queued DOM events of this page to the page, in order.
    void TakeUserEvents();
    // Fires the timers whose period has passed (a person's run).
    void FireDueTimers(double nowMs);

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

    // DialogProbe: each action goes through the HTML control as the user's
    // own does, and its events are handed on before it returns.
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

    // BackendPage
    bool Ended() const override { return ended_; }
    int Result() const override { return result_; }
    void StartTimer(int timerId, int periodMs) override;
    void StopTimer(int timerId) override;

    int Handle() const { return handle_; }

private:
    struct Timer {
        int periodMs;
        double nextMs;
    };

    WebControl* Find(int id);
    const WebControl* Find(int id) const;
    WebControl* Reachable(int id);
    void Raise(EventType type, int id);
    void OnDomEvent(int type, int id);
    void OnUserInput(WebControl& c);
    void PressEnter();

    const DialogLayout& layout_;
    Page& page_;
    int handle_ = 0;
    std::vector<WebControl> controls_;
    std::string title_;
    std::map<int, Timer> timers_;
    int userEdits_ = 0;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace trailcfg::web
