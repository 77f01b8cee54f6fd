// The page's tables against its layout, and the record shown on the page and
// taken back from it, in both languages.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>

#include "app/process_state.h"
#include "camera/camera_menu.h"
#include "camera/menu_file.h"
#include "pages/camera_page.h"
#include "pages/camera_page_lists.h"
#include "platform/control_ids.h"
#include "platform/headless/headless_dialog.h"
#include "platform/layout.h"
#include "test_support.h"
#include "texts/camera_page_texts.h"

namespace trailcfg {
namespace {

const DialogLayout& CameraLayout() {
    const DialogLayout* layout = FindDialogLayout(kTemplateCameraPage);
    if (!layout) std::abort();
    return *layout;
}

// A page that takes no part: the tests call the page's operations directly.
class QuietPage final : public Page {
public:
    int TemplateId() const override { return kTemplateCameraPage; }
    void OnOpen(Dialog&) override {}
    void OnEvent(Dialog&, const Event&) override {}
};

TEST(CameraPageTablesTest, EveryDropDownListOfTheLayoutIsShownFromTheRecord) {
    std::set<int> shown = {ids::camera::kIntervalNumberList, ids::camera::kIntervalUnitList};
    std::set<std::size_t> offsets;
    for (const MenuList& list : MenuLists()) {
        SCOPED_TRACE(list.id);
        EXPECT_TRUE(shown.insert(list.id).second) << "listed twice";
        EXPECT_TRUE(offsets.insert(list.offset).second) << "field shown twice";
        EXPECT_LT(list.offset, kCameraMenuSize - 4) << "Marker, Reserved and Flag are not the page's";
        EXPECT_TRUE(list.offset < kMenuClockOffset || list.offset >= kMenuClockOffset + sizeof(MenuClock));
        EXPECT_NE(list.offset, offsetof(CameraMenu, Interval));
        const ControlLayout* control = FindControl(CameraLayout(), list.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, ControlKind::DropDownList);
        EXPECT_FALSE(list.items.empty());
    }
    std::set<int> inLayout;
    for (const ControlLayout& control : CameraLayout())
        if (control.kind == ControlKind::DropDownList) inLayout.insert(control.id);
    EXPECT_EQ(shown, inLayout);
    // Every byte before Marker is on the page: 32 lists, the interval, the clock.
    EXPECT_EQ(offsets.size() + 1 + sizeof(MenuClock), offsetof(CameraMenu, Marker));
}

TEST(CameraPageTablesTest, CaptionsCoverEveryTranslatedTextOfTheLayout) {
    std::set<int> captioned;
    for (const Caption& caption : kCameraPageCaptions) {
        SCOPED_TRACE(caption.id);
        EXPECT_TRUE(captioned.insert(caption.id).second);
        const ControlLayout* control = FindControl(CameraLayout(), caption.id);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->kind == ControlKind::Label || control->kind == ControlKind::GroupBox ||
                    control->kind == ControlKind::Button);
        // The template keeps the Chinese caption.
        EXPECT_STREQ(control->text, caption.text[0]);
        EXPECT_GT(std::strlen(caption.text[1]), 0u);
    }
    EXPECT_EQ(captioned.size(), 38u);
    for (const ControlLayout& control : CameraLayout()) {
        bool separator = std::strcmp(control.text, "/") == 0 || std::strcmp(control.text, ":") == 0;
        if (*control.text && !separator) {
            EXPECT_TRUE(captioned.count(control.id)) << control.id;
        }
    }
}

class CameraPageRecordTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }

    // Shows g_sMenuData on a new page and collects it back.
    void FillAndCollect(int language) {
        g_iUiLanguage = language;
        QuietPage page;
        headless::HeadlessDialog dialog(CameraLayout(), page);
        int unit = -1;
        FillMenuPage(dialog, false, unit);
        EXPECT_EQ(unit, g_sMenuData.Interval >= 60 ? kUnitMinutes : kUnitSeconds);
        CollectMenuPage(dialog, unit);
    }

    test::DiagCapture output_;
};

TEST_F(CameraPageRecordTest, EveryRecordWithinTheListsComesBackUnchanged) {
    std::mt19937 random(20250615);
    auto pick = [&](int count) { return static_cast<std::uint8_t>(random() % static_cast<unsigned>(count)); };
    for (int round = 0; round < 300; ++round) {
        MakeMenuDefaults(g_sMenuData);
        for (const MenuList& list : MenuLists())
            RecordBytes(g_sMenuData)[list.offset] =
                static_cast<std::uint8_t>(pick(static_cast<int>(list.items.size())) + list.first);
        g_sMenuData.Interval = pick(120);
        g_sMenuData.Year = static_cast<std::uint16_t>(random());
        g_sMenuData.Month = pick(256);
        g_sMenuData.Second = pick(256);
        g_sMenuData.Marker = pick(256);
        g_sMenuData.Reserved = pick(256);
        g_sMenuData.Flag = static_cast<std::uint16_t>(random());
        const CameraMenu before = g_sMenuData;

        // Edits that were never filled keep the record's clock.
        FillAndCollect(round % 2);
        ASSERT_EQ(std::memcmp(&before, &g_sMenuData, sizeof before), 0) << "round " << round;
        EXPECT_EQ(std::memcmp(&SaveClock, RecordBytes(before) + kMenuClockOffset, sizeof SaveClock), 0);
    }
}

TEST_F(CameraPageRecordTest, ValuesWithoutAnItemComeBackAsNone) {
    MakeMenuDefaults(g_sMenuData);
    for (const MenuList& list : MenuLists())
        RecordBytes(g_sMenuData)[list.offset] = static_cast<std::uint8_t>(list.items.size() + list.first);
    g_sMenuData.Interval = 180;
    FillAndCollect(1);
    for (const MenuList& list : MenuLists()) {
        SCOPED_TRACE(list.id);
        EXPECT_EQ(RecordBytes(g_sMenuData)[list.offset], list.first == 0 ? 255 : 0);
    }
    EXPECT_EQ(g_sMenuData.Interval, 255);
    // 255 is no item either, and stays so.
    FillAndCollect(0);
    EXPECT_EQ(g_sMenuData.Interval, 255);
    EXPECT_EQ(g_sMenuData.CapMode, 255);
}

TEST_F(CameraPageRecordTest, BothLanguagesHaveTheSameItemsInEveryList) {
    for (const MenuList& list : MenuLists())
        for (const TextPair& item : list.items) {
            SCOPED_TRACE(list.id);
            EXPECT_GT(std::strlen(item[0]), 0u);
            EXPECT_GT(std::strlen(item[1]), 0u);
        }
    EXPECT_EQ(std::string(kSerialCharItems[35][1]), "Z");
    EXPECT_EQ(std::string(kHourItems.back()[0]), "23");
    EXPECT_EQ(std::string(kOneToSixtyItems.front()[1]), "1");
    EXPECT_EQ(std::string(kOneToSixtyItems.back()[1]), "60");
}

}  // namespace
}  // namespace trailcfg
