// Month lengths, the day limit and stepping a lunar date.
#include "lunar_calendar.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

LunarDate Lunar(int y, int m, int d, int leap = 0) {
    return LunarDate{static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d),
                     leap};
}

LunarDate Next(LunarDate d) {
    NextLunarDay(d);
    return d;
}

TEST(LunarMonths, LengthsFollowTheYearWord) {
    // 1984: 0x10B27A, a 29-day leap month after month 10.
    const auto months = LunarYearMonthLengths(1984);
    EXPECT_TRUE(months.hasLeap);
    EXPECT_EQ(months.leapMonth, 10);
    ASSERT_EQ(months.count, 13);
    const int expected[13] = {30, 29, 30, 30, 29, 29, 30, 29, 29, 30, 29, 30, 30};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(months.lengths[static_cast<std::size_t>(i)], expected[i]);
    EXPECT_EQ(LunarMonthLength(1984, 10, false), 30);
    EXPECT_EQ(LunarMonthLength(1984, 10, true), 29);
    EXPECT_EQ(LunarMonthLength(1984, 9, true), 29);  // no 閏9: the regular month
    EXPECT_EQ(LunarMonthLength(1984, 11, true), 30); // no 閏11: the regular month

    const auto common = LunarYearMonthLengths(2024);
    EXPECT_FALSE(common.hasLeap);
    EXPECT_EQ(common.count, 12);
}

TEST(LunarMonths, OutsideTheTableThereAreNoMonths) {
    EXPECT_EQ(LunarYearMonthLengths(1899).count, 0);
    EXPECT_EQ(LunarYearMonthLengths(2100).count, 0);
    EXPECT_EQ(LunarMonthLength(2100, 1, false), 0);
    EXPECT_EQ(LunarMonthLength(2024, 0, false), 0);
    EXPECT_EQ(LunarMonthLength(2024, 13, false), 0);
    EXPECT_EQ(LunarYearWord(1899), 0u);
    EXPECT_EQ(LunarYearWord(2100), 0u);
}

TEST(LunarMonths, ClampLunarDayUsesTheMonthMeant) {
    // 1906: month 4 has 29 days, its leap month 30, month 5 29, month 6 30.
    EXPECT_EQ(ClampLunarDay(4, 30, 1906, false), 29);
    EXPECT_EQ(ClampLunarDay(4, 30, 1906, true), 30);
    EXPECT_EQ(ClampLunarDay(5, 30, 1906, false), 29);
    EXPECT_EQ(ClampLunarDay(6, 30, 1906, false), 30);
    EXPECT_EQ(ClampLunarDay(3, 30, 1906, true), 30); // no 閏3: regular month 3 (30 days)
    EXPECT_EQ(ClampLunarDay(1, 15, 1984, false), 15);
    EXPECT_EQ(ClampLunarDay(1, 30, 2100, false), 30); // outside the table: as is
}

TEST(NextLunarDay, StepsThroughMonthsLeapMonthsAndYears) {
    EXPECT_EQ(Next(Lunar(2023, 12, 30)), Lunar(2024, 1, 1));
    EXPECT_EQ(Next(Lunar(2024, 1, 5)), Lunar(2024, 1, 6));
    // 1906 month 4 (29 days) -> its leap month (30 days) -> month 5 (29) -> month 6.
    EXPECT_EQ(Next(Lunar(1906, 4, 28)), Lunar(1906, 4, 29));
    EXPECT_EQ(Next(Lunar(1906, 4, 29)), Lunar(1906, 4, 1, 1));
    EXPECT_EQ(Next(Lunar(1906, 4, 29, 1)), Lunar(1906, 4, 30, 1));
    EXPECT_EQ(Next(Lunar(1906, 4, 30, 1)), Lunar(1906, 5, 1));
    EXPECT_EQ(Next(Lunar(1906, 5, 29)), Lunar(1906, 6, 1));
    EXPECT_EQ(Next(Lunar(1906, 6, 29)), Lunar(1906, 6, 30));
    // A month before the leap month (1906 month 3 has 30 days).
    EXPECT_EQ(Next(Lunar(1906, 3, 29)), Lunar(1906, 3, 30));
    EXPECT_EQ(Next(Lunar(1906, 3, 30)), Lunar(1906, 4, 1));
}

TEST(NextLunarDay, OddInputsAreHandledSafely) {
    // After the last day of the table comes lunar 2100-1-1 (Gregorian 2100-02-09).
    EXPECT_EQ(Next(Lunar(2099, 12, 30)), Lunar(2100, 1, 1));
    // Outside the table or without a lunar date: unchanged.
    EXPECT_EQ(Next(Lunar(2100, 1, 1)), Lunar(2100, 1, 1));
    EXPECT_EQ(Next(Lunar(1900, 0, 0)), Lunar(1900, 0, 0));
    EXPECT_EQ(Next(Lunar(2024, 13, 1)), Lunar(2024, 13, 1));
    // A leap flag on a month without a leap month is dropped.
    EXPECT_EQ(Next(Lunar(2024, 3, 5, 1)), Lunar(2024, 3, 6));
    // A day past the month's end moves on to the next month.
    EXPECT_EQ(Next(Lunar(2024, 2, 30)), Lunar(2024, 3, 1));
}

} // namespace
} // namespace zelk
