// The rule that gives a place's offset from universal time at any instant: a fixed offset, or
// (outside the engine) the rules of the system's time-zone database.
#pragma once

#include "TimeScale.h"

#include <memory>
#include <string>

namespace crescendar {

class TZoneRule {
  public:
    virtual ~TZoneRule() = default;
    // Minutes east of Greenwich in force at a universal instant (zone and daylight saving);
    // whole minutes but for the local mean times of the tz database before standard time.
    virtual double OffsetAt(UniversalTime t) const = 0;
    // The rule's name as the user sees it: an IANA name ("Europe/London"), or "UTC+05:30".
    virtual std::string Name() const = 0;
};

// One offset at every instant.
class TFixedOffset final : public TZoneRule {
  public:
    explicit TFixedOffset(int minutes) : minutes_(minutes) {}
    double OffsetAt(UniversalTime) const override { return minutes_; }
    std::string Name() const override;

  private:
    int minutes_;
};

// The universal instant of a local clock reading under a rule. A reading the clocks skip (the
// hour lost when they go forward) and a reading they show twice (the hour repeated when they
// go back) are both read with the offset in force before the change: 01:30 on a London
// spring-forward day, which the clocks skip, is 01:30 UT (02:30 BST), and 01:30 on its
// fall-back day is its first occurrence, 00:30 UT. The rule is assumed to change at most once
// within a day of the reading.
UniversalTime LocalToUniversal(LocalTime t, const TZoneRule& rule);

} // namespace crescendar
