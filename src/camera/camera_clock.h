// The calendar behind the camera's clock edits. No user interface here: the
// page's clock code uses it.
#pragma once

namespace trailcfg {

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);

// The days of `month` in `year`. The month is held to 1..12 before it is
// looked up: the month edit can still show 0 or 13 when another clock edit is
// left before it, and the table has no row for those.
int DaysInMonth(int year, int month);

}  // namespace trailcfg
