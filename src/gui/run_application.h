// The process entry of the desktop program.
#pragma once

#include "platform/port.h"

namespace trailcfg {

// Opens the start page and then each page the ended page names, until a page
// ends naming none (closing the start page). Returns the exit status: the
// last page's result (0), -1 when the start page cannot be created at the
// very start, 0 when a later page cannot be created, and kPageAbandoned at
// once when a driver gives up the run.
int RunApplication(Platform& platform);

}  // namespace trailcfg
