#include "generate_rules.h"

#include "camera/camera_clock.h"
#include "common/text_copy.h"

namespace trailcfg {

void SetGeneratedFileName(SendSettings& s) {
    CopyText(s.szFileFullName[0], kSendFileFullName);
    s.bySendFileNum = 0;
}

void SetSendAtOnce(SendSettings& s) {
    s.bySendMode = 0;
    s.byDailySendTime = 24;
}

std::uint8_t RemoteSwitchFor(std::uint8_t remoteInterval) { return remoteInterval < kRemoteIntervalOff ? 1 : 0; }

bool IsCameraClock(int year, int month, int day, int hour, int minute, int second) {
    return year >= kClockFirstYear && year <= kClockLastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
           second <= 59;
}

}  // namespace trailcfg
