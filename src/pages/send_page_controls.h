// The send page's controls, and the few reads and switches that its handlers
// and Generate share.
#pragma once

#include <cstdint>

#include "binding/send_bindings.h"
#include "platform/control_ids.h"
#include "platform/port.h"
#include "send/send_settings.h"

namespace trailcfg::send_page {

// The page's controls by the names its layout rows give them.
using namespace ids::send;

// The page's fields by their rows (binding/send_bindings.h); the controls
// are the rows'.
inline constexpr const FieldBinding* kRecipients[4] = {&SendBinding("szRecp[0]"), &SendBinding("szRecp[1]"),
                                                       &SendBinding("szRecp[2]"), &SendBinding("szRecp[3]")};
inline constexpr int kRecipientPhones = 2;  // the first two are phone numbers
inline constexpr const FieldBinding& kRemotePhoneRow = SendBinding("szRemotePhoneNum");
inline constexpr const FieldBinding& kRemoteEmailRow = SendBinding("szRemoteEmail");
inline constexpr const FieldBinding& kMaxSentRow = SendBinding("uwMaxSendImgNum");
inline constexpr const FieldBinding& kImageSizeRow = SendBinding("bySendImgSize");
inline constexpr const FieldBinding& kSendModeRow = SendBinding("bySendMode");
inline constexpr const FieldBinding& kDailyTimeRow = SendBinding("byDailySendTime");
inline constexpr const FieldBinding& kRemoteIntervalRow = SendBinding("byRemoteInterval");

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

// Remote-interval list position <-> byRemoteInterval: position 0 is "Remote
// Off" (25), position k the interval k - 1.
int RemoteIntervalPosition(std::uint8_t interval);
std::uint8_t RemoteIntervalAt(int position);

// The remote phone, the check box and the receiver e-mail. The receiver
// e-mail is enabled only while the 22/60/61 commands are in use.
void EnableRemoteGroup(Dialog& dialog, bool enable);

}  // namespace trailcfg::send_page
