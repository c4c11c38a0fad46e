// Checks of the generator's pieces: the ΔT model, the time-scale switch at
// the leap-second record, the solar longitude against a published value,
// and the rounding of moments to the clock minute.

#include "delta_t.h"
#include "sun_longitude.h"
#include "term_moment.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace zelk::solar_terms {
namespace {

double SecondsBetween(JulianDate later, JulianDate earlier) {
    return ((later.whole - earlier.whole) + (later.fraction - earlier.fraction)) * 86400.0;
}

// The model is stitched from polynomials over separate spans; a wrong
// coefficient shows up as a jump where two of them meet. The fade from the
// observed value after the leap-second record must not jump either.
TEST(DeltaT, IsContinuousWhereThePiecesMeet) {
    for (double joint : {1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0}) {
        EXPECT_NEAR(DeltaTSeconds(joint - 1e-6), DeltaTSeconds(joint), 0.2) << joint;
    }
    // From 2026 the prediction starts at TT − UTC = 32.184 s + 37 s.
    EXPECT_NEAR(DeltaTSeconds(2026.0), 69.184, 1e-9);
}

// Between 1972 and 2026 the moment is civil UTC: TT − UTC steps by exactly
// one second over a leap second (the one at the end of 2016).
TEST(TimeScales, UseLeapSecondsWithinTheRecord) {
    const JulianDate before{2457753.5 - 1.0, 0.0}; // 2016-12-30 0h TT
    const JulianDate after{2457753.5 + 1.0, 0.0};  // 2017-01-02 0h TT
    EXPECT_NEAR(SecondsBetween(before, TerrestrialToUniversal(before)), 68.184, 1e-3);
    EXPECT_NEAR(SecondsBetween(after, TerrestrialToUniversal(after)), 69.184, 1e-3);
    // Outside the record the model applies.
    const JulianDate y1900{2415020.5, 0.0}; // 1900-01-01 0h TT
    EXPECT_NEAR(SecondsBetween(y1900, TerrestrialToUniversal(y1900)), DeltaTSeconds(1900.0), 0.1);
}

// Published high-accuracy apparent longitude of the Sun for 1992-10-13 0h
// TT: 199°54′21.56″ (worked example of a standard textbook on astronomical
// algorithms, from the full planetary theory).
TEST(SolarLongitude, MatchesAPublishedPosition) {
    const double expected = 199.0 + 54.0 / 60.0 + 21.56 / 3600.0;
    EXPECT_NEAR(ApparentSolarLongitude({2448908.5, 0.0}), expected, 0.1 / 3600.0);
}

TEST(TermBeginning, ReachesTheTermLongitude) {
    for (int term : {0, 5, 17, 23}) { // 小寒, 春分 (across 0°), 秋分, 冬至
        for (int year : {1801, 1900, 2000, 2100}) {
            const double longitude = ApparentSolarLongitude(TermBeginning(year, term));
            const double miss = std::remainder(longitude - TermLongitude(term), 360.0);
            EXPECT_LT(std::fabs(miss) * 3600.0, 0.001) << year << " term " << term;
        }
    }
    EXPECT_THROW(TermBeginning(2000, 24), std::runtime_error);
    EXPECT_THROW(TermBeginning(2000, -1), std::runtime_error);
}

// A TT moment given as the UTC+8 clock time it should show.
JulianDate TerrestrialForClock(int y, int mo, int d, double hours) {
    double mjd0;
    double mjd;
    eraCal2jd(y, mo, d, &mjd0, &mjd);
    const JulianDate local{mjd0 + mjd, hours / 24.0};
    const JulianDate utc{local.whole, local.fraction - 8.0 / 24.0};
    // Invert TT → UT: one correction suffices, ΔT changes slowly.
    const JulianDate guess{utc.whole, utc.fraction + DeltaTSeconds(DecimalYear(utc)) / 86400.0};
    const double error = SecondsBetween(TerrestrialToUniversal(guess), utc);
    return {guess.whole, guess.fraction - error / 86400.0};
}

// Rounding to the nearest minute carries 23:59:30 into the next day, the
// next month and the next year; before 1858-11-17 (negative day numbers)
// it must round the same way.
TEST(ClockMinute, RoundsToTheNearestMinuteAcrossDayBoundaries) {
    const CivilMinute up = ToUtcPlus8(TerrestrialForClock(2000, 12, 31, 23.0 + 59.6 / 60.0));
    EXPECT_EQ(up.year, 2001);
    EXPECT_EQ(up.month, 1);
    EXPECT_EQ(up.day, 1);
    EXPECT_EQ(up.hour, 0);
    EXPECT_EQ(up.minute, 0);

    const CivilMinute down = ToUtcPlus8(TerrestrialForClock(1820, 3, 1, 12.0 + 0.4 / 60.0));
    EXPECT_EQ(down.month, 3);
    EXPECT_EQ(down.day, 1);
    EXPECT_EQ(down.hour, 12);
    EXPECT_EQ(down.minute, 0);

    const CivilMinute early = ToUtcPlus8(TerrestrialForClock(1820, 2, 29, 23.0 + 59.7 / 60.0));
    EXPECT_EQ(early.month, 3);
    EXPECT_EQ(early.day, 1);
    EXPECT_EQ(early.hour, 0);
    EXPECT_EQ(early.minute, 0);
}

} // namespace
} // namespace zelk::solar_terms
