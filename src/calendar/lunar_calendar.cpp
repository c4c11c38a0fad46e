// Conversions between Gregorian and lunar dates, month lengths and stepping a
// lunar date. Both conversions go through the day number (1900-01-01 = 1) and the
// table of lunar new-year day numbers, so neither walks the years.
#include "lunar_calendar.h"

#include "gregorian_days.h"
#include "lunar_table.h"

#include <algorithm>
#include <bit>

namespace zelk {

using namespace lunar_table;

namespace {

bool InTable(int lunarYear) {
    return lunarYear >= kFirstLunarYear && lunarYear <= kLastLunarYear;
}

LunarDate NoLunarDate(int year) {
    return LunarDate{static_cast<int16_t>(year), 0, 0, 0};
}

// The lunar year whose new year is the last one on or before `dayNumber`; the
// caller has checked that the day lies inside the table.
int LunarYearOfDay(int32_t dayNumber) {
    // A lunar year averages 365.2422 days; the estimate is off by at most one year.
    int year = kFirstLunarYear +
               static_cast<int>((dayNumber - NewYearDay(kFirstLunarYear)) * 10000LL / 3652422);
    year = std::clamp(year, kFirstLunarYear, kLastLunarYear);
    while (year > kFirstLunarYear && NewYearDay(year) > dayNumber)
        --year;
    while (year < kLastLunarYear && NewYearDay(year + 1) <= dayNumber)
        ++year;
    return year;
}

// Days from the new year to day 1 of `month` (regular month, 1..12): the regular
// months before it plus the leap month when it comes earlier.
int DaysBeforeMonth(uint32_t word, int month) {
    const uint32_t earlierBits = (0xFFFFu << (17 - month)) & 0xFFF0u; // months 1..month-1
    int days = 29 * (month - 1) + std::popcount(word & earlierBits);
    const int leapMonth = LeapMonthOf(word);
    if (leapMonth != 0 && leapMonth < month) days += LeapMonthLength(word);
    return days;
}

} // namespace

uint32_t LunarYearWord(int lunarYear) {
    return Word(lunarYear);
}

LunarDate SolarToLunar(int year, int month, int day) {
    if (year < kFirstLunarYear || !gregorian::IsValidDate(year, month, day))
        return NoLunarDate(kFirstLunarYear);
    if (year > kLastLunarYear + 1) return NoLunarDate(kLastLunarYear);
    const int32_t dayNumber = DayNumber1900(year, month, day);
    if (dayNumber < NewYearDay(kFirstLunarYear)) return NoLunarDate(kFirstLunarYear);
    if (dayNumber >= NewYearDay(kLastLunarYear + 1)) return NoLunarDate(kLastLunarYear);

    const int lunarYear = LunarYearOfDay(dayNumber);
    const uint32_t word = Word(lunarYear);
    const int leapMonth = LeapMonthOf(word);
    int offset = dayNumber - NewYearDay(lunarYear); // 0-based day within the lunar year
    for (int m = 1; m <= 12; ++m) {
        const int regular = RegularMonthLength(word, m);
        if (offset < regular)
            return LunarDate{static_cast<int16_t>(lunarYear), static_cast<int16_t>(m),
                             static_cast<int16_t>(offset + 1), 0};
        offset -= regular;
        if (m == leapMonth) {
            const int leap = LeapMonthLength(word);
            if (offset < leap)
                return LunarDate{static_cast<int16_t>(lunarYear), static_cast<int16_t>(m),
                                 static_cast<int16_t>(offset + 1), 1};
            offset -= leap;
        }
    }
    return NoLunarDate(lunarYear); // unreachable: the year's length bounds the offset
}

std::optional<SolarDate> LunarToSolar(int year, int month, int day, bool leap) {
    if (!InTable(year) || month < 1 || month > 12 || day < 1) return std::nullopt;
    const uint32_t word = Word(year);
    // A leap flag on a month that has no leap month names no date.
    if (leap && LeapMonthOf(word) != month) return std::nullopt;

    // Day 30 of a 29-day month means its last day; the limit is the length of the
    // month meant, so day 30 of a 30-day leap month stays day 30.
    const int length = leap ? LeapMonthLength(word) : RegularMonthLength(word, month);
    int offset = DaysBeforeMonth(word, month) + std::min(day, length) - 1;
    if (leap) offset += RegularMonthLength(word, month); // the leap month follows its regular month
    return gregorian::CivilFromDays(NewYearDay(year) + offset - gregorian::kDay1900Of1970);
}

int LunarMonthLength(int year, int month, bool leap) {
    if (!InTable(year) || month < 1 || month > 12) return 0;
    const uint32_t word = Word(year);
    if (leap && LeapMonthOf(word) == month) return LeapMonthLength(word);
    return RegularMonthLength(word, month);
}

LunarYearMonths LunarYearMonthLengths(int year) {
    LunarYearMonths result;
    if (!InTable(year)) return result;
    const uint32_t word = Word(year);
    result.leapMonth = LeapMonthOf(word);
    result.hasLeap = result.leapMonth != 0;
    for (int m = 1; m <= 12; ++m) {
        result.lengths[static_cast<std::size_t>(result.count++)] =
            static_cast<int8_t>(RegularMonthLength(word, m));
        if (m == result.leapMonth)
            result.lengths[static_cast<std::size_t>(result.count++)] =
                static_cast<int8_t>(LeapMonthLength(word));
    }
    return result;
}

int ClampLunarDay(int month, int day, int year, bool leap) {
    const int length = LunarMonthLength(year, month, leap);
    if (length == 0) return day;
    return day < length ? day : length;
}

void NextLunarDay(LunarDate& date) {
    if (!InTable(date.year) || date.month < 1 || date.month > 12 || date.day < 1) return;
    const uint32_t word = Word(date.year);
    const int leapMonth = LeapMonthOf(word);
    // Only the year's real leap month carries the flag.
    const bool inLeapMonth = date.leap != 0 && leapMonth == date.month;
    const int length = inLeapMonth ? LeapMonthLength(word) : RegularMonthLength(word, date.month);
    if (date.day < length) {
        ++date.day;
        date.leap = inLeapMonth ? 1 : 0;
        return;
    }
    date.day = 1;
    if (!inLeapMonth && leapMonth == date.month) {
        date.leap = 1; // from the regular month into its leap month
        return;
    }
    date.leap = 0;
    if (date.month == 12) {
        ++date.year; // after lunar 2099 this is lunar 2100-1-1, outside the table
        date.month = 1;
    } else {
        ++date.month;
    }
}

} // namespace zelk
