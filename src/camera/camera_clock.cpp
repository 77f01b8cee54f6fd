#include "camera_clock.h"

#include <climits>

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

bool ParseLeadingNumber(std::string_view text, std::size_t maxChars, int& value) {
    text = text.substr(0, maxChars);
    long long n = 0;
    std::size_t digits = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (n <= INT_MAX) n = n * 10 + (c - '0');
        ++digits;
    }
    if (digits == 0) return false;
    value = n > INT_MAX ? INT_MAX : static_cast<int>(n);
    return true;
}

}  // namespace trailcfg
