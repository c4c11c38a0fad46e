#pragma once

#include "delta_t.h"

namespace zelk::solar_terms {

// Apparent geocentric ecliptic longitude of the Sun in degrees [0, 360),
// referred to the true equinox and ecliptic of date, at a TT moment.
//
// "Apparent" means: the Sun where it is seen from the Earth's centre, i.e.
// its position one light time (about 8.3 minutes) earlier, displaced by the
// annual aberration of the Earth's motion, with precession (IAU 2006) and
// nutation in longitude (IAU 2000A) carrying it to the equinox of date.
double ApparentSolarLongitude(JulianDate tt);

} // namespace zelk::solar_terms
