// Nutation, obliquity, sidereal time, the Moon's position, its principal phases,
// perigee and apogee.
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

// The Moon at one instant (the JD is universal time); also hands back the Sun.
void MoonPosition(double jd, const Observer& observer, TMoonState& moon, TSunPosition& sun);

// Cycles of a lunar period (cyclesPerYear of them a year) from 2000.0 to the record's JD, as
// the first estimate of a lunation or anomalistic-month number: (JD - start of its year) /
// 365.25 + Year - 2000, times cyclesPerYear. A JD that is not a number counts as the record's
// own date; the result stays within +-1e7 so that it always fits an integer.
long double CycleEstimate(const TDateTimeRecord& date, long double cyclesPerYear);

// Principal phases.
double MeanPhase(double k, TPhasePowers& powers);
double PhaseCorrection(const TPhasePowers& powers, TPhaseKind kind, double k);
TPhaseKind PhaseKindOf(double k);
// True instant (dynamical time, no zone) of the phase with lunation number k.
double TruePhase(double k);
// Fills the phase list of the month of date.Month/date.Year; returns the count (3..5).
int MonthPhases(TDateTimeRecord date, const Observer& observer, TPhaseList& list);
// The true new moons before and after date.JD (as given; no zone applied).
TLunationBracket LunationBracket(TDateTimeRecord date);

// A perigee or apogee from the series: its instant in dynamical time (days; the program
// shows it as civil time by adding the zone offset alone, without Delta T), the equatorial
// horizontal parallax (seconds of arc) and the distance derived from it (km).
struct TApsisEvent {
    double JDE = 0.0;
    double Parallax = 0.0;
    double DistanceKm = 0.0;
};

// The first perigee (or apogee) whose series instant is at or after jd, given on the same
// scale as JDE. estimate is a first guess of the step number (CycleEstimate with 13.2555
// steps a year). All fields are NaN only if none is found within 400 steps.
TApsisEvent NextApsis(double jd, long double estimate, bool perigee);

// The next perigee and apogee at or after the local civil instant date.JD, as texts in the
// observer's local time.
TPerigeeApogee PerigeeApogee(TDateTimeRecord date, const Observer& observer);

} // namespace crescendar
