#include "qt_banner.h"

#include <QPaintEngine>

#include "platform/layout.h"
#include "qt_application.h"

namespace trailcfg::qt {

BannerBlock BannerBlockFor(const QImage& bitmap) {
    // A block copy reads nothing beyond the bitmap's own pixels.
    return BannerBlock{QPoint(24, 10), QRect(0, 0, 340, 72).intersected(bitmap.rect())};
}

const QImage& LargeBannerImage() {
    static const QImage banner =
        QImage(QStringLiteral(":/trailcfg/banner-2x.bmp")).convertToFormat(QImage::Format_RGB32);
    return banner;
}

void PaintTemplateDecoration(QPainter& painter, int templateId) {
    if (templateId != kTemplateStartPage) return;
    const QImage& banner = BannerImage();
    if (banner.isNull()) return;
    const BannerBlock block = BannerBlockFor(banner);
    // On a scaled screen the block is drawn from the banner drawn at twice
    // the size, which Qt scales down to the device's pixels, rather than
    // blown up from the small one.
    const QImage& large = LargeBannerImage();
    // The engine's device is where the pixels go (the backing store, an
    // image a widget is rendered into), not the widget itself.
    const QPaintDevice* device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : painter.device();
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    if (ratio > 1.0 && large.size() == banner.size() * 2) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect source(block.source.topLeft() * 2, block.source.size() * 2);
        painter.drawImage(QRectF(block.at, block.source.size()), large, source);
        return;
    }
    painter.drawImage(block.at, banner, block.source);
}

}  // namespace trailcfg::qt
