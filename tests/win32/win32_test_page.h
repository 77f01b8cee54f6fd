// What the Win32 backend's tests share beyond the recording page: the window
// behind a Dialog.
#pragma once

#include <windows.h>

#include "platform/port.h"
#include "recording_page.h"
#include "win32_page_dialog.h"

namespace trailcfg::win32::test {

using trailcfg::test::EventLog;
using TestPage = trailcfg::test::RecordingPage;

inline HWND WindowOf(Dialog& dialog) { return dynamic_cast<PageDialog&>(dialog).Window(); }

inline HWND ControlOf(Dialog& dialog, int id) { return GetDlgItem(WindowOf(dialog), id); }

}  // namespace trailcfg::win32::test
