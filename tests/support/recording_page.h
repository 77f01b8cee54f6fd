// What the backends' tests share: a page that records the events it is given
// and lets a test act from its handlers, and those events as text a failed
// comparison prints readably.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/port.h"

namespace trailcfg::test {

class RecordingPage : public Page {
public:
    explicit RecordingPage(int templateId) : templateId_(templateId) {}
    int TemplateId() const override { return templateId_; }
    void OnOpen(Dialog& dialog) override {
        ++opens;
        if (onOpen) onOpen(dialog);
    }
    void OnEvent(Dialog& dialog, const Event& event) override {
        events.push_back(event);
        if (onEvent) onEvent(dialog, event);
    }

    std::function<void(Dialog&)> onOpen;
    std::function<void(Dialog&, const Event&)> onEvent;
    std::vector<Event> events;
    int opens = 0;

private:
    int templateId_;
};

// The events as "Type id" lines. The keys and the close box carry no id a
// page may rely on, so theirs is left out.
inline std::string EventLog(const std::vector<Event>& events) {
    static const char* const kNames[] = {"Clicked", "TextChanged", "FocusLost", "SelChanged", "SelConfirmed",
                                         "Enter",   "Escape",      "Close",     "Timer"};
    std::string out;
    for (const Event& e : events) {
        out += kNames[static_cast<int>(e.type)];
        if (e.type != EventType::Enter && e.type != EventType::Escape && e.type != EventType::Close)
            out += " " + std::to_string(e.id);
        out += "\n";
    }
    return out;
}

}  // namespace trailcfg::test
