// The edit limit in GBK bytes on the real edit control, for what a user
// types, pastes and replaces (the rule itself: tests/core/text_edge_test.cpp).
#include <gtest/gtest.h>

#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "scripted_driver.h"
#include "win32_platform.h"
#include "win32_test_page.h"

namespace trailcfg::win32 {
namespace {

using test::ControlOf;
using test::EventLog;
using test::TestPage;

using ids::param::kMmsUrlEdit;  // template 107

class Win32Edit : public ::testing::Test {
protected:
    // Runs one action on an open page of template 107; the run is then given up.
    void OnPage(TestPage& page, trailcfg::test::ScriptedDriver::Action action) {
        std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
        trailcfg::test::ScriptedDriver driver({std::move(action)});
        platform->SetDriver(&driver);
        EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
        platform->SetDriver(nullptr);
    }
};

TEST_F(Win32Edit, UserTextIsCutInGbkBytesNotCharacters) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [](Dialog& dialog, DialogProbe& probe) {
        dialog.SetLimit(kMmsUrlEdit, 5);
        probe.UserType(kMmsUrlEdit, GBK("中文字"));
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), GBK("中文"));
        EXPECT_EQ(probe.Caret(kMmsUrlEdit), 4);
        probe.UserType(kMmsUrlEdit, std::string("a") + GBK("中文字"));
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), std::string("a") + GBK("中文"));
    });
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::TextChanged, kMmsUrlEdit}, {EventType::TextChanged, kMmsUrlEdit}}));
}

TEST_F(Win32Edit, KeystrokesBeyondTheLimitAreRefusedWithoutAChange) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe&) {
        HWND edit = ControlOf(dialog, kMmsUrlEdit);
        dialog.SetLimit(kMmsUrlEdit, 3);
        dialog.SetText(kMmsUrlEdit, "ab");
        page.events.clear();
        SendMessageW(edit, EM_SETSEL, 2, 2);
        // The control's own limit counts characters and lets this one in; the
        // backend's counts bytes and does not.
        SendMessageW(edit, WM_CHAR, L'\u4E2D', 0);
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), "ab");
        EXPECT_TRUE(page.events.empty()) << EventLog(page.events);
        SendMessageW(edit, WM_CHAR, L'c', 0);
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), "abc");
        SendMessageW(edit, WM_CHAR, L'd', 0);
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), "abc");
    });
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::TextChanged, kMmsUrlEdit}}));
}

TEST_F(Win32Edit, ProgramTextBeyondTheLimitStaysAndTheUserCanOnlyShortenIt) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe&) {
        HWND edit = ControlOf(dialog, kMmsUrlEdit);
        dialog.SetLimit(kMmsUrlEdit, 2);
        dialog.SetText(kMmsUrlEdit, GBK("中文"));
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), GBK("中文"));
        page.events.clear();
        SendMessageW(edit, EM_SETSEL, 2, 2);
        SendMessageW(edit, WM_CHAR, L'x', 0);
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), GBK("中文"));
        SendMessageW(edit, WM_CHAR, VK_BACK, 0);
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), GBK("中"));
    });
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::TextChanged, kMmsUrlEdit}}));
}

TEST_F(Win32Edit, MaskingUsesAnAsteriskAndCaretCountsBytes) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [](Dialog& dialog, DialogProbe& probe) {
        HWND edit = ControlOf(dialog, kMmsUrlEdit);
        dialog.SetMasked(kMmsUrlEdit, true);
        EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), L'*');
        dialog.SetMasked(kMmsUrlEdit, false);
        EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), 0);

        dialog.SetText(kMmsUrlEdit, GBK("a中文"));
        dialog.SetCaret(kMmsUrlEdit, 3);
        DWORD start = 0, end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 2u);
        EXPECT_EQ(end, 2u);
        EXPECT_EQ(probe.Caret(kMmsUrlEdit), 3);
        dialog.SetCaret(kMmsUrlEdit, 4);  // inside 文: its start
        EXPECT_EQ(probe.Caret(kMmsUrlEdit), 3);
    });
}

}  // namespace
}  // namespace trailcfg::win32
