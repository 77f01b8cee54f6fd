// What every backend's page inherits: how a page ends, and how its timers
// reach the toolkit's clock. A page of plain values stands in for a backend,
// counting what it is asked to do to its clock and its screen.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "platform/layout.h"
#include "platform/state_page.h"

namespace trailcfg {
namespace {

class TickCounter : public Page {
public:
    int TemplateId() const override { return kTemplateParamPage; }
    void OnOpen(Dialog&) override {}
    void OnEvent(Dialog&, const Event& e) override {
        if (e.type == EventType::Timer) ticks.push_back(e.id);
    }
    std::vector<int> ticks;
};

class ClockPage final : public StatePage {
public:
    explicit ClockPage(Page& page) : StatePage(*FindDialogLayout(kTemplateParamPage), page) {}
    using StatePage::Detach;

    std::map<int, int> armed;     // timer -> times armed
    std::map<int, int> disarmed;  // timer -> times disarmed
    bool refuse = false;          // the toolkit has no clock to give
    int endings = 0;

private:
    bool ArmTimer(int timerId, int) override {
        if (refuse) return false;
        ++armed[timerId];
        return true;
    }
    void DisarmTimer(int timerId) override { ++disarmed[timerId]; }
    void OnEnded() override { ++endings; }
};

TEST(BackendPageTest, EndCountsOnceAndStopsEveryRunningTimer) {
    TickCounter handlers;
    ClockPage page(handlers);
    page.StartTimer(1, 100);
    page.StartTimer(2, 100);
    page.StopTimer(2);
    page.End(7);
    page.End(9);
    EXPECT_TRUE(page.Ended());
    EXPECT_EQ(page.Result(), 7);
    EXPECT_EQ(page.endings, 1);
    EXPECT_FALSE(page.TimerRunning(1));
    EXPECT_EQ(page.disarmed, (std::map<int, int>{{1, 1}, {2, 1}}));
    // An ended page starts nothing, and what it stops again is not disarmed
    // twice.
    page.StartTimer(3, 100);
    page.StopTimer(1);
    EXPECT_FALSE(page.TimerRunning(3));
    EXPECT_EQ(page.armed, (std::map<int, int>{{1, 1}, {2, 1}}));
    EXPECT_EQ(page.disarmed, (std::map<int, int>{{1, 1}, {2, 1}}));
}

TEST(BackendPageTest, ATimerRunsOnlyWhenTheClockIsArmed) {
    TickCounter handlers;
    ClockPage page(handlers);
    page.refuse = true;
    page.StartTimer(1, 100);
    EXPECT_FALSE(page.TimerRunning(1));
    page.FireTimer(1);
    page.StopTimer(1);
    EXPECT_TRUE(handlers.ticks.empty());
    EXPECT_TRUE(page.disarmed.empty());

    page.refuse = false;
    page.StartTimer(1, 100);
    page.FireTimer(1);
    page.FireTimer(2);
    EXPECT_EQ(handlers.ticks, std::vector<int>{1});
    page.End(0);
    page.FireTimer(1);
    EXPECT_EQ(handlers.ticks, std::vector<int>{1});
}

TEST(BackendPageTest, DetachSilencesThePageWithoutGivingAResult) {
    TickCounter handlers;
    ClockPage page(handlers);
    page.StartTimer(4, 100);
    page.Detach();
    EXPECT_TRUE(page.Ended());
    EXPECT_EQ(page.Result(), 0);
    EXPECT_EQ(page.endings, 0);
    EXPECT_EQ(page.disarmed, (std::map<int, int>{{4, 1}}));
    page.FireTimer(4);
    EXPECT_TRUE(handlers.ticks.empty());
}

}  // namespace
}  // namespace trailcfg
