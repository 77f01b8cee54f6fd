// What the Win32 backend's tests share: a page that records its events and
// lets a test act from its handlers, and the window behind a Dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/port.h"
#include "win32_page_dialog.h"

namespace trailcfg::win32::test {

class TestPage : public Page {
public:
    explicit TestPage(int templateId) : templateId_(templateId) {}
    int TemplateId() const override { return templateId_; }
    void OnOpen(Dialog& dialog) override {
        if (onOpen) onOpen(dialog);
    }
    void OnEvent(Dialog& dialog, const Event& event) override {
        events.push_back(event);
        if (onEvent) onEvent(dialog, event);
    }

    std::function<void(Dialog&)> onOpen;
    std::function<void(Dialog&, const Event&)> onEvent;
    std::vector<Event> events;

private:
    int templateId_;
};

inline HWND WindowOf(Dialog& dialog) { return dynamic_cast<PageDialog&>(dialog).Window(); }

inline HWND ControlOf(Dialog& dialog, int id) { return GetDlgItem(WindowOf(dialog), id); }

// The events as "Type id" lines.
inline std::string Log(const std::vector<Event>& events) {
    static const char* const kNames[] = {"Clicked", "TextChanged", "FocusLost", "SelChanged", "SelConfirmed",
                                         "Enter",   "Escape",      "Close",     "Timer"};
    std::string out;
    for (const Event& e : events)
        out += std::string(kNames[static_cast<int>(e.type)]) + " " + std::to_string(e.id) + "\n";
    return out;
}

}  // namespace trailcfg::win32::test
