#include "send_page_controls.h"

#include "app/process_state.h"
#include "common/leading_number.h"

namespace trailcfg::send_page {

int ReadEditNumber(const Dialog& dialog, int id) { return LeadingNumber(dialog.GetText(id), Minus::Taken).value_or(0); }

void StoreListPosition(const Dialog& dialog, int id, std::uint8_t& field) {
    int position = dialog.ListSelection(id);
    if (position >= 0) field = static_cast<std::uint8_t>(position);
}

int RemoteIntervalPosition(std::uint8_t interval) { return interval < kRemoteIntervalOff ? interval + 1 : 0; }

std::uint8_t RemoteIntervalAt(int position) {
    return position >= 1 && position <= kRemoteIntervalOff ? static_cast<std::uint8_t>(position - 1)
                                                           : kRemoteIntervalOff;
}

void EnableRemoteGroup(Dialog& dialog, bool enable) {
    dialog.Enable(kRemotePhone, enable);
    dialog.Enable(kNoCmd22Box, enable);
    dialog.Enable(kRemoteEmail, enable && !g_bNoCmd22);
}

}  // namespace trailcfg::send_page
