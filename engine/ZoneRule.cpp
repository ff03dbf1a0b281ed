#include "ZoneRule.h"

#include "Calendar.h"

#include <cstdlib>

namespace crescendar {

std::string TFixedOffset::Name() const {
    const int m = std::abs(minutes_);
    return std::string("UTC") + (minutes_ < 0 ? "-" : "+") + TwoDigits(m / 60) + ":" +
           TwoDigits(m % 60);
}

UniversalTime LocalToUniversal(LocalTime t, const TZoneRule& rule) {
    // The offsets a day before and a day after the reading: the one before the change first.
    const double before = rule.OffsetAt(SameReadingAsUniversal(t) - 1.0);
    const double after = rule.OffsetAt(SameReadingAsUniversal(t) + 1.0);
    const auto fits = [&](double offset) {
        return rule.OffsetAt(ToUniversal(t, offset)) == offset;
    };
    if (fits(before) || !fits(after)) return ToUniversal(t, before);
    return ToUniversal(t, after);
}

} // namespace crescendar
