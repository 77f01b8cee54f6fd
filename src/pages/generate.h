// Generate on the send page: collects the page into g_sSendSet, checks it,
// writes CFG.BIN and reads it back to confirm it.
#pragma once

#include "platform/port.h"

namespace trailcfg {

// The page owns the message boxes. A refused check shows its warning and
// writes nothing; a write that does not read back as written prints
// "Generate fail!" and leaves g_sSendSet as collected.
void GenerateSendSettings(Platform& platform, Dialog& page);

}  // namespace trailcfg
