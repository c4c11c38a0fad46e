#pragma once

// Time scales of the solar-term generator.
//
// The Sun's position is computed in Terrestrial Time (TT); the table holds
// civil clock time in UTC+8. Between the two lies ΔT = TT − UT, the slowly
// growing lag of the Earth's rotation behind a uniform clock.

namespace zelk::solar_terms {

// A Julian date split in two parts (as ERFA takes them) so that the sum
// keeps sub-millisecond resolution.
struct JulianDate {
    double whole = 0.0;
    double fraction = 0.0;

    double Days() const { return whole + fraction; }
};

// ΔT in seconds for a decimal Gregorian year (e.g. 1984.1 ≈ early February 1984).
double DeltaTSeconds(double decimalYear);

// Decimal Gregorian year of a Julian date (good to a day, enough for ΔT).
double DecimalYear(JulianDate jd);

// Converts a TT moment to Universal Time: UTC from 1972 (when civil time is
// defined by UTC with leap seconds) until the end of the leap-second record,
// UT1 from the ΔT model before and after.
JulianDate TerrestrialToUniversal(JulianDate tt);

} // namespace zelk::solar_terms
