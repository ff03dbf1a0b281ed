// The offset rule of an IANA time zone from the system's tz database, historical rules
// included.
#pragma once

#include "ZoneRule.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace crescendar {

// The rule of the zone named ianaName ("Europe/London"); null when the system does not know
// that zone.
std::shared_ptr<const TZoneRule> TimeZoneRule(const std::string& ianaName);

// The IANA name of the computer's own zone ("" when it has none the database names).
std::string SystemZoneName();

// Every zone name the system knows, sorted.
std::vector<std::string> ZoneNames();

// The names of ZoneNames() near text, at most `most`, the nearest first, without regard to
// case: those that begin with the text, then those a few letters away from it (at most a third
// of its letters, or 2), counting the whole name or its last part alone ("Kolkatta" is near
// "Asia/Kolkata"). None when no name is that near.
std::vector<std::string> ClosestZoneNames(const std::string& text, std::size_t most = 3);

} // namespace crescendar
