// A page larger than the monitor's work area opens at the work area's size
// with a scroll bar, and moving the focus with the keyboard scrolls the
// focused control into view. Wine's screen holds every page at 96 DPI, so
// the test gives the pages a smaller work area, as a task bar and a small
// screen do.
#include <gtest/gtest.h>

#include "platform/control_ids.h"
#include "scripted_driver.h"
#include "win32_platform.h"
#include "win32_scroll.h"
#include "win32_test_page.h"

namespace trailcfg::win32 {
namespace {

using test::TestPage;
using test::WindowOf;

// Camera Setup's last control and its first.
using ids::camera::kGenerateButton;
using ids::camera::kModeList;

// The work area for the test's length.
class SmallWorkArea {
public:
    explicit SmallWorkArea(RECT area) { SetWorkAreaForTests(&area); }
    ~SmallWorkArea() { SetWorkAreaForTests(nullptr); }
};

RECT InDialog(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool InView(HWND dialog, HWND control) {
    RECT view;
    GetClientRect(dialog, &view);
    const RECT r = InDialog(dialog, control);
    return r.top >= 0 && r.bottom <= view.bottom && r.left >= 0 && r.right <= view.right;
}

void Pump(HWND dialog) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

TEST(Win32Scroll, APageTallerThanTheWorkAreaScrollsAndTabRevealsTheFocus) {
    SmallWorkArea small(RECT{0, 0, 1024, 400});
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateCameraPage);
    trailcfg::test::ScriptedDriver driver({[&](Dialog& dialog, DialogProbe&) {
        HWND window = WindowOf(dialog);
        RECT outer;
        GetWindowRect(window, &outer);
        EXPECT_LE(outer.bottom - outer.top, 400);
        EXPECT_GE(outer.top, 0);
        EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL);
        EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_HSCROLL);
        HWND generate = GetDlgItem(window, kGenerateButton);
        HWND first = GetDlgItem(window, kModeList);
        EXPECT_FALSE(InView(window, generate));
        // Shift+Tab from the first list: the dialog manager's previous
        // control, the last one.
        SetFocus(first);
        SendMessageW(window, WM_NEXTDLGCTL, TRUE, FALSE);
        Pump(window);
        EXPECT_EQ(GetFocus(), generate);
        EXPECT_TRUE(InView(window, generate));
        // And Tab back round to the first, which scrolls back up.
        SendMessageW(window, WM_NEXTDLGCTL, FALSE, FALSE);
        Pump(window);
        EXPECT_EQ(GetFocus(), first);
        EXPECT_TRUE(InView(window, first));
        // The wheel scrolls too.
        const RECT before = InDialog(window, first);
        SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        EXPECT_LT(InDialog(window, first).top, before.top);
    }});
    platform->SetDriver(&driver);
    EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
}

TEST(Win32Scroll, APageThatFitsOpensAsLaidOutWithoutBars) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateStartPage);
    trailcfg::test::ScriptedDriver driver({[&](Dialog& dialog, DialogProbe&) {
        HWND window = WindowOf(dialog);
        EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
    }});
    platform->SetDriver(&driver);
    EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
}

}  // namespace
}  // namespace trailcfg::win32
