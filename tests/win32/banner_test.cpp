// The start page's banner: painted from bitmap 114 at (24, 10) as a block
// of at most 340 x 72 pixels, and one copy kept across the page's openings
// until the user closes the page. What decides is the layout's Bitmap row.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "platform/control_ids.h"
#include "scripted_driver.h"
#include "win32_banner.h"
#include "win32_platform.h"
#include "win32_test_page.h"

namespace trailcfg::win32 {
namespace {

using test::TestPage;
using test::WindowOf;

using ids::start::kCameraSetupButton;

// The start page's Bitmap row: the banner.
const ControlLayout& BannerRow() {
    const DialogLayout& start = *FindDialogLayout(kTemplateStartPage);
    return *std::find_if(start.begin(), start.end(), IsBitmapRow);
}

TEST(Win32Banner, TheBlockNeverReadsBeyondTheBitmap) {
    BitmapBlock block = BitmapBlockFor(BannerRow(), 360, 52);
    EXPECT_EQ(block.at.x, 24);
    EXPECT_EQ(block.at.y, 10);
    EXPECT_EQ(block.size.cx, 340);
    EXPECT_EQ(block.size.cy, 52);
    block = BitmapBlockFor(BannerRow(), 100, 500);
    EXPECT_EQ(block.size.cx, 100);
    EXPECT_EQ(block.size.cy, 72);
}

// The start page whose handlers end it on its buttons and on the close box,
// as the real start page does.
class StartLikePage : public TestPage {
public:
    StartLikePage() : TestPage(kTemplateStartPage) {
        onEvent = [](Dialog& dialog, const Event& e) {
            if (e.type == EventType::Clicked || e.type == EventType::Close) dialog.End(0);
        };
    }
};

int RunPage(Page& page, std::vector<trailcfg::test::ScriptedDriver::Action> actions) {
    std::unique_ptr<DrivablePlatform> platform = MakeWin32Platform();
    trailcfg::test::ScriptedDriver driver(std::move(actions));
    platform->SetDriver(&driver);
    return platform->RunModal(page);
}

TEST(Win32Banner, PaintedPixelsAreTheBitmapsAndTheRestIsBackground) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kBannerBitmap),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr) << "bitmap 114 is part of the program";
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 360);
    EXPECT_EQ(info.bmHeight, 52);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);

    StartLikePage page;
    RunPage(page, {[&](Dialog& dialog, DialogProbe&) {
                HWND window = WindowOf(dialog);
                RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                HDC dc = GetDC(window);
                for (POINT p : {POINT{0, 0}, POINT{339, 0}, POINT{0, 51}, POINT{170, 26}, POINT{339, 51}})
                    EXPECT_EQ(GetPixel(dc, 24 + p.x, 10 + p.y), GetPixel(memory, p.x, p.y)) << p.x << "," << p.y;
                const COLORREF background = GetSysColor(COLOR_BTNFACE);
                EXPECT_EQ(GetPixel(dc, 24 + 20, 10 + 60), background) << "below the bitmap's 52 rows";
                EXPECT_EQ(GetPixel(dc, 10, 20), background) << "left of the block";
                ReleaseDC(window, dc);
            }});

    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

TEST(Win32Banner, KeptWhenThePageIsLeftThroughAButtonReleasedWhenClosed) {
    ReleaseBitmap(kBannerBitmap);
    StartLikePage first;
    RunPage(first, {[](Dialog&, DialogProbe& probe) {
                EXPECT_TRUE(BitmapLoaded(kBannerBitmap));
                probe.UserClick(kCameraSetupButton);
            }});
    EXPECT_TRUE(BitmapLoaded(kBannerBitmap));
    const HBITMAP kept = AcquireBitmap(kBannerBitmap);

    StartLikePage second;
    RunPage(second, {[&](Dialog&, DialogProbe& probe) {
                EXPECT_EQ(AcquireBitmap(kBannerBitmap), kept) << "the same copy, not a new one";
                probe.UserClose();
            }});
    EXPECT_FALSE(BitmapLoaded(kBannerBitmap));

    // Abandoned by a driver, the page was neither left nor closed by the user.
    StartLikePage third;
    RunPage(third, {});
    EXPECT_TRUE(BitmapLoaded(kBannerBitmap));
}

TEST(Win32Banner, OtherPagesNeitherLoadNorReleaseIt) {
    ReleaseBitmap(kBannerBitmap);
    TestPage page(kTemplateCameraPage);
    page.onEvent = [](Dialog& dialog, const Event& e) {
        if (e.type == EventType::Close) dialog.End(0);
    };
    RunPage(page, {[](Dialog&, DialogProbe& probe) { probe.UserClose(); }});
    EXPECT_FALSE(BitmapLoaded(kBannerBitmap));
}

// A page holds a bitmap because its layout has a row for it, whatever its
// template.
TEST(Win32Banner, APageHoldsTheBitmapsOfItsRows) {
    ReleaseBitmap(kBannerBitmap);
    const ControlLayout rows[] = {{kNoControlId, ControlKind::Bitmap, 40, 30, 100, 20, 0, "", kBannerBitmap}};
    DialogLayout camera = *FindDialogLayout(kTemplateCameraPage);
    PageBitmaps none(camera);
    none.Acquire();
    EXPECT_FALSE(none.Held());
    EXPECT_FALSE(BitmapLoaded(kBannerBitmap));

    camera.controls = rows;
    camera.controlCount = static_cast<int>(std::size(rows));
    PageBitmaps withRow(camera);
    withRow.Acquire();
    EXPECT_TRUE(withRow.Held());
    EXPECT_TRUE(BitmapLoaded(kBannerBitmap));
    withRow.Release();
    EXPECT_FALSE(withRow.Held());
    EXPECT_FALSE(BitmapLoaded(kBannerBitmap));
}

}  // namespace
}  // namespace trailcfg::win32
