// What Generate and trailcfg-cli both apply to a record before it is written:
// the values Generate always writes, the fields kept in step with others and
// the camera clock's range. One home, so that the desktop program and the
// command line cannot drift apart (tests/cli's parity test runs both front
// ends over it). The database fill is the operator database's own
// (send/operator_db.h), the calendar the camera clock's (camera/camera_clock.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "send/send_settings.h"

namespace trailcfg {

// The one file-name entry Generate writes, whatever the record held.
void SetGeneratedFileName(SendSettings& s);

// The camera is always told to send at once: send mode 0, daily send time 24.
void SetSendAtOnce(SendSettings& s);

// Remote control is on exactly when a remote interval is chosen (an interval
// beyond the list's counts as none).
std::uint8_t RemoteSwitchFor(std::uint8_t remoteInterval);

// A phone number, as the send page's phone edits (recipients 1 and 2, the
// remote phone) take it and the command line checks it: these characters, at
// most as many as the remote phone's field holds.
inline constexpr const char* kPhoneChars = "0123456789+";
inline constexpr std::size_t kPhoneLength = sizeof SendSettings::szRemotePhoneNum - 1;

// The camera clock the Camera Setup page's clock edits accept.
inline constexpr int kClockFirstYear = 2016;
inline constexpr int kClockLastYear = 2099;
bool IsCameraClock(int year, int month, int day, int hour, int minute, int second);

}  // namespace trailcfg
