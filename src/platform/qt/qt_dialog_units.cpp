#include "qt_dialog_units.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace trailcfg::qt {

BaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnits{(width / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(static_cast<long long>(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(static_cast<long long>(c));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QRect MapDialogRect(const BaseUnits& units, int x, int y, int cx, int cy) {
    return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4), MulDiv(cy, units.y, 8));
}

QFont DialogFont(const DialogLayout& layout) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(std::clamp(layout.fontPoints, 8, 9));
    // The desktop's family first (resolved: it is often an alias such as
    // "Sans Serif", which a family list does not look up), then Simplified
    // Chinese families for the program's Chinese. Left to itself, the font
    // fallback picks a Han font by the desktop's language, and on an English
    // or Japanese desktop that may draw the Japanese forms.
    const QStringList families{QFontInfo(font).family(),
                               QStringLiteral("Noto Sans CJK SC"),
                               QStringLiteral("Source Han Sans SC"),
                               QStringLiteral("WenQuanYi Micro Hei"),
                               QStringLiteral("WenQuanYi Zen Hei"),
                               QStringLiteral("PingFang SC"),
                               QStringLiteral("Heiti SC"),
                               QStringLiteral("Microsoft YaHei")};
    font.setFamilies(families);
    return font;
}

int ClosedComboHeight(const QFont& font) { return QFontMetrics(font).height() + 8; }

}  // namespace trailcfg::qt
