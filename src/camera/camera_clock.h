// The calendar behind the camera's clock edits, and reading a number from an
// edit's text. No user interface here: the page's clock code uses these.
#pragma once

#include <cstddef>
#include <string_view>

namespace trailcfg {

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);

// The days of `month` in `year`. The month is held to 1..12 before it is
// looked up: the month edit can still show 0 or 13 when another clock edit is
// left before it, and the table has no row for those.
int DaysInMonth(int year, int month);

// The decimal number made by the leading digits of the first `maxChars`
// bytes of `text`. False when they start with no digit. A number too large
// for an int reads as the largest int.
bool ParseLeadingNumber(std::string_view text, std::size_t maxChars, int& value);

}  // namespace trailcfg
