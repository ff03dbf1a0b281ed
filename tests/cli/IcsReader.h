// Reads an iCalendar text back with libical, for the tests of the calendar export.
#pragma once

#include <libical/ical.h>

#include <string>
#include <vector>

struct IcsEvent {
    std::string Uid, Summary, Description, Categories, Transp;
    double StartJD = 0, EndJD = 0; // Julian Days of DTSTART and DTEND (0: no DTEND)
    bool StartUtc = false, EndUtc = false, HasEnd = false, HasStamp = false;
};

struct IcsCalendar {
    bool Parsed = false;
    std::string Version, ProdId;
    std::vector<IcsEvent> Events;
};

// Julian Day of a UTC date-time of the Gregorian calendar.
inline double IcsJulianDay(const icaltimetype& t) {
    const long long a = (14 - t.month) / 12;
    const long long y = t.year + 4800 - a;
    const long long m = t.month + 12 * a - 3;
    const long long jdn = t.day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return static_cast<double>(jdn) - 0.5 + (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
}

inline IcsCalendar ReadIcs(const std::string& text) {
    IcsCalendar c;
    icalcomponent* cal = icalparser_parse_string(text.c_str());
    if (!cal || icalcomponent_isa(cal) != ICAL_VCALENDAR_COMPONENT) {
        if (cal) icalcomponent_free(cal);
        return c;
    }
    c.Parsed = true;
    if (icalproperty* p = icalcomponent_get_first_property(cal, ICAL_VERSION_PROPERTY))
        c.Version = icalproperty_get_version(p);
    if (icalproperty* p = icalcomponent_get_first_property(cal, ICAL_PRODID_PROPERTY))
        c.ProdId = icalproperty_get_prodid(p);
    for (icalcomponent* ev = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        IcsEvent e;
        const auto text = [ev](icalproperty_kind kind, const char* (*get)(const icalproperty*)) {
            icalproperty* p = icalcomponent_get_first_property(ev, kind);
            return p ? std::string(get(p)) : std::string();
        };
        e.Uid = text(ICAL_UID_PROPERTY, icalproperty_get_uid);
        e.Summary = text(ICAL_SUMMARY_PROPERTY, icalproperty_get_summary);
        e.Description = text(ICAL_DESCRIPTION_PROPERTY, icalproperty_get_description);
        e.Categories = text(ICAL_CATEGORIES_PROPERTY, icalproperty_get_categories);
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_TRANSP_PROPERTY))
            e.Transp = icalproperty_enum_to_string(icalproperty_get_transp(p));
        e.HasStamp = icalcomponent_get_first_property(ev, ICAL_DTSTAMP_PROPERTY) != nullptr;
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_DTSTART_PROPERTY)) {
            const icaltimetype t = icalproperty_get_dtstart(p);
            e.StartUtc = icaltime_is_utc(t) && !icaltime_is_null_time(t);
            e.StartJD = IcsJulianDay(t);
        }
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_DTEND_PROPERTY)) {
            const icaltimetype t = icalproperty_get_dtend(p);
            e.HasEnd = true;
            e.EndUtc = icaltime_is_utc(t) && !icaltime_is_null_time(t);
            e.EndJD = IcsJulianDay(t);
        }
        c.Events.push_back(e);
    }
    icalcomponent_free(cal);
    return c;
}
