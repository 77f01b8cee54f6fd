// What screen readers hear on a Win32 page. A list or an edit has no text of
// its own; Windows' accessibility names it by the static text right before
// it in the dialog's order. The template's order is its tab order, which puts
// some labels elsewhere (a row's column heads first, then its lists), so each
// label the layout links to a control alone is moved to stand directly before
// that control, and each column head before its own time list. Labels are
// not tab stops: the tab order stays as it was.
#pragma once

#include <windows.h>

#include "platform/layout.h"

namespace trailcfg::win32 {

void OrderLabels(HWND dialog, const DialogLayout& layout);

}  // namespace trailcfg::win32
