#include "win32_template.h"

#include <algorithm>

#include "win32_text.h"

namespace trailcfg::win32 {

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kComboBoxAtom = 0x0085;

// One entry of a drop-down list in dialog units: the dialog font's line.
constexpr int kEntryHeight = 8;

bool IsList(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo; }

// The page paints its Bitmap rows itself; they get no window.
int WindowCount(const DialogLayout& layout) {
    return static_cast<int>(
        std::count_if(layout.begin(), layout.end(), [](const ControlLayout& c) { return !IsBitmapRow(c); }));
}

}  // namespace

ControlClass ClassOf(const ControlLayout& c) {
    const bool centred = (c.style & kStyleCenter) != 0;
    DWORD style = WS_CHILD;
    if (!(c.style & kStyleHidden)) style |= WS_VISIBLE;
    if (c.style & kStyleDisabled) style |= WS_DISABLED;
    switch (c.kind) {
        case ControlKind::GroupBox:
            return {kButtonAtom, style | BS_GROUPBOX};
        case ControlKind::Label:
            return {kStaticAtom, style | (centred ? SS_CENTER : SS_LEFT)};
        case ControlKind::Edit:
            return {kEditAtom, style | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | (centred ? ES_CENTER : ES_LEFT)};
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo: {
            style |=
                WS_TABSTOP | (c.kind == ControlKind::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL);
            if (c.style & kStyleVScroll) style |= WS_VSCROLL;
            return {kComboBoxAtom, style};
        }
        case ControlKind::CheckBox:
            return {kButtonAtom, style | WS_TABSTOP | BS_AUTOCHECKBOX};
        case ControlKind::Button:
            return {kButtonAtom, style | WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::DefaultButton:
            return {kButtonAtom, style | WS_TABSTOP | BS_DEFPUSHBUTTON};
        case ControlKind::Bitmap:
            break;  // never a window
    }
    return {kStaticAtom, style};
}

int TemplateHeightOf(const ControlLayout& c) { return IsList(c.kind) ? c.cy + kDropDownEntries * kEntryHeight : c.cy; }

void DialogTemplate::Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
}

void DialogTemplate::Text(const char* gbk) {
    for (wchar_t c : Wide(gbk ? gbk : "")) Word(static_cast<WORD>(c));
    Word(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2) Word(0);
}

DialogTemplate::DialogTemplate(const DialogLayout& layout) {
    // DLGTEMPLATEEX
    Word(1);       // dlgVer
    Word(0xFFFF);  // signature
    Dword(0);      // helpID
    Dword(0);      // exStyle
    Dword(kDialogStyle);
    Word(static_cast<WORD>(WindowCount(layout)));
    Word(0);  // x, y: DS_CENTER places the page
    Word(0);
    Word(static_cast<WORD>(layout.cx));
    Word(static_cast<WORD>(layout.cy));
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(layout.title);
    Word(static_cast<WORD>(layout.fontPoints));
    Word(FW_NORMAL);
    Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
    Text(layout.fontName);

    for (const ControlLayout& c : layout) {
        if (IsBitmapRow(c)) continue;
        AlignToDword();
        const ControlClass cls = ClassOf(c);
        Dword(0);  // helpID
        Dword(0);  // exStyle
        Dword(cls.style);
        Word(static_cast<WORD>(c.x));
        Word(static_cast<WORD>(c.y));
        Word(static_cast<WORD>(c.cx));
        Word(static_cast<WORD>(TemplateHeightOf(c)));
        Dword(static_cast<DWORD>(c.id));
        Word(0xFFFF);
        Word(cls.atom);
        // A list's entries come from the page; its template text would only
        // reach the edit field of a drop-down combo.
        Text(IsList(c.kind) ? "" : c.text);
        Word(0);  // no creation data
    }
}

}  // namespace trailcfg::win32
