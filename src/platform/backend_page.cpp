#include "backend_page.h"

namespace trailcfg {

void BackendPage::End(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
    StopAllTimers();
    OnEnded();
}

void BackendPage::Detach() {
    ended_ = true;
    StopAllTimers();
}

void BackendPage::StopAllTimers() {
    for (int timerId : timers_) DisarmTimer(timerId);
    timers_.clear();
}

void BackendPage::StartTimer(int timerId, int periodMs) {
    if (!ended_ && ArmTimer(timerId, periodMs)) timers_.insert(timerId);
}

void BackendPage::StopTimer(int timerId) {
    if (timers_.erase(timerId)) DisarmTimer(timerId);
}

void BackendPage::FireTimer(int timerId) {
    if (!ended_ && TimerRunning(timerId)) Raise(EventType::Timer, timerId);
}

void BackendPage::Raise(EventType type, int id) { page_.OnEvent(*this, Event{type, id}); }

}  // namespace trailcfg
