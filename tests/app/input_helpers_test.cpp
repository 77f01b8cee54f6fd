// The shared input helpers on a real page layout (the send page's edits), called
// from the page's handlers the way the pages call them, so that the re-entry
// through TextChanged happens as it does on screen.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/process_state.h"
#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "platform/headless/headless_platform.h"
#include "platform/layout.h"
#include "rules/generate_rules.h"
#include "scripted_driver.h"
#include "test_support.h"
#include "ui/input_helpers.h"

namespace trailcfg {
namespace {

using test::DiagCapture;
using test::ScriptedDriver;

// Edits of template 106 and the helper each one gets in this test page.
constexpr int kPhoneEdit = ids::send::kPhone1Edit;       // FilterEditChars "0123456789+" on change
constexpr int kDigitsEdit = ids::send::kMaxSentEdit;     // FilterEditChars "0123456789" on change
constexpr int kWarnEdit = ids::send::kLongitudeMinute;   // CheckEditRange 0..59, warning, on change
constexpr int kQuietEdit = ids::send::kLongitudeSecond;  // CheckEditRange 0..59, no warning, on change
constexpr int kMonthEdit = ids::send::kLatitudeMinute;   // digits on change, CheckEditRange 1..12 quiet on leaving
constexpr int kNoSetEdit = ids::send::kLatitudeSecond;   // FilterEditChars with an empty set
using ids::send::kBrowseButton;
using ids::send::kSaveFolderEdit;

class HelperPage : public Page {
public:
    explicit HelperPage(Platform& platform) : platform_(platform) {}
    int TemplateId() const override { return kTemplateSendPage; }
    void OnOpen(Dialog&) override {}
    void OnEvent(Dialog& dialog, const Event& e) override {
        if (e.type == EventType::TextChanged) {
            ++changes[e.id];
            switch (e.id) {
                case kPhoneEdit:
                    FilterEditChars(dialog, e.id, kPhoneChars);
                    break;
                case kDigitsEdit:
                    FilterEditChars(dialog, e.id, kDigits);
                    break;
                case kWarnEdit:
                    CheckEditRange(platform_, dialog, e.id, 0, 59, true);
                    break;
                case kQuietEdit:
                    CheckEditRange(platform_, dialog, e.id, 0, 59, false);
                    break;
                case kMonthEdit:
                    FilterEditChars(dialog, e.id, kDigits);
                    break;
                case kNoSetEdit:
                    FilterEditChars(dialog, e.id, "");
                    break;
                default:
                    break;
            }
        } else if (e.type == EventType::FocusLost && e.id == kMonthEdit) {
            CheckEditRange(platform_, dialog, e.id, 1, 12, false);
        } else if (e.type == EventType::Clicked && e.id == kBrowseButton) {
            BrowseSaveFolder(platform_, dialog, kSaveFolderEdit);
        }
    }

    std::map<int, int> changes;

private:
    Platform& platform_;
};

class InputHelpers : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }

    // Runs the page with one action and abandons it.
    void OnPage(ScriptedDriver::Action action) {
        driver_.actions = {std::move(action)};
        driver_.next = 0;
        platform_->SetDriver(&driver_);
        EXPECT_EQ(platform_->RunModal(page_), kPageAbandoned);
        platform_->SetDriver(nullptr);
    }

    std::unique_ptr<DrivablePlatform> platform_ = MakeHeadlessPlatform();
    HelperPage page_{*platform_};
    ScriptedDriver driver_;
    DiagCapture output_;
};

struct Typed {
    int id;
    std::string typed;
    std::string shown;
    int caret;
};

TEST_F(InputHelpers, FilterRemovesDisallowedBytesAndLeavesTheCaretAtTheFirst) {
    const Typed cases[] = {
        {kDigitsEdit, "12a", "12", 2},      {kDigitsEdit, "1a2b", "12", 1},
        {kDigitsEdit, "ab", "", 0},         {kDigitsEdit, "+86", "86", 0},
        {kPhoneEdit, "+86 10", "+8610", 3}, {kPhoneEdit, std::string("1") + GBK("中") + "2", "12", 1},
        {kPhoneEdit, GBK("中文"), "", 0},   {kNoSetEdit, "a1", "a1", 2},
    };
    for (const Typed& c : cases) {
        SCOPED_TRACE(c.typed);
        OnPage([&](Dialog& dialog, DialogProbe& probe) {
            probe.UserType(c.id, c.typed);
            EXPECT_EQ(dialog.GetText(c.id), c.shown);
            EXPECT_EQ(probe.Caret(c.id), c.caret);
        });
    }
    EXPECT_EQ(output_.text(), "");
}

TEST_F(InputHelpers, FilterTakesOneByteAtATimeAndLeavesAnEmptyFieldAlone) {
    OnPage([&](Dialog&, DialogProbe& probe) {
        probe.UserType(kDigitsEdit, std::string("1a") + GBK("中"));  // the user's change, then three removals
        probe.UserType(kPhoneEdit, "");
    });
    EXPECT_EQ(page_.changes[kDigitsEdit], 4);
    EXPECT_EQ(page_.changes[kPhoneEdit], 1);
}

