#include "qt_static.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace trailcfg::qt {

QLabel* CreateLabel(QWidget* parent, bool centred) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setMargin(0);
    label->setIndent(0);
    return label;
}

GroupFrame::GroupFrame(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void GroupFrame::SetTitle(const QString& title) {
    title_ = title;
    update();
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // An etched line, as the common controls draw it; the styles' own group
    // box frames leave room for a caption above the line instead.
    const QRect frame = rect().adjusted(0, metrics.height() / 2, 0, 0);
    qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
    if (title_.isEmpty()) return;
    // The caption sits on the line, a little in from the left, on the page's
    // background.
    const int left = metrics.averageCharWidth() + 2;
    const int room = std::max(0, width() - 2 * left);
    const QRect text(left, 0, std::min(metrics.horizontalAdvance(title_) + 4, room), metrics.height());
    painter.fillRect(text, palette().brush(backgroundRole()));
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Normal : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::WindowText));
    painter.drawText(text.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title_);
}

}  // namespace trailcfg::qt
