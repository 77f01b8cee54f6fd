// The headless backend's own choices, beyond what every backend must do.
#include <gtest/gtest.h>

#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "platform/headless/headless_platform.h"
#include "platform/layout.h"
#include "scripted_driver.h"

namespace trailcfg {
namespace {

class EmptyPage : public Page {
public:
    int TemplateId() const override { return kTemplateParamPage; }
    void OnOpen(Dialog&) override { ++opens; }
    void OnEvent(Dialog&, const Event&) override {}
    int opens = 0;
};

TEST(HeadlessTest, WithoutADriverNoPageCanRun) {
    std::unique_ptr<DrivablePlatform> platform = MakeHeadlessPlatform();
    EmptyPage page;
    EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
    EXPECT_EQ(page.opens, 0);
    EXPECT_EQ(platform->SystemDefaultLanguage(), 0x0409);
}

TEST(HeadlessTest, LimitCountsBytesAndNeverSplitsACharacter) {
    using namespace ids::param;
    std::unique_ptr<DrivablePlatform> platform = MakeHeadlessPlatform();
    EmptyPage page;
    test::ScriptedDriver driver({[](Dialog& dialog, DialogProbe& probe) {
        dialog.SetLimit(kMmsPortEdit, 4);
        probe.UserType(kMmsPortEdit, GBK("中文字"));
        EXPECT_EQ(dialog.GetText(kMmsPortEdit), GBK("中文"));
        probe.UserType(kMmsPortEdit, std::string("1") + GBK("中文"));
        EXPECT_EQ(dialog.GetText(kMmsPortEdit), std::string("1") + GBK("中"));
        EXPECT_EQ(probe.Caret(kMmsPortEdit), 3);
        dialog.SetLimit(kMmsPortEdit, 0);  // as Windows: no practical limit
        probe.UserType(kMmsPortEdit, std::string(40'000, '7'));
        EXPECT_EQ(dialog.GetText(kMmsPortEdit).size(), 40'000u);
    }});
    platform->SetDriver(&driver);
    EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
    platform->SetDriver(nullptr);
}

}  // namespace
}  // namespace trailcfg
