// What every backend repeats, written once: the hand-off to a driver and the
// bookkeeping of an open page. A backend derives its Platform from
// BackendPlatform and its page from ControlPage (control_page.h), and is
// left with widget wiring: making the controls, reporting the user's events,
// converting text at its edge (common/text_edge.h) and answering a person at
// the screen.
// docs/BACKENDS.md lists the rest; tests/port's conformance suite checks it.
#pragma once

#include <string>

#include "platform/backend_page.h"
#include "platform/driver.h"

namespace trailcfg {

class BackendPlatform : public DrivablePlatform {
public:
    void SetDriver(Driver* driver) final { driver_ = driver; }

    // While a driver is attached it answers every question a person would.
    std::uint16_t SystemDefaultLanguage() final;
    LocalTime Now() final;
    bool BrowseFolder(Dialog& owner, std::string& folder) final;
    void ShowMessage(Dialog& owner, const char* text, const char* caption, MessageIcon icon) final;

    // On the page's own timers; a Dialog of another backend is left alone.
    void StartTimer(Dialog& dialog, int timerId, int periodMs) final;
    void StopTimer(Dialog& dialog, int timerId) final;

protected:
    Driver* AttachedDriver() const { return driver_; }

    // The driven run of an open page: `settle` lets the toolkit finish what
    // the last step set in motion (painting, posted events) before the driver
    // looks; then the driver acts, until the page has ended. The page's
    // result, or kPageAbandoned when the driver gives up (or is taken away).
    template <typename Settle>
    int DriveUntilEnded(BackendPage& page, Settle settle) {
        while (true) {
            settle();
            if (page.Ended()) return page.Result();
            if (!driver_ || !driver_->Act(page, page)) return kPageAbandoned;
        }
    }

    // The answers for a person at the screen.
    virtual std::uint16_t PersonLanguage() = 0;
    virtual LocalTime PersonNow() = 0;
    virtual bool PersonBrowseFolder(Dialog& owner, std::string& folder) = 0;
    virtual void PersonShowMessage(Dialog& owner, const std::string& text, const std::string& caption,
                                   MessageIcon icon) = 0;

private:
    Driver* driver_ = nullptr;
};

}  // namespace trailcfg
