// A Driver for tests: plays one action per Act, in order, and abandons the
// run when none is left. It answers the system's questions from its fields
// and records every message box.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/driver.h"

namespace trailcfg::test {

struct RecordedMessage {
    std::string caption;
    std::string text;
    MessageIcon icon;
};

class ScriptedDriver : public Driver {
public:
    using Action = std::function<void(Dialog&, DialogProbe&)>;

    explicit ScriptedDriver(std::vector<Action> actions = {}) : actions(std::move(actions)) {}

    bool Act(Dialog& dialog, DialogProbe& probe) override {
        ++acts;
        if (next >= actions.size()) return false;
        actions[next++](dialog, probe);
        return true;
    }

    std::uint16_t SystemDefaultLanguage() override { return language; }
    LocalTime Now() override { return now; }

    bool AnswerFolder(std::string& folder) override {
        ++folderQuestions;
        if (folders.empty()) return false;
        std::optional<std::string> answer = folders.front();
        folders.pop_front();
        if (answer) folder = *answer;
        return answer.has_value();
    }

    void RecordMessage(const std::string& caption, const std::string& text, MessageIcon icon) override {
        messages.push_back(RecordedMessage{caption, text, icon});
        if (onMessage) onMessage();
    }

    std::vector<Action> actions;
    std::size_t next = 0;
    int acts = 0;
    std::uint16_t language = 0x0409;
    LocalTime now{2025, 6, 15, 10, 20, 30};
    std::deque<std::optional<std::string>> folders;  // nullopt: cancel
    int folderQuestions = 0;
    std::vector<RecordedMessage> messages;
    std::function<void()> onMessage;  // runs while the box would be open
};

}  // namespace trailcfg::test
