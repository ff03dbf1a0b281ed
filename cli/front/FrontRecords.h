// What the front and the Qt program share of their answers: instants as ISO 8601 texts, the
// engine's records as the JSON answers give them (the angles' texts, the equatorial position,
// the Moon's state, the Sun's position, perigee and apogee), and the moon command's figures.
// Every angle of a key that names its unit is in degrees; the older keys beside them keep
// their units for the scripts that read them.
#pragma once

#include "FrontBase.h"
#include "FrontJson.h"

#include "MoonView.h"
#include "PerigeeApogee.h"
#include "Records.h"
#include "SunPosition.h"
#include "TimeScale.h"

#include <string>

namespace crescendar::front {

// An instant as "YYYY-MM-DDThh:mm:ssZ": universal time on the proleptic Gregorian calendar
// (as ISO 8601 counts, also before 15 October 1582), the seconds rounded to whole ones (half
// a second up; a 60th second carries into the minute, hour and date). Years 0..9999 have four
// digits; a year past 9999 is written "+10000". "" for an instant that is not finite.
std::string IsoUniversal(UniversalTime t);
// The same instant as the civil time of an offset (minutes east of Greenwich):
// "YYYY-MM-DDThh:mm:ss+hh:mm", the clock reading being the rounded universal second plus the
// offset; an offset that is not a whole number of minutes is written with its seconds.
std::string IsoLocal(UniversalTime t, double offsetMinutes);
// ... with the offset in force at t in the observer's civil time.
std::string IsoLocal(UniversalTime t, const Observer& obs);
// {"UT": IsoUniversal, "Local": IsoLocal} of an instant.
TJson InstantJson(UniversalTime t, const Observer& obs);
// An instant computed in dynamical time: the universal time the program shows it at, that
// instant in civil time, and its Julian Ephemeris Day.
TJson DynamicalInstantJson(UniversalTime ut, DynamicalTime jde, const Observer& obs);
// An instant of the phase or apsis series, shown at the series instant read as universal time
// (no Delta T: SeriesInstantAsUniversal), as the windows and the calendar export show it.
TJson SeriesInstantJson(DynamicalTime jde, const Observer& obs);

TJson Json(const TAngleText& a);
TJson Json(const TEquatorialPosition& e);
TJson Json(const TMoonState& m);
TJson Json(const TSunPosition& s);
// An apsis at the series instant read as universal time, with its JDE and distance; perigee
// and apogee with their texts (each only when the series gave one).
TJson Json(const TApsisEvent& a, const Observer& obs);
TJson Json(const TPerigeeApogee& p, const Observer& obs);

// The moon command's figures of a local clock reading.
struct TMoonReading {
    TDateTimeRecord Local; // the reading the figures are of: one the clocks skip, an hour on
    UniversalTime UT;
    TMoonState Moon;
    TSunPosition Sun;
    double Age = 0.0; // days since the last new moon
    std::string PhaseName;
    std::string Lst; // local apparent sidereal time, hh:mm:ss
    TPerigeeApogee Apsides;
};
TMoonReading ReadMoon(TDateTimeRecord local, const Observer& obs);
// Its JSON object, without the zone's name.
TJson MoonJson(const TMoonReading& r, const Observer& obs);

} // namespace crescendar::front
