#include "win32_banner.h"

#include <algorithm>
#include <cstdlib>

#include "platform/layout.h"
#include "resource_ids.h"

namespace trailcfg::win32 {

static_assert(IDB_BANNER == kBannerBitmap && IDI_APP == kIconApp && IDI_FILE == kIconFile,
              "the resource script and the layouts must name the same resources");

namespace {

HBITMAP g_banner = nullptr;

}  // namespace

HBITMAP AcquireBanner() {
    if (!g_banner)
        g_banner = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kBannerBitmap),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_SHARED));
    return g_banner;
}

void ReleaseBanner() {
    if (g_banner) DeleteObject(g_banner);
    g_banner = nullptr;
}

bool BannerLoaded() { return g_banner != nullptr; }

BannerBlock BannerBlockFor(int bitmapWidth, int bitmapHeight) {
    // A block copy reads nothing beyond the bitmap's own pixels: where the
    // block is larger, the page's background stays.
    return BannerBlock{POINT{24, 10}, SIZE{std::clamp(bitmapWidth, 0, 340), std::clamp(bitmapHeight, 0, 72)}};
}

void PaintBanner(HDC dc, HBITMAP banner) {
    BITMAP info{};
    if (!banner || !GetObjectW(banner, sizeof info, &info)) return;
    const BannerBlock block = BannerBlockFor(info.bmWidth, std::abs(info.bmHeight));
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    HGDIOBJ previous = SelectObject(memory, banner);
    BitBlt(dc, block.at.x, block.at.y, block.size.cx, block.size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

}  // namespace trailcfg::win32
