// Push buttons and the check box: a press (and a check box's toggle, which
// comes first) is reported as Clicked.
#pragma once

#include <QCheckBox>
#include <QPushButton>

#include "qt_event_sink.h"

namespace trailcfg::qt {

QPushButton* CreatePushButton(QWidget* parent, int id, bool isDefault, EventSink& sink);
QCheckBox* CreateCheckBox(QWidget* parent, int id, EventSink& sink);

}  // namespace trailcfg::qt
