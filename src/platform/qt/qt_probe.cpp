// The driver's hands on a Qt page: what goes through the dialog itself.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

#include "qt_page_dialog.h"

namespace trailcfg::qt {

void PageDialog::PressKeyAsUser(UserKey key) {
    QKeyEvent press(QEvent::KeyPress, key == UserKey::Enter ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
}

void PageDialog::CloseAsUser() {
    QCloseEvent close;
    QCoreApplication::sendEvent(this, &close);
}

void PageDialog::LeaveAsUser(Control& edit) {
    userLeaving_ = true;
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit.widget, &focusOut);
    userLeaving_ = false;
}

}  // namespace trailcfg::qt
