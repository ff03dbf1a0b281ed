// Nutation, obliquity, sidereal time and the change from ecliptic and equatorial to
// horizontal coordinates.
#pragma once

#include "Records.h"

namespace crescendar {

// Julian centuries of 36525 days from J2000.0 (JD 2451545.0) to jd; the scale is the caller's
// (the series of this program are all evaluated at the instant they are given).
double JulianCenturies(double jd);

// Greenwich mean sidereal time, degrees in [0, 360), at jd0h, the Julian Day of 0h universal
// time of a date (Meeus, Astronomical Algorithms, equation 12.3).
double GreenwichMeanSiderealTime(double jd0h);

// Nutation in longitude and in obliquity, seconds of arc, at jd: the 63 terms of the IAU 1980
// theory (Meeus, chapter 22, table 22.A).
TNutation Nutation(double jd);

// Mean obliquity of the ecliptic, degrees, at jd (Meeus, equation 22.2).
double MeanObliquity(double jd);

// True obliquity (mean obliquity plus the nutation in obliquity), radians, at jd; hands back
// the nutation it computed when nutation is not null.
double TrueObliquity(double jd, TNutation* nutation = nullptr);

// Right ascension and declination (degrees, with their texts; R.A. in [0, 360)) of ecliptic
// longitude lambda and latitude beta for obliquity epsilon, all three in radians (Meeus,
// equations 13.3 and 13.4).
TEquatorialPosition EclipticToEquatorial(double lambda, double beta, double epsilon);

// Local hour angle in [-180, 180], altitude and azimuth (from north through east, [0, 360)),
// degrees, of a body at right ascension ra and declination dec (degrees) at universal time jd,
// from the mean sidereal time of the instant (Meeus, equations 12.4 and 13.5, 13.6).
struct THorizontal {
    double HourAngle = 0.0;
    double Altitude = 0.0;
    double Azimuth = 0.0;
};
THorizontal EquatorialToHorizontal(double jd, double ra, double dec, const Observer& observer);

} // namespace crescendar
