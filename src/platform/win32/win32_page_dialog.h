// One open page: a dialog made by the dialog manager from the page's
// template, every control a real Windows control, and the port's Dialog
// over it. The dialog procedure turns the controls' notifications into the
// page's events.
//
// Choices where the port asks more than the dialog manager gives (the
// headless and Qt backends make the same ones):
// - Enter reaches the page as the default button's click (not while it is
//   disabled; a hidden one is still pressed) or, without a default button,
//   as Event Enter: that is what the dialog manager's IDOK already is.
//   Escape (IDCANCEL) and the close box (WM_CLOSE) are only reported: the
//   page decides to end, nothing else ends it. A driver's Enter is the one
//   a person gives from a field; a person's Enter on a focused push button
//   presses that button, as the dialog manager has it.
// - FocusLost: a person at the screen gets every EN_KILLFOCUS, as Windows
//   sends it (another control, another window, a message box). A driven
//   page reports only the driver's UserLeave: the driver is the only user,
//   and the focus moves it causes (a button pressed takes the focus) are
//   not the user leaving an edit.
// - End takes the page off the screen (EndDialog) once the handler that
//   called it has returned; until then the page and its controls are all
//   there. Nothing is reported to an ended page except the text changes its
//   own calls raise.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/control_page.h"
#include "platform/layout.h"
#include "win32_banner.h"
#include "win32_controls.h"
#include "win32_list.h"

namespace trailcfg::win32 {

class PageDialog final : public ControlPage<Control> {
public:
    PageDialog(const DialogLayout& layout, Page& page, bool driven);
    ~PageDialog() override;

    void SetTitle(const char* text) override;
    void SetSmallIcon(int iconId) override;
    std::string Title() const override;

    // A person's run: DialogBoxIndirectParamW until the page ends. Returns
    // the page's result, or kPageNotCreated.
    int RunModal();
    // A driver's run: the page is created (and opened) without a modal loop;
    // the platform pumps messages between the driver's steps. False when the
    // page could not be created.
    bool CreateDriven();
    // Delivers what is waiting in the thread's queue.
    void Pump();

    HWND Window() const { return window_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam);
    bool Initialise(HWND window);
    void Command(int id, int code);
    void Raise(EventType type, int id) override;
    void OnEnded() override;
    bool ArmTimer(int timerId, int periodMs) override;
    void DisarmTimer(int timerId) override;

    // The driver's actions (win32_probe.cpp): the messages a person's mouse
    // and keyboard would make the controls send.
    void TypeAsUser(Control& edit, const std::string& text) override;
    void ClickAsUser(Control& button) override { SendMessageW(button.window, BM_CLICK, 0, 0); }
    // Reports the focus loss, as Tab would cause it.
    void LeaveAsUser(Control& edit) override;
    void ChooseAsUser(Control& list, int index) override { win32::ChooseAsUser(list, window_, index); }
    // What the dialog manager sends for Enter from a control that is no
    // push button, or for Escape.
    void PressKeyAsUser(UserKey key) override;
    // The close box's command: DefWindowProc turns it into WM_CLOSE.
    void CloseAsUser() override { SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }
    // Takes the ended page off the screen once no handler of it runs.
    void FinishIfEnded();
    void Paint();

    const bool driven_;
    HWND window_ = nullptr;
    PageBitmaps bitmaps_;
    int handling_ = 0;     // page handlers running now (they nest)
    bool opened_ = false;  // WM_INITDIALOG has run
    bool finished_ = false;
    bool closeRequest_ = false;  // the page is handling the close box now
    bool endedByClose_ = false;
    bool userLeaving_ = false;
    int focusLosses_ = 0;  // FocusLost reported so far
};

}  // namespace trailcfg::win32
