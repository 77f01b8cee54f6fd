#include "qt_banner.h"

#include <QPaintEngine>

#include "qt_application.h"

namespace trailcfg::qt {

namespace {

// The bitmaps the program carries, each with its twice-size companion.
struct Picture {
    int id;
    const QImage& (*image)();
    const QImage& (*large)();
};
constexpr Picture kPictures[] = {{kBannerBitmap, &BannerImage, &LargeBannerImage}};

const Picture* FindPicture(int id) {
    for (const Picture& picture : kPictures)
        if (picture.id == id) return &picture;
    return nullptr;
}

void PaintBitmapRow(QPainter& painter, const ControlLayout& row) {
    const Picture* picture = FindPicture(row.picture);
    if (!picture) return;
    const QImage& bitmap = picture->image();
    if (bitmap.isNull()) return;
    const BitmapBlock block = BitmapBlockFor(row, bitmap);
    // On a scaled screen the block is drawn from the bitmap drawn at twice
    // the size, which Qt scales down to the device's pixels, rather than
    // blown up from the small one.
    const QImage& large = picture->large();
    // The engine's device is where the pixels go (the backing store, an
    // image a widget is rendered into), not the widget itself.
    const QPaintDevice* device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : painter.device();
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    if (ratio > 1.0 && large.size() == bitmap.size() * 2) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect source(block.source.topLeft() * 2, block.source.size() * 2);
        painter.drawImage(QRectF(block.at, block.source.size()), large, source);
        return;
    }
    painter.drawImage(block.at, bitmap, block.source);
}

}  // namespace

BitmapBlock BitmapBlockFor(const ControlLayout& row, const QImage& bitmap) {
    // A block copy reads nothing beyond the bitmap's own pixels.
    return BitmapBlock{QPoint(row.x, row.y), QRect(0, 0, row.cx, row.cy).intersected(bitmap.rect())};
}

const QImage& LargeBannerImage() {
    static const QImage banner =
        QImage(QStringLiteral(":/trailcfg/banner-2x.bmp")).convertToFormat(QImage::Format_RGB32);
    return banner;
}

void PaintBitmapRows(QPainter& painter, const DialogLayout& layout) {
    for (const ControlLayout& row : layout)
        if (IsBitmapRow(row)) PaintBitmapRow(painter, row);
}

}  // namespace trailcfg::qt
