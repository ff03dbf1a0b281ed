#include "EventText.h"

#include "Calendar.h"

#include <charconv>
#include <cmath>

namespace crescendar {

std::string ClockText(int minute) {
    return TwoDigits(minute / 60) + ":" + TwoDigits(minute % 60);
}

std::string ClockText(LocalTime t) {
    return DateTimeToText(JulianDayToDate(t.JD)).substr(0, 5);
}

std::string CrossingText(const TCrossing& c) {
    switch (c.Kind) {
    case TCrossingKind::At:
        return ClockText(c.Minute);
    case TCrossingKind::AlwaysAbove:
    case TCrossingKind::AlwaysBelow:
        return "None";
    case TCrossingKind::NeighbouringDate:
        break;
    }
    return "*****";
}

int TimeOrder(const TCrossing& c) {
    switch (c.Kind) {
    case TCrossingKind::NeighbouringDate:
        return -1;
    case TCrossingKind::At:
        return c.Minute;
    case TCrossingKind::AlwaysAbove:
    case TCrossingKind::AlwaysBelow:
        break;
    }
    return 1440;
}

TRiseSet RiseSetText(const TBodyEvents& events) {
    TRiseSet r;
    r.RiseText = CrossingText(events.Rise);
    r.TransitText = CrossingText(events.Transit);
    r.SetText = CrossingText(events.Set);
    const auto second = [](const TCrossing& c) {
        return c.Happens() ? ClockText(c.Minute) : std::string();
    };
    r.SecondRiseText = second(events.SecondRise);
    r.SecondTransitText = second(events.SecondTransit);
    r.SecondSetText = second(events.SecondSet);
    return r;
}

TDayTexts DayTexts(const TDayEvents& e) {
    if (e.Kind == TDateKind::Skipped) {
        TDayTexts skipped;
        skipped.Skipped = true;
        return skipped;
    }
    TDayTexts t{RiseSetText(e.Moon), RiseSetText(e.Sun), RiseSetText(e.CivilTwilight),
                RiseSetText(e.NauticalTwilight), RiseSetText(e.AstronomicalTwilight)};
    t.Moon.IlluminatedPercent = e.MoonIlluminatedPercent;
    return t;
}

TRiseSet SunRiseSet(TDateTimeRecord date, double h0, const Observer& observer) {
    return RiseSetText(SunEvents(date, h0, observer));
}

TRiseSet MoonRiseSet(TDateTimeRecord date, const Observer& observer) {
    std::int32_t illuminated = 0;
    TRiseSet r = RiseSetText(MoonEvents(date, observer, &illuminated));
    r.IlluminatedPercent = illuminated;
    return r;
}

TApsisText ApsisText(DynamicalTime instant, double distanceKm, const Observer& observer) {
    // Half a minute added so that the cut seconds are rounded ones.
    const LocalTime local = SeriesInstantAsLocal(instant, observer) + 0.5 / 1440.0;
    const std::string full = CutText(DateTimeToText(JulianDayToDate(local.JD)), 25);
    return {CutText(SubText(full, 1, 5) + SubText(full, 9, 16) + "  ", 25),
            CutText(std::to_string(std::llrint(distanceKm)) + " km  ", 25)};
}

std::string MagnitudeText(double magnitude, bool allDecimals, const std::string& separator) {
    double m = std::isfinite(magnitude) ? std::nearbyint(magnitude * 1000.0) / 1000.0 : 0.0;
    if (m == 0.0) m = 0.0; // no negative zero
    char buffer[64];
    const auto result =
        allDecimals ? std::to_chars(buffer, buffer + sizeof buffer, m, std::chars_format::fixed, 3)
                    : std::to_chars(buffer, buffer + sizeof buffer, m, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    if (const auto dot = text.find('.'); dot != std::string::npos && separator != ".")
        text.replace(dot, 1, separator);
    return text;
}

std::string MagnitudeText(double magnitude) {
    return MagnitudeText(magnitude, false, RegionalNames().DecimalSeparator);
}

} // namespace crescendar
