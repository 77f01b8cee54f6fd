#include "send_page_controls.h"

#include <climits>

#include "app/process_state.h"

namespace trailcfg::send_page {

int ReadEditNumber(const Dialog& dialog, int id) {
    std::string text = dialog.GetText(id);
    std::size_t i = 0;
    bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = INT_MAX + (negative ? 1LL : 0LL);
    }
    return static_cast<int>(negative ? -value : value);
}

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
