// The dialogs the dialog manager makes from the in-memory templates: every
// page's window and every control as the shared layout describes it, placed
// by the system's own conversion of dialog units.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/control_ids.h"
#include "platform/layout.h"
#include "scripted_driver.h"
#include "win32_platform.h"
#include "win32_template.h"
#include "win32_test_page.h"
#include "win32_text.h"

namespace trailcfg::win32 {
namespace {

using test::TestPage;

std::wstring ClassName(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

const wchar_t* ExpectedClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            return L"Button";
        case ControlKind::Label:
            return L"Static";
        case ControlKind::Edit:
            return L"Edit";
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            return L"ComboBox";
        case ControlKind::Bitmap:
            break;  // no window
    }
    return L"";
}

// The control's rectangle in the dialog's client coordinates.
RECT PlaceOf(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// As the dialog manager places a control: position and size are converted
// each on its own (so the right edge is not the conversion of x + cx).
RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy) {
    RECT r{x, y, cx, cy};
    MapDialogRect(dialog, &r);
    return RECT{r.left, r.top, r.left + r.right, r.top + r.bottom};
}

// Runs `check` on an open page of every layout.
void OnEveryPage(const std::function<void(const DialogLayout&, HWND)>& check) {
    for (int id : {kTemplateStartPage, kTemplateCameraPage, kTemplateParamPage, kTemplateSendPage}) {
        SCOPED_TRACE(id);
        const DialogLayout* layout = FindDialogLayout(id);
        ASSERT_NE(layout, nullptr);
        std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
        TestPage page(id);
        trailcfg::test::ScriptedDriver driver(
            {[&](Dialog& dialog, DialogProbe&) { check(*layout, test::WindowOf(dialog)); }});
        platform->SetDriver(&driver);
        EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
        EXPECT_EQ(driver.acts, 2);
    }
}

TEST(Win32Template, PageWindowIsAFixedCentredDialogWithCloseBoxOnly) {
    OnEveryPage([](const DialogLayout& layout, HWND dialog) {
        const LONG style = GetWindowLongW(dialog, GWL_STYLE);
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        EXPECT_TRUE(IsWindowVisible(dialog));

        RECT client;
        GetClientRect(dialog, &client);
        const RECT expected = DialogUnits(dialog, 0, 0, layout.cx, layout.cy);
        EXPECT_EQ(client.right, expected.right);
        EXPECT_EQ(client.bottom, expected.bottom);

        // The page's title until the page sets one: the template's.
        EXPECT_EQ(Gbk(WindowText(dialog)), layout.title);

        // The dialog font: 8 points of "MS Shell Dlg".
        LOGFONTW font{};
        HFONT handle = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
        ASSERT_NE(handle, nullptr);
        ASSERT_NE(GetObjectW(handle, sizeof font, &font), 0);
        EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(font.lfHeight, -MulDiv(layout.fontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72));
        ReleaseDC(nullptr, screen);
    });
}

TEST(Win32Template, EveryControlHasItsClassStylePlaceAndTextInLayoutOrder) {
    OnEveryPage([](const DialogLayout& layout, HWND dialog) {
        // Creation order is the tab order: the layout's order. Labels are
        // no tab stops; they are moved before the control they name (see
        // Win32Names).
        auto skipLabels = [](HWND w) {
            while (w && ClassName(w) == L"Static") w = GetWindow(w, GW_HWNDNEXT);
            return w;
        };
        HWND child = skipLabels(GetWindow(dialog, GW_CHILD));
        for (const ControlLayout& c : layout) {
            SCOPED_TRACE(c.id);
            if (IsBitmapRow(c)) {
                EXPECT_EQ(GetDlgItem(dialog, c.id), nullptr) << "the page paints it; it has no window";
                continue;
            }
            HWND control = GetDlgItem(dialog, c.id);
            ASSERT_NE(control, nullptr);
            if (c.kind != ControlKind::Label) {
                ASSERT_NE(child, nullptr);
                EXPECT_EQ(GetDlgCtrlID(child), c.id);
                ASSERT_EQ(control, child);
                child = skipLabels(GetWindow(child, GW_HWNDNEXT));
            }

            EXPECT_EQ(ClassName(control), ExpectedClass(c.kind));
            const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
            EXPECT_EQ((style & WS_VISIBLE) != 0, (c.style & kStyleHidden) == 0);
            EXPECT_EQ((style & WS_DISABLED) != 0, (c.style & kStyleDisabled) != 0);
            const bool centred = (c.style & kStyleCenter) != 0;
            switch (c.kind) {
                case ControlKind::GroupBox:
                    EXPECT_EQ(style & BS_TYPEMASK, DWORD(BS_GROUPBOX));
                    break;
                case ControlKind::CheckBox:
                    EXPECT_EQ(style & BS_TYPEMASK, DWORD(BS_AUTOCHECKBOX));
                    break;
                case ControlKind::Button:
                    EXPECT_EQ(style & BS_TYPEMASK, DWORD(BS_PUSHBUTTON));
                    break;
                case ControlKind::DefaultButton:
                    EXPECT_EQ(style & BS_TYPEMASK, DWORD(BS_DEFPUSHBUTTON));
                    break;
                case ControlKind::Label:
                    EXPECT_EQ(style & SS_TYPEMASK, DWORD(centred ? SS_CENTER : SS_LEFT));
                    break;
                case ControlKind::Edit:
                    EXPECT_TRUE(style & ES_AUTOHSCROLL);
                    EXPECT_EQ((style & ES_CENTER) != 0, centred);
                    EXPECT_FALSE(style & ES_MULTILINE);
                    break;
                case ControlKind::DropDownList:
                case ControlKind::DropDownCombo:
                    EXPECT_EQ(style & 3, DWORD(c.kind == ControlKind::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN));
                    EXPECT_FALSE(style & CBS_SORT) << "entries stay in the page's order";
                    break;
                case ControlKind::Bitmap:
                    break;
            }

            const RECT place = PlaceOf(dialog, control);
            const RECT expected = DialogUnits(dialog, c.x, c.y, c.cx, c.cy);
            EXPECT_EQ(place.left, expected.left);
            EXPECT_EQ(place.top, expected.top);
            EXPECT_EQ(place.right, expected.right);
            if (IsListKind(c.kind)) {
                // The system sizes a closed list by its font; open, it has room
                // for many entries, not the one or two the closed height gives.
                RECT dropped{};
                SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
                const RECT twelve = DialogUnits(dialog, c.x, c.y, c.cx, c.cy + 12 * 8);
                EXPECT_GE(dropped.bottom - dropped.top, twelve.bottom - twelve.top);
                EXPECT_EQ(GetWindowTextLengthW(control), 0);
            } else {
                EXPECT_EQ(place.bottom, expected.bottom);
                EXPECT_EQ(Gbk(WindowText(control)), c.text);
            }
        }
        EXPECT_EQ(child, nullptr) << "a control the layout does not have";
    });
}

TEST(Win32Names, EachLabelStandsDirectlyBeforeTheControlItNames) {
    OnEveryPage([](const DialogLayout& layout, HWND dialog) {
        int checked = 0;
        std::vector<int> used;
        for (int i = 0; i < layout.labelCount; ++i) {
            const LabelLink& link = layout.labels[i];
            const ControlLayout* label = FindControl(layout, link.parts[0]);
            if (!label || label->kind != ControlKind::Label || link.parts[1] != 0 || link.suffix[0] != '\0') continue;
            if (std::find(used.begin(), used.end(), label->id) != used.end()) continue;
            used.push_back(label->id);
            SCOPED_TRACE(link.control);
            // What a screen reader takes as the control's name: the static
            // text right before it.
            HWND before = GetWindow(GetDlgItem(dialog, link.control), GW_HWNDPREV);
            ASSERT_NE(before, nullptr);
            EXPECT_EQ(GetDlgCtrlID(before), label->id);
            ++checked;
        }
        // The start page's two lists are named by their frames.
        if (layout.templateId != kTemplateStartPage) {
            EXPECT_GT(checked, 0);
        }
    });
    // The rows that Windows' own order named wrongly: the Camera Setup page's
    // column heads came first and its Time Lapse lists followed other labels.
    OnEveryPage([](const DialogLayout& layout, HWND dialog) {
        if (layout.templateId != kTemplateCameraPage) return;
        using namespace ids::camera;
        EXPECT_EQ(GetDlgCtrlID(GetWindow(GetDlgItem(dialog, kTimer1ModeList), GW_HWNDPREV)), kTimer1Label);
        EXPECT_EQ(GetDlgCtrlID(GetWindow(GetDlgItem(dialog, kTimeLapseModeList), GW_HWNDPREV)), kTimeLapseLabel);
        EXPECT_EQ(GetDlgCtrlID(GetWindow(GetDlgItem(dialog, kVideoLengthList), GW_HWNDPREV)), kVideoLengthLabel);
        // Each time list after its own column head: hour, then minute.
        const int timeLists[][2] = {
            {kTimer1StartHourList, kTimer1StartHourHead}, {kTimer1StartMinList, kTimer1StartMinHead},
            {kTimer1EndHourList, kTimer1EndHourHead},     {kTimer1EndMinList, kTimer1EndMinHead},
            {kTimer2StartHourList, kTimer2StartHourHead}, {kTimer2StartMinList, kTimer2StartMinHead},
            {kTimer2EndHourList, kTimer2EndHourHead},     {kTimer2EndMinList, kTimer2EndMinHead},
            {kTimeLapseHourList, kTimeLapseHourHead},     {kTimeLapseMinList, kTimeLapseMinHead},
            {kTimeLapseSecList, kTimeLapseSecHead}};
        for (const auto& [list, head] : timeLists)
            EXPECT_EQ(GetDlgCtrlID(GetWindow(GetDlgItem(dialog, list), GW_HWNDPREV)), head) << list;
        // The tab order is untouched: Tab from Timer1's mode goes to its start hour.
        EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, kTimer1ModeList), FALSE),
                  GetDlgItem(dialog, kTimer1StartHourList));
    });
}

TEST(Win32Template, ListsTheLayoutMarksScrollTheirDroppedEntries) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateParamPage);
    trailcfg::test::ScriptedDriver driver({[](Dialog& dialog, DialogProbe&) {
        // The country list scrolls; the send option list never holds enough to.
        using namespace ids::param;
        for (int id : {kCountryList, kSendOptionList}) {
            SCOPED_TRACE(id);
            for (int i = 0; i < 50; ++i) dialog.ListAdd(id, std::to_string(i).c_str());
            HWND list = test::ControlOf(dialog, id);
            SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(list, &info));
            const bool scrolls = (GetWindowLongW(info.hwndList, GWL_STYLE) & WS_VSCROLL) != 0;
            SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
            EXPECT_EQ(scrolls, id == kCountryList);
        }
    }});
    platform->SetDriver(&driver);
    EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
}

}  // namespace
}  // namespace trailcfg::win32
