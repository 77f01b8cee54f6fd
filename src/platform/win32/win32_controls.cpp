#include "win32_controls.h"

#include <commctrl.h>

#include "win32_edit.h"
#include "win32_template.h"
#include "win32_text.h"

namespace trailcfg::win32 {

bool CollectControls(HWND dialog, const DialogLayout& layout, std::vector<Control>& controls) {
    controls.clear();
    controls.reserve(static_cast<std::size_t>(layout.controlCount));
    for (const ControlLayout& c : layout) {
        if (IsBitmapRow(c)) continue;  // painted by the page, no window
        Control control;
        control.layout = &c;
        control.window = GetDlgItem(dialog, c.id);
        if (!control.window) return false;
        if (c.kind == ControlKind::Edit) InitialiseEdit(control);
        // The template's height already leaves room for this many entries;
        // version 6 of the common controls sizes the drop-down by it.
        if (IsListKind(c.kind)) SendMessageW(control.window, CB_SETMINVISIBLE, kDropDownEntries, 0);
        controls.push_back(std::move(control));
    }
    return true;
}

void Control::SetText(std::string_view gbk) {
    if (IsEditKind(layout->kind))
        SetProgramText(*this, gbk);
    else
        SetWindowTextGbk(window, gbk);
}

std::string Control::Text() const {
    // The selected entry's, "" without a selection: the edit field of a
    // drop-down combo is not the list's value.
    if (IsListKind(layout->kind)) return ListItem(ListSelection());
    return Gbk(WindowText(window));
}

}  // namespace trailcfg::win32
