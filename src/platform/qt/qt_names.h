// What screen readers hear on a Qt page: each list, edit and check box that
// the layout links to a label gets that label as its buddy and, since Qt's
// accessibility on Linux otherwise names a list by its current entry, its
// accessible name made from the link (platform/control_names.h). Names are
// made again whenever a text they are made of changes, so they follow the
// page's language.
#pragma once

#include <vector>

#include "platform/control_names.h"
#include "platform/layout.h"
#include "qt_controls.h"

namespace trailcfg::qt {

void NameControls(const DialogLayout& layout, const std::vector<Control>& controls);

}  // namespace trailcfg::qt
