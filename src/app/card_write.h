// How a page's write of a card file ended, and Generate's write of CFG.BIN.
#pragma once

namespace trailcfg {

enum class CardWrite {
    Confirmed,     // written and read back from the card as written
    NotConfirmed,  // the reason is on standard output; the record keeps what was written
    Busy,          // another program kept the card: nothing was written
};

// Writes g_sSendSet as CFG.BIN and reads it back (its time stamp against
// sLastGenTime), holding the card's lock throughout.
CardWrite WriteVerifiedSendFile();

}  // namespace trailcfg
