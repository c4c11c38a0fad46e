#include "delta_t.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

namespace zelk::solar_terms {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kTtMinusTaiSeconds = 32.184;

// Civil time is UTC with leap seconds from 1972-01-01; ERFA's leap-second
// record covers it up to the start of this year, so that span is converted
// exactly. No leap second was announced for any later date when the table
// was generated.
constexpr double kUtcRecordStart = 1972.0;
constexpr double kUtcRecordEnd = 2026.0;

// ΔT at the end of the leap-second record: TT − UTC = 32.184 s + 37 s.
constexpr double kDeltaTAtRecordEnd = kTtMinusTaiSeconds + 37.0;

// The polynomial for 2005–2050 runs a few seconds ahead of the observed ΔT
// (the Earth's rotation has sped up since 2016). From the end of the record
// the prediction starts at the observed value and the offset fades out
// linearly, meeting the polynomial at 2050.
constexpr double kPredictionMergeYear = 2050.0;

// ΔT polynomials of F. Espenak and J. Meeus, "Five Millennium Canon of Solar
// Eclipses: -1999 to +3000", NASA/TP-2006-214141, section 2.6 ("Polynomial
// expressions for Delta T"). Each piece covers the years given beside it.
double EspenakMeeusDeltaT(double y) {
    if (y < 1860.0) { // 1800–1860 (also used for the few days of 1800)
        const double t = y - 1800.0;
        return 13.72 - 0.332447 * t + 0.0068612 * std::pow(t, 2) + 0.0041116 * std::pow(t, 3) -
               0.00037436 * std::pow(t, 4) + 0.0000121272 * std::pow(t, 5) -
               0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900.0) { // 1860–1900
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * std::pow(t, 2) + 0.01680668 * std::pow(t, 3) -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) { // 1900–1920
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * std::pow(t, 2) + 0.0061966 * std::pow(t, 3) -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) { // 1920–1941
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * std::pow(t, 2) + 0.0020936 * std::pow(t, 3);
    }
    if (y < 1961.0) { // 1941–1961
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - std::pow(t, 2) / 233.0 + std::pow(t, 3) / 2547.0;
    }
    if (y < 1986.0) { // 1961–1986
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - std::pow(t, 2) / 260.0 - std::pow(t, 3) / 718.0;
    }
    if (y < 2005.0) { // 1986–2005
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * std::pow(t, 2) + 0.0017275 * std::pow(t, 3) +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) { // 2005–2050
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * std::pow(t, 2);
    }
    // 2050–2150
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

// TT → UTC through TAI and ERFA's leap-second record.
JulianDate TerrestrialToUtc(JulianDate tt) {
    JulianDate tai;
    JulianDate utc;
    eraTttai(tt.whole, tt.fraction, &tai.whole, &tai.fraction);
    eraTaiutc(tai.whole, tai.fraction, &utc.whole, &utc.fraction);
    return utc;
}

} // namespace

double DeltaTSeconds(double decimalYear) {
    if (decimalYear < kUtcRecordEnd) return EspenakMeeusDeltaT(decimalYear);
    const double fade = std::clamp(
        (kPredictionMergeYear - decimalYear) / (kPredictionMergeYear - kUtcRecordEnd), 0.0, 1.0);
    const double offset = kDeltaTAtRecordEnd - EspenakMeeusDeltaT(kUtcRecordEnd);
    return EspenakMeeusDeltaT(decimalYear) + offset * fade;
}

double DecimalYear(JulianDate jd) {
    // J2000.0 (JD 2451545.0) is 2000-01-01 12:00, i.e. decimal year 2000.0014.
    return 2000.0 + (jd.Days() - 2451544.5) / 365.2425;
}

JulianDate TerrestrialToUniversal(JulianDate tt) {
    const double year = DecimalYear(tt);
    if (year >= kUtcRecordStart && year < kUtcRecordEnd) return TerrestrialToUtc(tt);
    return {tt.whole, tt.fraction - DeltaTSeconds(year) / kSecondsPerDay};
}

} // namespace zelk::solar_terms
