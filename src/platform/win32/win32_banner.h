// The layout's Bitmap rows, the start page's banner among them: each row's
// bitmap copied onto the page at the row's place as a block of the row's
// size, from the bitmap's top-left corner. Bitmap 114 (360 x 52) in its
// 340 x 72 block at (24, 10) fills the block's upper 52 rows; its rightmost
// 20 columns are not shown, and the rows below it stay the page's background.
//
// One copy of a bitmap serves every opening of the pages that show it: it is
// loaded when such a page opens without one, kept when the user leaves
// through a button, and released when the user closes the page.
#pragma once

#include <windows.h>

#include "platform/layout.h"

namespace trailcfg::win32 {

// Bitmap `bitmapId`, loaded from the program's resources if it is not loaded
// yet, with its twice-size companion; nullptr when the program carries no
// such bitmap.
HBITMAP AcquireBitmap(int bitmapId);
void ReleaseBitmap(int bitmapId);
bool BitmapLoaded(int bitmapId);

// Paints the bitmap of `row`, if it is loaded, onto `dc` (the page's client
// area) for a window at `dpi`: at 96 pixel for pixel; otherwise the block
// scaled by dpi / 96 from the twice-size companion (bitmap 115 for the
// banner) when there is one.
void PaintBitmapRow(HDC dc, const ControlLayout& row, UINT dpi = 96);

// Where the block of `row` goes and how much of its bitmap it shows.
struct BitmapBlock {
    POINT at;
    SIZE size;
};
BitmapBlock BitmapBlockFor(const ControlLayout& row, int bitmapWidth, int bitmapHeight);

// The bitmaps of one page's Bitmap rows, for as long as the page holds them.
class PageBitmaps {
public:
    explicit PageBitmaps(const DialogLayout& layout) : layout_(layout) {}

    // When the page opens.
    void Acquire();
    // When the user closes the page.
    void Release();
    // False when the page shows no bitmap (or the program carries none of
    // them): then the page has nothing of its own to paint.
    bool Held() const { return held_; }
    void Paint(HDC dc, UINT dpi) const;

private:
    const DialogLayout& layout_;
    bool held_ = false;
};

}  // namespace trailcfg::win32
