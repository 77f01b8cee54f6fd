#include "qt_scroll.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "platform/page_fit.h"

namespace trailcfg::qt {

namespace {

QRect g_workAreaForTests;

PixelSize Pixels(QSize size) { return PixelSize{size.width(), size.height()}; }

QScreen* ScreenToOpenOn() {
    // A new window opens where the user is working: the screen under the
    // mouse, as window managers place it.
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) return screen;
    return QGuiApplication::primaryScreen();
}

// The window manager's frame is only known once the window is shown; until
// then the style's title bar and a border stand for it.
PixelSize FrameEstimate(const QWidget& widget) {
    const QStyle* style = widget.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &widget);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &widget);
    return PixelSize{2 * border, title + 2 * border};
}

}  // namespace

QScrollArea* FitPageToScreen(QDialog& dialog, QWidget& canvas) {
    const QSize page = canvas.size();
    QScreen* screen = ScreenToOpenOn();
    QRect work = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), page);
    if (!g_workAreaForTests.isEmpty()) work = g_workAreaForTests;
    const int bar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
    const PageFit fit = FitPage(Pixels(page), FrameEstimate(dialog), Pixels(work.size()), PixelSize{bar, bar});
    if (!fit.Scrolls()) {
        canvas.move(0, 0);
        dialog.setFixedSize(page);
        return nullptr;
    }
    auto* area = new QScrollArea(&dialog);
    area->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control, as on a page that fits; the area
    // itself is no stop on the way.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(false);
    area->setHorizontalScrollBarPolicy(fit.hScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(fit.vScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setWidget(&canvas);
    const QSize client(fit.client.width, fit.client.height);
    area->setGeometry(QRect(QPoint(0, 0), client));
    dialog.setFixedSize(client);
    const PixelSize frame = FrameEstimate(dialog);
    const PixelPoint at = PlaceWindow(PixelPoint{work.x(), work.y()}, Pixels(work.size()),
                                      PixelSize{client.width() + frame.width, client.height() + frame.height});
    dialog.move(at.x, at.y);
    // Tab, Shift+Tab and a page's own focus moves bring the control into
    // view; so does a click, which changes nothing for a control in view.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area, &canvas](QWidget*, QWidget* now) {
        if (now && canvas.isAncestorOf(now)) area->ensureWidgetVisible(now);
    });
    return area;
}

void SetWorkAreaForTests(const QRect& area) { g_workAreaForTests = area; }

}  // namespace trailcfg::qt
