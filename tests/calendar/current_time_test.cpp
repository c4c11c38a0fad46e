// The clock read into the two-hour period, the ten-minute slot and the lunar date.
#include "current_time.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

CurrentTime Read(int y, int mo, int d, int h, int mi) {
    CurrentTime now;
    RefreshCurrentTime(now, FixedClock({y, mo, d, h, mi}));
    return now;
}

TEST(CurrentTime, ClockHourAndMinuteGiveTheIndices) {
    struct Row {
        int hour, minute, hourIndex, minuteIndex;
    } rows[] = {{23, 30, 12, 3},  {0, 30, 0, 9},   {2, 59, 1, 11}, {1, 0, 1, 0},
                {22, 59, 11, 11}, {21, 10, 11, 1}, {0, 0, 0, 6},   {12, 5, 6, 6}};
    for (const Row& r : rows) {
        const CurrentTime now = Read(2024, 5, 1, r.hour, r.minute);
        EXPECT_EQ(now.hourIndex, r.hourIndex) << r.hour << ":" << r.minute;
        EXPECT_EQ(now.minuteIndex, r.minuteIndex) << r.hour << ":" << r.minute;
    }
}

TEST(CurrentTime, OutOfRangeClockValuesAreLimited) {
    EXPECT_EQ(HourIndexOfClockHour(-3), 0);
    EXPECT_EQ(HourIndexOfClockHour(30), 12);
    EXPECT_EQ(MinuteIndexOf(1, 99), 5);
    EXPECT_EQ(MinuteIndexOf(1, -5), 0);
}

TEST(CurrentTime, LateZiHourMovesTheLunarDay) {
    const CurrentTime evening = Read(2024, 2, 9, 23, 30);
    EXPECT_EQ(evening.year, 2024);
    EXPECT_EQ(evening.month, 2);
    EXPECT_EQ(evening.day, 9);
    EXPECT_EQ(evening.lunar, (LunarDate{2024, 1, 1, 0}));
    EXPECT_EQ(Read(2024, 2, 9, 22, 59).lunar, (LunarDate{2023, 12, 30, 0}));
}

TEST(CurrentTime, DateOutsideTheTableHasNoLunarDate) {
    EXPECT_FALSE(Read(2150, 1, 1, 23, 0).lunar.valid());
    EXPECT_FALSE(Read(2024, 2, 30, 10, 0).lunar.valid());
}

TEST(CurrentTime, ReadCurrentTimeLeavesTheLunarFields) {
    CurrentTime now;
    now.lunar = LunarDate{2000, 5, 5, 0};
    ReadCurrentTime(now, FixedClock({2024, 5, 1, 10, 0}));
    EXPECT_EQ(now.lunar, (LunarDate{2000, 5, 5, 0}));
}

} // namespace
} // namespace zelk
