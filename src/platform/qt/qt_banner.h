// The layout's Bitmap rows, the start page's banner among them: each row's
// bitmap copied onto the page at the row's place as a block of the row's
// size, from the bitmap's top-left corner. Bitmap 114 (360 x 52) in its
// 340 x 72 block at (24, 10) fills the block's upper 52 rows; its rightmost
// 20 columns are not shown, and the rows below it stay the page's
// background. At a device pixel ratio above 1 the same block is drawn from
// the bitmap drawn at twice the size (banner-2x.bmp), so it stays sharp.
#pragma once

#include <QImage>
#include <QPainter>

#include "platform/layout.h"

namespace trailcfg::qt {

// Paints every Bitmap row of `layout` over the page's background.
void PaintBitmapRows(QPainter& painter, const DialogLayout& layout);

// The part of `bitmap` the block of `row` shows, and where.
struct BitmapBlock {
    QPoint at;
    QRect source;
};
BitmapBlock BitmapBlockFor(const ControlLayout& row, const QImage& bitmap);

// The 720 x 104 banner; null when the program carries none.
const QImage& LargeBannerImage();

}  // namespace trailcfg::qt
