// The Main Setup start page (template 111).
#pragma once

#include "platform/port.h"

namespace trailcfg {

// Sets the title and every caption of the start page in g_iUiLanguage and
// fills both lists, selecting g_iUiLanguage and g_iCameraModel. `refill`
// empties the lists first (after a language change).
void ApplyStartPageTexts(Dialog& dialog, bool refill);

}  // namespace trailcfg
