// Drop-down lists (combo boxes). The program's calls raise nothing; a
// user's pick is confirmed (CBN_SELENDOK) and then changes the selection
// (CBN_SELCHANGE), as the dialog manager reports a pick from the list.
#pragma once

#include <string>
#include <string_view>

#include "win32_controls.h"

namespace trailcfg::win32 {

void ListAdd(Control& list, std::string_view gbk);
void ListEmpty(Control& list);
// An index outside the list leaves no selection.
void ListSelect(Control& list, int index);
int ListSelection(const Control& list);
int ListCount(const Control& list);
std::string ListItem(const Control& list, int index);
// The selected entry's text, "" without a selection (the edit field of a
// drop-down combo is not the list's value).
std::string ListText(const Control& list);

// What a user's pick from the open list does: the entry is selected, then
// the dialog hears the list's confirmation and selection change.
void ChooseAsUser(Control& list, HWND dialog, int index);

}  // namespace trailcfg::win32
