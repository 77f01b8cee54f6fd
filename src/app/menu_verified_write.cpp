#include "menu_verified_write.h"

#include <cstring>

#include "app/process_state.h"
#include "common/card_lock.h"
#include "common/file_io.h"

namespace trailcfg {

CardWrite WriteVerifiedMenuFile(bool (*write)(), int (*read)()) {
    const NativePath file = NativePathFromGbk(MenuPathInSaveFolder());
    const CardLock lock(file);
    if (lock.Busy()) return CardWrite::Busy;
    if (!write()) return CardWrite::NotConfirmed;
    const CameraMenu written = g_sMenuData;  // as written, Flag stamped
    const bool confirmed = read() == 1 && std::memcmp(&g_sMenuData, &written, sizeof written) == 0;
    if (!confirmed) {
        g_sMenuData = written;
        return CardWrite::NotConfirmed;
    }
    lock.RemoveLeftovers(file);
    return CardWrite::Confirmed;
}

}  // namespace trailcfg
