#include "send_page_controls.h"

#include "app/process_state.h"

namespace trailcfg::send_page {

const FieldBinding* RowOfControl(int id) {
    for (const FieldBinding* row : kPageRows)
        if (row->id == id) return row;
    return nullptr;
}

const FieldBinding* LengthOf(const FieldBinding& row) {
    for (const Recipient& r : kRecipients)
        if (r.text == &row) return r.length;
    return nullptr;
}

bool IsCoordinate(const FieldBinding& row) {
    for (const CoordinateControls& c : kCoordinates)
        if (&row == c.dir || &row == c.degree || &row == c.minute || &row == c.second) return true;
    return false;
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
