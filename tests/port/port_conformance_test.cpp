// What every backend of the platform port must do, as the pages rely on it:
// the Windows behaviours of dialogs and controls, checked through a small
// test page over real layouts (template 107 for edits, lists, a check box and
// a button without a default button; template 111 for the default button).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "platform/layout.h"
#include "port_conformance.h"
#include "recording_page.h"
#include "scripted_driver.h"
#include "test_support.h"

namespace trailcfg {
namespace {

using test::ScriptedDriver;

// Most tests run on template 107; the default button is on template 111.
using namespace ids::param;

using test::EventLog;
using TestPage = test::RecordingPage;

class PortConformance : public ::testing::Test {
protected:
    void SetUp() override {
        platform_ = MakePlatformUnderTest();
        ASSERT_NE(platform_, nullptr);
    }
    void TearDown() override { platform_->SetDriver(nullptr); }

    int Run(Page& page, ScriptedDriver& driver) {
        platform_->SetDriver(&driver);
        int result = platform_->RunModal(page);
        platform_->SetDriver(nullptr);
        return result;
    }

    // Runs a page of template 107 with one action; the run is then abandoned.
    void OnPage(TestPage& page, ScriptedDriver::Action action) {
        ScriptedDriver driver({std::move(action)});
        EXPECT_EQ(Run(page, driver), kPageAbandoned);
    }

    // Runs a page of `templateId` with a driver that has no action: the
    // run's result, how often the page opened and how often the driver acted.
    void ExpectRunWithoutActions(int templateId, int result, int opens, int acts) {
        TestPage page(templateId);
        ScriptedDriver driver;
        EXPECT_EQ(Run(page, driver), result);
        EXPECT_EQ(page.opens, opens);
        EXPECT_EQ(driver.acts, acts);
    }

    std::unique_ptr<DrivablePlatform> platform_;
};

// --- Opening, ending and abandoning a page ---------------------------------

TEST_F(PortConformance, PageOpensFromItsLayoutBeforeTheDriverActs) {
    TestPage page(kTemplateParamPage);
    int opensSeenByDriver = -1;
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        opensSeenByDriver = page.opens;
        EXPECT_EQ(probe.TemplateId(), kTemplateParamPage);
        EXPECT_EQ(probe.Title(), GBK("3G参数设置"));
        EXPECT_TRUE(probe.HasControl(kMmsUrlEdit));
        EXPECT_FALSE(probe.HasControl(12345));
        EXPECT_EQ(dialog.GetText(kSendOptionLabel), GBK("3G发送选项"));
        EXPECT_TRUE(dialog.IsVisible(kSendOptionLabel));
        EXPECT_FALSE(dialog.IsVisible(kDirPortLabel));
        EXPECT_TRUE(dialog.IsEnabled(kMmsUrlEdit));
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), "");
        EXPECT_EQ(dialog.ListCount(kSendOptionList), 0);
        EXPECT_EQ(dialog.ListSelection(kSendOptionList), -1);
        EXPECT_FALSE(dialog.IsChecked(kFactoryDebugCheck));
        EXPECT_FALSE(probe.IsMasked(kFtpPasswordEdit));
    });
    EXPECT_EQ(opensSeenByDriver, 1);
    EXPECT_TRUE(page.events.empty()) << EventLog(page.events);
}

// A Bitmap row (the start page's banner) is the backend's to paint: no
// control, so nothing a page or a user can act on.
TEST_F(PortConformance, BitmapRowsAreNoControls) {
    std::vector<int> ids;
    for (const ControlLayout& row : *FindDialogLayout(kTemplateStartPage))
        if (IsBitmapRow(row)) ids.push_back(row.id);
    ASSERT_FALSE(ids.empty()) << "the start page shows its banner";
    TestPage page(kTemplateStartPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        EXPECT_TRUE(probe.HasControl(ids::start::kCameraSetupButton));
        for (int id : ids) {
            EXPECT_FALSE(probe.HasControl(id)) << id;
            EXPECT_FALSE(dialog.IsVisible(id)) << id;
            EXPECT_EQ(dialog.GetText(id), "") << id;
            probe.UserClick(id);
        }
    });
    EXPECT_EQ(EventLog(page.events), "");
}

