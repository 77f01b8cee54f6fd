#include "qt_list.h"

namespace trailcfg::qt {

namespace {

// The common controls show up to 30 entries before the list scrolls.
constexpr int kVisibleEntries = 30;

}  // namespace

ListControl::ListControl(QWidget* parent, int id, bool withEditField, EventSink& sink)
    : QComboBox(parent), id_(id), sink_(sink) {
    setMaxVisibleItems(kVisibleEntries);
    if (withEditField) {
        setEditable(true);
        // Enter in the field must reach the dialog, not grow the list; and
        // a Windows drop-down does not complete what is typed.
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    }
    connect(this, &QComboBox::activated, this, [this](int) {
        sink_.Raise(EventType::SelConfirmed, id_);
        sink_.Raise(EventType::SelChanged, id_);
    });
}

void ListControl::Add(const QString& text) {
    // QComboBox selects the first entry added to an empty list; a Windows
    // list stays without a selection until someone picks one.
    const int selected = currentIndex();
    addItem(text);
    if (selected < 0) setCurrentIndex(-1);
}

void ListControl::Select(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

QString ListControl::SelectedText() const { return currentIndex() >= 0 ? itemText(currentIndex()) : QString(); }

void ListControl::ChooseAsUser(int index) {
    // What the popup does when an entry is clicked: select it, then report
    // the activation.
    setCurrentIndex(index);
    const QString text = itemText(index);
    emit activated(index);
    emit textActivated(text);
}

}  // namespace trailcfg::qt
