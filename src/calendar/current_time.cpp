// The present moment: the clock read into the two-hour period and ten-minute slot,
// and its lunar date.
#include "current_time.h"

#include <algorithm>
#include <ctime>

namespace zelk {

int HourIndexOfClockHour(int clockHour) {
    // 23:xx gives 12 (the late 子 hour), 00:xx gives 0.
    return (std::clamp(clockHour, 0, 23) + 1) / 2;
}

int MinuteIndexOf(int clockHour, int minute) {
    const int hour = std::clamp(clockHour, 0, 23);
    const int slot = std::clamp(minute, 0, 59) / 10;
    // A period starts on an odd clock hour; the even hour is its second half.
    return hour % 2 == 0 ? slot + 6 : slot;
}

Clock SystemClock() {
    return [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                             local.tm_min};
    };
}

Clock FixedClock(LocalDateTime moment) {
    return [moment] { return moment; };
}

void ReadCurrentTime(CurrentTime& now, const Clock& clock) {
    const LocalDateTime moment = clock ? clock() : SystemClock()();
    now.year = static_cast<int16_t>(std::clamp(moment.year, -32768, 32767));
    now.month = static_cast<int16_t>(std::clamp(moment.month, -32768, 32767));
    now.day = static_cast<int16_t>(std::clamp(moment.day, -32768, 32767));
    now.hourIndex = static_cast<int16_t>(HourIndexOfClockHour(moment.hour));
    now.minuteIndex = static_cast<int16_t>(MinuteIndexOf(moment.hour, moment.minute));
}

void RefreshCurrentTime(CurrentTime& now, const Clock& clock) {
    ReadCurrentTime(now, clock);
    now.lunar = SolarToLunar(now.year, now.month, now.day);
    // From 23:00 the lunar day is the next day.
    if (now.hourIndex == 12 && now.lunar.valid()) NextLunarDay(now.lunar);
}

} // namespace zelk
