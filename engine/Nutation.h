// Nutation, obliquity, sidereal time and the change from ecliptic and equatorial to
// horizontal coordinates.
#pragma once

#include "Records.h"
#include "TimeScale.h"

namespace crescendar {

// Julian centuries of 36525 days from J2000.0 (JD 2451545.0) to t, on t's own scale.
template <typename Scale> constexpr double JulianCenturies(TInstant<Scale> t) {
    return (t.JD - 2451545.0) / 36525.0;
}

// Greenwich mean sidereal time, degrees in [0, 360), at jd0h, 0h universal time of a date
// (Meeus, Astronomical Algorithms, equation 12.3).
double GreenwichMeanSiderealTime(UniversalTime jd0h);

// Nutation in longitude and in obliquity, seconds of arc, at a dynamical instant: the 63
// terms of the IAU 1980 theory (Meeus, chapter 22, table 22.A).
TNutation Nutation(DynamicalTime jd);

// Mean obliquity of the ecliptic, degrees, at a dynamical instant (Meeus, equation 22.2;
// valid within 10000 years of J2000.0).
double MeanObliquity(DynamicalTime jd);

// True obliquity (mean obliquity plus the nutation in obliquity), radians, at a dynamical
// instant; hands back the nutation it computed when nutation is not null.
double TrueObliquity(DynamicalTime jd, TNutation* nutation = nullptr);

// Right ascension and declination (degrees, with their texts; R.A. in [0, 360)) of ecliptic
// longitude lambda and latitude beta for obliquity epsilon, all three in radians (Meeus,
// equations 13.3 and 13.4).
TEquatorialPosition EclipticToEquatorial(double lambda, double beta, double epsilon);

// Local hour angle in [-180, 180], altitude and azimuth (from north through east, [0, 360)),
// degrees, of a body at right ascension ra and declination dec (degrees) at universal time ut,
// from the mean sidereal time of the instant (Meeus, equations 12.4 and 13.5, 13.6).
struct THorizontal {
    double HourAngle = 0.0;
    double Altitude = 0.0;
    double Azimuth = 0.0;
};
THorizontal EquatorialToHorizontal(UniversalTime ut, double ra, double dec,
                                   const Observer& observer);

} // namespace crescendar
