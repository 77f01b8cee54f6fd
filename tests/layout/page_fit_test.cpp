// The rule that decides whether a page opens at its own size or scrolls
// inside the work area. Each backend only measures and applies it, so the
// cases that matter to a user live here: a laptop's 1366 x 768, a 1920 x 1080
// screen at 150 %, a page that needs one bar because of the other.
#include <gtest/gtest.h>

#include "platform/page_fit.h"

namespace trailcfg {
namespace {

constexpr PixelSize kFrame{16, 39};  // borders and title bar of a Windows 10 window at 96 DPI
constexpr PixelSize kBars{17, 17};

TEST(PageFit, APageThatFitsOpensAsLaidOut) {
    // The start page at 100 % on the smallest common laptop screen.
    const PageFit fit = FitPage({386, 219}, kFrame, {1366, 728}, kBars);
    EXPECT_EQ(fit, (PageFit{{386, 219}, false, false}));
    EXPECT_FALSE(fit.Scrolls());
    // Exactly filling the room is still fitting.
    EXPECT_FALSE(FitPage({1350, 689}, kFrame, {1366, 728}, kBars).Scrolls());
}

TEST(PageFit, ATallPageTakesTheWorkAreasHeightAndScrollsDown) {
    // Camera Setup (about 542 x 713 at 96 DPI) over a 1366 x 768 screen with
    // a 40-pixel task bar.
    const PageFit fit = FitPage({542, 713}, kFrame, {1366, 728}, kBars);
    EXPECT_TRUE(fit.vScroll);
    EXPECT_FALSE(fit.hScroll);
    EXPECT_EQ(fit.client, (PixelSize{542 + 17, 728 - 39}));
    // One pixel too tall is enough to scroll.
    EXPECT_TRUE(FitPage({542, 690}, kFrame, {1366, 728}, kBars).vScroll);
}

TEST(PageFit, At150PercentOnFullHdTheCameraPageScrolls) {
    // 1920 x 1080 at 150 % leaves a work area of 1280 x 680 logical pixels
    // (Qt) or, in device pixels, the page grows by half (Win32, 144 DPI).
    const PageFit logical = FitPage({542, 713}, kFrame, {1280, 680}, kBars);
    EXPECT_TRUE(logical.vScroll);
    EXPECT_EQ(logical.client.height, 680 - 39);
    const PageFit device = FitPage({813, 1043}, {24, 57}, {1920, 1020}, {26, 26});
    EXPECT_TRUE(device.vScroll);
    EXPECT_FALSE(device.hScroll);
    EXPECT_EQ(device.client, (PixelSize{813 + 26, 1020 - 57}));
}

TEST(PageFit, OneBarCanCallForTheOther) {
    // Too wide only: the horizontal bar then takes the last rows, and the
    // page no longer fits in height either.
    const PageFit wide = FitPage({800, 400}, {0, 0}, {700, 410}, kBars);
    EXPECT_TRUE(wide.hScroll);
    EXPECT_TRUE(wide.vScroll);
    EXPECT_EQ(wide.client, (PixelSize{700, 410}));
    // Too tall only, and the vertical bar pushes the width over the edge.
    const PageFit tall = FitPage({690, 800}, {0, 0}, {700, 600}, kBars);
    EXPECT_TRUE(tall.vScroll);
    EXPECT_TRUE(tall.hScroll);
    EXPECT_EQ(tall.client, (PixelSize{700, 600}));
    // Too wide with room below for the bar: only the horizontal one.
    const PageFit roomy = FitPage({800, 300}, {0, 0}, {700, 600}, kBars);
    EXPECT_EQ(roomy, (PageFit{{700, 317}, true, false}));
}

TEST(PageFit, AWorkAreaSmallerThanTheFrameStillLeavesAClient) {
    const PageFit fit = FitPage({542, 713}, kFrame, {10, 10}, kBars);
    EXPECT_TRUE(fit.hScroll);
    EXPECT_TRUE(fit.vScroll);
    EXPECT_EQ(fit.client, (PixelSize{1, 1}));
}

TEST(PageFit, TheWindowIsCentredButNeverAboveOrLeftOfTheWorkArea) {
    // A work area that starts right of and below a task bar at the top left.
    EXPECT_EQ(PlaceWindow({60, 40}, {1000, 700}, {400, 300}), (PixelPoint{360, 240}));
    EXPECT_EQ(PlaceWindow({60, 40}, {1000, 700}, {1000, 700}), (PixelPoint{60, 40}));
    EXPECT_EQ(PlaceWindow({60, 40}, {1000, 700}, {1200, 900}), (PixelPoint{60, 40}));
}

}  // namespace
}  // namespace trailcfg
