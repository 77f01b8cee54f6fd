// The send page's controls, and the few reads and switches that its handlers
// and Generate share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/text_copy.h"
#include "platform/control_ids.h"
#include "platform/port.h"
#include "send/send_settings.h"

namespace trailcfg::send_page {

// The page's controls by the names its layout rows give them.
using namespace ids::send;

// Recipients, in the order of szRecp: phone 1, phone 2, e-mail 1, e-mail 2.
inline constexpr int kRecipientEdits[4] = {kPhone1Edit, kPhone2Edit, kEmail1Edit, kEmail2Edit};
inline constexpr int kRecipientPhones = 2;  // the first two are phone numbers

// Coordinates. The user never sees them: the inputs stay hidden, and carry
// the record's values through the page.
struct CoordinateControls {
    Coordinate SendSettings::*field;
    int dir, degree, minute, second;
    std::uint16_t fullDegrees;  // the one degree value that allows no minutes or seconds
};

inline constexpr CoordinateControls kCoordinates[] = {
    {&SendSettings::sLongitude, kLongitudeDir, kLongitudeDegree, kLongitudeMinute, kLongitudeSecond, 180},
    {&SendSettings::sLatitude, kLatitudeDir, kLatitudeDegree, kLatitudeMinute, kLatitudeSecond, 90},
};

// Copies the edit's text into a record field, cut to the field; returns the
// number of characters stored.
template <std::size_t N>
std::size_t StoreEditText(const Dialog& dialog, int id, char (&field)[N]) {
    std::string text = dialog.GetText(id);
    CopyText(field, text);
    return text.size() < N - 1 ? text.size() : N - 1;
}

// The list's position into a record field. A list without a selection
// leaves the field as it was, so a value the page cannot show (a direction
// read from a file, say) passes through unchanged.
void StoreListPosition(const Dialog& dialog, int id, std::uint8_t& field);

// The edit's text as a signed number: an optional minus and the digits that
// follow; 0 when there are none. Saturates instead of overflowing.
int ReadEditNumber(const Dialog& dialog, int id);

// Remote-interval list position <-> byRemoteInterval: position 0 is "Remote
// Off" (25), position k the interval k - 1.
int RemoteIntervalPosition(std::uint8_t interval);
std::uint8_t RemoteIntervalAt(int position);

// The remote phone, the check box and the receiver e-mail. The receiver
// e-mail is enabled only while the 22/60/61 commands are in use.
void EnableRemoteGroup(Dialog& dialog, bool enable);

}  // namespace trailcfg::send_page
