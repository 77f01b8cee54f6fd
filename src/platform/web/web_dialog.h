// One open page of the web backend: HTML controls placed from the page's
// layout (web_dom.js) over the page of plain values (platform/state_page.h),
// whose state of each control stays the program's, in GBK. Here every change
// the program makes is mirrored into the HTML page, and the user's DOM
// events are taken from the queue and handed on as the state page's own
// user actions.
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

#include "platform/state_page.h"

namespace trailcfg::web {

class WebDialog final : public StatePage {
public:
    WebDialog(const DialogLayout& layout, Page& page);
    ~WebDialog() override;

    // Hands the queued DOM events of this page to the page, in order.
    void TakeUserEvents();
    // Fires the timers whose period has passed (a person's run).
    void FireDueTimers(double nowMs);

    int Handle() const { return handle_; }

    // Gives every control with a label link its name for screen readers,
    // from the texts the page shows now; from here on a change of such a
    // text renames at once (the page has opened and filled itself in).
    void NameControls();

private:
    struct Clock {
        int periodMs;
        double nextMs;
    };

    // What the program changes, shown. The page's icon is not: every page
    // shows the program's one icon, the site's own (index.html).
    void Mirror(const ControlState& c, StateChange change) override;
    void MirrorTitle() override;
    bool ArmTimer(int timerId, int periodMs) override;
    void DisarmTimer(int timerId) override { clocks_.erase(timerId); }

    // The driver's actions go through the HTML control as the user's own
    // do, and their events are handed on before they return.
    void TypeAsUser(ControlState& edit, const std::string& text) override;
    void ClickAsUser(ControlState& button) override;
    void LeaveAsUser(ControlState& edit) override;
    void ChooseAsUser(ControlState& list, int index) override;
    void PressKeyAsUser(UserKey key) override;
    void CloseAsUser() override;

    void OnDomEvent(int type, int id);
    void OnUserInput(ControlState& c);
    void RenameAfter(int id);

    int handle_ = 0;
    std::map<int, Clock> clocks_;  // the running timers' next ticks
    int userEdits_ = 0;
    bool named_ = false;
};

}  // namespace trailcfg::web
