#include "win32_banner.h"

#include <algorithm>
#include <cstdlib>

#include "platform/layout.h"
#include "resource_ids.h"

namespace trailcfg::win32 {

static_assert(IDB_BANNER == kBannerBitmap && IDB_BANNER_2X == kBannerBitmap2x && IDI_APP == kIconApp &&
                  IDI_FILE == kIconFile,
              "the resource script and the layouts must name the same resources");

namespace {

HBITMAP g_banner = nullptr;
HBITMAP g_banner2x = nullptr;  // drawn at twice the size, for 150 % and more

}  // namespace

HBITMAP AcquireBanner() {
    if (!g_banner)
        g_banner = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kBannerBitmap),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_SHARED));
    if (!g_banner2x)
        g_banner2x = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kBannerBitmap2x),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return g_banner;
}

void ReleaseBanner() {
    if (g_banner) DeleteObject(g_banner);
    if (g_banner2x) DeleteObject(g_banner2x);
    g_banner = nullptr;
    g_banner2x = nullptr;
}

bool BannerLoaded() { return g_banner != nullptr; }

BannerBlock BannerBlockFor(int bitmapWidth, int bitmapHeight) {
    // A block copy reads nothing beyond the bitmap's own pixels: where the
    // block is larger, the page's background stays.
    return BannerBlock{POINT{24, 10}, SIZE{std::clamp(bitmapWidth, 0, 340), std::clamp(bitmapHeight, 0, 72)}};
}

void PaintBanner(HDC dc, HBITMAP banner, UINT dpi) {
    BITMAP info{};
    if (!banner || !GetObjectW(banner, sizeof info, &info)) return;
    const BannerBlock block = BannerBlockFor(info.bmWidth, std::abs(info.bmHeight));
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    BITMAP large{};
    const bool scaled = dpi != 96 && dpi != 0;
    const bool useLarge = scaled && g_banner2x && GetObjectW(g_banner2x, sizeof large, &large) &&
                          large.bmWidth == 2 * info.bmWidth && std::abs(large.bmHeight) == 2 * std::abs(info.bmHeight);
    HGDIOBJ previous = SelectObject(memory, useLarge ? g_banner2x : banner);
    if (!scaled) {
        BitBlt(dc, block.at.x, block.at.y, block.size.cx, block.size.cy, memory, 0, 0, SRCCOPY);
    } else {
        // The block keeps its place and size in the page's terms: it grows
        // with the DPI as the controls do, drawn from the large picture.
        const int factor = useLarge ? 2 : 1;
        const auto at = [dpi](int v) { return MulDiv(v, static_cast<int>(dpi), 96); };
        const int prior = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, at(block.at.x), at(block.at.y), at(block.at.x + block.size.cx) - at(block.at.x),
                   at(block.at.y + block.size.cy) - at(block.at.y), memory, 0, 0, block.size.cx * factor,
                   block.size.cy * factor, SRCCOPY);
        SetStretchBltMode(dc, prior);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

}  // namespace trailcfg::win32
