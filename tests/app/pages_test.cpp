// What every page does when it opens and how it is left, page by page, on
// the headless backend (whose dialogs also tell the window icon).
#include <gtest/gtest.h>

#include "app/process_state.h"
#include "common/gbk_literal.h"
#include "pages/pages.h"
#include "platform/control_ids.h"
#include "platform/headless/headless_dialog.h"
#include "platform/headless/headless_platform.h"
#include "platform/layout.h"
#include "scripted_driver.h"
#include "test_support.h"

namespace trailcfg {
namespace {

using test::ScriptedDriver;

int IconOf(Dialog& dialog) {
    auto* headless = dynamic_cast<headless::HeadlessDialog*>(&dialog);
    return headless ? headless->SmallIcon() : -1;
}

struct PageCase {
    std::unique_ptr<Page> (*make)(Platform&);
    int templateId;
    const char* chineseTitle;
    const char* englishTitle;
};

const PageCase kPages[] = {
    {MakeCameraSetupPage, kTemplateCameraPage, GBK("相机设置"), "Camera Setup"},
    {MakeParameterPage, kTemplateParamPage, GBK("3G参数设置"), "3G Parameter Settings"},
    {MakeSendPage, kTemplateSendPage, GBK("3G发送设置"), "3G Send Settings"},
};

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }
    int Run(Page& page, ScriptedDriver& driver) {
        platform_->SetDriver(&driver);
        int result = platform_->RunModal(page);
        platform_->SetDriver(nullptr);
        return result;
    }
    std::unique_ptr<DrivablePlatform> platform_ = MakeHeadlessPlatform();
    test::DiagCapture output_;
};

TEST_F(PagesTest, OtherPagesOpenInTheCurrentLanguageAndReturnToTheStartPageWhenClosed) {
    for (const PageCase& c : kPages) {
        for (int language : {0, 1}) {
            SCOPED_TRACE(c.englishTitle + std::string(language == 0 ? " in Chinese" : " in English"));
            g_iUiLanguage = language;
            s_eNextPage = PageId::None;
            std::unique_ptr<Page> page = c.make(*platform_);
            ASSERT_EQ(page->TemplateId(), c.templateId);
            ScriptedDriver driver({
                [&](Dialog& dialog, DialogProbe& probe) {
                    EXPECT_EQ(probe.TemplateId(), c.templateId);
                    EXPECT_EQ(probe.Title(), language == 0 ? c.chineseTitle : c.englishTitle);
                    EXPECT_EQ(IconOf(dialog), kIconApp);
                    probe.UserPressKey(UserKey::Enter);
                },
                [](Dialog&, DialogProbe& probe) { probe.UserPressKey(UserKey::Escape); },
                [](Dialog&, DialogProbe& probe) {
                    EXPECT_EQ(s_eNextPage, PageId::None);
                    probe.UserClose();
                },
                [](Dialog&, DialogProbe&) { ADD_FAILURE() << "the page stayed open after closing"; },
            });
            EXPECT_EQ(Run(*page, driver), 0);
            EXPECT_EQ(s_eNextPage, PageId::Start);
        }
    }
}

TEST_F(PagesTest, StartPageSetsItsIconAndInitialisesOnlyAtTheFirstStart) {
    ScriptedDriver driver;
    driver.language = 0x0804;
    for (int opening = 0; opening < 2; ++opening) {
        std::unique_ptr<Page> page = MakeStartPage(*platform_);
        driver.actions = {[&](Dialog& dialog, DialogProbe& probe) {
            EXPECT_EQ(IconOf(dialog), kIconApp);
            EXPECT_EQ(probe.Title(), GBK("设置"));
            EXPECT_EQ(dialog.ListCount(ids::start::kLanguageList), 2);
            EXPECT_EQ(dialog.ListCount(ids::start::kModelList), 4);
            probe.UserClose();
        }};
        driver.next = 0;
        EXPECT_EQ(Run(*page, driver), 0);
        EXPECT_FALSE(s_bFirstStart);
        EXPECT_EQ(s_eNextPage, PageId::None);
        // A second opening would redo nothing even if the system changed its mind.
        driver.language = 0x0409;
        g_szSavePath[0] = 'X';
    }
    EXPECT_EQ(g_iUiLanguage, 0);
    EXPECT_EQ(g_szSavePath[0], 'X');
    EXPECT_EQ(output_.text().find("CurDir:"), 0u);
    EXPECT_EQ(output_.text().find("CurDir:", 1), std::string::npos);
}

}  // namespace
}  // namespace trailcfg
