// Drop-down lists (combo boxes); the program's calls are Control's
// (win32_controls.h). The program's calls raise nothing; a
// user's pick is confirmed (CBN_SELENDOK) and then changes the selection
// (CBN_SELCHANGE), as the dialog manager reports a pick from the list.
#pragma once

#include <string>
#include <string_view>

#include "win32_controls.h"

namespace trailcfg::win32 {

// What a user's pick from the open list does: the entry is selected, then
// the dialog hears the list's confirmation and selection change.
void ChooseAsUser(Control& list, HWND dialog, int index);

}  // namespace trailcfg::win32