TEST_F(PortConformance, UnknownTemplateIsNotCreated) { ExpectRunWithoutActions(4711, kPageNotCreated, 0, 0); }

TEST_F(PortConformance, DriverGivingUpAbandonsTheRun) {
    ExpectRunWithoutActions(kTemplateParamPage, kPageAbandoned, 1, 1);
}

TEST_F(PortConformance, EndTakesEffectWhenTheHandlerReturns) {
    TestPage page(kTemplateParamPage);
    std::string textAfterEnd;
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (e.type != EventType::Clicked) return;
        dialog.End(7);
        // The page is still there until this handler returns.
        dialog.SetText(kMmsUrlEdit, "after");
        textAfterEnd = dialog.GetText(kMmsUrlEdit);
    };
    ScriptedDriver driver({[](Dialog&, DialogProbe& probe) { probe.UserClick(kNextPageButton); },
                           [](Dialog&, DialogProbe&) { ADD_FAILURE() << "acted on an ended page"; }});
    EXPECT_EQ(Run(page, driver), 7);
    EXPECT_EQ(driver.acts, 1);
    EXPECT_EQ(textAfterEnd, "after");
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::Clicked, kNextPageButton}, {EventType::TextChanged, kMmsUrlEdit}}));
}

TEST_F(PortConformance, EndWhileOpeningEndsWithoutActing) {
    TestPage page(kTemplateParamPage);
    page.onOpen = [](Dialog& dialog) { dialog.End(3); };
    ScriptedDriver driver;
    EXPECT_EQ(Run(page, driver), 3);
    EXPECT_EQ(driver.acts, 0);
}

TEST_F(PortConformance, EveryRunStartsFromTheLayoutAgain) {
    TestPage first(kTemplateParamPage);
    first.onEvent = [](Dialog& dialog, const Event& e) {
        if (e.type == EventType::Clicked) dialog.End(0);
    };
    ScriptedDriver driver({[](Dialog& dialog, DialogProbe& probe) {
        dialog.SetTitle("changed");
        dialog.SetText(kSendOptionLabel, "changed");
        dialog.SetText(kMmsUrlEdit, "changed");
        dialog.ListAdd(kSendOptionList, "x");
        dialog.Enable(kMmsUrlEdit, false);
        probe.UserClick(kNextPageButton);
    }});
    ASSERT_EQ(Run(first, driver), 0);

    TestPage second(kTemplateParamPage);
    OnPage(second, [](Dialog& dialog, DialogProbe& probe) {
        EXPECT_EQ(probe.Title(), GBK("3G参数设置"));
        EXPECT_EQ(dialog.GetText(kSendOptionLabel), GBK("3G发送选项"));
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), "");
        EXPECT_EQ(dialog.ListCount(kSendOptionList), 0);
        EXPECT_TRUE(dialog.IsEnabled(kMmsUrlEdit));
    });
}

// --- Texts and edits ---------------------------------------------------------

TEST_F(PortConformance, SetTextRaisesTextChangedBeforeReturningAndReentrantly) {
    TestPage page(kTemplateParamPage);
    std::vector<std::string> seen;
    // Like the input helpers: the handler shortens the text by setting it.
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (e.type != EventType::TextChanged) return;
        std::string text = dialog.GetText(e.id);
        seen.push_back(text);
        if (text.size() > 1) dialog.SetText(e.id, text.substr(0, text.size() - 1).c_str());
    };
    OnPage(page, [&](Dialog& dialog, DialogProbe&) {
        dialog.SetText(kMmsUrlEdit, "abcd");
        EXPECT_EQ((std::vector<std::string>{"abcd", "abc", "ab", "a"}), seen);
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), "a");
    });
}

