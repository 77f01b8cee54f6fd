// The single-line edit. What the Windows edit control does by itself is
// what the pages were written for (EN_CHANGE at once and re-entrantly when
// the program sets a text, the caret, masking); this adds the two things it
// cannot know: the limit in GBK bytes, and which changes are the user's.
#pragma once

#include <string>
#include <string_view>

#include "win32_controls.h"

namespace trailcfg::win32 {

void InitialiseEdit(Control& edit);

// Sets the text as the program: never cut by the limit; the edit reports
// the change (EN_CHANGE) before this returns, with the caret at the start.
void SetProgramText(Control& edit, std::string_view gbk);

// Called for the edit's EN_CHANGE: false when the page must not hear of it
// (the backend's own put-back, a user edit of which nothing fits, or one
// that left the text as it was). A user's edit beyond the limit is cut here
// first.
bool AcceptChange(Control& edit);

// One user edit replacing the whole text, as a paste over a full selection.
void ReplaceAsUser(Control& edit, std::string_view gbk);

}  // namespace trailcfg::win32
