// One open page: a fixed-size modal dialog built from the page's layout,
// every control at its place in dialog units (scrolled when the page is
// larger than its screen), and the port's Dialog over it.
//
// Choices where Qt and Windows differ (the headless backend makes the same
// ones, so the pages see one behaviour everywhere):
// - Enter that reaches the dialog presses the layout's default button, even
//   a hidden one, but not a disabled one; without a default button the page
//   gets Event Enter. A focused push button takes Enter itself.
// - Escape and the close box are only reported; only End closes the page.
// - FocusLost: when a person sits at the screen, every loss of the focus
//   except to a popup menu is reported, as Windows reports it (switching
//   windows, a message box, a click elsewhere). A driven page reports only
//   the driver's UserLeave, since the driver is the only user.
// - Nothing is reported to a page after it has ended, except what its own
//   calls raise.
#pragma once

#include <QDialog>
#include <QEventLoop>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend_page.h"
#include "platform/layout.h"
#include "qt_controls.h"
#include "qt_event_sink.h"

class QTimer;

namespace trailcfg::qt {

class PageDialog final : public QDialog, public ControlPage<Control>, private EventSink {
public:
    PageDialog(const DialogLayout& layout, Page& page, bool driven);
    ~PageDialog() override;

    // Dialog
    void SetTitle(const char* text) override;
    void SetSmallIcon(int iconId) override;
    void SetText(int id, const char* text) override;
    std::string GetText(int id) const override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) const override;
    void Show(int id, bool visible) override;
    bool IsVisible(int id) const override;
    void SetCheck(int id, bool checked) override;
    bool IsChecked(int id) const override;
    void SetMasked(int id, bool masked) override;
    void SetLimit(int id, int chars) override;
    void SetCaret(int id, int pos) override;
    void ListAdd(int id, const char* text) override;
    void ListEmpty(int id) override;
    void ListSelect(int id, int index) override;
    int ListSelection(int id) const override;
    int ListCount(int id) const override;
    std::string ListItem(int id, int index) const override;

    // DialogProbe (qt_probe.cpp): each action goes through the real widget
    // the way Qt delivers the user's own (a click, an insert over the
    // selection, a focus-out event, a key event to the dialog, a close
    // event), so what a driver checks is what a person would get.
    std::string Title() const override;
    bool IsMasked(int id) const override;
    int Caret(int id) const override;
    int Limit(int id) const override;
    void UserType(int id, const std::string& text) override;
    void UserClick(int id) override;
    void UserLeave(int id) override;
    void UserChoose(int id, int index) override;
    void UserPressKey(UserKey key) override;
    void UserClose() override;

    // Shows the page modally and waits for End.
    void RunEventLoop();

    EditControl* Edit(int id) const;
    ListControl* List(int id) const;

    // QDialog would close on Escape and the close box; the page decides.
    void reject() override {}
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Raise(EventType type, int id) override;
    void OnEnded() override;
    bool ArmTimer(int timerId, int periodMs) override;
    void DisarmTimer(int timerId) override;
    void EditLostFocus(int id, Qt::FocusReason reason) override;
    // Reports the focus loss that UserLeave sends to an edit.
    void LeaveAsUser(EditControl& edit);
    void PressDefaultButton();

    const bool driven_;
    std::map<int, std::unique_ptr<QTimer>> clocks_;  // the running timers'
    QEventLoop* loop_ = nullptr;
    bool userLeaving_ = false;
};

}  // namespace trailcfg::qt
