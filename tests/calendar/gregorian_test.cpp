// Gregorian day ordinals and validation.
#include "lunar_calendar.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

TEST(Gregorian, DayNumbersCountFrom1900) {
    EXPECT_EQ(DayNumber1900(1900, 1, 1), 1);
    EXPECT_EQ(DayNumber1900(1900, 1, 31), 31);
    EXPECT_EQ(DayNumber1900(1901, 1, 1), 366);                            // 1900 is a common year
    EXPECT_EQ(DayNumber1900(2000, 3, 1) - DayNumber1900(2000, 2, 28), 2); // 2000 is leap
    EXPECT_EQ(DayNumber1900(2100, 3, 1) - DayNumber1900(2100, 2, 28), 1); // 2100 is not
    EXPECT_EQ(DayNumber1900(1899, 12, 31), 0);
    // A month past 12 carries into the next year.
    EXPECT_EQ(DayNumber1900(2023, 13, 1), DayNumber1900(2024, 1, 1));
}

TEST(Gregorian, DayOfYearAndDayDifference) {
    EXPECT_EQ(DayOfYear(2024, 1, 1), 1);
    EXPECT_EQ(DayOfYear(2024, 12, 31), 366);
    EXPECT_EQ(DayOfYear(2023, 12, 31), 365);
    EXPECT_EQ(DayOfYear(2024, 3, 1), 61);
    EXPECT_EQ(DayDifference8(20240101, 20241231), 365);
    EXPECT_EQ(DayDifference8(20241231, 20240101), -365);
    EXPECT_EQ(DayDifference8(18010101, 21001231), 109572);
}

TEST(Gregorian, IsValidSolarDateTime) {
    EXPECT_TRUE(IsValidSolarDateTime(1, 1, 1801, 0, 0));
    EXPECT_TRUE(IsValidSolarDateTime(12, 31, 2099, 23, 59));
    EXPECT_FALSE(IsValidSolarDateTime(12, 31, 1800, 0, 0));
    EXPECT_FALSE(IsValidSolarDateTime(1, 1, 2100, 0, 0));
    EXPECT_TRUE(IsValidSolarDateTime(2, 29, 2024, 0, 0));
    EXPECT_FALSE(IsValidSolarDateTime(2, 29, 2023, 0, 0));
    EXPECT_FALSE(IsValidSolarDateTime(2, 29, 1900, 0, 0));
    EXPECT_TRUE(IsValidSolarDateTime(2, 29, 2000, 0, 0));
    EXPECT_TRUE(IsValidSolarDateTime(5, 0, 2024, 0, 0)); // a day of 0 passes
    EXPECT_FALSE(IsValidSolarDateTime(4, 31, 2024, 0, 0));
    EXPECT_FALSE(IsValidSolarDateTime(0, 1, 2024, 0, 0));
    EXPECT_FALSE(IsValidSolarDateTime(1, 1, 2024, 24, 0));
    EXPECT_FALSE(IsValidSolarDateTime(1, 1, 2024, 0, 60));
    EXPECT_FALSE(IsValidSolarDateTime(1, 1, 2024, -1, 0));
}

} // namespace
} // namespace zelk
