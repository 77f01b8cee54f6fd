// The start page's banner: bitmap 114 copied onto the page at pixel
// (24, 10) as a 340 x 72 block from the bitmap's top-left corner. The
// 360 x 52 bitmap fills the block's upper 52 rows; its rightmost 20 columns
// are not shown, and the rows below it stay the page's background. At a
// device pixel ratio above 1 the same block is drawn from the banner drawn
// at twice the size (banner-2x.bmp), so it stays sharp.
#pragma once

#include <QImage>
#include <QPainter>

namespace trailcfg::qt {

// Paints what the template has painted over its background, if anything.
void PaintTemplateDecoration(QPainter& painter, int templateId);

// The part of `bitmap` the banner block shows, and where.
struct BannerBlock {
    QPoint at;
    QRect source;
};
BannerBlock BannerBlockFor(const QImage& bitmap);

// The 720 x 104 banner; null when the program carries none.
const QImage& LargeBannerImage();

}  // namespace trailcfg::qt
