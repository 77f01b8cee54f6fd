#include "card_write.h"

#include <string>

#include "app/process_state.h"
#include "app/state_files.h"
#include "common/card_lock.h"
#include "common/file_io.h"

namespace trailcfg {

// A read-back that fails may have loaded another file in the folder, or the
// zeroed record of a foreign one. The user's settings must not give way to
// either, or the next Generate would write the old operator, outbox and FTP
// values without a word; only a verified read-back replaces them.
CardWrite WriteVerifiedSendFile() {
    const NativePath file = NativePathFromGbk(CfgPathInSaveFolder());
    const CardLock lock(file);
    if (lock.Busy()) return CardWrite::Busy;
    const SendSettings collected = g_sSendSet;
    WriteSendSettings();
    if (ReadSendSettings(1) == 1) {
        lock.RemoveLeftovers(file);
        return CardWrite::Confirmed;
    }
    g_sSendSet = collected;
    return CardWrite::NotConfirmed;
}

}  // namespace trailcfg
