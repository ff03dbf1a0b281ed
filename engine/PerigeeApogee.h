// The Moon's perigee and apogee.
#pragma once

#include "Records.h"

namespace crescendar {

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
