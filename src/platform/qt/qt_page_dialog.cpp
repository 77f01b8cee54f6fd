#include "qt_page_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include "qt_application.h"
#include "qt_buttons.h"
#include "qt_canvas.h"
#include "qt_controls.h"
#include "qt_dialog_units.h"
#include "qt_edit.h"
#include "qt_list.h"
#include "qt_names.h"
#include "qt_scroll.h"
#include "qt_static.h"
#include "qt_text.h"

namespace trailcfg::qt {

PageDialog::PageDialog(const DialogLayout& layout, Page& page, bool driven)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      ControlPage(layout, page),
      driven_(driven) {
    setFont(DialogFont(layout));
    setWindowTitle(FromGbk(layout.title ? layout.title : ""));
    setSizeGripEnabled(false);
    const BaseUnits units = BaseUnitsOf(font());
    auto* canvas = new PageCanvas(this, layout);
    canvas->setFixedSize(MapDialogRect(units, 0, 0, layout.cx, layout.cy).size());
    controls_ = ControlTable<Control>(CreateControls(*canvas, layout, *this));
    FitPageToScreen(*this, *canvas);
    NameControls(layout, controls_.Rows());
}

PageDialog::~PageDialog() {
    // The controls report to this object, so they go while it is whole:
    // hiding moves the focus, and a focus loss must not reach a half
    // destroyed sink.
    Detach();
    hide();
    for (const Control& c : controls_.Rows()) delete c.widget;
}

void PageDialog::Raise(EventType type, int id) {
    // An ended page still hears what its own calls raise (a text it sets),
    // but the clock and the window system have nothing more to tell it.
    if (Ended() && (type == EventType::Timer || type == EventType::FocusLost)) return;
    if (type == EventType::SelChanged && IsNamePart(Layout(), id)) NameControls(Layout(), controls_.Rows());
    BackendPage::Raise(type, id);
}

void PageDialog::EditLostFocus(int id, Qt::FocusReason reason) {
    if (Ended() || reason == Qt::PopupFocusReason) return;
    if (driven_ && !userLeaving_) return;
    Raise(EventType::FocusLost, id);
}

void PageDialog::SetSmallIcon(int iconId) {
    if (iconId == kIconApp) setWindowIcon(AppIcon());
}

void PageDialog::Changed(Control& control, StateChange change) {
    const bool named = change == StateChange::Text || change == StateChange::Selection;
    if (named && IsNamePart(Layout(), control.layout->id)) NameControls(Layout(), controls_.Rows());
}

void PageDialog::OnEnded() {
    hide();
    if (loop_) loop_->exit(Result());
}

void PageDialog::RunEventLoop() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    // Showing moves the focus, and a handler of that may already have ended
    // the page; an exit asked for before exec() would be lost.
    if (Ended()) return;
    QEventLoop loop;
    loop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
}

bool PageDialog::ArmTimer(int timerId, int periodMs) {
    std::unique_ptr<QTimer>& clock = clocks_[timerId];
    if (!clock) {
        clock = std::make_unique<QTimer>();
        QObject::connect(clock.get(), &QTimer::timeout, this, [this, timerId] { Raise(EventType::Timer, timerId); });
    }
    // A driver delivers the ticks itself; a person gets them from the clock.
    if (!driven_) clock->start(periodMs);
    return true;
}

void PageDialog::DisarmTimer(int timerId) { clocks_.erase(timerId); }

void PageDialog::PressDefaultButton() {
    // Windows presses the default button even when it is hidden, but never
    // while it is disabled.
    if (const Control* button = controls_.FirstOfKind(ControlKind::DefaultButton)) {
        if (button->widget->isEnabled()) static_cast<QPushButton*>(button->widget)->click();
        return;
    }
    Raise(EventType::Enter, 0);
}

void PageDialog::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && event->key() == Qt::Key_Escape) {
        if (!Ended()) Raise(EventType::Escape, 0);
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (!Ended()) PressDefaultButton();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PageDialog::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (!visible) return;
    // Showing, QDialog makes the first push button the default of a dialog
    // that has none; a Windows dialog without a default button shows none
    // until a button takes the focus.
    for (const Control& c : controls_.Rows())
        if (c.layout->kind == ControlKind::Button) static_cast<QPushButton*>(c.widget)->setDefault(false);
}

void PageDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!Ended()) Raise(EventType::Close, 0);
}

}  // namespace trailcfg::qt
