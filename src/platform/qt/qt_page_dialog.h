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

#include <QAbstractButton>
#include <QDialog>
#include <QEventLoop>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/control_page.h"
#include "platform/layout.h"
#include "qt_controls.h"
#include "qt_event_sink.h"
#include "qt_text.h"

class QTimer;

namespace trailcfg::qt {

class PageDialog final : public QDialog, public ControlPage<Control>, private EventSink {
public:
    PageDialog(const DialogLayout& layout, Page& page, bool driven);
    ~PageDialog() override;

    void SetTitle(const char* text) override { setWindowTitle(FromGbk(text ? text : "")); }
    std::string Title() const override { return ToGbk(windowTitle()); }
    void SetSmallIcon(int iconId) override;

    // Shows the page modally and waits for End.
    void RunEventLoop();

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
    // A change of a text that names other controls names them again.
    void Changed(Control& control, StateChange change) override;

    // The driver's actions (qt_probe.cpp) go through the real widget the
    // way Qt delivers the user's own (a click, an insert over the
    // selection, a focus-out event, a key event to the dialog, a close
    // event), so what a driver checks is what a person would get.
    void TypeAsUser(Control& edit, const std::string& text) override { edit.Edit().ReplaceAsUser(FromGbk(text)); }
    void ClickAsUser(Control& button) override { static_cast<QAbstractButton*>(button.widget)->click(); }
    void LeaveAsUser(Control& edit) override;
    void ChooseAsUser(Control& list, int index) override { list.List().ChooseAsUser(index); }
    void PressKeyAsUser(UserKey key) override;
    void CloseAsUser() override;
    void PressDefaultButton();

    const bool driven_;
    std::map<int, std::unique_ptr<QTimer>> clocks_;  // the running timers'
    QEventLoop* loop_ = nullptr;
    bool userLeaving_ = false;
};

}  // namespace trailcfg::qt
