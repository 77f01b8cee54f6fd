// One open page of the headless backend: its controls as plain values and
// nothing to show them on, so the page of plain values as it stands (see
// platform/state_page.h for the choices it makes where a toolkit would have
// its own habits). A timer fires only when the driver fires it.
#pragma once

#include "platform/state_page.h"

namespace trailcfg::headless {

using HeadlessDialog = StatePage;

}  // namespace trailcfg::headless
