// An open page as every backend keeps it: its layout and handlers, whether
// and how it ended, and its running timers. A backend derives its page from
// ControlPage<its control row> (control_page.h), which adds the controls.
#pragma once

#include <set>

#include "platform/driver.h"
#include "platform/layout.h"
#include "platform/port.h"

namespace trailcfg {

class BackendPage : public Dialog, public DialogProbe {
public:
    BackendPage(const DialogLayout& layout, Page& page) : layout_(layout), page_(page) {}
    BackendPage(const BackendPage&) = delete;
    BackendPage& operator=(const BackendPage&) = delete;

    const DialogLayout& Layout() const { return layout_; }
    // True once the page has called End; its RunModal returns Result().
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    // Only the first End counts; the timers stop with it.
    void End(int result) final;

    // The page's periodic timers (Platform::StartTimer, StopTimer). An ended
    // page starts none.
    void StartTimer(int timerId, int periodMs);
    void StopTimer(int timerId);

    int TemplateId() const final { return layout_.templateId; }
    bool TimerRunning(int timerId) const final { return timers_.count(timerId) != 0; }
    void FireTimer(int timerId) final;

protected:
    // Hands an event to the page's handlers. A backend that must keep some
    // events from an ended page filters them before calling this.
    virtual void Raise(EventType type, int id);
    Page& Handlers() const { return page_; }

    // What ending means to the toolkit (hiding the page, leaving its modal
    // loop); called once, after the timers have stopped.
    virtual void OnEnded() {}
    // The toolkit's clock for one timer. A driven page's timers fire only
    // when the driver fires them, so arming may do nothing; false when the
    // toolkit refused, and the timer does not run.
    virtual bool ArmTimer(int /*timerId*/, int /*periodMs*/) { return true; }
    virtual void DisarmTimer(int /*timerId*/) {}

    // For a backend's destructor, before its controls go: nothing reaches
    // the page any more (its controls may still report as they are torn
    // down), and no timer runs.
    void Detach();

private:
    void StopAllTimers();

    const DialogLayout& layout_;
    Page& page_;
    std::set<int> timers_;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace trailcfg
