// What a driver sees of an open page and does to it, on the real controls:
// the user's actions are the messages a person's mouse and keyboard would
// make the controls send.
#pragma once

#include "platform/driver.h"

namespace trailcfg::win32 {

class PageDialog;

class PageProbe final : public DialogProbe {
public:
    explicit PageProbe(PageDialog& dialog) : dialog_(dialog) {}

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

private:
    PageDialog& dialog_;
};

}  // namespace trailcfg::win32
