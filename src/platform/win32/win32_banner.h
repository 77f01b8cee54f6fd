// The start page's banner: bitmap 114 copied onto the page at pixel
// (24, 10) as a 340 x 72 block from the bitmap's top-left corner. The
// 360 x 52 bitmap fills the block's upper 52 rows; its rightmost 20 columns
// are not shown, and the rows below it stay the page's background.
//
// One copy serves every opening of the start page: it is loaded when the
// page opens without one, kept when the user leaves through a button, and
// released when the user closes the page.
#pragma once

#include <windows.h>

namespace trailcfg::win32 {

// The banner, loaded from the program's resources if it is not loaded yet;
// nullptr when the program carries no bitmap 114.
HBITMAP AcquireBanner();
void ReleaseBanner();
bool BannerLoaded();

// Paints `banner` onto `dc` (the page's client area) for a window at `dpi`:
// at 96 pixel for pixel; otherwise the block scaled by dpi / 96 from bitmap
// 115, the same banner drawn at twice the size.
void PaintBanner(HDC dc, HBITMAP banner, UINT dpi = 96);

// Where the banner block goes and how much of the bitmap it shows.
struct BannerBlock {
    POINT at;
    SIZE size;
};
BannerBlock BannerBlockFor(int bitmapWidth, int bitmapHeight);

}  // namespace trailcfg::win32
