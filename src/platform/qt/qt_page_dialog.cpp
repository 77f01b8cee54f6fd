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

namespace {

QString Text(const char* gbk) { return FromGbk(gbk ? gbk : ""); }

}  // namespace

PageDialog::PageDialog(const DialogLayout& layout, Page& page, bool driven)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      ControlPage(layout, page),
      driven_(driven) {
    setFont(DialogFont(layout));
    setWindowTitle(Text(layout.title));
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

EditControl* PageDialog::Edit(int id) const {
    const Control* c = Find(id);
    return c && c->layout->kind == ControlKind::Edit ? static_cast<EditControl*>(c->widget) : nullptr;
}

ListControl* PageDialog::List(int id) const {
    const Control* c = Find(id);
    return c && IsListKind(c->layout->kind) ? static_cast<ListControl*>(c->widget) : nullptr;
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

void PageDialog::SetTitle(const char* text) { setWindowTitle(Text(text)); }

void PageDialog::SetSmallIcon(int iconId) {
    if (iconId == kIconApp) setWindowIcon(AppIcon());
}

void PageDialog::SetText(int id, const char* text) {
    const Control* c = Find(id);
    if (!c) return;
    const QString value = Text(text);
    switch (c->layout->kind) {
        case ControlKind::GroupBox:
            static_cast<GroupFrame*>(c->widget)->SetTitle(value);
            break;
        case ControlKind::Label:
            static_cast<QLabel*>(c->widget)->setText(value);
            break;
        case ControlKind::Edit:
            static_cast<EditControl*>(c->widget)->SetProgramText(value);
            break;
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            break;  // a list shows its selected entry
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            static_cast<QAbstractButton*>(c->widget)->setText(value);
            break;
        case ControlKind::Bitmap:
            break;  // no control
    }
    if (IsNamePart(Layout(), id)) NameControls(Layout(), controls_.Rows());
}

std::string PageDialog::GetText(int id) const {
    const Control* c = Find(id);
    if (!c) return {};
    switch (c->layout->kind) {
        case ControlKind::GroupBox:
            return ToGbk(static_cast<GroupFrame*>(c->widget)->Title());
        case ControlKind::Label:
            return ToGbk(static_cast<QLabel*>(c->widget)->text());
        case ControlKind::Edit:
            return ToGbk(static_cast<EditControl*>(c->widget)->text());
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            return ToGbk(static_cast<ListControl*>(c->widget)->SelectedText());
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            return ToGbk(static_cast<QAbstractButton*>(c->widget)->text());
        case ControlKind::Bitmap:
            break;  // no control
    }
    return {};
}

void PageDialog::Enable(int id, bool enabled) {
    if (const Control* c = Find(id)) c->widget->setEnabled(enabled);
}

bool PageDialog::IsEnabled(int id) const {
    const Control* c = Find(id);
    return c && c->widget->isEnabled();
}

void PageDialog::Show(int id, bool visible) {
    if (const Control* c = Find(id)) c->widget->setVisible(visible);
}

bool PageDialog::IsVisible(int id) const {
    // The control's own state, whether or not the page is on screen.
    const Control* c = Find(id);
    return c && c->widget->isVisibleTo(this);
}

void PageDialog::SetCheck(int id, bool checked) {
    const Control* c = Find(id);
    if (c && c->layout->kind == ControlKind::CheckBox) static_cast<QCheckBox*>(c->widget)->setChecked(checked);
}

bool PageDialog::IsChecked(int id) const {
    const Control* c = Find(id);
    return c && c->layout->kind == ControlKind::CheckBox && static_cast<QCheckBox*>(c->widget)->isChecked();
}

void PageDialog::SetMasked(int id, bool masked) {
    if (EditControl* edit = Edit(id)) edit->SetMasked(masked);
}

void PageDialog::SetLimit(int id, int chars) {
    if (EditControl* edit = Edit(id)) edit->SetLimit(chars);
}

void PageDialog::SetCaret(int id, int pos) {
    if (EditControl* edit = Edit(id)) edit->SetCaretByte(pos);
}

void PageDialog::ListAdd(int id, const char* text) {
    if (ListControl* list = List(id)) list->Add(Text(text));
}

void PageDialog::ListEmpty(int id) {
    if (ListControl* list = List(id)) list->clear();
}

void PageDialog::ListSelect(int id, int index) {
    if (ListControl* list = List(id)) list->Select(index);
    if (IsNamePart(Layout(), id)) NameControls(Layout(), controls_.Rows());
}

int PageDialog::ListSelection(int id) const {
    const ListControl* list = List(id);
    return list ? list->currentIndex() : -1;
}

int PageDialog::ListCount(int id) const {
    const ListControl* list = List(id);
    return list ? list->count() : 0;
}

std::string PageDialog::ListItem(int id, int index) const {
    const ListControl* list = List(id);
    if (!list || index < 0 || index >= list->count()) return {};
    return ToGbk(list->itemText(index));
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