TEST_F(PortConformance, SetTextOnLabelsButtonsAndFramesRaisesNothing) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe&) {
        for (int id : {kSendOptionLabel, kSendOptionFrame, kNextPageButton, kFactoryDebugCheck}) {
            dialog.SetText(id, GBK("下一页"));
            EXPECT_EQ(dialog.GetText(id), GBK("下一页")) << id;
        }
    });
    EXPECT_EQ(EventLog(page.events), "");
}

TEST_F(PortConformance, UserTypingReplacesTheTextAsOneChange) {
    TestPage page(kTemplateParamPage);
    std::vector<std::string> seen;
    page.onEvent = [&](Dialog& dialog, const Event& e) { seen.push_back(dialog.GetText(e.id)); };
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        dialog.SetText(kMmsUrlEdit, "old text");
        seen.clear();
        page.events.clear();
        probe.UserType(kMmsUrlEdit, "new");
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), "new");
        EXPECT_EQ(probe.Caret(kMmsUrlEdit), 3);
    });
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::TextChanged, kMmsUrlEdit}}));
    EXPECT_EQ(seen, std::vector<std::string>{"new"});
}

TEST_F(PortConformance, CaretFollowsTheUserTheProgramAndCountsBytes) {
    TestPage page(kTemplateParamPage);
    bool moveCaret = false;
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (moveCaret && e.type == EventType::TextChanged) dialog.SetCaret(e.id, 1);
    };
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        probe.UserType(kMmsUrlEdit, GBK("中文a"));
        EXPECT_EQ(probe.Caret(kMmsUrlEdit), 5);
        dialog.SetCaret(kMmsUrlEdit, 2);
        EXPECT_EQ(probe.Caret(kMmsUrlEdit), 2);
        // Text set by the program leaves the caret at the start, as Windows does.
        dialog.SetText(kMmsUrlEdit, "hello");
        EXPECT_EQ(probe.Caret(kMmsUrlEdit), 0);
        // A page that moves the caret while handling the change has the last word.
        moveCaret = true;
        probe.UserType(kMmsUrlEdit, "abc");
        EXPECT_EQ(probe.Caret(kMmsUrlEdit), 1);
    });
}

TEST_F(PortConformance, LimitCutsWhatTheUserTypesNotWhatTheProgramSets) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        dialog.SetLimit(kMmsPortEdit, 4);
        EXPECT_EQ(probe.Limit(kMmsPortEdit), 4);
        probe.UserType(kMmsPortEdit, "123456");
        EXPECT_EQ(dialog.GetText(kMmsPortEdit), "1234");
        EXPECT_EQ(probe.Caret(kMmsPortEdit), 4);
        dialog.SetText(kMmsPortEdit, "123456");
        EXPECT_EQ(dialog.GetText(kMmsPortEdit), "123456");
    });
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::TextChanged, kMmsPortEdit}, {EventType::TextChanged, kMmsPortEdit}}));
}

TEST_F(PortConformance, MaskingSwitchesAndKeepsTheText) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        dialog.SetText(kFtpPasswordEdit, "secret");
        dialog.SetMasked(kFtpPasswordEdit, true);
        EXPECT_TRUE(probe.IsMasked(kFtpPasswordEdit));
        EXPECT_EQ(dialog.GetText(kFtpPasswordEdit), "secret");
        probe.UserType(kFtpPasswordEdit, "other");
        EXPECT_EQ(dialog.GetText(kFtpPasswordEdit), "other");
        dialog.SetMasked(kFtpPasswordEdit, false);
        EXPECT_FALSE(probe.IsMasked(kFtpPasswordEdit));
        EXPECT_EQ(dialog.GetText(kFtpPasswordEdit), "other");
    });
}

TEST_F(PortConformance, LeavingAnEditRaisesFocusLost) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog&, DialogProbe& probe) { probe.UserLeave(kMmsUrlEdit); });
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::FocusLost, kMmsUrlEdit}}));
}

