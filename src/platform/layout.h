// Dialog layouts: the one description of each page's window that every
// backend builds from (ids, kinds, positions and sizes in dialog units,
// styles, template texts). The data lives under resources/dialogs.
#pragma once

#include <cstdint>

namespace trailcfg {

// Resource ids.
inline constexpr int kTemplateStartPage = 111;
inline constexpr int kTemplateCameraPage = 113;
inline constexpr int kTemplateParamPage = 107;
inline constexpr int kTemplateSendPage = 106;
inline constexpr int kBannerBitmap = 114;    // 360 x 52, 24-bit
inline constexpr int kBannerBitmap2x = 115;  // the same at 720 x 104, 8-bit
inline constexpr int kIconApp = 119;         // 48, 32, 24, 16: every page's small icon
inline constexpr int kIconFile = 117;        // 32, 24, 16: the program file's icon

enum class ControlKind : std::uint8_t {
    GroupBox,       // a frame, with or without caption
    Label,          // static text
    Edit,           // single-line edit with a border, scrolling horizontally
    DropDownList,   // combo box that cannot be typed into
    DropDownCombo,  // combo box with an edit field
    CheckBox,       // automatic check box
    Button,         // push button
    DefaultButton,  // the dialog's default push button
    Bitmap,         // a picture the backend paints onto the page; no control
};

// Style flags beyond what the kind implies.
enum : std::uint32_t {
    kStyleDisabled = 1u << 0,  // created disabled (greyed)
    kStyleHidden = 1u << 1,    // created invisible
    kStyleCenter = 1u << 2,    // text centred (labels, edits)
    kStyleVScroll = 1u << 3,   // a list with a vertical scroll bar
};

// The id of a row no page addresses (a Bitmap), as Windows' IDC_STATIC.
inline constexpr int kNoControlId = -1;

// A Bitmap row is no control: no backend makes a widget or window of it, and
// Dialog and DialogProbe do not know it (HasControl is false for it). Its x,
// y, cx, cy are pixels at 96 DPI, not dialog units, because a picture has its
// own size: the block at (x, y) of cx x cy pixels into which the picture is
// copied from its top-left corner, neither stretched nor read beyond its own
// edges (what the block leaves uncovered stays the page's background). Its
// id is kNoControlId, its style 0 and its text "". On a screen scaled beyond
// 96 DPI the block scales with the page and is drawn from the picture's
// twice-size companion when the backend carries one.
struct ControlLayout {
    int id;
    ControlKind kind;
    std::int16_t x, y, cx, cy;  // dialog units (a Bitmap: pixels); for lists the closed height
    std::uint32_t style;
    const char* text;  // the template's text, GBK; "" when none
    int picture = 0;   // a Bitmap's resource id (kBannerBitmap); 0 otherwise
    // The row's name without its `k` (GenerateButton for kGenerateButton), as
    // scenario files name the control; "" for a Bitmap.
    const char* name = "";
};

constexpr bool IsBitmapRow(const ControlLayout& row) { return row.kind == ControlKind::Bitmap; }

// The name a screen reader says for a control that carries no text of its
// own (a list, an edit): the texts of up to three controls of the page (a
// label, a frame's caption, a column head; a list gives its selected entry)
// as they read at that moment, so the name follows the page's language,
// joined by blanks, then `suffix` for what no text on the page says
// (language-neutral: a digit, a date field's letters). 0 ends the parts.
// A backend that names controls by the label right before them (Win32)
// places `parts[0]` there when it is a label naming the control alone, and
// otherwise the link's last label (a time list's column head).
struct LabelLink {
    int control;
    int parts[3];
    const char* suffix;  // "" for none
};

struct DialogLayout {
    int templateId;
    std::int16_t cx, cy;  // client size, dialog units
    const char* title;    // the template's title, GBK (pages set their own)
    const char* fontName;
    int fontPoints;
    const ControlLayout* controls;
    int controlCount;  // every row, Bitmap rows included

    const ControlLayout* begin() const { return controls; }
    const ControlLayout* end() const { return controls + controlCount; }

    const LabelLink* labels = nullptr;
    int labelCount = 0;
};

// nullptr for an unknown template.
const DialogLayout* FindDialogLayout(int templateId);
const ControlLayout* FindControl(const DialogLayout& layout, int id);
// The link that names control `id`; nullptr when it has none.
const LabelLink* FindLabelLink(const DialogLayout& layout, int id);

}  // namespace trailcfg
