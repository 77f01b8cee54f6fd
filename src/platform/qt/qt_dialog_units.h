// Dialog units to pixels, the way Windows lays out a dialog template: the
// template's font gives the base units, and every position and size is
// scaled by them, so a layout keeps its proportions whatever font the
// system gives us.
#pragma once

#include <QFont>
#include <QRect>

#include "platform/layout.h"

namespace trailcfg::qt {

struct BaseUnits {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

// Windows' rule: the width of "A..Za..z" over 52, rounded as GDI rounds it,
// and the font's height.
BaseUnits BaseUnitsOf(const QFont& font);

// Windows' MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c);

QRect MapDialogRect(const BaseUnits& units, int x, int y, int cx, int cy);

// "MS Shell Dlg" is a Windows alias for the system's dialog font; here it is
// the desktop's general font, at the template's size kept to 8..9 points so
// that a Linux desktop's larger default does not blow up the page.
QFont DialogFont(const DialogLayout& layout);

// A closed drop-down's height follows its font, not the template (the
// template's height includes the list): an item is the font height plus 2,
// and the frame adds 6, as in the common controls.
int ClosedComboHeight(const QFont& font);

}  // namespace trailcfg::qt
