// The Sun's position.
#pragma once

#include "Records.h"
#include "TimeScale.h"

namespace crescendar {

// The Sun at universal time ut (the series evaluated at ut as given, without Delta T): apparent
// longitude and latitude (degrees), distance (km), apparent right ascension and declination, and
// altitude and azimuth (degrees) at the observer; from the truncated VSOP87 series of the Earth
// with the FK5 correction, nutation and aberration (Meeus, Astronomical Algorithms, chapter 25, the
// higher accuracy method).
TSunPosition SunPosition(UniversalTime ut, const Observer& observer);
// The same, with the nutation and the true obliquity (radians) of ut already at hand.
TSunPosition SunPosition(UniversalTime ut, const Observer& observer, const TNutation& nutation,
                         double epsilon);
// The Sun's apparent longitude, degrees (not reduced), with the series evaluated at the
// dynamical instant t.
double SunApparentLongitude(DynamicalTime t);

} // namespace crescendar
