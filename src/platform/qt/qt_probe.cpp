#include "qt_probe.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

#include "qt_edit.h"
#include "qt_list.h"
#include "qt_page_dialog.h"
#include "qt_text.h"

namespace trailcfg::qt {

int PageProbe::TemplateId() const { return dialog_.Layout().templateId; }

std::string PageProbe::Title() const { return ToGbk(dialog_.windowTitle()); }

bool PageProbe::HasControl(int id) const { return dialog_.Find(id) != nullptr; }

bool PageProbe::IsMasked(int id) const {
    const EditControl* edit = dialog_.Edit(id);
    return edit && edit->IsMasked();
}

int PageProbe::Caret(int id) const {
    const EditControl* edit = dialog_.Edit(id);
    return edit ? edit->CaretByte() : 0;
}

int PageProbe::Limit(int id) const {
    const EditControl* edit = dialog_.Edit(id);
    return edit ? edit->Limit() : 0;
}

bool PageProbe::TimerRunning(int timerId) const { return dialog_.TimerRunning(timerId); }

void PageProbe::UserType(int id, const std::string& text) {
    if (!dialog_.Reachable(id)) return;
    if (EditControl* edit = dialog_.Edit(id)) edit->ReplaceAsUser(FromGbk(text));
}

void PageProbe::UserClick(int id) {
    const Control* c = dialog_.Reachable(id);
    if (!c) return;
    switch (c->layout->kind) {
        case ControlKind::Button:
        case ControlKind::DefaultButton:
        case ControlKind::CheckBox:
            static_cast<QAbstractButton*>(c->widget)->click();
            break;
        default:
            break;
    }
}

void PageProbe::UserLeave(int id) {
    if (!dialog_.Reachable(id)) return;
    if (EditControl* edit = dialog_.Edit(id)) dialog_.LeaveAsUser(*edit);
}

void PageProbe::UserChoose(int id, int index) {
    if (!dialog_.Reachable(id)) return;
    ListControl* list = dialog_.List(id);
    if (list && index >= 0 && index < list->count()) list->ChooseAsUser(index);
}

void PageProbe::UserPressKey(UserKey key) {
    if (dialog_.Ended()) return;
    QKeyEvent press(QEvent::KeyPress, key == UserKey::Enter ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog_, &press);
}

void PageProbe::UserClose() {
    if (dialog_.Ended()) return;
    QCloseEvent close;
    QCoreApplication::sendEvent(&dialog_, &close);
}

void PageProbe::FireTimer(int timerId) { dialog_.FireTimer(timerId); }

}  // namespace trailcfg::qt
