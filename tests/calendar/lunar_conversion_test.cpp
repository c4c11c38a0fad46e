// Conversions between Gregorian and lunar dates over the whole table, and the
// corrected entries and limits.
#include "lunar_calendar.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

// Steps a Gregorian date by one day without the calendar's own day numbers.
SolarDate NextGregorianDay(SolarDate d) {
    if (d.day < GregorianMonthLength(d.year, d.month)) {
        ++d.day;
    } else if (d.month < 12) {
        ++d.month;
        d.day = 1;
    } else {
        ++d.year;
        d.month = 1;
        d.day = 1;
    }
    return d;
}

LunarDate Lunar(int y, int m, int d, int leap = 0) {
    return LunarDate{static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d),
                     leap};
}

SolarDate Solar(int y, int m, int d) {
    return SolarDate{static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d)};
}

TEST(LunarConversion, EveryDayOfTheTableConvertsAndConvertsBack) {
    SolarDate solar = Solar(1900, 1, 31);
    LunarDate expectedNext = Lunar(1900, 1, 1);
    int days = 0, newYears = 0, leapDays = 0;
    for (;; solar = NextGregorianDay(solar)) {
        const LunarDate lunar = SolarToLunar(solar.year, solar.month, solar.day);
        ASSERT_TRUE(lunar.valid()) << solar.year << "-" << solar.month << "-" << solar.day;
        ASSERT_EQ(lunar, expectedNext) << solar.year << "-" << solar.month << "-" << solar.day;
        const auto back = LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.leap != 0);
        ASSERT_TRUE(back.has_value());
        ASSERT_EQ(*back, solar) << lunar.year << "/" << lunar.month << "/" << lunar.day;
        ASSERT_LE(lunar.day, LunarMonthLength(lunar.year, lunar.month, lunar.leap != 0));
        days++;
        newYears += lunar.month == 1 && lunar.day == 1 && !lunar.leap;
        leapDays += lunar.leap;
        if (solar == Solar(2100, 2, 8)) break;
        expectedNext = lunar;
        NextLunarDay(expectedNext);
    }
    EXPECT_EQ(days, 73058); // 1900-01-31 .. 2100-02-08
    EXPECT_EQ(newYears, 200);
    EXPECT_GT(leapDays, 70 * 29);
}

TEST(LunarConversion, KnownNewYears) {
    EXPECT_EQ(SolarToLunar(1900, 1, 31), Lunar(1900, 1, 1));
    EXPECT_EQ(SolarToLunar(1984, 2, 2), Lunar(1984, 1, 1));
    EXPECT_EQ(SolarToLunar(2000, 2, 5), Lunar(2000, 1, 1));
    EXPECT_EQ(SolarToLunar(2024, 2, 10), Lunar(2024, 1, 1));
    EXPECT_EQ(SolarToLunar(2024, 2, 9), Lunar(2023, 12, 30));
    EXPECT_EQ(SolarToLunar(1984, 2, 10), Lunar(1984, 1, 9));
}

TEST(LunarConversion, LeapMonthsKeepTheirFlagBothWays) {
    // 1900 has a 29-day leap month after month 8.
    const auto solar = LunarToSolar(1900, 8, 1, true);
    ASSERT_TRUE(solar);
    EXPECT_EQ(*solar, Solar(1900, 9, 24));
    EXPECT_EQ(SolarToLunar(solar->year, solar->month, solar->day), Lunar(1900, 8, 1, 1));
    EXPECT_EQ(LunarToSolar(1900, 8, 1, false), Solar(1900, 8, 25));
    // 2023 閏2.
    EXPECT_EQ(SolarToLunar(2023, 3, 22), Lunar(2023, 2, 1, 1));
}