TEST_F(PortConformance, GbkTextsComeBackByteForByte) {
    TestPage page(kTemplateParamPage);
    const std::string odd = std::string(GBK("彩信")) + "\xA1\xA3" + "x";  // an ideographic full stop too
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        dialog.SetTitle(odd.c_str());
        EXPECT_EQ(probe.Title(), odd);
        dialog.SetText(kMmsUrlEdit, odd.c_str());
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), odd);
        dialog.SetText(kSendOptionLabel, odd.c_str());
        EXPECT_EQ(dialog.GetText(kSendOptionLabel), odd);
        dialog.ListAdd(kSendOptionList, odd.c_str());
        EXPECT_EQ(dialog.ListItem(kSendOptionList, 0), odd);
        probe.UserType(kMmsUrlEdit, GBK("关闭3G"));
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), GBK("关闭3G"));
    });
}

// --- Lists ---------------------------------------------------------------------

TEST_F(PortConformance, ProgramSelectionRaisesNothingAndOutOfRangeClearsIt) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe&) {
        for (const char* item : {GBK("关闭3G"), GBK("彩信"), GBK("邮件")}) dialog.ListAdd(kSendOptionList, item);
        EXPECT_EQ(dialog.ListCount(kSendOptionList), 3);
        EXPECT_EQ(dialog.ListItem(kSendOptionList, 2), GBK("邮件"));
        EXPECT_EQ(dialog.ListSelection(kSendOptionList), -1);

        dialog.ListSelect(kSendOptionList, 1);
        EXPECT_EQ(dialog.ListSelection(kSendOptionList), 1);
        EXPECT_EQ(dialog.GetText(kSendOptionList), GBK("彩信"));
        for (int outside : {3, 17, -1, -5}) {
            dialog.ListSelect(kSendOptionList, 1);
            dialog.ListSelect(kSendOptionList, outside);
            EXPECT_EQ(dialog.ListSelection(kSendOptionList), -1) << outside;
        }
        dialog.ListSelect(kSendOptionList, 2);
        dialog.ListEmpty(kSendOptionList);
        EXPECT_EQ(dialog.ListCount(kSendOptionList), 0);
        EXPECT_EQ(dialog.ListSelection(kSendOptionList), -1);
    });
    EXPECT_EQ(EventLog(page.events), "");
}

TEST_F(PortConformance, UserChoiceIsConfirmedThenChanged) {
    TestPage page(kTemplateParamPage);
    std::vector<int> selectionSeen;
    page.onEvent = [&](Dialog& dialog, const Event& e) { selectionSeen.push_back(dialog.ListSelection(e.id)); };
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        dialog.ListAdd(kSendOptionList, "a");
        dialog.ListAdd(kSendOptionList, "b");
        probe.UserChoose(kSendOptionList, 1);
        EXPECT_EQ(dialog.ListSelection(kSendOptionList), 1);
    });
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::SelConfirmed, kSendOptionList}, {EventType::SelChanged, kSendOptionList}}));
    EXPECT_EQ(selectionSeen, (std::vector<int>{1, 1}));
}

// --- Buttons, check boxes, states ----------------------------------------------

TEST_F(PortConformance, CheckBoxTogglesBeforeItsClickAndProgramChecksRaiseNothing) {
    TestPage page(kTemplateParamPage);
    std::vector<bool> checkedSeen;
    page.onEvent = [&](Dialog& dialog, const Event& e) { checkedSeen.push_back(dialog.IsChecked(e.id)); };
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        dialog.SetCheck(kFactoryDebugCheck, true);
        EXPECT_TRUE(dialog.IsChecked(kFactoryDebugCheck));
        probe.UserClick(kFactoryDebugCheck);
        EXPECT_FALSE(dialog.IsChecked(kFactoryDebugCheck));
        probe.UserClick(kFactoryDebugCheck);
        EXPECT_TRUE(dialog.IsChecked(kFactoryDebugCheck));
    });
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::Clicked, kFactoryDebugCheck}, {EventType::Clicked, kFactoryDebugCheck}}));
    EXPECT_EQ(checkedSeen, (std::vector<bool>{false, true}));
}

