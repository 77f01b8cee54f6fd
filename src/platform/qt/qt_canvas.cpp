#include "qt_canvas.h"

#include <QPainter>

#include "qt_banner.h"

namespace trailcfg::qt {

void PageCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintTemplateDecoration(painter, templateId_);
}

}  // namespace trailcfg::qt
