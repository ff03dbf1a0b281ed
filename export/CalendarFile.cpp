#include "CalendarFile.h"

#include "Calendar.h"
#include "EventText.h"
#include "Version.h"

#include <libical/ical.h>

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace crescendar {

namespace {

// A text of the calendar in the language in force, its %1, %2... filled in.
template <typename... Args> std::string Text(const char* source, const Args&... args) {
    const QString text = QCoreApplication::translate("CalendarFile", source);
    if constexpr (sizeof...(Args) == 0)
        return text.toStdString();
    else
        return text.arg(QString::fromStdString(args)...).toStdString();
}

// A UTC instant on the proleptic Gregorian calendar, to the second.
struct TUtcFields {
    long long Year = 0;
    int Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
};

TUtcFields UtcFields(UniversalTime t) {
    // Whole seconds from JD 0 at midnight (JD -0.5): the day number is the Julian Day Number
    // of the civil day, the remainder the time of day. Rounding the seconds first carries a
    // 60th second into the minute, hour and date.
    const long long total = std::llround((t.JD + 0.5) * 86400.0);
    long long jdn = total / 86400;
    long long seconds = total % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --jdn;
    }
    // Julian Day Number to the Gregorian calendar (Richards' algorithm).
    const long long f = jdn + 1401 + (((4 * jdn + 274277) / 146097) * 3) / 4 - 38;
    const long long e = 4 * f + 3;
    const long long g = (e % 1461) / 4;
    const long long h = 5 * g + 2;
    TUtcFields u;
    u.Day = static_cast<int>((h % 153) / 5 + 1);
    u.Month = static_cast<int>((h / 153 + 2) % 12 + 1);
    u.Year = e / 1461 - 4716 + (14 - u.Month) / 12;
    u.Hour = static_cast<int>(seconds / 3600);
    u.Minute = static_cast<int>(seconds / 60 % 60);
    u.Second = static_cast<int>(seconds % 60);
    return u;
}

icaltimetype IcalTime(UniversalTime t) {
    const TUtcFields u = UtcFields(t);
    icaltimetype r = icaltime_null_time();
    r.year = static_cast<int>(u.Year);
    r.month = u.Month;
    r.day = u.Day;
    r.hour = u.Hour;
    r.minute = u.Minute;
    r.second = u.Second;
    r.is_date = 0;
    r.zone = icaltimezone_get_utc_timezone();
    return r;
}

std::string DateKey(UniversalTime t) {
    const TUtcFields u = UtcFields(t);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02d-%02d", u.Year, u.Month, u.Day);
    return buffer;
}

// Degrees north/east positive as "51.5000° N".
std::string Hemisphere(double degrees, char positive, char negative) {
    char buffer[64];
    double a = std::nearbyint(std::fabs(degrees) * 10000.0) / 10000.0;
    std::snprintf(buffer, sizeof buffer, "%.4f\xC2\xB0 %c", a,
                  a == 0.0 || degrees > 0 ? positive : negative);
    return buffer;
}

std::string PlaceText(const Observer& o) {
    // The observer counts longitude west positive.
    return Hemisphere(RadToDeg(o.Latitude), 'N', 'S') + ", " +
           Hemisphere(EastLongitudeDegrees(o), 'E', 'W');
}

// "hh:mm:ss  dd Month yyyy (zone)" of a universal instant in the observer's civil time.
std::string LocalText(UniversalTime t, const Observer& o) {
    return DateTimeToText(JulianDayToDate(o.ToLocal(t).JD)) + " (" + o.ZoneName() + ")";
}

std::string HourText(UniversalTime t) {
    return UtcText(t).substr(11);
}

std::string Category(TYearEventKind kind) {
    switch (kind) {
    case TYearEventKind::Phase:
        return Text(QT_TRANSLATE_NOOP("CalendarFile", "Moon phases"));
    case TYearEventKind::Eclipse:
        return Text(QT_TRANSLATE_NOOP("CalendarFile", "Lunar eclipses"));
    case TYearEventKind::Perigee:
    case TYearEventKind::Apogee:
        return Text(QT_TRANSLATE_NOOP("CalendarFile", "Perigee and apogee"));
    case TYearEventKind::Season:
        return Text(QT_TRANSLATE_NOOP("CalendarFile", "Equinoxes and solstices"));
    case TYearEventKind::SolarEclipse:
        return Text(QT_TRANSLATE_NOOP("CalendarFile", "Solar eclipses"));
    }
    return "";
}

// The lines of a solar eclipse after its name: the eclipse worldwide, then at the place, its
// contacts on the observer's clocks.
std::string SolarDescription(const TSolarEclipseAtPlace& s, const Observer& o) {
    const TSolarLocalCircumstances& l = s.Local;
    std::string d =
        Text(QT_TRANSLATE_NOOP("CalendarFile", "Worldwide: %1, greatest magnitude %2"),
             SolarEclipseName(s.Eclipse.Kind), MagnitudeText(s.Eclipse.Magnitude, true, ".")) +
        "\n" +
        Text(QT_TRANSLATE_NOOP("CalendarFile", "Greatest eclipse %1 UTC"),
             UtcText(s.Eclipse.Greatest)) +
        "\n";
    // Where the place sees none of it, its contacts are the shadow's passage below the
    // horizon, or through the Earth on the far side: they are left out.
    if (!SeenAtPlace(l)) {
        d += Text(QT_TRANSLATE_NOOP("CalendarFile", "At the place: no eclipse seen")) + "\n";
    } else {
        d += Text(QT_TRANSLATE_NOOP("CalendarFile", "At the place: %1"), SolarEclipseName(l.Kind)) +
             "\n";
        // A contact that happens: source is "<contact>: %1", the local instant.
        const auto contact = [&](const char* source, const TSolarContact& c) {
            if (!c.Happens) return;
            std::string at = LocalText(c.Instant, o);
            if (!c.SunUp)
                at = Text(QT_TRANSLATE_NOOP("CalendarFile", "%1, the Sun below the horizon"), at);
            d += Text(source, at) + "\n";
        };
        contact(QT_TRANSLATE_NOOP("CalendarFile", "First contact: %1"), l.C1);
        contact(QT_TRANSLATE_NOOP("CalendarFile", "Second contact: %1"), l.C2);
        contact(QT_TRANSLATE_NOOP("CalendarFile", "Maximum: %1"), l.Maximum);
        contact(QT_TRANSLATE_NOOP("CalendarFile", "Third contact: %1"), l.C3);
        contact(QT_TRANSLATE_NOOP("CalendarFile", "Fourth contact: %1"), l.C4);
        d += Text(QT_TRANSLATE_NOOP("CalendarFile", "Magnitude %1, obscuration %2"),
                  MagnitudeText(l.AtMaximum.Magnitude, true, "."),
                  ObscurationText(l.AtMaximum.Obscuration)) +
             "\n";
    }
    return d + Text(QT_TRANSLATE_NOOP("CalendarFile", "Seen from %1: %2"), PlaceText(o),
                    VisibilityText(l.Visibility));
}

std::string Description(const TYearEvent& e, const Observer& o) {
    std::string d = YearEventName(e) + "\n";
    // The instant in universal time, then on the observer's clocks.
    const auto instant = [&] {
        d += Text(QT_TRANSLATE_NOOP("CalendarFile", "%1 UTC"), UtcText(e.Instant)) + "\n" +
             Text(QT_TRANSLATE_NOOP("CalendarFile", "Local time: %1"), LocalText(e.Instant, o));
    };
    switch (e.Kind) {
    case TYearEventKind::Phase:
        instant();
        if (e.BlueMoon)
            d += "\n" + Text(QT_TRANSLATE_NOOP("CalendarFile",
                                               "The second full moon of the calendar month (%1)"),
                             o.ZoneName());
        break;
    case TYearEventKind::Perigee:
    case TYearEventKind::Apogee: {
        char km[32];
        std::snprintf(km, sizeof km, "%lld", std::llround(e.DistanceKm));
        instant();
        d += "\n" + Text(QT_TRANSLATE_NOOP("CalendarFile", "Distance of the Moon: %1 km"),
                         std::string(km));
        break;
    }
    case TYearEventKind::Season:
        instant();
        break;
    case TYearEventKind::Eclipse: {
        const TEclipseResult& r = e.Eclipse;
        const TEclipseElements& x = r.Elements;
        if (r.EclipseType == kPenumbralEclipse)
            d += Text(QT_TRANSLATE_NOOP("CalendarFile", "Penumbral magnitude %1"),
                      MagnitudeText(r.PenumbralMagnitude, true, "."));
        else
            d += Text(
                QT_TRANSLATE_NOOP("CalendarFile", "Umbral magnitude %1, penumbral magnitude %2"),
                MagnitudeText(r.UmbralMagnitude, true, "."),
                MagnitudeText(r.PenumbralMagnitude, true, "."));
        d +=
            "\n" +
            Text(QT_TRANSLATE_NOOP("CalendarFile", "Greatest eclipse %1 UTC"), UtcText(e.Instant)) +
            "\n";
        // A phase of the eclipse: source is "<phase> %1 to %2 UTC".
        const auto span = [&d](const char* source, UniversalTime mid, double half) {
            d += Text(source, HourText(mid - half), HourText(mid + half)) + "\n";
        };
        span(QT_TRANSLATE_NOOP("CalendarFile", "Penumbra %1 to %2 UTC"), x.JD,
             x.PenumbralSemiduration);
        if (r.EclipseType >= kPartialEclipse)
            span(QT_TRANSLATE_NOOP("CalendarFile", "Umbra %1 to %2 UTC"), x.JD,
                 x.PartialSemiduration);
        if (r.EclipseType == kTotalEclipse)
            span(QT_TRANSLATE_NOOP("CalendarFile", "Totality %1 to %2 UTC"), x.JD,
                 x.TotalSemiduration);
        d += Text(QT_TRANSLATE_NOOP("CalendarFile", "Local time: maximum %1"),
                  LocalText(e.Instant, o)) +
             "\n";
        d += Text(QT_TRANSLATE_NOOP("CalendarFile", "Seen from %1: %2"), PlaceText(o),
                  VisibilityText(r.Visibility));
        break;
    }
    case TYearEventKind::SolarEclipse:
        if (e.SolarEclipse) d += SolarDescription(*e.SolarEclipse, o);
        break;
    }
    return d;
}

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

} // namespace

