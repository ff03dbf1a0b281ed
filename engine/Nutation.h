// Nutation, obliquity, sidereal time and the change from ecliptic and equatorial to
// horizontal coordinates.
#pragma once

#include "Records.h"

namespace crescendar {

// Nutation, obliquity and sidereal time.
double JulianCenturies(double jd);
double GreenwichMeanSiderealTime(double jd0h);
TNutation Nutation(double jd);
double TrueObliquity(double jd, TNutation* nutation = nullptr);
double MeanObliquity(double jd); // degrees
TEquatorialPosition EclipticToEquatorial(double lambda, double beta, double epsilon);

// Local hour angle in [-180, 180], altitude and azimuth (from north through east, [0, 360)),
// degrees, of a body at right ascension ra and declination dec (degrees) at instant jd.
struct THorizontal {
    double HourAngle = 0.0;
    double Altitude = 0.0;
    double Azimuth = 0.0;
};
THorizontal EquatorialToHorizontal(double jd, double ra, double dec, const Observer& observer);

} // namespace crescendar
