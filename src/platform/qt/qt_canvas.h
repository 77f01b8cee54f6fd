// The surface a page's controls sit on, at the layout's size: the dialog
// itself when the page fits its screen, scrolled inside the dialog when not.
// It paints the layout's Bitmap rows (the start page's banner), so that they
// scroll with the rest.
#pragma once

#include <QWidget>

#include "platform/layout.h"

namespace trailcfg::qt {

class PageCanvas final : public QWidget {
public:
    PageCanvas(QWidget* parent, const DialogLayout& layout) : QWidget(parent), layout_(layout) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DialogLayout& layout_;
};

}  // namespace trailcfg::qt