std::optional<TYearEventKinds> ParseEventKinds(const std::string& list, std::string* unknown) {
    TYearEventKinds kinds{false, false, false, false};
    bool any = false;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        std::string word = list.substr(start, end - start);
        const auto first = word.find_first_not_of(" \t");
        const auto last = word.find_last_not_of(" \t");
        word = first == std::string::npos ? std::string() : word.substr(first, last - first + 1);
        if (word == "phases")
            kinds.Phases = true;
        else if (word == "eclipses")
            kinds.Eclipses = true;
        else if (word == "apsides")
            kinds.Apsides = true;
        else if (word == "seasons")
            kinds.Seasons = true;
        else {
            if (unknown) *unknown = word;
            return std::nullopt;
        }
        any = true;
        start = end + 1;
    }
    if (!any) {
        if (unknown) unknown->clear();
        return std::nullopt;
    }
    return kinds;
}

std::string UtcText(UniversalTime t) {
    const TUtcFields u = UtcFields(t);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02d-%02d %02d:%02d:%02d", u.Year, u.Month, u.Day,
                  u.Hour, u.Minute, u.Second);
    return buffer;
}

std::string EventUid(const TYearEvent& e) {
    std::string kind;
    switch (e.Kind) {
    case TYearEventKind::Phase:
        switch (e.Phase) {
        case TPhaseKind::NewMoon:
            kind = "phase-new";
            break;
        case TPhaseKind::FirstQuarter:
            kind = "phase-first-quarter";
            break;
        case TPhaseKind::FullMoon:
            kind = "phase-full";
            break;
        case TPhaseKind::LastQuarter:
            kind = "phase-last-quarter";
            break;
        }
        break;
    case TYearEventKind::Eclipse:
        kind = "lunar-eclipse";
        break;
    case TYearEventKind::SolarEclipse:
        kind = "solar-eclipse";
        break;
    case TYearEventKind::Perigee:
        kind = "perigee";
        break;
    case TYearEventKind::Apogee:
        kind = "apogee";
        break;
    case TYearEventKind::Season: {
        static const char* const names[] = {"march-equinox", "june-solstice", "september-equinox",
                                            "december-solstice"};
        kind = names[static_cast<int>(e.Season)];
        break;
    }
    }
    return kind + "-" + DateKey(e.Instant) + "@crescendar";
}