TEST_F(InputHelpers, RangeCheckClampsOnChange) {
    struct Case {
        int id;
        std::string typed;
        std::string shown;
        std::size_t boxes;
        std::string output;
    };
    const std::string error = "Input value error!\n";
    const Case cases[] = {
        {kWarnEdit, "60", "59", 1, error},
        {kQuietEdit, "60", "59", 0, error},
        {kWarnEdit, "59", "59", 0, ""},
        {kWarnEdit, "007", "007", 0, ""},
        {kWarnEdit, "0060", "59", 1, error},
        {kWarnEdit, "", "0", 0, ""},
        {kWarnEdit, "5x", "5", 0, ""},
        {kWarnEdit, "x", "0", 0, ""},
        // Beyond 32 bits: the number saturates instead of wrapping to a small value.
        {kWarnEdit, "4294967296", "59", 1, error},
        {kWarnEdit, std::string(40, '9'), "59", 1, error},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        driver_.messages.clear();
        output_.clear();
        OnPage([&](Dialog& dialog, DialogProbe& probe) {
            probe.UserType(c.id, c.typed);
            EXPECT_EQ(dialog.GetText(c.id), c.shown);
        });
        EXPECT_EQ(driver_.messages.size(), c.boxes);
        EXPECT_EQ(output_.text(), c.output);
    }
}

TEST_F(InputHelpers, WarningShowsWhileTheFieldStillHoldsTheInputInTheCurrentLanguage) {
    for (int language : {0, 1}) {
        g_iUiLanguage = language;
        driver_.messages.clear();
        std::string shownDuringBox;
        Dialog* page = nullptr;
        driver_.onMessage = [&] { shownDuringBox = page->GetText(kWarnEdit); };
        OnPage([&](Dialog& dialog, DialogProbe& probe) {
            page = &dialog;
            probe.UserType(kWarnEdit, "75");
            // The field is replaced as a whole; the caret is not placed.
            EXPECT_EQ(probe.Caret(kWarnEdit), 0);
        });
        ASSERT_EQ(driver_.messages.size(), 1u);
        EXPECT_EQ(shownDuringBox, "75");
        EXPECT_EQ(driver_.messages[0].caption, language == 0 ? GBK("警告") : "Warning");
        EXPECT_EQ(driver_.messages[0].text, language == 0 ? GBK("输入内容超出范围！") : "The input is out of range!");
        EXPECT_EQ(driver_.messages[0].icon, MessageIcon::Warning);
    }
}

TEST_F(InputHelpers, RangeCheckOnLeavingNeverWarns) {
    struct Case {
        std::string typed;
        std::string shown;
        std::string output;
    };
    const Case cases[] = {
        {"", "1", ""},    {"0", "1", "Input value error!\n"}, {"13", "12", "Input value error!\n"}, {"12", "12", ""},
        {"07", "07", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        output_.clear();
        OnPage([&](Dialog& dialog, DialogProbe& probe) {
            probe.UserType(kMonthEdit, c.typed);
            probe.UserLeave(kMonthEdit);
            EXPECT_EQ(dialog.GetText(kMonthEdit), c.shown);
        });
        EXPECT_EQ(output_.text(), c.output);
    }
    EXPECT_TRUE(driver_.messages.empty());
}

TEST_F(InputHelpers, BrowseStoresTheChosenFolderAndShowsIt) {
    const std::string chinese = std::string("/media/") + GBK("相机卡");
    driver_.folders = {std::nullopt, chinese, std::string("C:\\")};
    OnPage([&](Dialog& dialog, DialogProbe& probe) {
        dialog.SetText(kSaveFolderEdit, "typed by the user");
        probe.UserClick(kBrowseButton);  // cancelled
        EXPECT_STREQ(g_szSavePath, "C:\\");
        EXPECT_EQ(dialog.GetText(kSaveFolderEdit), "typed by the user");

        probe.UserClick(kBrowseButton);
        EXPECT_EQ(g_szSavePath, chinese);
        EXPECT_EQ(dialog.GetText(kSaveFolderEdit), chinese);

        // A drive root keeps its backslash; the file name is joined to it as it is.
        probe.UserClick(kBrowseButton);
        EXPECT_STREQ(g_szSavePath, "C:\\");
        EXPECT_EQ(dialog.GetText(kSaveFolderEdit), "C:\\");

        probe.UserClick(kBrowseButton);  // nothing queued: cancelled
        EXPECT_STREQ(g_szSavePath, "C:\\");
    });
    EXPECT_EQ(driver_.folderQuestions, 4);
}

TEST_F(InputHelpers, BrowseRefusesAFolderThatDoesNotFitTheSavePath) {
    const std::string longest = "/" + std::string(kSavePathSize - 2, 'd');  // 259 bytes
    const std::string tooLong = longest + "e";
    driver_.folders = {longest, tooLong, std::string()};
    OnPage([&](Dialog& dialog, DialogProbe& probe) {
        probe.UserClick(kBrowseButton);
        EXPECT_EQ(g_szSavePath, longest);
        EXPECT_EQ(dialog.GetText(kSaveFolderEdit), longest);
        dialog.SetText(kSaveFolderEdit, "typed");
        probe.UserClick(kBrowseButton);
        EXPECT_EQ(g_szSavePath, longest);
        EXPECT_EQ(dialog.GetText(kSaveFolderEdit), "typed");
        probe.UserClick(kBrowseButton);  // an empty answer names no folder
        EXPECT_EQ(g_szSavePath, longest);
    });
    EXPECT_EQ(g_szSavePath[kSavePathSize - 1], '\0');
}

}  // namespace
}  // namespace trailcfg
