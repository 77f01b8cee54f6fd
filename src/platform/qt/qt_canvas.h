// The surface a page's controls sit on, at the layout's size: the dialog
// itself when the page fits its screen, scrolled inside the dialog when not.
// It paints what the template draws besides controls (the start page's
// banner), so that scrolls with the rest.
#pragma once

#include <QWidget>

namespace trailcfg::qt {

class PageCanvas final : public QWidget {
public:
    PageCanvas(QWidget* parent, int templateId) : QWidget(parent), templateId_(templateId) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const int templateId_;
};

}  // namespace trailcfg::qt
