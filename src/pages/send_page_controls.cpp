#include "send_page_controls.h"

#include "app/process_state.h"

namespace trailcfg::send_page {

int RemoteIntervalPosition(std::uint8_t interval) { return interval < kRemoteIntervalOff ? interval + 1 : 0; }

std::uint8_t RemoteIntervalAt(int position) {
    return position >= 1 && position <= kRemoteIntervalOff ? static_cast<std::uint8_t>(position - 1)
                                                           : kRemoteIntervalOff;
}

void EnableRemoteGroup(Dialog& dialog, bool enable) {
    dialog.Enable(kRemotePhoneRow.id, enable);
    dialog.Enable(kNoCmd22Box, enable);
    dialog.Enable(kRemoteEmailRow.id, enable && !g_bNoCmd22);
}

}  // namespace trailcfg::send_page
