#include "qt_buttons.h"

namespace trailcfg::qt {

QPushButton* CreatePushButton(QWidget* parent, int id, bool isDefault, EventSink& sink) {
    auto* button = new QPushButton(parent);
    // autoDefault (on in dialogs) makes a focused button take Enter, as the
    // button with the focus does in a Windows dialog.
    button->setAutoDefault(true);
    button->setDefault(isDefault);
    QObject::connect(button, &QPushButton::clicked, button, [&sink, id] { sink.Raise(EventType::Clicked, id); });
    return button;
}

QCheckBox* CreateCheckBox(QWidget* parent, int id, EventSink& sink) {
    auto* box = new QCheckBox(parent);
    // clicked comes after the toggle and only from the user (or click()),
    // never from setChecked.
    QObject::connect(box, &QCheckBox::clicked, box, [&sink, id] { sink.Raise(EventType::Clicked, id); });
    return box;
}

}  // namespace trailcfg::qt