TEST_F(PortConformance, ButtonClickAndControlStates) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        probe.UserClick(kNextPageButton);
        dialog.Enable(kMmsUrlEdit, false);
        EXPECT_FALSE(dialog.IsEnabled(kMmsUrlEdit));
        dialog.Show(kMmsUrlEdit, false);
        EXPECT_FALSE(dialog.IsVisible(kMmsUrlEdit));
        dialog.Enable(kMmsUrlEdit, true);
        dialog.Show(kMmsUrlEdit, true);
        EXPECT_TRUE(dialog.IsEnabled(kMmsUrlEdit));
        EXPECT_TRUE(dialog.IsVisible(kMmsUrlEdit));
        dialog.Show(kDirPortLabel, true);
        EXPECT_TRUE(dialog.IsVisible(kDirPortLabel));
    });
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::Clicked, kNextPageButton}}));
}

// A call made on another kind of control changes nothing and reads as the
// kind it is made on reads without a value; a user's action on it is ignored.
TEST_F(PortConformance, CallsOnAnotherKindOfControlChangeNothing) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        const std::string buttonText = dialog.GetText(kNextPageButton);
        dialog.SetCheck(kNextPageButton, true);
        EXPECT_FALSE(dialog.IsChecked(kNextPageButton));
        for (int id : {kNextPageButton, kSendOptionList}) {
            dialog.SetMasked(id, true);
            dialog.SetLimit(id, 4);
            dialog.SetCaret(id, 2);
            EXPECT_FALSE(probe.IsMasked(id)) << id;
            EXPECT_EQ(probe.Limit(id), 0) << id;
            EXPECT_EQ(probe.Caret(id), 0) << id;
        }
        dialog.SetText(kSendOptionList, "x");
        dialog.ListAdd(kMmsUrlEdit, "x");
        dialog.ListSelect(kMmsUrlEdit, 0);
        EXPECT_EQ(dialog.ListCount(kMmsUrlEdit), 0);
        EXPECT_EQ(dialog.ListSelection(kMmsUrlEdit), -1);
        EXPECT_EQ(dialog.ListItem(kMmsUrlEdit, 0), "");
        EXPECT_EQ(dialog.GetText(kSendOptionList), "");
        EXPECT_EQ(dialog.GetText(kNextPageButton), buttonText);
        probe.UserType(kNextPageButton, "x");
        probe.UserChoose(kMmsUrlEdit, 0);
        probe.UserLeave(kSendOptionList);
        probe.UserClick(kMmsUrlEdit);
    });
    EXPECT_EQ(EventLog(page.events), "");
}

// --- Keys and the close box ---------------------------------------------------

TEST_F(PortConformance, EscapeEnterAndCloseAreRequestsThePageMayIgnore) {
    TestPage page(kTemplateParamPage);  // no default button
    ScriptedDriver driver({[](Dialog&, DialogProbe& probe) { probe.UserPressKey(UserKey::Escape); },
                           [](Dialog&, DialogProbe& probe) { probe.UserPressKey(UserKey::Enter); },
                           [](Dialog&, DialogProbe& probe) { probe.UserClose(); }});
    EXPECT_EQ(Run(page, driver), kPageAbandoned);
    EXPECT_EQ(driver.acts, 4);
    EXPECT_EQ(EventLog(page.events), "Escape\nEnter\nClose\n");
}

TEST_F(PortConformance, EnterPressesTheDefaultButtonWhileItIsEnabled) {
    TestPage page(kTemplateStartPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        probe.UserPressKey(UserKey::Enter);
        dialog.Enable(ids::start::kCameraSetupButton, false);
        probe.UserPressKey(UserKey::Enter);
    });
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::Clicked, ids::start::kCameraSetupButton}}));
}

TEST_F(PortConformance, ClosingEndsThePageOnlyWhenThePageSaysSo) {
    TestPage page(kTemplateParamPage);
    page.onEvent = [](Dialog& dialog, const Event& e) {
        if (e.type == EventType::Close) dialog.End(0);
    };
    ScriptedDriver driver({[](Dialog&, DialogProbe& probe) { probe.UserClose(); }});
    EXPECT_EQ(Run(page, driver), 0);
    EXPECT_EQ(driver.acts, 1);
}

