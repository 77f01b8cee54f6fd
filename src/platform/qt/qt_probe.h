// The driver's hands and eyes on a Qt page. Each action goes through the
// real widget the way Qt delivers the user's own action (a click, an insert
// over the selection, a focus-out event, a key event to the dialog, a close
// event), so what a driver checks is what a person would get.
#pragma once

#include "platform/driver.h"

namespace trailcfg::qt {

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

}  // namespace trailcfg::qt
