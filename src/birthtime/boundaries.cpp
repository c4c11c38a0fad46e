// The borders near a birth: the 時辰 borders at the odd hours (23:00 also begins
// the next lunar day) and the beginnings of the solar terms.
#include "birth_time_steps.h"

#include <cstdlib>

namespace zelk::birthtime {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

} // namespace

NeighbourHour NeighbourOf(const LocalDateTime& used) {
    // Minutes of the day; the borders lie at 01:00, 03:00 ... 23:00. Midnight is
    // no border: the late 子 hour and the 子 hour after midnight give one chart.
    const int m = used.hour * 60 + used.minute;
    const int hour = used.hour;
    const int previous =
        hour % 2 == 1 ? hour * 60 : (hour - 1) * 60; // -60: 23:00 of the day before
    const int next =
        hour % 2 == 1 ? (hour + 2) * 60 : (hour + 1) * 60; // 1500: 01:00 of the next day
    const int sincePrevious = m - previous;
    const int untilNext = next - m;

    NeighbourHour n;
    int64_t across; // a minute on the other side of the nearer border
    int border;
    if (sincePrevious <= untilNext) {
        n.minutes = sincePrevious;
        n.earlier = true;
        across = LocalSeconds(used) - (sincePrevious + 1) * 60;
        border = previous;
    } else {
        n.minutes = untilNext;
        across = LocalSeconds(used) + untilNext * 60;
        border = next;
    }
    n.dayChange = (border + kMinutesPerDay) % kMinutesPerDay == 23 * 60;
    const LocalDateTime t = LocalOfSeconds(across);
    n.hour = {t.year, t.month, t.day, HourIndexOfClockHour(t.hour)};
    return n;
}

std::optional<NearTerm> NearestSolarTerm(const SolarTermTable& table, int64_t utcSeconds) {
    constexpr int64_t kUtc8 = 8 * 3600;
    // The month of the instant in UTC+8 and the months on either side hold the
    // two terms before it and the two after it.
    const LocalDateTime at = LocalOfSeconds(utcSeconds + kUtc8);
    std::optional<NearTerm> best;
    int64_t bestDistance = 0;
    for (int step = -1; step <= 1; ++step) {
        int year = at.year;
        int month = at.month + step;
        if (month < 1) {
            month = 12;
            --year;
        } else if (month > 12) {
            month = 1;
            ++year;
        }
        for (int index = 2 * (month - 1); index <= 2 * (month - 1) + 1; ++index) {
            const auto term = table.term(year, index);
            if (!term) continue;
            const int64_t moment =
                LocalSeconds({year, term->month, term->day, term->hour, term->minute}) - kUtc8;
            const int64_t distance = std::llabs(moment - utcSeconds);
            if (!best || distance < bestDistance) {
                best = NearTerm{index, moment};
                bestDistance = distance;
            }
        }
    }
    return best;
}

} // namespace zelk::birthtime
