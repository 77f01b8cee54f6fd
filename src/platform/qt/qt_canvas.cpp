#include "qt_canvas.h"

#include <QPainter>

#include "qt_banner.h"

namespace trailcfg::qt {

void PageCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBitmapRows(painter, layout_);
}

}  // namespace trailcfg::qt
