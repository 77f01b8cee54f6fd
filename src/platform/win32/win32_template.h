// A page's dialog template, built in memory from its layout: the shared
// layouts stay the one description of every dialog, and the system converts
// dialog units with the dialog font's base units as it does for any .rc
// dialog.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/layout.h"

namespace trailcfg::win32 {

// A DLGTEMPLATEEX with its items, DWORD-aligned as the dialog manager
// expects it. Pass data() to the DialogBoxIndirect family.
class DialogTemplate {
public:
    explicit DialogTemplate(const DialogLayout& layout);

    const DLGTEMPLATE* data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
    std::size_t size() const { return words_.size() * sizeof(WORD); }

private:
    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value);
    void Text(const char* gbk);
    void AlignToDword();

    std::vector<WORD> words_;
};

// The page window's own styles.
inline constexpr DWORD kDialogStyle = DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;

// The window class and styles a control of the layout is created with.
struct ControlClass {
    WORD atom;  // 0x0080 button, 0x0081 edit, 0x0082 static, 0x0085 combo box
    DWORD style;
};
ControlClass ClassOf(const ControlLayout& control);

// Dialog units a list takes in the template: its closed height from the
// layout plus the drop-down part, which shows up to this many entries before
// it scrolls (what the common controls show by default).
inline constexpr int kDropDownEntries = 30;
int TemplateHeightOf(const ControlLayout& control);

}  // namespace trailcfg::win32
