// The navigation loop on a stub platform whose RunModal plays what the user
// did on each page: the page's result and the page it named next.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/navigation.h"
#include "app/process_state.h"
#include "gui/run_application.h"
#include "platform/layout.h"

namespace trailcfg {
namespace {

class StubPlatform : public Platform {
public:
    // One entry per RunModal call: what the page did, as its result.
    std::vector<std::function<int()>> runs;
    std::vector<int> opened;  // template ids, in order
    int depth = 0;
    int deepest = 0;

    int RunModal(Page& page) override {
        opened.push_back(page.TemplateId());
        std::size_t i = opened.size() - 1;
        if (i >= runs.size()) return kPageAbandoned;
        ++depth;
        deepest = std::max(deepest, depth);
        int result = runs[i]();
        --depth;
        return result;
    }
    std::uint16_t SystemDefaultLanguage() override { return 0x0409; }
    bool CurrentDirectory(std::string&) override { return false; }
    LocalTime Now() override { return {2025, 6, 15, 10, 20, 30}; }
    bool BrowseFolder(Dialog&, std::string&) override { return false; }
    void ShowMessage(Dialog&, const char*, const char*, MessageIcon) override {}
    void StartTimer(Dialog&, int, int) override {}
    void StopTimer(Dialog&, int) override {}
};

std::function<int()> Leave(void (*open)()) {
    return [open] {
        open();
        return 0;
    };
}

class RunApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }
    StubPlatform platform_;
};

TEST_F(RunApplicationTest, StartPageThatCannotBeCreatedEndsWithMinusOne) {
    platform_.runs = {[] { return kPageNotCreated; }};
    EXPECT_EQ(RunApplication(platform_), -1);
    EXPECT_EQ(platform_.opened, std::vector<int>{kTemplateStartPage});
}

TEST_F(RunApplicationTest, LaterPageThatCannotBeCreatedEndsWithZero) {
    platform_.runs = {Leave(OpenCameraSetupPage), [] { return kPageNotCreated; }};
    EXPECT_EQ(RunApplication(platform_), 0);
    EXPECT_EQ(platform_.opened, (std::vector<int>{kTemplateStartPage, kTemplateCameraPage}));

    // The start page itself, opened again later, is a later page too.
    platform_ = StubPlatform();
    platform_.runs = {Leave(OpenParameterPage), Leave(OpenStartPage), [] { return kPageNotCreated; }};
    EXPECT_EQ(RunApplication(platform_), 0);
}

TEST_F(RunApplicationTest, AbandonedRunStopsAtOnce) {
    platform_.runs = {Leave(OpenParameterPage), [] {
                          OpenStartPage();  // named, but the driver gave up
                          return kPageAbandoned;
                      }};
    EXPECT_EQ(RunApplication(platform_), kPageAbandoned);
    EXPECT_EQ(platform_.opened.size(), 2u);
}

TEST_F(RunApplicationTest, PagesFollowEachOtherWithoutNestingUntilOneNamesNone) {
    platform_.runs = {Leave(OpenParameterPage),   Leave(OpenSendPage),  Leave(OpenParameterPage), Leave(OpenStartPage),
                      Leave(OpenCameraSetupPage), Leave(OpenStartPage), [] { return 0; }};
    EXPECT_EQ(RunApplication(platform_), 0);
    EXPECT_EQ(platform_.opened,
              (std::vector<int>{kTemplateStartPage, kTemplateParamPage, kTemplateSendPage, kTemplateParamPage,
                                kTemplateStartPage, kTemplateCameraPage, kTemplateStartPage}));
    EXPECT_EQ(platform_.deepest, 1);
}

TEST_F(RunApplicationTest, ExitStatusIsTheLastPagesResult) {
    platform_.runs = {[] { return 5; }};
    EXPECT_EQ(RunApplication(platform_), 5);
}

}  // namespace
}  // namespace trailcfg
