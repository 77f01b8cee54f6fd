// A person's run: the page as a real modal dialog (DialogBoxIndirectParamW),
// with the system's timer, focus and keyboard. Each test acts from the page's
// own handlers, since nobody else runs while the dialog is modal.
#include <gtest/gtest.h>

#include "platform/control_ids.h"
#include "win32_platform.h"
#include "win32_test_page.h"

namespace trailcfg::win32 {
namespace {

using test::ControlOf;
using test::EventLog;
using test::TestPage;

// The pages are of template 107.
using namespace ids::param;

TEST(Win32Modal, APageEndedWhileOpeningIsNeverShownAndReturnsItsResult) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateParamPage);
    page.onOpen = [](Dialog& dialog) { dialog.End(3); };
    EXPECT_EQ(platform->RunModal(page), 3);
    EXPECT_EQ(EventLog(page.events), "");
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
    EXPECT_EQ(EventLog(page.events), "Timer 1\nTimer 1\nTimer 1\n");
}

TEST(Win32Modal, APersonLeavingAnEditIsReportedWhereverTheFocusGoes) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateParamPage);
    page.onOpen = [&](Dialog& dialog) { platform->StartTimer(dialog, 1, 10); };
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (e.type != EventType::Timer) return;
        platform->StopTimer(dialog, 1);
        SetFocus(ControlOf(dialog, kMmsUrlEdit));
        SetFocus(ControlOf(dialog, kMmsPortEdit));
        SetFocus(ControlOf(dialog, kNextPageButton));
        dialog.End(0);
    };
    EXPECT_EQ(platform->RunModal(page), 0);
    EXPECT_EQ(
        EventLog(page.events),
        EventLog({{EventType::Timer, 1}, {EventType::FocusLost, kMmsUrlEdit}, {EventType::FocusLost, kMmsPortEdit}}));
}

TEST(Win32Modal, EscapeFromTheKeyboardReachesThePageAndClosesNothing) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    TestPage page(kTemplateParamPage);
    page.onOpen = [&](Dialog& dialog) {
        // The key waits in the queue until the modal loop takes it.
        HWND edit = ControlOf(dialog, kMmsUrlEdit);
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
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::FocusLost, kMmsUrlEdit}, {EventType::Escape, 0}, {EventType::Timer, 1}}));
}

}  // namespace
}  // namespace trailcfg::win32
