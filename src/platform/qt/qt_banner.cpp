#include "qt_banner.h"

#include "platform/layout.h"
#include "qt_application.h"

namespace trailcfg::qt {

BannerBlock BannerBlockFor(const QImage& bitmap) {
    // A block copy reads nothing beyond the bitmap's own pixels.
    return BannerBlock{QPoint(24, 10), QRect(0, 0, 340, 72).intersected(bitmap.rect())};
}

void PaintTemplateDecoration(QPainter& painter, int templateId) {
    if (templateId != kTemplateStartPage) return;
    const QImage& banner = BannerImage();
    if (banner.isNull()) return;
    const BannerBlock block = BannerBlockFor(banner);
    painter.drawImage(block.at, banner, block.source);
}

}  // namespace trailcfg::qt
