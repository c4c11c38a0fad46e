// The present moment as the charts use it: Gregorian date from the local clock,
// the two-hour period (HourIndex) and ten-minute slot (MinuteIndex), and the lunar
// date of that moment (from 23:00 the lunar day is the next day).
//
// The clock is passed in, so a period chart is reproducible and tests can set it.
#pragma once

#include "lunar_calendar.h"

#include <cstdint>
#include <functional>

namespace zelk {

// HourIndex 0-12: 0 子 00:00-00:59, 1 丑 01:00-02:59 ... 11 亥 21:00-22:59,
// 12 the late 子 hour 23:00-23:59 (belongs to the next lunar day).
int HourIndexOfClockHour(int clockHour); // an hour outside 0-23 counts as 0 or 23
// MinuteIndex 0-11: minute / 10 in the first clock hour of a period (odd hours),
// minute / 10 + 6 in the second (even hours).
int MinuteIndexOf(int clockHour, int minute); // hour and minute limited to 0-23, 0-59

struct LocalDateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};
using Clock = std::function<LocalDateTime()>;
Clock SystemClock(); // the machine's local clock
Clock FixedClock(LocalDateTime moment);

struct CurrentTime {
    int16_t year = 0, month = 0, day = 0; // Gregorian, from the clock
    int16_t hourIndex = 0;                // HourIndex
    int16_t minuteIndex = 0;              // MinuteIndex
    LunarDate lunar;                      // lunar date of the moment (late 子 -> next day)
};

// Reads the clock into the Gregorian and index fields (an empty clock reads the
// system clock); the lunar field is left as it is.
void ReadCurrentTime(CurrentTime& now, const Clock& clock);
// ReadCurrentTime, then the lunar fields: SolarToLunar of the clock's date and,
// when the hour index is 12, NextLunarDay once. A date outside the lunar table
// gives month 0 (no lunar date).
void RefreshCurrentTime(CurrentTime& now, const Clock& clock);

} // namespace zelk
