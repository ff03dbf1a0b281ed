// An observer for tests, from degrees (north and west positive) and offsets in minutes.
#pragma once

#include "Calendar.h"
#include "Records.h"
#include "ZoneRule.h"

#include <string>

inline crescendar::Observer At(double latDeg, double lonDeg, int zone = 0, int daylight = 0) {
    crescendar::Observer o;
    o.Latitude = crescendar::DegToRad(latDeg);
    o.Longitude = crescendar::DegToRad(lonDeg);
    o.ZoneOffset = zone;
    o.DaylightOffset = daylight;
    return o;
}

// A zone whose offset (minutes) changes once, at universal instant `change` (a Julian Day).
class OneChange final : public crescendar::TZoneRule {
  public:
    OneChange(int before, int after, double change)
        : before_(before), after_(after), change_(change) {}
    double OffsetAt(crescendar::UniversalTime t) const override {
        return t.JD < change_ ? before_ : after_;
    }
    std::string Name() const override { return "test"; }

  private:
    int before_, after_;
    double change_;
};
