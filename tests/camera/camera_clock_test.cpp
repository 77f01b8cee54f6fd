// The calendar and the number reading behind the clock edits.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "camera/camera_clock.h"
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

TEST(CameraClockTest, ReadsTheLeadingDigitsWithinTheLimit) {
    int value = -1;
    EXPECT_TRUE(ParseLeadingNumber("2025", 4, value));
    EXPECT_EQ(value, 2025);
    EXPECT_TRUE(ParseLeadingNumber("07", 2, value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(ParseLeadingNumber("123", 2, value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(ParseLeadingNumber("20x5", 4, value));
    EXPECT_EQ(value, 20);
    EXPECT_TRUE(ParseLeadingNumber(std::string("4\0"
                                               "9",
                                               3),
                                   4, value));
    EXPECT_EQ(value, 4);
}

TEST(CameraClockTest, TextWithoutALeadingDigitLeavesTheValueAlone) {
    int value = 42;
    EXPECT_FALSE(ParseLeadingNumber("", 4, value));
    EXPECT_FALSE(ParseLeadingNumber("x12", 4, value));
    EXPECT_FALSE(ParseLeadingNumber("-3", 4, value));
    EXPECT_FALSE(ParseLeadingNumber(" 5", 4, value));
    EXPECT_FALSE(ParseLeadingNumber("12", 0, value));
    EXPECT_EQ(value, 42);
}

TEST(CameraClockTest, LongNumbersSaturateInsteadOfOverflowing) {
    int value = 0;
    EXPECT_TRUE(ParseLeadingNumber("2147483647", std::string::npos, value));
    EXPECT_EQ(value, INT_MAX);
    EXPECT_TRUE(ParseLeadingNumber("2147483648", std::string::npos, value));
    EXPECT_EQ(value, INT_MAX);
    EXPECT_TRUE(ParseLeadingNumber(std::string(400, '9'), std::string::npos, value));
    EXPECT_EQ(value, INT_MAX);
    EXPECT_TRUE(ParseLeadingNumber("000000000000000000000031", std::string::npos, value));
    EXPECT_EQ(value, 31);
}

}  // namespace
}  // namespace trailcfg
