// A page that does not fit on its screen: the page's controls sit on a
// canvas of the layout's size, and when that is more than the work area of
// the screen the page opens on, the canvas goes into a scroll area and the
// window opens at the work area's size (the rule in platform/page_fit.h).
// Moving the keyboard focus scrolls the focused control into view.
#pragma once

#include <QRect>

class QDialog;
class QScrollArea;
class QWidget;

namespace trailcfg::qt {

// Sizes `dialog` for `canvas` (already its child, at the page's size).
// Returns the scroll area the canvas now lives in, or nullptr when the page
// fits and the canvas simply fills the dialog.
QScrollArea* FitPageToScreen(QDialog& dialog, QWidget& canvas);

// Pages opened from now on take `area` as their screen's work area; an
// empty rectangle goes back to the real screen's. For tests, whose
// offscreen screen cannot be made smaller.
void SetWorkAreaForTests(const QRect& area);

}  // namespace trailcfg::qt
