// Driving a backend without a person: what the scenario runner and the port's
// conformance tests use to act as the user and to look at the screen. Pages
// never include this header.
#pragma once

#include <string>

#include "platform/port.h"

namespace trailcfg {

enum class UserKey { Enter, Escape };

// What a driver sees of the open page beyond the Dialog getters, and what it
// can do to it as a user would.
class DialogProbe {
public:
    virtual ~DialogProbe() = default;

    virtual int TemplateId() const = 0;
    virtual std::string Title() const = 0;
    virtual bool HasControl(int id) const = 0;
    virtual bool IsMasked(int id) const = 0;
    virtual int Caret(int id) const = 0;  // byte position, empty selection
    virtual int Limit(int id) const = 0;
    virtual bool TimerRunning(int timerId) const = 0;

    // Replaces the edit's whole text as one user edit (like pasting over a
    // full selection): the limit cuts `text`, the text changes once and
    // TextChanged is raised; the caret ends after the inserted text unless
    // the page moves it.
    virtual void UserType(int id, const std::string& text) = 0;
    // Presses a button; toggles a check box, then raises Clicked.
    virtual void UserClick(int id) = 0;
    // The edit loses the focus.
    virtual void UserLeave(int id) = 0;
    // Picks entry `index` of a list and confirms it (SelConfirmed, then
    // SelChanged).
    virtual void UserChoose(int id, int index) = 0;
    virtual void UserPressKey(UserKey key) = 0;
    virtual void UserClose() = 0;
    // Fires the page's timer once, if it runs.
    virtual void FireTimer(int timerId) = 0;
};

// Takes the user's place. While a driver is attached to a backend, the
// backend does not wait for a person: RunModal calls Act until the page has
// ended, and the system questions of Platform are answered here.
class Driver {
public:
    virtual ~Driver() = default;

    // Called when a page has opened and after each action while it stays
    // open. Returns false to abandon the run (RunModal returns
    // kPageAbandoned).
    virtual bool Act(Dialog& dialog, DialogProbe& probe) = 0;

    virtual std::uint16_t SystemDefaultLanguage() = 0;
    virtual LocalTime Now() = 0;
    // The next queued folder answer; false means cancel.
    virtual bool AnswerFolder(std::string& folder) = 0;
    // A message box, answered with OK at once.
    virtual void RecordMessage(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
};

// A backend that can be driven.
class DrivablePlatform : public Platform {
public:
    // nullptr: back to a person at the screen.
    virtual void SetDriver(Driver* driver) = 0;
};

}  // namespace trailcfg
