// The equation of time: apparent solar time minus mean solar time.
//
// Standard library only, so that it could sit in the calendar layer unchanged.
// The Sun's apparent right ascension comes from the low-accuracy solar
// coordinates of Meeus, "Astronomical Algorithms" (2nd ed., ch. 25: mean
// longitude, mean anomaly and equation of the centre, with the apparent-place
// corrections for nutation and aberration); the equation of time is his
// formula 28.3, E = L0 - 0.0057183° - α + Δψ·cos ε, with the nutation in
// longitude Δψ from the short series of ch. 22. Over 1800-2100 the result lies
// within a few seconds of an ephemeris, far inside the minute a chart needs.
//
// Time argument: Julian Day on the UT scale. The tables are written in TT, but
// the equation changes by at most about 30 s a day, so the minute or so between
// UT and TT moves it by well under 0.1 s.
#pragma once

#include <cstdint>

namespace zelk {

// Julian Day (UT) of a moment given as seconds since 1970-01-01 00:00 UTC.
double JulianDayOfUnixSeconds(int64_t unixSeconds);

// Apparent minus mean solar time in seconds (about -14.3 min in February to
// +16.4 min in November).
double EquationOfTimeSeconds(double julianDayUt);

} // namespace zelk
