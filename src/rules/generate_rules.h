// What Generate and trailcfg-cli both apply to a record before it is written:
// the values Generate always writes, the fields kept in step with others and
// the camera clock's range. One home, so that the desktop program and the
// command line cannot drift apart (tests/cli's parity test runs both front
// ends over it). The database fill is the operator database's own
// (send/operator_db.h), the calendar the camera clock's (camera/camera_clock.h).
#pragma once

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

// The camera clock the Camera Setup page's clock edits accept.
inline constexpr int kClockFirstYear = 2016;
inline constexpr int kClockLastYear = 2099;
bool IsCameraClock(int year, int month, int day, int hour, int minute, int second);

}  // namespace trailcfg
