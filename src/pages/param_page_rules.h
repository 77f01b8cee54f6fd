// What the send option decides on the 3G parameter page: which groups of
// edits are enabled, shown, masked and filled (ApplySendOption), and the
// send-option list whose choice Generate takes after the page has ended.
#pragma once

#include "platform/port.h"

namespace trailcfg::param {

// Selects item `item` of the send-option list and keeps the selection for
// Generate (KeepSendOption).
void SelectSendOption(Dialog& dialog, int item);

// The send option the list shows: items 1..3 give 1..3, item 0 and no
// selection give 0.
int ChosenSendOption(const Dialog& dialog);

// The kept choice (KeepSendOption) follows the list; called wherever the selection may
// have changed and before the page ends.
void KeepSendOptionChoice(const Dialog& dialog);

// Applies g_sSendSet.bySendBy to the page; a value above 3 is Close 3G. In
// database mode the MMS and 3G network edits end masked, in manual mode
// plain.
void ApplySendOption(Dialog& dialog);

}  // namespace trailcfg::param
