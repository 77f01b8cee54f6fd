// A page's controls: each layout row made into its widget, in creation
// (and so tab) order, at its place in the dialog's units.
#pragma once

#include <QCheckBox>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_table.h"
#include "platform/layout.h"
#include "qt_edit.h"
#include "qt_event_sink.h"
#include "qt_list.h"
#include "qt_text.h"

namespace trailcfg::qt {

// A layout row's widget, and the calls ControlPage makes on it (texts in
// GBK). The widget is of the row's kind: an EditControl for an edit, a
// ListControl for a list, a QCheckBox for a check box.
struct Control {
    const ControlLayout* layout;
    QWidget* widget;  // owned by the dialog

    void SetText(std::string_view gbk);
    std::string Text() const;
    void Enable(bool enabled) { widget->setEnabled(enabled); }
    bool IsEnabled() const { return widget->isEnabled(); }
    void Show(bool visible) { widget->setVisible(visible); }
    // Whether or not the page is on screen.
    bool IsVisible() const { return widget->isVisibleTo(widget->window()); }
    void SetCheck(bool checked) { static_cast<QCheckBox*>(widget)->setChecked(checked); }
    bool IsChecked() const { return static_cast<QCheckBox*>(widget)->isChecked(); }

    EditControl& Edit() const { return *static_cast<EditControl*>(widget); }
    void SetMasked(bool masked) { Edit().SetMasked(masked); }
    bool IsMasked() const { return Edit().IsMasked(); }
    void SetLimit(int bytes) { Edit().SetLimit(bytes); }
    int Limit() const { return Edit().Limit(); }
    void SetCaret(int pos) { Edit().SetCaretByte(pos); }
    int Caret() const { return Edit().CaretByte(); }

    ListControl& List() const { return *static_cast<ListControl*>(widget); }
    void ListAdd(std::string_view gbk) { List().Add(FromGbk(gbk)); }
    void ListEmpty() { List().clear(); }
    void ListSelect(int index) { List().Select(index); }
    int ListSelection() const { return List().currentIndex(); }
    int ListCount() const { return List().count(); }
    std::string ListItem(int index) const { return ToGbk(List().itemText(index)); }
};

// Creates the controls of `layout` as children of `dialog`, which must
// already have its font; they report to `sink`.
std::vector<Control> CreateControls(QWidget& dialog, const DialogLayout& layout, EventSink& sink);

}  // namespace trailcfg::qt
