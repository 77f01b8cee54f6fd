// The calendar and the number reading behind the clock edits.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "camera/camera_clock.h"
#include "common/leading_number.h"
#include "rules/generate_rules.h"

namespace trailcfg {
namespace {

TEST(CameraClockTest, LeapYearsFollowTheGregorianRule) {
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_TRUE(IsLeapYear(2016));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2400));
}

TEST(CameraClockTest, TheClockTheCameraAcceptsRunsFrom2016To2099) {
    EXPECT_TRUE(IsCameraClock(2016, 1, 1, 0, 0, 0));
    EXPECT_TRUE(IsCameraClock(2099, 12, 31, 23, 59, 59));
    EXPECT_FALSE(IsCameraClock(2015, 12, 31, 23, 59, 59));
    EXPECT_FALSE(IsCameraClock(2100, 1, 1, 0, 0, 0));
    EXPECT_TRUE(IsCameraClock(2024, 2, 29, 12, 0, 0));
    EXPECT_FALSE(IsCameraClock(2023, 2, 29, 12, 0, 0)) << "no leap day in a common year";
    EXPECT_FALSE(IsCameraClock(2024, 13, 1, 0, 0, 0));
    EXPECT_FALSE(IsCameraClock(2024, 0, 1, 0, 0, 0)) << "not month 1 by the table's clamp";
    EXPECT_FALSE(IsCameraClock(2024, 4, 31, 0, 0, 0));
    EXPECT_FALSE(IsCameraClock(2024, 4, 0, 0, 0, 0));
    EXPECT_FALSE(IsCameraClock(2024, 4, 1, 24, 0, 0));
    EXPECT_FALSE(IsCameraClock(2024, 4, 1, 0, 60, 0));
    EXPECT_FALSE(IsCameraClock(2024, 4, 1, 0, 0, 60));
}

TEST(CameraClockTest, DaysOfEveryMonthInCommonAndLeapYears) {
    const int common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        EXPECT_EQ(DaysInMonth(2023, month), common[month - 1]);
        EXPECT_EQ(DaysInMonth(2024, month), month == 2 ? 29 : common[month - 1]);
    }
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
}

// The month edit may still hold a value it has not been checked against.
TEST(CameraClockTest, MonthsOutsideTheYearAreHeldToJanuaryOrDecember) {
    EXPECT_EQ(DaysInMonth(2024, 0), 31);
    EXPECT_EQ(DaysInMonth(2024, -7), 31);
    EXPECT_EQ(DaysInMonth(2024, INT_MIN), 31);
    EXPECT_EQ(DaysInMonth(2023, 13), 31);
    EXPECT_EQ(DaysInMonth(2023, 99), 31);
    EXPECT_EQ(DaysInMonth(2023, INT_MAX), 31);
}

// The clock edits read the first `chars` bytes; the number edits all of it.
std::optional<std::int32_t> Within(std::string_view text, std::size_t chars) {
    return LeadingNumber(text.substr(0, chars));
}

TEST(LeadingNumberTest, ReadsTheLeadingDigits) {
    EXPECT_EQ(Within("2025", 4), 2025);
    EXPECT_EQ(Within("07", 2), 7);
    EXPECT_EQ(Within("123", 2), 12);
    EXPECT_EQ(Within("20x5", 4), 20);
    EXPECT_EQ(Within(std::string_view("4\0"
                                      "9",
                                      3),
                     4),
              4);
    EXPECT_EQ(LeadingNumber("-12", Minus::Taken), -12);
    EXPECT_EQ(LeadingNumber("-0x", Minus::Taken), 0);
}

TEST(LeadingNumberTest, TextWithoutALeadingDigitIsNoNumber) {
    for (std::string_view text : {"", "x12", "-3", " 5", "+5"}) EXPECT_EQ(LeadingNumber(text), std::nullopt) << text;
    EXPECT_EQ(Within("12", 0), std::nullopt);
    EXPECT_EQ(LeadingNumber("-", Minus::Taken), std::nullopt);
    EXPECT_EQ(LeadingNumber("--3", Minus::Taken), std::nullopt);
}

TEST(LeadingNumberTest, LongNumbersSaturateInsteadOfOverflowing) {
    EXPECT_EQ(LeadingNumber("2147483647"), INT32_MAX);
    EXPECT_EQ(LeadingNumber("2147483648"), INT32_MAX);
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), INT32_MAX);
    EXPECT_EQ(LeadingNumber("000000000000000000000031"), 31);
    EXPECT_EQ(LeadingNumber("-2147483648", Minus::Taken), INT32_MIN);
    EXPECT_EQ(LeadingNumber("-" + std::string(400, '9'), Minus::Taken), INT32_MIN);
    EXPECT_EQ(LeadingNumber("-2147483647", Minus::Taken), -INT32_MAX);
}

}  // namespace
}  // namespace trailcfg
