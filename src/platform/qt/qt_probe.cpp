// The driver's hands and eyes on a Qt page (PageDialog's DialogProbe).
#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

#include "qt_edit.h"
#include "qt_list.h"
#include "qt_page_dialog.h"
#include "qt_text.h"

namespace trailcfg::qt {

std::string PageDialog::Title() const { return ToGbk(windowTitle()); }

bool PageDialog::IsMasked(int id) const {
    const EditControl* edit = Edit(id);
    return edit && edit->IsMasked();
}

int PageDialog::Caret(int id) const {
    const EditControl* edit = Edit(id);
    return edit ? edit->CaretByte() : 0;
}

int PageDialog::Limit(int id) const {
    const EditControl* edit = Edit(id);
    return edit ? edit->Limit() : 0;
}

void PageDialog::UserType(int id, const std::string& text) {
    if (!Reachable(id)) return;
    if (EditControl* edit = Edit(id)) edit->ReplaceAsUser(FromGbk(text));
}

void PageDialog::UserClick(int id) {
    const Control* c = Reachable(id);
    if (c && IsButtonKind(c->layout->kind)) static_cast<QAbstractButton*>(c->widget)->click();
}

void PageDialog::UserLeave(int id) {
    if (!Reachable(id)) return;
    if (EditControl* edit = Edit(id)) LeaveAsUser(*edit);
}

void PageDialog::UserChoose(int id, int index) {
    if (!Reachable(id)) return;
    ListControl* list = List(id);
    if (list && index >= 0 && index < list->count()) list->ChooseAsUser(index);
}

void PageDialog::UserPressKey(UserKey key) {
    if (Ended()) return;
    QKeyEvent press(QEvent::KeyPress, key == UserKey::Enter ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
}

void PageDialog::UserClose() {
    if (Ended()) return;
    QCloseEvent close;
    QCoreApplication::sendEvent(this, &close);
}

void PageDialog::LeaveAsUser(EditControl& edit) {
    userLeaving_ = true;
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&edit, &focusOut);
    userLeaving_ = false;
}

}  // namespace trailcfg::qt
