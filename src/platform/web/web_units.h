// Dialog units to CSS pixels by Windows' rule for a dialog template: the
// dialog font's base units scale every position and size, so the page keeps
// its proportions in whatever font the browser has. The page's CSS font
// stands in for the template's font.
#pragma once

namespace trailcfg::web {

struct BaseUnits {
    int x;  // average character width
    int y;  // character height
};

struct PixelRect {
    int x, y, width, height;
};

// From the width of "A..Za..z" and the line height: the width over 26,
// halved with GDI's rounding.
BaseUnits BaseUnitsOf(int alphabetWidth, int lineHeight);

// Windows' MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c);

PixelRect MapDialogRect(const BaseUnits& units, int x, int y, int cx, int cy);

// A closed drop-down is as high as its font allows, not as the template's
// height, which counts the open list.
int ClosedListHeight(const BaseUnits& units);

}  // namespace trailcfg::web
