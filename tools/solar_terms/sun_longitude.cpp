#include "sun_longitude.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace zelk::solar_terms {

namespace {

// Speed of light in astronomical units per day.
constexpr double kLightAuPerDay = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;

double Norm(const double v[3]) {
    return std::hypot(v[0], v[1], v[2]);
}

// Vector from the Earth's centre to the Sun's position one light time ago,
// in BCRS (ICRS-aligned) axes, in au. The Earth's heliocentric vector h gives
// the geometric direction −h; the Sun itself drifts around the barycentre at
// its barycentric velocity, so one light time back it stood τ·v⊙ behind.
void LightTimeCorrectedSun(const double earthHelio[2][3], const double earthBary[2][3],
                           double sun[3]) {
    double sunVelocity[3];
    for (int k = 0; k < 3; ++k)
        sunVelocity[k] = earthBary[1][k] - earthHelio[1][k];
    const double tau = Norm(earthHelio[0]) / kLightAuPerDay;
    for (int k = 0; k < 3; ++k)
        sun[k] = -earthHelio[0][k] - tau * sunVelocity[k];
}

// Direction of the Sun displaced by the aberration of the Earth's
// barycentric velocity (the relativistic formula ERFA implements).
void AberratedDirection(double sun[3], const double earthBary[2][3], double direction[3]) {
    double distance;
    double natural[3];
    eraPn(sun, &distance, natural);
    double velocity[3];
    for (int k = 0; k < 3; ++k)
        velocity[k] = earthBary[1][k] / kLightAuPerDay;
    const double bm1 = std::sqrt(1.0 - Norm(velocity) * Norm(velocity));
    eraAb(natural, velocity, distance, bm1, direction);
}

} // namespace

double ApparentSolarLongitude(JulianDate tt) {
    // The Earth ephemeris takes TDB; TT and TDB differ by under 2 ms, which
    // moves the Sun by less than 0.0001″.
    double earthHelio[2][3];
    double earthBary[2][3];
    eraEpv00(tt.whole, tt.fraction, earthHelio, earthBary); // status 1 only warns outside 1900–2100

    double sun[3];
    LightTimeCorrectedSun(earthHelio, earthBary, sun);
    double direction[3];
    AberratedDirection(sun, earthBary, direction);

    // ICRS → mean ecliptic and equinox of date (frame bias and precession).
    double toEcliptic[3][3];
    eraEcm06(tt.whole, tt.fraction, toEcliptic);
    double ecliptic[3];
    eraRxp(toEcliptic, direction, ecliptic);
    const double meanLongitude = std::atan2(ecliptic[1], ecliptic[0]);

    // Nutation moves the true equinox along the ecliptic by Δψ; the change
    // of obliquity tilts only the equator and leaves longitudes alone.
    double dpsi;
    double deps;
    eraNut06a(tt.whole, tt.fraction, &dpsi, &deps);

    return eraAnp(meanLongitude + dpsi) * ERFA_DR2D;
}

} // namespace zelk::solar_terms
