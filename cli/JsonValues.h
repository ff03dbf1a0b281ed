// The values of crescendar-cli's JSON that say what they are: instants as ISO 8601 texts in
// universal time and in the observer's civil time, and the kind of a crossing of an altitude.
// docs/crescendar-cli.schema.json describes every key.
#pragma once

#include "Eclipse.h"
#include "FrontJson.h"
#include "Records.h"
#include "RiseSet.h"
#include "SolarEclipse.h"
#include "TimeScale.h"

#include <QJsonObject>
#include <QString>

namespace crescendar::cli {

// An instant as "YYYY-MM-DDThh:mm:ssZ": universal time on the proleptic Gregorian calendar
// (as ISO 8601 counts, also before 15 October 1582), the seconds rounded to whole ones (half
// a second up; a 60th second carries into the minute, hour and date). Years 0..9999 have four
// digits; a year past 9999 (the last seconds of 9999 rounded up) is written "+10000". "" for an
// instant that is not finite.
QString IsoUniversal(UniversalTime t);

// The same instant as the civil time of an offset (minutes east of Greenwich):
// "YYYY-MM-DDThh:mm:ss+hh:mm", the offset "+00:00" when it is zero. The clock reading is the
// rounded universal second plus the offset, so that both texts name the same second. An
// offset of the tz database's local mean time, which is not a whole number of minutes, is
// written with its seconds: "-00:01:15".
QString IsoLocal(UniversalTime t, double offsetMinutes);
// ... with the offset in force at t in the observer's civil time (zone rule or fixed offset).
QString IsoLocal(UniversalTime t, const Observer& observer);

// {"UT": IsoUniversal, "Local": IsoLocal} of an instant.
QJsonObject InstantJson(UniversalTime t, const Observer& observer);

// "At", "AlwaysAbove", "AlwaysBelow" or "NeighbouringDate".
QString CrossingKindName(TCrossingKind kind);

// {"Kind": ...}, with "UT" and "Local" of the instant when the kind is At.
QJsonObject CrossingJson(const TCrossing& crossing, const Observer& observer);

// A solar eclipse's kind: "partial", "annular", "total", "hybrid"; "none" for none.
QString SolarEclipseKindName(TSolarEclipseKind kind);

// "Visible", "PartlyVisible" or "NotVisible".
QString VisibilityName(TEclipseVisibility visibility);

// A value the front program built, as a QJsonValue (an object as a QJsonObject).
QJsonValue QtJson(const front::TJson& value);
QJsonObject QtJsonObject(const front::TJson& object);

} // namespace crescendar::cli
