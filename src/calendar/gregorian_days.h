// Serial day numbers of the proleptic Gregorian calendar. Internal to the
// calendar layer: every conversion computes on one day number and turns it back
// into a date only at the edge.
#pragma once

#include "lunar_calendar.h"

#include <cstdint>

namespace zelk::gregorian {

// Days since 1970-01-01 (negative before); any month is normalised into the year.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day);
// The date of a day number from DaysFromCivil.
SolarDate CivilFromDays(int64_t days);

// DayNumber1900 (1900-01-01 = 1) of 1970-01-01.
inline constexpr int64_t kDay1900Of1970 = 25568;

bool IsValidDate(int year, int month, int day);

} // namespace zelk::gregorian
