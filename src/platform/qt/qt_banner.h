// The start page's banner: bitmap 114 copied onto the page at pixel
// (24, 10) as a 340 x 72 block from the bitmap's top-left corner. The
// 360 x 52 bitmap fills the block's upper 52 rows; its rightmost 20 columns
// are not shown, and the rows below it stay the page's background.
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

}  // namespace trailcfg::qt
