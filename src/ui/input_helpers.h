// The input operations the pages share. Pages call FilterEditChars (and, on
// the send page, CheckEditRange) from an edit's TextChanged handler; the
// helpers' own SetText raises that event again before it returns, so they are
// written to be re-entered: each call works on its own copy of the text.
#pragma once

#include <cstdint>

#include "common/leading_number.h"
#include "platform/port.h"

namespace trailcfg {

// Removes the first byte of the edit's text that is not in `allowed`, writes
// the text back and puts the caret where that byte stood. Called again
// through TextChanged, it removes every such byte of one user action, and the
// outermost call places the caret last. An empty set removes nothing.
void FilterEditChars(Dialog& dialog, int id, const char* allowed);

// Clamps the edit to min..max: an empty edit shows min; the first non-digit
// is removed as by FilterEditChars; a value below min becomes min, above max
// becomes max (after the out-of-range warning when `bWarn` is set); both
// print "Input value error!". Digits beyond 32 bits read as the largest
// 32-bit value, so an over-long number clamps to max.
void CheckEditRange(Platform& platform, Dialog& dialog, int id, std::uint16_t min, std::uint16_t max, bool bWarn);

// The folder dialog: the chosen folder becomes g_szSavePath and the page's
// save-path field shows it. A cancelled dialog changes nothing, and so does a
// folder whose path does not fit g_szSavePath.
void BrowseSaveFolder(Platform& platform, Dialog& dialog, int saveFieldId);

}  // namespace trailcfg
