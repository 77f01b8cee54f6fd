// A person's run: the page as a real modal dialog (DialogBoxIndirectParamW),
// with the system's timer, focus and keyboard. Each test acts from the page's
// own handlers, since nobody else runs while the dialog is modal.
#include <gtest/gtest.h>

#include "win32_platform.h"
#include "win32_test_page.h"

namespace trailcfg::win32 {
namespace {

using test::ControlOf;
using test::Log;
using test::TestPage;

constexpr int kUrlEdit = 40035;   // template 107
constexpr int kPortEdit = 40040;  // template 107

TEST(Win32Modal, APageEndedWhileOpeningIsNeverShownAndReturnsItsResult) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateParamPage);
    page.onOpen = [](Dialog& dialog) { dialog.End(3); };
    EXPECT_EQ(platform->RunModal(page), 3);
    EXPECT_EQ(Log(page.events), "");
}

TEST(Win32Modal, UnknownTemplateIsNotCreated) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(4711);
    bool opened = false;
    page.onOpen = [&](Dialog&) { opened = true; };
    EXPECT_EQ(platform->RunModal(page), kPageNotCreated);
    EXPECT_FALSE(opened);
}

TEST(Win32Modal, TheSystemTimerTicksUntilThePageEndsIt) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateParamPage);
    int ticks = 0;
    page.onOpen = [&](Dialog& dialog) { platform->StartTimer(dialog, 1, 10); };
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (e.type == EventType::Timer && ++ticks == 3) {
            platform->StopTimer(dialog, 1);
            dialog.End(5);
        }
    };
    EXPECT_EQ(platform->RunModal(page), 5);
    EXPECT_EQ(Log(page.events), "Timer 1\nTimer 1\nTimer 1\n");
}

TEST(Win32Modal, APersonLeavingAnEditIsReportedWhereverTheFocusGoes) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateParamPage);
    page.onOpen = [&](Dialog& dialog) { platform->StartTimer(dialog, 1, 10); };
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (e.type != EventType::Timer) return;
        platform->StopTimer(dialog, 1);
        SetFocus(ControlOf(dialog, kUrlEdit));
        SetFocus(ControlOf(dialog, kPortEdit));
        SetFocus(ControlOf(dialog, 40082));
        dialog.End(0);
    };
    EXPECT_EQ(platform->RunModal(page), 0);
    EXPECT_EQ(Log(page.events), "Timer 1\nFocusLost 40035\nFocusLost 40040\n");
}

TEST(Win32Modal, EscapeFromTheKeyboardReachesThePageAndClosesNothing) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateParamPage);
    page.onOpen = [&](Dialog& dialog) {
        // The key waits in the queue until the modal loop takes it.
        HWND edit = ControlOf(dialog, kUrlEdit);
        SetFocus(edit);
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
        platform->StartTimer(dialog, 1, 50);
    };
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (e.type == EventType::Timer) dialog.End(9);
    };
    EXPECT_EQ(platform->RunModal(page), 9);
    // (The dialog manager's first focus takes the focus from the edit: a
    // person's focus loss, reported as such.)
    EXPECT_EQ(Log(page.events), "FocusLost 40035\nEscape 0\nTimer 1\n");
}

}  // namespace
}  // namespace trailcfg::win32
