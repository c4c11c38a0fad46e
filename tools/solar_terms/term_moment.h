#pragma once

#include "delta_t.h"

namespace zelk::solar_terms {

// The 24 terms of a Gregorian year in table order: 小寒 (term 0, in early
// January) … 冬至 (term 23, in late December). Term i begins when the Sun's
// apparent longitude reaches 285° + 15°·i (mod 360°).
constexpr int kTermsPerYear = 24;

double TermLongitude(int term);

// The TT moment at which term `term` (0–23) of Gregorian year `year` begins,
// found to about a millisecond. Throws std::runtime_error if the search does
// not converge (it always has over 1801–2100).
JulianDate TermBeginning(int year, int term);

// A civil moment to the minute.
struct CivilMinute {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Clock time in UTC+8 (standard time of China and Taiwan), rounded to the
// nearest minute; a moment from 23:59:30 on rounds into the next day.
CivilMinute ToUtcPlus8(JulianDate tt);

// The same moment in UTC+8 as a Julian date, unrounded (for checking).
JulianDate ToUtcPlus8Exact(JulianDate tt);

} // namespace zelk::solar_terms
