#include "equation_of_time.h"

#include <cmath>
#include <numbers>

namespace zelk {

namespace {

constexpr double kJ2000 = 2451545.0;           // 2000-01-01 12:00 TT
constexpr double kJulianDayOf1970 = 2440587.5; // 1970-01-01 00:00 UTC
constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kArcsecond = 1.0 / 3600.0; // in degrees
constexpr double kSecondsOfTimePerDegree = 240.0;

double Sin(double degrees) {
    return std::sin(degrees * kDegree);
}
double Cos(double degrees) {
    return std::cos(degrees * kDegree);
}

// Brings an angle into [-180°, 180°).
double Signed(double degrees) {
    double d = std::fmod(degrees + 180.0, 360.0);
    if (d < 0) d += 360.0;
    return d - 180.0;
}

// The Sun's mean longitude referred to the mean equinox of date (Meeus 28.2),
// in degrees; tau in Julian millennia from J2000.
double MeanLongitude(double tau) {
    return 280.4664567 +
           tau * (360007.6982779 +
                  tau * (0.03032028 + tau * (1.0 / 49931.0 +
                                             tau * (-1.0 / 15300.0 + tau * (-1.0 / 2000000.0)))));
}

struct ApparentSun {
    double rightAscension; // degrees
    double obliquity;      // true obliquity of the ecliptic, degrees
    double ascendingNode;  // longitude of the Moon's ascending node Ω, degrees
};

// Low-accuracy apparent position (Meeus ch. 25); T in Julian centuries.
ApparentSun ApparentSunAt(double T) {
    const double meanLongitude = 280.46646 + T * (36000.76983 + T * 0.0003032);
    const double meanAnomaly = 357.52911 + T * (35999.05029 - T * 0.0001537);
    const double centre = (1.914602 - T * (0.004817 + T * 0.000014)) * Sin(meanAnomaly) +
                          (0.019993 - T * 0.000101) * Sin(2 * meanAnomaly) +
                          0.000289 * Sin(3 * meanAnomaly);
    const double trueLongitude = meanLongitude + centre;
    const double node = 125.04 - 1934.136 * T;
    // Aberration (-20.5") and the main nutation term in longitude.
    const double apparentLongitude = trueLongitude - 0.00569 - 0.00478 * Sin(node);
    const double meanObliquity =
        23.0 + 26.0 / 60.0 + (21.448 - T * (46.8150 + T * (0.00059 - T * 0.001813))) * kArcsecond;
    const double obliquity = meanObliquity + 0.00256 * Cos(node);
    const double ra =
        std::atan2(Cos(obliquity) * Sin(apparentLongitude), Cos(apparentLongitude)) / kDegree;
    return {ra, obliquity, node};
}

// Nutation in longitude Δψ in degrees (Meeus ch. 22, accurate to 0.5").
double NutationInLongitude(double T, double node) {
    const double sunLongitude = 280.4665 + 36000.7698 * T;
    const double moonLongitude = 218.3165 + 481267.8813 * T;
    return (-17.20 * Sin(node) - 1.32 * Sin(2 * sunLongitude) - 0.23 * Sin(2 * moonLongitude) +
            0.21 * Sin(2 * node)) *
           kArcsecond;
}

} // namespace

double JulianDayOfUnixSeconds(int64_t unixSeconds) {
    return kJulianDayOf1970 + static_cast<double>(unixSeconds) / 86400.0;
}

double EquationOfTimeSeconds(double julianDayUt) {
    const double T = (julianDayUt - kJ2000) / 36525.0;
    const ApparentSun sun = ApparentSunAt(T);
    const double dpsi = NutationInLongitude(T, sun.ascendingNode);
    // 0.0057183° is the aberration constant applied to the mean longitude; the
    // Δψ·cos ε term is the equation of the equinoxes, so E refers to the
    // apparent (true) equinox like α.
    const double e =
        MeanLongitude(T / 10.0) - 0.0057183 - sun.rightAscension + dpsi * Cos(sun.obliquity);
    return Signed(e) * kSecondsOfTimePerDegree;
}

} // namespace zelk
