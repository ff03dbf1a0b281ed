// The Moon's position.
#pragma once

#include "Records.h"
#include "TimeScale.h"

namespace crescendar {

// The Moon at universal time ut, as the program's rule has it: the lunar series (Meeus,
// Astronomical Algorithms, chapter 47, the 60 periodic terms of tables 47.A and 47.B) is
// evaluated at ut as given, without Delta T (SeriesArgument). Fills the geocentric position
// (radians), distance (km), equatorial horizontal parallax and semidiameter (degrees), apparent
// right ascension and declination, topocentric right ascension and declination (Meeus, chapter 40),
// altitude and azimuth (degrees, azimuth from north through east), the position angle of the bright
// limb and the phase angle (degrees, chapter 48) and the illuminated percentage. Also hands back
// the Sun at the same instant, computed on the way with the same nutation.
void MoonPosition(UniversalTime ut, const Observer& observer, TMoonState& moon, TSunPosition& sun);

} // namespace crescendar