TEST(LunarConversion, Year2033HasItsLeapMonthAfterMonth11) {
    EXPECT_EQ(LunarYearWord(2033), 0x104AFBu);
    const auto months = LunarYearMonthLengths(2033);
    EXPECT_EQ(months.leapMonth, 11);
    ASSERT_EQ(months.count, 13);
    const int expected[13] = {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 29, 30};
    int total = 0;
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(months.lengths[static_cast<std::size_t>(i)], expected[i]) << i;
        total += months.lengths[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(total, 384);
    // 閏十一月 begins on 2033-12-22, month 12 on 2034-01-20, lunar 2034 on 2034-02-19.
    EXPECT_EQ(LunarToSolar(2033, 11, 1, true), Solar(2033, 12, 22));
    EXPECT_EQ(SolarToLunar(2033, 12, 22), Lunar(2033, 11, 1, 1));
    EXPECT_EQ(SolarToLunar(2034, 1, 20), Lunar(2033, 12, 1));
    EXPECT_EQ(SolarToLunar(2034, 2, 19), Lunar(2034, 1, 1));
    EXPECT_EQ(LunarToSolar(2033, 7, 1, true), std::nullopt); // no 閏7 any more
}

TEST(LunarConversion, Day30OfALongLeapMonthAfterAShortMonth) {
    // 1906: month 4 has 29 days, its leap month 30.
    ASSERT_EQ(LunarMonthLength(1906, 4, false), 29);
    ASSERT_EQ(LunarMonthLength(1906, 4, true), 30);
    const auto day29 = LunarToSolar(1906, 4, 29, true);
    const auto day30 = LunarToSolar(1906, 4, 30, true);
    const auto month5 = LunarToSolar(1906, 5, 1, false);
    ASSERT_TRUE(day29 && day30 && month5);
    EXPECT_EQ(DayNumber1900(day30->year, day30->month, day30->day),
              DayNumber1900(day29->year, day29->month, day29->day) + 1);
    EXPECT_EQ(DayNumber1900(month5->year, month5->month, month5->day),
              DayNumber1900(day30->year, day30->month, day30->day) + 1);
    EXPECT_EQ(SolarToLunar(day30->year, day30->month, day30->day), Lunar(1906, 4, 30, 1));
}

TEST(LunarConversion, DayBeyondTheMonthMeansItsLastDay) {
    // 1900 month 1 has 29 days.
    ASSERT_EQ(LunarMonthLength(1900, 1, false), 29);
    EXPECT_EQ(LunarToSolar(1900, 1, 30, false), LunarToSolar(1900, 1, 29, false));
    // 1906 regular month 4: day 30 is its day 29, not the leap month's first day.
    EXPECT_EQ(LunarToSolar(1906, 4, 30, false), LunarToSolar(1906, 4, 29, false));
}

TEST(LunarConversion, OutsideTheTableThereIsNoLunarDate) {
    EXPECT_EQ(SolarToLunar(1900, 1, 30), Lunar(1900, 0, 0));
    EXPECT_EQ(SolarToLunar(1801, 1, 1), Lunar(1900, 0, 0));
    EXPECT_EQ(SolarToLunar(-5, 1, 1).month, 0);
    EXPECT_TRUE(SolarToLunar(2100, 2, 8).valid());
    EXPECT_EQ(SolarToLunar(2100, 2, 8).year, 2099);
    EXPECT_EQ(SolarToLunar(2100, 2, 9), Lunar(2099, 0, 0));
    EXPECT_EQ(SolarToLunar(2101, 1, 1).month, 0);
    EXPECT_EQ(SolarToLunar(32000, 1, 1).month, 0);
    // Impossible Gregorian dates have no lunar date either.
    EXPECT_EQ(SolarToLunar(2023, 2, 29).month, 0);
    EXPECT_EQ(SolarToLunar(2024, 13, 1).month, 0);
    EXPECT_EQ(SolarToLunar(2024, 1, 0).month, 0);
}

TEST(LunarConversion, LunarToSolarRefusesWhatIsNotALunarDate) {
    EXPECT_EQ(LunarToSolar(1899, 12, 1, false), std::nullopt);
    EXPECT_EQ(LunarToSolar(2100, 1, 1, false), std::nullopt);
    EXPECT_EQ(LunarToSolar(2024, 0, 1, false), std::nullopt);
    EXPECT_EQ(LunarToSolar(2024, 13, 1, false), std::nullopt);
    EXPECT_EQ(LunarToSolar(2024, 1, 0, false), std::nullopt);
    EXPECT_EQ(LunarToSolar(2024, 1, 1, true), std::nullopt); // 2024 has no leap month
    EXPECT_EQ(LunarToSolar(2099, 12, 30, false), Solar(2100, 2, 8));
}

} // namespace
} // namespace zelk
