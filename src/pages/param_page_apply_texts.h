// Putting the 3G parameter page's texts (texts/param_page_texts.h) on the page.
#pragma once

#include "platform/port.h"

namespace trailcfg::param {

// The title, every caption and the contents of the five lists, by
// g_iUiLanguage. The send option shows MMS, the operator mode the database;
// ApplySendOption and the opening correct both from the record afterwards.
void ApplyParamPageTexts(Dialog& dialog);

}  // namespace trailcfg::param
