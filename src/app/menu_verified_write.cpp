#include "menu_verified_write.h"

#include <cstring>

#include "app/process_state.h"

namespace trailcfg {

bool WriteVerifiedMenuFile(bool (*write)(), int (*read)()) {
    if (!write()) return false;
    const CameraMenu written = g_sMenuData;  // as written, Flag stamped
    const bool confirmed = read() == 1 && std::memcmp(&g_sMenuData, &written, sizeof written) == 0;
    if (!confirmed) g_sMenuData = written;
    return confirmed;
}

}  // namespace trailcfg
