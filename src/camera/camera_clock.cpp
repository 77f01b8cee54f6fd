#include "camera_clock.h"

namespace trailcfg {

namespace {
constexpr int kDaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFebruary = 2;
}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    if (month < 1) month = 1;
    if (month > 12) month = 12;
    if (month == kFebruary && IsLeapYear(year)) return 29;
    return kDaysOfMonth[month - 1];
}

}  // namespace trailcfg
