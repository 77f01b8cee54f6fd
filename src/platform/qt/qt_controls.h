// A page's controls: each layout row made into its widget, in creation
// (and so tab) order, at its place in the dialog's units.
#pragma once

#include <QWidget>
#include <vector>

#include "platform/control_table.h"
#include "platform/layout.h"
#include "qt_event_sink.h"

namespace trailcfg::qt {

class EditControl;
class ListControl;

struct Control {
    const ControlLayout* layout;
    QWidget* widget;  // owned by the dialog
};

// Creates the controls of `layout` as children of `dialog`, which must
// already have its font; they report to `sink`.
std::vector<Control> CreateControls(QWidget& dialog, const DialogLayout& layout, EventSink& sink);

}  // namespace trailcfg::qt
