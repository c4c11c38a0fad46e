// Gregorian and Chinese lunisolar dates.
//
// Epoch and conventions: every conversion counts days from 1900-01-01 = day 1;
// lunar 1900-1-1 is Gregorian 1900-01-31. The lunar table covers lunar years
// 1900-2099, i.e. Gregorian 1900-01-31 to 2100-02-08. Years, months and days are
// 16-bit signed; month 0 in a LunarDate means "no lunar date" (outside the table).
// Gregorian month lengths come from a pure function; there is no shared mutable
// month table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zelk {

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2099;

struct SolarDate {
    int16_t year = 0;
    int16_t month = 0; // 1-12
    int16_t day = 0;   // 1-31
    friend bool operator==(const SolarDate&, const SolarDate&) = default;
};

struct LunarDate {
    int16_t year = 0;  // 1900-2099
    int16_t month = 0; // 1-12; 0 = no lunar date
    int16_t day = 0;   // 1-30
    int32_t leap = 0;  // 1 = the day lies in the leap month that follows `month`
    bool valid() const { return month != 0; }
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The packed word of one lunar year (bits 0-3 leap month, bits 15..4 months 1..12
// big/small, bit 16 leap month big/small); 0 outside 1900-2099.
uint32_t LunarYearWord(int lunarYear);

bool IsGregorianLeapYear(int year);
int GregorianMonthLength(int year, int month); // 0 for a month outside 1-12

// Gregorian -> lunar. Dates before 1900-01-31 or after 2100-02-08 give month 0
// (year 1900 before the epoch, year 2099 after the end; day 0, leap 0); so does a
// date that does not exist (month outside 1-12, day outside the month), with
// year 1900.
LunarDate SolarToLunar(int year, int month, int day);

// Lunar -> Gregorian. The day is limited to the length of the month meant (the
// leap month when `leap` is set). Refuses (nullopt) a lunar year outside
// 1900-2099, a month outside 1-12, a day below 1, and a leap flag on a month
// that is not the year's leap month (no such date exists).
std::optional<SolarDate> LunarToSolar(int year, int month, int day, bool leap);

// 29 or 30; 0 outside the table or for a month outside 1-12.
int LunarMonthLength(int year, int month, bool leap);

struct LunarYearMonths {
    std::array<int8_t, 13>
        lengths{};     // calendar order; the leap month right after its regular month
    int count = 0;     // 12 or 13 (0 outside the table)
    int leapMonth = 0; // 0 = none
    bool hasLeap = false;
};
LunarYearMonths LunarYearMonthLengths(int year);

// The day limited to the length of that month (regular month unless `leap`
// names the year's real leap month). Outside the table the day comes back as is.
int ClampLunarDay(int month, int day, int year, bool leap);

// Steps a lunar date one day forward in place (month 12 -> month 1 of the next
// year; a regular month that has a leap month -> that leap month). A date outside
// the table, with a month outside 1-12 or a day below 1 is left unchanged; a leap
// flag on a month without a leap month is dropped. The day after lunar 2099-12-30
// is lunar 2100-1-1, which lies outside the table (it converts to nothing).
void NextLunarDay(LunarDate& date);

// Serial day numbers on the proleptic Gregorian calendar: 1900-01-01 = 1, days
// before it count down through 0 and below. A month outside 1-12 carries into the
// neighbouring years and the day is simply added, so nothing is ever looked up.
int32_t DayNumber1900(int year, int month, int day);
int DayOfYear(int year, int month, int day); // 1 January = 1

// Day difference b - a of two dates written as YYYYMMDD.
int32_t DayDifference8(int32_t yyyymmddA, int32_t yyyymmddB);

// True exactly when 1801 <= year <= 2099, 1 <= month <= 12, 0 <= day <= month
// length, 0 <= hour <= 23 and 0 <= minute <= 59 (a day of 0 passes).
bool IsValidSolarDateTime(int month, int day, int year, int hour, int minute);

} // namespace zelk
