// A page's controls as the Win32 backend keeps them: the window the dialog
// manager made from the template, and what the port needs beyond what the
// window itself remembers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/control_table.h"
#include "platform/layout.h"

namespace trailcfg::win32 {

struct Control {
    const ControlLayout* layout = nullptr;
    HWND window = nullptr;

    // Edits. The limit counts GBK bytes, as the records' text fields do;
    // the edit control's own limit counts UTF-16 units and is only the
    // first, looser cut.
    int limit = kDefaultEditLimit;
    std::wstring committed;    // the text after the last change that stood
    int programSetting = 0;    // SetText calls in progress on this edit
    bool puttingBack = false;  // the backend is replacing a user edit's text
    int changesRaised = 0;     // TextChanged reported for this edit so far

    // Lists: the program's own calls in progress, whose notifications (if a
    // system sends any) are not the user's.
    int programListing = 0;
};

// The controls of a dialog created from `layout`, in layout order. False
// when one of them is missing.
bool CollectControls(HWND dialog, const DialogLayout& layout, std::vector<Control>& controls);

}  // namespace trailcfg::win32
