// An observer for tests, from degrees (north and west positive) and offsets in minutes.
#pragma once

#include "Calendar.h"
#include "Records.h"

inline crescendar::Observer At(double latDeg, double lonDeg, int zone = 0, int daylight = 0) {
    crescendar::Observer o;
    o.Latitude = crescendar::DegToRad(latDeg);
    o.Longitude = crescendar::DegToRad(lonDeg);
    o.ZoneOffset = zone;
    o.DaylightOffset = daylight;
    return o;
}