namespace {

// libical's text of a component or property (lines folded, ending in CR LF).
std::string IcalText(char* text) {
    std::string result = text ? text : "";
    icalmemory_free_buffer(text);
    return result;
}

// The calendar's first line and its own properties: what stands before the events.
std::string CalendarHead(int fromYear, int toYear) {
    std::string years = std::to_string(fromYear);
    if (toYear != fromYear) years += "\xE2\x80\x93" + std::to_string(toYear);
    const std::string title =
        Text(QT_TRANSLATE_NOOP("CalendarFile", "Crescendar: the Moon and the seasons %1"), years);
    icalproperty* name = icalproperty_new_x(title.c_str());
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    // As libical writes a VCALENDAR: its BEGIN line, then each property.
    std::string head = "BEGIN:VCALENDAR\r\n"; // not user text
    for (icalproperty* property :
         {icalproperty_new_version("2.0"),
          icalproperty_new_prodid("-//Crescendar//Crescendar " CRESCENDAR_VERSION "//EN"),
          icalproperty_new_calscale("GREGORIAN"), name}) {
        head += IcalText(icalproperty_as_ical_string_r(property));
        icalproperty_free(property);
    }
    return head;
}

constexpr const char* kCalendarEnd = "END:VCALENDAR\r\n"; // not user text

// One event's VEVENT.
std::string EventText(const TYearEvent& e, const icaltimetype& dtstamp, const Observer& observer) {
    std::unique_ptr<icalcomponent, ComponentDeleter> event(
        icalcomponent_new(ICAL_VEVENT_COMPONENT));
    icalcomponent* ev = event.get();
    icalcomponent_add_property(ev, icalproperty_new_uid(EventUid(e).c_str()));
    icalcomponent_add_property(ev, icalproperty_new_dtstamp(dtstamp));
    icalcomponent_add_property(ev, icalproperty_new_dtstart(IcalTime(e.Start)));
    // An instant has no end: without DTEND the event ends when it starts. A lunar eclipse
    // lasts from its first to its last penumbral contact, a solar one the place sees from
    // its first to its last contact there.
    if (e.End > e.Start) icalcomponent_add_property(ev, icalproperty_new_dtend(IcalTime(e.End)));
    icalcomponent_add_property(ev, icalproperty_new_summary(YearEventName(e).c_str()));
    icalcomponent_add_property(ev, icalproperty_new_description(Description(e, observer).c_str()));
    icalcomponent_add_property(ev, icalproperty_new_categories(Category(e.Kind).c_str()));
    // Shown in the calendar without taking the time as busy.
    icalcomponent_add_property(ev, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return IcalText(icalcomponent_as_ical_string_r(ev));
}

} // namespace

std::string CalendarText(const std::vector<TYearEvent>& events, int fromYear, int toYear,
                         const Observer& observer, UniversalTime stamp) {
    std::string text = CalendarHead(fromYear, toYear);
    const icaltimetype dtstamp = IcalTime(stamp);
    for (const TYearEvent& e : events) text += EventText(e, dtstamp, observer);
    return text + kCalendarEnd;
}

bool WriteCalendar(int fromYear, int toYear, const Observer& observer, const TYearEventKinds& kinds,
                   UniversalTime stamp, const std::function<bool(const std::string& text)>& write) {
    if (!write(CalendarHead(fromYear, toYear))) return false;
    const icaltimetype dtstamp = IcalTime(stamp);
    // A year's events all come after the year before's: the events of the range in time
    // order, as YearEvents gives them for the whole range.
    for (int year = std::max(fromYear, 1); year <= std::min(toYear, 9999); ++year) {
        std::string text;
        for (const TYearEvent& e : YearEvents(year, year, observer, kinds))
            text += EventText(e, dtstamp, observer);
        if (!write(text)) return false;
    }
    return write(kCalendarEnd);
}

} // namespace crescendar
