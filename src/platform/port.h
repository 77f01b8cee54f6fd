// The platform port: everything the pages may ask of a window system.
//
// Pages include this header and nothing else of a toolkit. A backend
// (headless, Qt, Win32, web) implements Dialog and Platform; it shows, reports the
// user's events and converts text at its edge, and never decides anything the
// pages decide. All texts crossing this port are the program's narrow GBK
// strings; positions and lengths in them count bytes.
#pragma once

#include <cstdint>
#include <string>

namespace trailcfg {

enum class EventType {
    Clicked,       // a button was pressed; a check box was toggled first
    TextChanged,   // an edit's text changed (by the user or the program)
    FocusLost,     // an edit lost the keyboard focus
    SelChanged,    // the user changed a list's selection
    SelConfirmed,  // the user confirmed a list selection (raised before SelChanged)
    Enter,         // the Enter key (the dialog's OK command)
    Escape,        // the Escape key (the dialog's Cancel command)
    Close,         // the close box: a request; only the page decides to end
    Timer,         // a page timer fired; `id` is the timer number
};

struct Event {
    EventType type;
    int id;  // the control id, or the timer number
};

enum class MessageIcon { Warning, Information };

struct LocalTime {
    int year, month, day, hour, minute, second;
};

// RunModal's result when a page could not be created.
inline constexpr int kPageNotCreated = -1;
// RunModal's result when a driver gave up the run before the page ended
// (the scenario ran out of steps); the application stops at once.
inline constexpr int kPageAbandoned = -2;

// One open page, its controls addressed by their ids.
//
// Semantics every backend keeps (the pages rely on them):
// - SetText on an edit raises its TextChanged at once, before SetText
//   returns, re-entrantly.
// - ListSelect raises nothing; an index outside the list leaves no
//   selection, and ListSelection then reads -1.
// - The edit limit cuts what the user types; text set here is not cut.
// - Masking shows every character as an asterisk and may switch at any time.
class Dialog {
public:
    virtual ~Dialog() = default;

    virtual void SetTitle(const char* text) = 0;
    virtual void SetSmallIcon(int iconId) = 0;

    virtual void SetText(int id, const char* text) = 0;
    virtual std::string GetText(int id) const = 0;

    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void Show(int id, bool visible) = 0;
    virtual bool IsVisible(int id) const = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool IsChecked(int id) const = 0;

    virtual void SetMasked(int id, bool masked) = 0;
    virtual void SetLimit(int id, int chars) = 0;
    // Places the caret at byte position `pos` with an empty selection.
    virtual void SetCaret(int id, int pos) = 0;

    virtual void ListAdd(int id, const char* text) = 0;
    virtual void ListEmpty(int id) = 0;
    virtual void ListSelect(int id, int index) = 0;
    virtual int ListSelection(int id) const = 0;
    virtual int ListCount(int id) const = 0;
    virtual std::string ListItem(int id, int index) const = 0;

    // Ends the page: it leaves the screen and its RunModal returns `result`
    // once the current event handler has returned.
    virtual void End(int result) = 0;
};

// A page: its template and its handlers. Handlers run on the one user
// interface thread and never throw.
class Page {
public:
    virtual ~Page() = default;
    virtual int TemplateId() const = 0;
    // The page has been created from its template and is about to show.
    virtual void OnOpen(Dialog& dialog) = 0;
    virtual void OnEvent(Dialog& dialog, const Event& event) = 0;
};

// What the pages ask of the system.
class Platform {
public:
    virtual ~Platform() = default;

    // Creates the page from its template and runs it modally until it ends.
    // Returns the page's End result, kPageNotCreated or kPageAbandoned.
    virtual int RunModal(Page& page) = 0;

    // The system's default language identifier (0x0804 Chinese, PRC).
    virtual std::uint16_t SystemDefaultLanguage() = 0;
    // The process's current directory as GBK; false when it cannot be read.
    virtual bool CurrentDirectory(std::string& folder) = 0;
    virtual LocalTime Now() = 0;
    // The folder dialog: file-system folders only, no title, no initial
    // selection. False when cancelled.
    virtual bool BrowseFolder(Dialog& owner, std::string& folder) = 0;
    // A modal box with one OK button.
    virtual void ShowMessage(Dialog& owner, const char* text, const char* caption, MessageIcon icon) = 0;
    // A periodic timer delivering Event{Timer, timerId} to the page.
    virtual void StartTimer(Dialog& dialog, int timerId, int periodMs) = 0;
    virtual void StopTimer(Dialog& dialog, int timerId) = 0;
};

}  // namespace trailcfg
