// The Sun's position.
#pragma once

#include "Records.h"

namespace crescendar {

// The Sun at universal time jd (evaluated at jd as given, without Delta T): apparent longitude
// and latitude (degrees), distance (km), apparent right ascension and declination, and altitude
// and azimuth (degrees) at the observer; from the truncated VSOP87 series of the Earth with
// the FK5 correction, nutation and aberration (Meeus, Astronomical Algorithms, chapter 25, the
// higher accuracy method).
TSunPosition SunPosition(double jd, const Observer& observer);
// The same, with the nutation and the true obliquity (radians) of jd already at hand.
TSunPosition SunPosition(double jd, const Observer& observer, const TNutation& nutation,
                         double epsilon);

} // namespace crescendar
