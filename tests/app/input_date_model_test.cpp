// The input dialog's date lists: leap-month entries, selections, calendar switches.
#include "app/input_date_model.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

TEST(InputDateModel, LeapYearMonthListHasTheLeapEntryAfterItsMonth) {
    InputDateModel m;
    m.start(2020, 6, 1, 0, 0); // lunar 2020 has a leap 4th month
    m.switchToLunar();
    const auto entries = m.monthEntries();
    ASSERT_EQ(entries.size(), 13u);
    EXPECT_EQ(entries[3].month, 4);
    EXPECT_FALSE(entries[3].leap);
    EXPECT_EQ(entries[4].month, 4);
    EXPECT_TRUE(entries[4].leap);
    EXPECT_EQ(entries[5].month, 5);
    EXPECT_FALSE(entries[5].leap);

    m.selectMonth(4);
    EXPECT_EQ(m.lunarDate().month, 4);
    EXPECT_EQ(m.lunarDate().leap, 1);
    EXPECT_EQ(m.monthIndex(), 4);
    m.selectMonth(5);
    EXPECT_EQ(m.lunarDate().month, 5);
    EXPECT_EQ(m.lunarDate().leap, 0);
    EXPECT_EQ(m.monthIndex(), 5);
    m.selectMonth(3);
    EXPECT_EQ(m.lunarDate().month, 4);
    EXPECT_EQ(m.lunarDate().leap, 0);
    EXPECT_EQ(m.monthIndex(), 3);
}

TEST(InputDateModel, GregorianModeAlwaysHasTwelveMonths) {
    InputDateModel m;
    m.start(2020, 6, 1, 0, 0);
    EXPECT_EQ(m.monthEntries().size(), 12u);
    m.selectYear(2021 - 1900);
    EXPECT_EQ(m.solar().year, 2021);
    EXPECT_EQ(m.monthIndex(), 5);
}

TEST(InputDateModel, ChoosingAYearWithoutLeapMonthClearsTheLeapFlag) {
    InputDateModel m;
    m.start(2020, 6, 1, 0, 0);
    m.switchToLunar();
    m.selectMonth(4); // 閏4
    ASSERT_EQ(m.lunarDate().leap, 1);
    m.selectYear(2021 - 1900);
    EXPECT_EQ(m.lunarDate().year, 2021);
    EXPECT_EQ(m.lunarDate().leap, 0);
    EXPECT_EQ(m.lunarDate().month, 4);
    EXPECT_EQ(m.monthEntries().size(), 12u);
    EXPECT_EQ(m.monthIndex(), 3);
}

TEST(InputDateModel, MonthIndexCountsTheLeapEntryBeforeLaterMonths) {
    InputDateModel m;
    m.start(2020, 6, 1, 0, 0);
    m.switchToLunar();
    m.selectMonth(10); // month 10 of a year with leap 4 is the 11th entry
    EXPECT_EQ(m.lunarDate().month, 10);
    m.selectYear(2019 - 1900);
    m.selectYear(2020 - 1900);
    EXPECT_EQ(m.monthIndex(), 10);
}

TEST(InputDateModel, SwitchingCalendarsBackAndForthKeepsTheDate) {
    // Ordinary days, a leap-month day, the last days of months and years.
    const SolarDate dates[] = {{1986, 3, 15},  {2020, 6, 10}, {2020, 7, 20}, {1984, 2, 1},
                               {2000, 12, 31}, {1900, 1, 31}, {2099, 1, 1}};
    for (const SolarDate& d : dates) {
        InputDateModel m;
        m.start(d.year, d.month, d.day, 3, 6);
        m.switchToLunar();
        m.switchToGregorian();
        EXPECT_EQ(m.solar(), d) << d.year << "-" << d.month << "-" << d.day;
    }
}

TEST(InputDateModel, SwitchingToLunarShowsTheLunarDateOfTheDay) {
    InputDateModel m;
    m.start(2020, 6, 10, 0, 0); // lunar 2020 閏4月19
    m.switchToLunar();
    EXPECT_EQ(m.lunarDate(), (LunarDate{2020, 4, 19, 1}));
    EXPECT_EQ(m.yearIndex(), 120);
    EXPECT_EQ(m.monthIndex(), 4);
    EXPECT_EQ(m.dayIndex(), 18);
}

TEST(InputDateModel, DayListFollowsTheMonthAndLowersTheDay) {
    InputDateModel m;
    m.start(2023, 1, 31, 0, 0);
    EXPECT_EQ(m.dayCount(), 31);
    m.selectMonth(1); // February 2023
    EXPECT_EQ(m.dayCount(), 28);
    EXPECT_EQ(m.solar().day, 28);
    m.selectYear(2024 - 1900);
    EXPECT_EQ(m.dayCount(), 29);
    EXPECT_EQ(m.solar().day, 28); // lowered days are not raised again

    // A 30-day lunar month followed by a 29-day one.
    m.switchToLunar();
    for (int i = 0; i < 12; ++i) {
        m.selectMonth(i);
        const int length = m.dayCount();
        EXPECT_TRUE(length == 29 || length == 30);
        m.selectDay(length - 1);
        EXPECT_EQ(m.lunarDate().day, length);
    }
}

TEST(InputDateModel, SelectionsOutsideTheListsAreIgnored) {
    InputDateModel m;
    m.start(2000, 5, 5, 4, 8);
    m.selectYear(-1);
    m.selectYear(200);
    m.selectMonth(12);
    m.selectDay(31);
    m.selectHour(13);
    EXPECT_EQ(m.solar(), (SolarDate{2000, 5, 5}));
    EXPECT_EQ(m.hourIndex(), 4);
    EXPECT_EQ(m.hour(), 8);
    m.selectHour(12);
    EXPECT_EQ(m.hourIndex(), 12);
    EXPECT_EQ(m.hour(), 24);
}

TEST(InputDateModel, DaysBeforeTheLunarTableShowTheFirstLunarDay) {
    InputDateModel m;
    m.start(1900, 1, 5, 0, 0);
    m.switchToLunar();
    EXPECT_EQ(m.lunarDate(), (LunarDate{1900, 1, 1, 0}));
    m.makeCalendarsAgree();
    EXPECT_EQ(m.solar(), (SolarDate{1900, 1, 31}));
}

TEST(InputDateModel, ConfirmingInGregorianModeRecomputesTheLunarDate) {
    InputDateModel m;
    m.start(1984, 2, 2, 0, 0);
    m.switchToLunar();
    m.switchToGregorian();
    m.selectDay(9); // 1984-02-10, lunar 1984-1-9
    m.makeCalendarsAgree();
    EXPECT_EQ(m.lunarDate(), (LunarDate{1984, 1, 9, 0}));
}

} // namespace
} // namespace zelk
