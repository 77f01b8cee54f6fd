// The keys and the close box through the dialog manager itself, as a person
// at the keyboard sends them (the conformance suite drives the same through
// the probe).
#include <gtest/gtest.h>

#include "platform/control_ids.h"
#include "scripted_driver.h"
#include "win32_platform.h"
#include "win32_test_page.h"

namespace trailcfg::win32 {
namespace {

using test::ControlOf;
using test::EventLog;
using test::TestPage;
using test::WindowOf;

// Template 107 has no default button; template 111's is Camera Setup.
using namespace ids::param;
using namespace ids::start;

// A key press as the message loop hands it to IsDialogMessage.
bool PressKey(Dialog& dialog, HWND focus, WPARAM key) {
    SetFocus(focus);
    MSG message{focus, WM_KEYDOWN, key, 1, 0, {0, 0}};
    return IsDialogMessageW(WindowOf(dialog), &message) != FALSE;
}

void RunOnce(TestPage& page, trailcfg::test::ScriptedDriver::Action action) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    trailcfg::test::ScriptedDriver driver({std::move(action)});
    platform->SetDriver(&driver);
    EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
    platform->SetDriver(nullptr);
}

TEST(Win32Keys, EnterInAnEditPressesTheDefaultButtonEscapeIsOnlyReported) {
    TestPage page(kTemplateStartPage);
    RunOnce(page, [](Dialog& dialog, DialogProbe&) {
        HWND list = ControlOf(dialog, kLanguageList);
        EXPECT_TRUE(PressKey(dialog, list, VK_RETURN));
        EXPECT_TRUE(PressKey(dialog, list, VK_ESCAPE));
        EXPECT_TRUE(IsWindowVisible(WindowOf(dialog))) << "Escape closes nothing";
        dialog.Enable(kCameraSetupButton, false);
        EXPECT_TRUE(PressKey(dialog, list, VK_RETURN));
    });
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::Clicked, kCameraSetupButton}, {EventType::Escape, 0}}));
}

TEST(Win32Keys, EnterWithoutADefaultButtonIsTheEnterCommand) {
    TestPage page(kTemplateParamPage);
    RunOnce(page, [](Dialog& dialog, DialogProbe&) {
        EXPECT_TRUE(PressKey(dialog, ControlOf(dialog, kMmsUrlEdit), VK_RETURN));
    });
    EXPECT_EQ(EventLog(page.events), "Enter\n");
}

TEST(Win32Keys, TheCloseBoxIsARequestNotAnEscape) {
    TestPage page(kTemplateParamPage);
    RunOnce(page, [](Dialog& dialog, DialogProbe&) {
        SendMessageW(WindowOf(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(IsWindowVisible(WindowOf(dialog)));
    });
    EXPECT_EQ(EventLog(page.events), "Close\n");
}

TEST(Win32Keys, DrivenClicksMoveTheFocusWithoutReportingFocusLost) {
    TestPage page(kTemplateParamPage);
    RunOnce(page, [](Dialog& dialog, DialogProbe& probe) {
        SetFocus(ControlOf(dialog, kMmsUrlEdit));
        probe.UserClick(kNextPageButton);
        EXPECT_EQ(GetFocus(), ControlOf(dialog, kNextPageButton));
        probe.UserLeave(kMmsUrlEdit);
    });
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::Clicked, kNextPageButton}, {EventType::FocusLost, kMmsUrlEdit}}));
}

}  // namespace
}  // namespace trailcfg::win32
