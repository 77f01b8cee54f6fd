#include "web_units.h"

#include <cstdlib>

namespace trailcfg::web {

BaseUnits BaseUnitsOf(int alphabetWidth, int lineHeight) { return BaseUnits{(alphabetWidth / 26 + 1) / 2, lineHeight}; }

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long divisor = std::llabs(static_cast<long long>(c));
    const long long magnitude = (std::llabs(product) + divisor / 2) / divisor;
    return static_cast<int>(((product < 0) != (c < 0)) ? -magnitude : magnitude);
}

PixelRect MapDialogRect(const BaseUnits& units, int x, int y, int cx, int cy) {
    return PixelRect{MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4), MulDiv(cy, units.y, 8)};
}

int ClosedListHeight(const BaseUnits& units) { return units.y + 8; }

}  // namespace trailcfg::web