// --- Timers ---------------------------------------------------------------------

TEST_F(PortConformance, TimerTicksOnlyWhileItRuns) {
    TestPage page(kTemplateParamPage);
    OnPage(page, [&](Dialog& dialog, DialogProbe& probe) {
        EXPECT_FALSE(probe.TimerRunning(1));
        probe.FireTimer(1);
        platform_->StartTimer(dialog, 1, 1000);
        EXPECT_TRUE(probe.TimerRunning(1));
        EXPECT_FALSE(probe.TimerRunning(2));
        probe.FireTimer(1);
        probe.FireTimer(2);
        platform_->StopTimer(dialog, 1);
        EXPECT_FALSE(probe.TimerRunning(1));
        probe.FireTimer(1);
    });
    EXPECT_EQ(EventLog(page.events), "Timer 1\n");
}

// --- The system's questions ---------------------------------------------------

TEST_F(PortConformance, SystemQuestionsAreAnsweredByTheDriver) {
    TestPage page(kTemplateParamPage);
    ScriptedDriver driver;
    driver.language = 0x0804;
    driver.now = LocalTime{2031, 2, 3, 4, 5, 6};
    driver.folders = {std::string(GBK("/卡/相机")), std::nullopt};
    driver.actions = {[&](Dialog& dialog, DialogProbe&) {
        EXPECT_EQ(platform_->SystemDefaultLanguage(), 0x0804);
        LocalTime t = platform_->Now();
        EXPECT_EQ((std::vector<int>{t.year, t.month, t.day, t.hour, t.minute, t.second}),
                  (std::vector<int>{2031, 2, 3, 4, 5, 6}));

        std::string folder = "unchanged";
        EXPECT_TRUE(platform_->BrowseFolder(dialog, folder));
        EXPECT_EQ(folder, GBK("/卡/相机"));
        EXPECT_FALSE(platform_->BrowseFolder(dialog, folder));
        EXPECT_FALSE(platform_->BrowseFolder(dialog, folder));  // nothing queued: cancelled
        EXPECT_EQ(driver.folderQuestions, 3);

        platform_->ShowMessage(dialog, GBK("输入内容超出范围！"), GBK("警告"), MessageIcon::Warning);
        platform_->ShowMessage(dialog, "Generate Success!", "Notice", MessageIcon::Information);
    }};
    EXPECT_EQ(Run(page, driver), kPageAbandoned);
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[0].caption, GBK("警告"));
    EXPECT_EQ(driver.messages[0].text, GBK("输入内容超出范围！"));
    EXPECT_EQ(driver.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(driver.messages[1].caption, "Notice");
    EXPECT_EQ(driver.messages[1].icon, MessageIcon::Information);
}

TEST_F(PortConformance, CurrentDirectoryIsTheProcessDirectoryAsGbk) {
    test::TempDir dir;
    // u8: a narrow path means the ANSI code page on Windows, not UTF-8.
    std::filesystem::path folder = dir.path() / std::filesystem::path(u8"相机 cards");
    std::filesystem::create_directory(folder);
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::string got;
    bool ok = platform_->CurrentDirectory(got);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(ok);
    EXPECT_EQ(got, GbkFromPath(std::filesystem::canonical(folder)));
    EXPECT_NE(got.find(GBK("相机 cards")), std::string::npos);
}

TEST_F(PortConformance, CurrentDirectoryThatGbkCannotSpellIsNotHandedOn) {
    test::TempDir dir;
    std::filesystem::path folder = dir / "camera \xF0\x9F\x93\xB7";  // an emoji
    std::filesystem::create_directory(folder);
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::string got = "unchanged";
    bool ok = platform_->CurrentDirectory(got);
    std::filesystem::current_path(previous);
    EXPECT_FALSE(ok);
    EXPECT_EQ(got, "unchanged");
}

}  // namespace
}  // namespace trailcfg
