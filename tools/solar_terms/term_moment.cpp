#include "term_moment.h"

#include "sun_longitude.h"

#include <erfa.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace zelk::solar_terms {

namespace {

constexpr double kTropicalYearDays = 365.24219;
constexpr double kMinutesPerDay = 1440.0;
constexpr double kUtcPlus8Days = 8.0 / 24.0;
constexpr double kMjdZero = 2400000.5;

// Convergence: a millisecond in time, far below the minute the table keeps.
constexpr double kTimeToleranceDays = 1e-3 / 86400.0;
constexpr int kMaxIterations = 40;

// Angle difference folded into (−180°, 180°], so that the search works the
// same across the 0°/360° wrap at 春分.
double SignedDegrees(double a) {
    double r = std::fmod(a, 360.0);
    if (r <= -180.0) r += 360.0;
    if (r > 180.0) r -= 360.0;
    return r;
}

// Starting point: 小寒 falls near January 5.5 and the terms follow about
// every 15.2 days; the eccentric orbit moves them by at most about two days
// from this even spacing.
JulianDate FirstGuess(int year, int term) {
    double mjd0;
    double mjd;
    if (eraCal2jd(year, 1, 5, &mjd0, &mjd) != 0)
        throw std::runtime_error("bad year " + std::to_string(year));
    return {mjd0 + mjd, 0.5 + term * kTropicalYearDays / kTermsPerYear};
}

double Residual(JulianDate t, double target) {
    return SignedDegrees(ApparentSolarLongitude(t) - target);
}

} // namespace

double TermLongitude(int term) {
    return std::fmod(285.0 + 15.0 * term, 360.0);
}

JulianDate TermBeginning(int year, int term) {
    if (term < 0 || term >= kTermsPerYear)
        throw std::runtime_error("term out of range: " + std::to_string(term));
    const double target = TermLongitude(term);

    // Secant method on the longitude; the Sun moves about 1° a day, so one
    // day between the first two points is a good slope estimate.
    JulianDate a = FirstGuess(year, term);
    JulianDate b{a.whole, a.fraction + 1.0};
    double fa = Residual(a, target);
    double fb = Residual(b, target);
    for (int i = 0; i < kMaxIterations; ++i) {
        if (fb == fa) break;
        const double step = -fb * (b.fraction - a.fraction) / (fb - fa);
        a = b;
        fa = fb;
        b = {b.whole, b.fraction + step};
        fb = Residual(b, target);
        if (std::fabs(step) < kTimeToleranceDays) return b;
    }
    throw std::runtime_error("no convergence for year " + std::to_string(year) + " term " +
                             std::to_string(term));
}

JulianDate ToUtcPlus8Exact(JulianDate tt) {
    const JulianDate ut = TerrestrialToUniversal(tt);
    return {ut.whole, ut.fraction + kUtcPlus8Days};
}

CivilMinute ToUtcPlus8(JulianDate tt) {
    const JulianDate local = ToUtcPlus8Exact(tt);
    // Count whole minutes from the MJD epoch: keeps the rounding exact and
    // carries 23:59:30 and later into the next day.
    const long long minutes =
        std::llround(((local.whole - kMjdZero) + local.fraction) * kMinutesPerDay);
    const long long perDay = static_cast<long long>(kMinutesPerDay);
    long long day = minutes / perDay;
    long long minuteOfDay = minutes % perDay;
    if (minuteOfDay < 0) {
        minuteOfDay += perDay;
        --day;
    }

    CivilMinute out;
    double dayFraction;
    eraJd2cal(kMjdZero, static_cast<double>(day), &out.year, &out.month, &out.day, &dayFraction);
    out.hour = static_cast<int>(minuteOfDay / 60);
    out.minute = static_cast<int>(minuteOfDay % 60);
    return out;
}

} // namespace zelk::solar_terms
