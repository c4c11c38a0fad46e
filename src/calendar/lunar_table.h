// The packed lunar-year table and the day numbers of the lunar new years derived
// from it. Internal to the calendar layer.
#pragma once

#include <cstdint>

namespace zelk::lunar_table {

// Bits of a year word.
inline constexpr uint32_t kLeapMonthMask = 0xF;    // month followed by the leap month, 0 = none
inline constexpr uint32_t kLeapMonthBig = 0x10000; // the leap month has 30 days
inline constexpr uint32_t kMonthOneBit = 0x8000;   // month k: kMonthOneBit >> (k - 1)

// The word of a lunar year; 0 outside 1900-2099.
uint32_t Word(int lunarYear);

// DayNumber1900 of lunar month 1 day 1 of a year, for 1900..2100 (2100 gives the
// day after the last day of lunar 2099); 0 outside.
int32_t NewYearDay(int lunarYear);

inline constexpr int LeapMonthOf(uint32_t word) {
    return static_cast<int>(word & kLeapMonthMask);
}
inline constexpr int RegularMonthLength(uint32_t word, int month) {
    return (word & (kMonthOneBit >> (month - 1))) ? 30 : 29;
}
inline constexpr int LeapMonthLength(uint32_t word) {
    return (word & kLeapMonthBig) ? 30 : 29;
}

} // namespace zelk::lunar_table
