// Every calendar function takes arbitrary integers without overflow, reads
// outside a table or a result that looks computed. Run under the sanitizers this
// also proves the absence of undefined behaviour for the extremes.
#include "current_time.h"
#include "date_text.h"
#include "lunar_calendar.h"
#include "pillars.h"

#include "synthetic_term_table.h"

#include <gtest/gtest.h>

#include <climits>

namespace zelk {
namespace {

constexpr int kOdd[] = {INT_MIN, -32768, -1, 0,    1,    2,    12,    13,     29,
                        30,      31,     32, 1800, 1899, 2100, 32767, INT_MAX};

TEST(ExtremeArguments, ConversionsRefuseOrGiveNoLunarDate) {
    for (int y : kOdd)
        for (int m : kOdd)
            for (int d : kOdd) {
                const LunarDate lunar = SolarToLunar(y, m, d);
                if (lunar.valid()) {
                    EXPECT_GE(y, 1900);
                    EXPECT_LE(y, 2100);
                }
                const auto solar = LunarToSolar(y, m, d, (y ^ m ^ d) & 1);
                if (solar) {
                    EXPECT_TRUE(y >= 1900 && y <= 2099 && m >= 1 && m <= 12 && d >= 1);
                }
                const int length = LunarMonthLength(y, m, d & 1);
                EXPECT_TRUE(length == 0 || length == 29 || length == 30);
                (void)ClampLunarDay(m, d, y, d & 1);
                (void)DayNumber1900(y, m, d);
                (void)DayOfYear(y, m, d);
                (void)IsValidSolarDateTime(m, d, y, d, m);
                LunarDate step{static_cast<int16_t>(y), static_cast<int16_t>(m),
                               static_cast<int16_t>(d), d & 1};
                NextLunarDay(step);
            }
    EXPECT_EQ(LunarYearMonthLengths(INT_MIN).count, 0);
    EXPECT_EQ(LunarYearMonthLengths(INT_MAX).count, 0);
    (void)DayDifference8(INT_MIN, INT_MAX);
}

TEST(ExtremeArguments, PillarsAndTextsStayInRange) {
    const SolarTermTable table = testing::SyntheticTermTable();
    for (int y : kOdd)
        for (int m : kOdd)
            for (int h : kOdd) {
                if (const auto p = FourPillarsLunar(y, m, 1, h)) {
                    for (uint8_t v : p->p)
                        EXPECT_LT(v, 60);
                }
                if (const auto p = FourPillarsSolarTerms(table, y, m, 1, h)) {
                    for (uint8_t v : p->pillars.p)
                        EXPECT_LT(v, 60);
                    EXPECT_GE(p->solarTermNow, 0);
                    EXPECT_LE(p->solarTermNow, 23);
                }
                const int t = SolarTermIndex(table, y, m, 1, h, h);
                EXPECT_TRUE(t >= -1 && t <= 23);
                std::string text;
                LunarDatePillars(y, m, 1, false, h, text, h);
                FormatMinguoYear(y, text);
                FormatMinguoYearShort(y, text);
                FormatChartDate(h, "", text, y, m, h, h, h, h & 1);
                (void)HourIndexOfClockHour(h);
                (void)MinuteIndexOf(h, m);
            }
    std::string text;
    FormatMinguoYear(INT_MIN, text);
    EXPECT_EQ(text, "民國前2147485560年");
}

} // namespace
} // namespace zelk
