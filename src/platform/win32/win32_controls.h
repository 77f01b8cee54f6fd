// A page's controls as the Win32 backend keeps them: the window the dialog
// manager made from the template, and what the port needs beyond what the
// window itself remembers.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
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

    // What ControlPage asks of the window (texts in GBK). The edit's calls
    // are in win32_edit.cpp, the list's in win32_list.cpp.
    void SetText(std::string_view gbk);
    std::string Text() const;
    void Enable(bool enabled) { EnableWindow(window, enabled ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(window) != FALSE; }
    void Show(bool visible) { ShowWindow(window, visible ? SW_SHOW : SW_HIDE); }
    // The control's own style, whether or not the dialog is on screen.
    bool IsVisible() const { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }
    void SetCheck(bool checked) { SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
    bool IsChecked() const { return SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    void SetLimit(int bytes);
    int Limit() const { return limit; }
    void SetMasked(bool masked);
    bool IsMasked() const;
    void SetCaret(int pos);
    int Caret() const;

    void ListAdd(std::string_view gbk);
    void ListEmpty();
    // An index outside the list leaves no selection.
    void ListSelect(int index);
    int ListSelection() const;
    int ListCount() const;
    std::string ListItem(int index) const;
};

// The controls of a dialog created from `layout`, in layout order. False
// when one of them is missing.
bool CollectControls(HWND dialog, const DialogLayout& layout, std::vector<Control>& controls);

}  // namespace trailcfg::win32
