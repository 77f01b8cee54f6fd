// The send page's controls and fields, and the few reads and switches that
// its handlers and Generate share.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "binding/send_bindings.h"
#include "platform/control_ids.h"
#include "platform/layout.h"
#include "platform/port.h"
#include "send/send_settings.h"

namespace trailcfg::send_page {

// The page's controls by the names its layout rows give them.
using namespace ids::send;

// The rows of binding/send_bindings.h that this page shows, in record order:
// the page opens and collects through them (send_page_rows.h).
inline constexpr std::size_t kPageRowCount = [] {
    std::size_t n = 0;
    for (const FieldBinding& row : kSendBindings) n += row.page == kTemplateSendPage;
    return n;
}();

inline constexpr std::array<const FieldBinding*, kPageRowCount> kPageRows = [] {
    std::array<const FieldBinding*, kPageRowCount> rows{};
    std::size_t k = 0;
    for (const FieldBinding& row : kSendBindings)
        if (row.page == kTemplateSendPage) rows[k++] = &row;
    return rows;
}();

// The page's row shown by control `id`; null for a control that shows no
// field.
const FieldBinding* RowOfControl(int id);

// Each recipient and the length stored beside it.
struct Recipient {
    const FieldBinding* text;
    const FieldBinding* length;
};

inline constexpr Recipient kRecipients[] = {
    {&SendBinding("szRecp[0]"), &SendBinding("uwRecpLen[0]")},
    {&SendBinding("szRecp[1]"), &SendBinding("uwRecpLen[1]")},
    {&SendBinding("szRecp[2]"), &SendBinding("uwRecpLen[2]")},
    {&SendBinding("szRecp[3]"), &SendBinding("uwRecpLen[3]")},
};

// The length row of a recipient's text; null for any other row.
const FieldBinding* LengthOf(const FieldBinding& row);

// Coordinates. The user never sees them: the inputs stay hidden, and carry
// the record's values through the page.
struct CoordinateControls {
    const FieldBinding *dir, *degree, *minute, *second;
    std::uint16_t fullDegrees;  // the one degree value that allows no minutes or seconds
};

inline constexpr CoordinateControls kCoordinates[] = {
    {&SendBinding("sLongitude.byDir"), &SendBinding("sLongitude.byDegree"), &SendBinding("sLongitude.byMinute"),
     &SendBinding("sLongitude.bySecond"), 180},
    {&SendBinding("sLatitude.byDir"), &SendBinding("sLatitude.byDegree"), &SendBinding("sLatitude.byMinute"),
     &SendBinding("sLatitude.bySecond"), 90},
};

bool IsCoordinate(const FieldBinding& row);

// Remote-interval list position <-> byRemoteInterval: position 0 is "Remote
// Off" (25), position k the interval k - 1.
int RemoteIntervalPosition(std::uint8_t interval);
std::uint8_t RemoteIntervalAt(int position);

// The remote phone, the check box and the receiver e-mail. The receiver
// e-mail is enabled only while the 22/60/61 commands are in use.
void EnableRemoteGroup(Dialog& dialog, bool enable);

}  // namespace trailcfg::send_page
