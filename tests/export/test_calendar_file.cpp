// The calendar export read back with libical: every event of the engine once, with its
// instants in UTC, and the same UID in every export.
#include "Calendar.h"
#include "CalendarFile.h"
#include "EventText.h"
#include "IcsReader.h"
#include "YearEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace crescendar;

namespace {

constexpr double kSecond = 1.0 / 86400.0;

Observer At(double latDeg, double lonWestDeg, int zone) {
    Observer o;
    o.Latitude = DegToRad(latDeg);
    o.Longitude = DegToRad(lonWestDeg);
    o.ZoneOffset = zone;
    return o;
}

const UniversalTime kStamp{DateToJulianDay(MakeDate(2026, 12, 8, 16, 30))};

TEST(CalendarFile, EveryEventReadsBackWithItsUtcInstantsAndProperties) {
    const Observer o = At(51.5, 0.12, 60);
    const std::vector<TYearEvent> events = YearEvents(2026, 2026, o);
    const IcsCalendar c = ReadIcs(CalendarText(events, 2026, 2026, o, kStamp));
    ASSERT_TRUE(c.Parsed);
    EXPECT_EQ(c.Version, "2.0");
    EXPECT_NE(c.ProdId.find("Crescendar"), std::string::npos);
    ASSERT_EQ(c.Events.size(), events.size());
    std::set<std::string> uids;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const TYearEvent& e = events[i];
        const IcsEvent& r = c.Events[i];
        SCOPED_TRACE(r.Uid);
        EXPECT_TRUE(uids.insert(r.Uid).second) << "UID twice";
        EXPECT_EQ(r.Uid, EventUid(e));
        EXPECT_EQ(r.Summary, YearEventName(e));
        EXPECT_TRUE(r.StartUtc);
        EXPECT_TRUE(r.HasStamp);
        EXPECT_EQ(r.Transp, "TRANSPARENT");
        EXPECT_NEAR(r.StartJD, e.Start.JD, kSecond);
        EXPECT_EQ(r.Description.rfind(YearEventName(e), 0), 0u) << r.Description;
        EXPECT_EQ(r.Description.find("nan"), std::string::npos);
        if (e.Kind == TYearEventKind::Eclipse) {
            ASSERT_TRUE(r.HasEnd);
            EXPECT_TRUE(r.EndUtc);
            EXPECT_NEAR(r.EndJD, e.End.JD, kSecond);
            EXPECT_EQ(r.Categories, "Lunar eclipses");
            EXPECT_NE(r.Description.find(VisibilityText(e.Eclipse.Visibility)), std::string::npos);
            EXPECT_NE(r.Description.find("51.5000\xC2\xB0 N, 0.1200\xC2\xB0 W"), std::string::npos);
        } else if (e.Kind == TYearEventKind::SolarEclipse) {
            // From C1 to C4 where the place sees it (the total eclipse of 12 August), else an
            // instant.
            EXPECT_EQ(r.HasEnd, e.End > e.Start);
            if (r.HasEnd) {
                EXPECT_NEAR(r.EndJD, e.End.JD, kSecond);
            }
            EXPECT_EQ(r.Categories, "Solar eclipses");
            EXPECT_NE(r.Description.find("51.5000\xC2\xB0 N, 0.1200\xC2\xB0 W"), std::string::npos);
        } else {
            // An instant: no end of its own.
            EXPECT_FALSE(r.HasEnd);
        }
        if (e.Kind == TYearEventKind::Perigee) {
            EXPECT_NE(r.Description.find(std::to_string(std::llround(e.DistanceKm)) + " km"),
                      std::string::npos);
        }
    }
}

TEST(CalendarFile, TheTwoLunarEclipsesOf2026SpanTheirPenumbralContacts) {
    const Observer o = At(0, 0, 0);
    IcsCalendar c = ReadIcs(CalendarText(YearEvents(2026, 2026, o, {false, true, false, false}),
                                         2026, 2026, o, kStamp));
    // The solar eclipses of 17 February and 12 August between them.
    ASSERT_EQ(c.Events.size(), 4u);
    EXPECT_EQ(c.Events[0].Uid, "solar-eclipse-2026-02-17@crescendar");
    EXPECT_EQ(c.Events[2].Uid, "solar-eclipse-2026-08-12@crescendar");
    c.Events.erase(c.Events.begin() + 2);
    c.Events.erase(c.Events.begin());
    ASSERT_EQ(c.Events.size(), 2u);
    EXPECT_EQ(c.Events[0].Uid, "lunar-eclipse-2026-03-03@crescendar");
    EXPECT_EQ(c.Events[0].Summary, "Total Lunar Eclipse");
    EXPECT_EQ(c.Events[1].Uid, "lunar-eclipse-2026-08-28@crescendar");
    EXPECT_EQ(c.Events[1].Summary, "Partial Lunar Eclipse");
    // About five and a half hours from first to last contact, around greatest eclipse.
    for (const IcsEvent& e : c.Events) {
        EXPECT_GT(e.EndJD - e.StartJD, 5.0 / 24);
        EXPECT_LT(e.EndJD - e.StartJD, 6.5 / 24);
    }
    EXPECT_NEAR((c.Events[0].StartJD + c.Events[0].EndJD) / 2,
                DateToJulianDay(MakeDate(2026, 3, 3, 11, 34)), 3.0 / 1440);
}

// A solar eclipse the place sees spans its contacts there; one it does not see is an instant
// at greatest eclipse. Each tells the eclipse worldwide and at the place, the contacts on the
// place's clocks and which of them have the Sun below the horizon.
TEST(CalendarFile, SolarEclipsesSpanTheContactsThePlaceSees) {
    const auto utc = [](int y, int mo, int d, int h, int mi, int sec) {
        return DateToJulianDay(MakeDate(y, mo, d, h, mi, sec));
    };
    const struct {
        const char* Name;
        Observer Obs;
        int Year;
        const char* Uid;
        double Start, End; // UTC; End 0: an instant
        const char* Summary;
        std::vector<std::string> Said;
        std::vector<std::string> NotSaid;
    } cases[] = {
        {"Dallas",
         At(32.78, 96.8, -360),
         2024,
         "solar-eclipse-2024-04-08@crescendar",
         utc(2024, 4, 8, 17, 23, 18),
         utc(2024, 4, 8, 20, 2, 37),
         "Total Solar Eclipse",
         {"Worldwide: Total Solar Eclipse, greatest magnitude 1.05", "At the place: Total Solar",
          "First contact: 11:2", "Second contact: 12:4", "Maximum: 12:4", "Third contact: 12:4",
          "Fourth contact: 14:0", "obscuration 100%", "96.8000\xC2\xB0 W: Visible"},
         {"below the horizon"}},
        {"Madrid, the Sun setting before the last contact",
         At(40.4, 3.7, 120),
         2026,
         "solar-eclipse-2026-08-12@crescendar",
         utc(2026, 8, 12, 17, 36, 17),
         utc(2026, 8, 12, 19, 24, 5),
         "Partial Solar Eclipse",
         {"Worldwide: Total Solar Eclipse", "At the place: Partial Solar Eclipse", "Maximum: 20:31",
          "Fourth contact: 21:24:05  12 August 2026 (UTC+02:00), the Sun below",
          "Partially Visible"},
         {"Second contact", "First contact: 19:36:17  12 August 2026 (UTC+02:00), the Sun"}},
        // The shadow's passage with the Sun below the horizon, and through the Earth: no
        // contacts or magnitudes of a passage the place cannot see.
        {"London, the Sun set",
         At(51.5, 0.12, 60),
         2024,
         "solar-eclipse-2024-04-08@crescendar",
         utc(2024, 4, 8, 18, 17, 19),
         0,
         "Total Solar Eclipse",
         {"Greatest eclipse 2024-04-08 18:17", "At the place: no eclipse seen", "W: Not Visible"},
         {"contact", "Magnitude"}},
        {"Sydney, on the far side",
         At(-33.9, -151.2, 600),
         2024,
         "solar-eclipse-2024-04-08@crescendar",
         utc(2024, 4, 8, 18, 17, 19),
         0,
         "Total Solar Eclipse",
         {"At the place: no eclipse seen", "E: Not Visible"},
         {"contact", "Magnitude"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const IcsCalendar cal =
            ReadIcs(CalendarText(YearEvents(c.Year, c.Year, c.Obs, {false, true, false, false}),
                                 c.Year, c.Year, c.Obs, kStamp));
        ASSERT_TRUE(cal.Parsed);
        const auto found = std::find_if(cal.Events.begin(), cal.Events.end(),
                                        [&](const IcsEvent& e) { return e.Uid == c.Uid; });
        ASSERT_NE(found, cal.Events.end());
        const IcsEvent& e = *found;
        EXPECT_EQ(e.Summary, c.Summary);
        EXPECT_EQ(e.Categories, "Solar eclipses");
        EXPECT_TRUE(e.StartUtc);
        // Within a minute of the published contacts and greatest eclipse (Madrid's as found
        // here).
        EXPECT_NEAR(e.StartJD, c.Start, 60 * kSecond);
        EXPECT_EQ(e.HasEnd, c.End != 0);
        if (c.End != 0) {
            EXPECT_TRUE(e.EndUtc);
            EXPECT_NEAR(e.EndJD, c.End, 60 * kSecond);
        }
        EXPECT_EQ(e.Description.rfind(std::string(c.Summary) + "\n", 0), 0u) << e.Description;
        for (const std::string& said : c.Said)
            EXPECT_NE(e.Description.find(said), std::string::npos) << said << "\n" << e.Description;
        for (const std::string& notSaid : c.NotSaid)
            EXPECT_EQ(e.Description.find(notSaid), std::string::npos) << notSaid << "\n"
                                                                      << e.Description;
    }
}

// Over two centuries every event has its own UID, and the solar eclipses take their place in
// time order, dated by greatest eclipse.
TEST(CalendarFile, UidsAreUniqueOverTwoCenturies) {
    const std::vector<TYearEvent> events = YearEvents(1900, 2100, At(51.5, 0.12, 60));
    std::set<std::string> uids;
    int solar = 0;
    for (const TYearEvent& e : events) {
        EXPECT_TRUE(uids.insert(EventUid(e)).second) << EventUid(e);
        if (e.Kind != TYearEventKind::SolarEclipse) continue;
        ++solar;
        ASSERT_TRUE(e.SolarEclipse);
        EXPECT_EQ(e.Instant, e.SolarEclipse->Eclipse.Greatest);
        EXPECT_EQ(EventUid(e).rfind("solar-eclipse-" + UtcText(e.Instant).substr(0, 10) + "@", 0),
                  0u);
    }
    // Two to five solar eclipses a year.
    EXPECT_GE(solar, 2 * 201);
    EXPECT_LE(solar, 5 * 201);
    EXPECT_TRUE(
        std::is_sorted(events.begin(), events.end(), [](const TYearEvent& a, const TYearEvent& b) {
            return a.Instant < b.Instant;
        }));
}

// Written a year at a time, the calendar is the text of the whole range's events, also where
// the zone puts a year's first events into the year before on universal time.
TEST(CalendarFile, WrittenAYearAtATimeItIsTheWholeRangesText) {
    const struct {
        Observer Obs;
        int From, To;
        TYearEventKinds Kinds;
    } cases[] = {
        {At(51.5, 0.12, 60), 2025, 2027, {}},
        {At(1.9, 157.4, 840), 1999, 2001, {}}, // UTC+14
        {At(10, -170, -720), 1582, 1583, {true, false, true, false}},
        {At(0, 0, 0), 2026, 2026, {false, true, false, false}},
    };
    for (const auto& c : cases) {
        std::string written;
        int pieces = 0;
        EXPECT_TRUE(
            WriteCalendar(c.From, c.To, c.Obs, c.Kinds, kStamp, [&](const std::string& text) {
                written += text;
                ++pieces;
                return true;
            }));
        EXPECT_EQ(written, CalendarText(YearEvents(c.From, c.To, c.Obs, c.Kinds), c.From, c.To,
                                        c.Obs, kStamp))
            << c.From << "-" << c.To;
        EXPECT_EQ(pieces, c.To - c.From + 3); // the head, a piece a year, the end
    }
    // A piece that could not be written ends the calendar there.
    int offered = 0;
    EXPECT_FALSE(WriteCalendar(2025, 2027, At(0, 0, 0), {}, kStamp,
                               [&](const std::string&) { return ++offered < 2; }));
    EXPECT_EQ(offered, 2);
}

TEST(CalendarFile, UidsAreTheSameForAnotherObserverAndAnotherDay) {
    const auto uids = [](const Observer& o, UniversalTime stamp) {
        std::vector<std::string> out;
        for (const IcsEvent& e :
             ReadIcs(CalendarText(YearEvents(2026, 2026, o), 2026, 2026, o, stamp)).Events)
            out.push_back(e.Uid);
        return out;
    };
    // Places whose local year holds the same events (no event in the hours around New Year).
    const auto a = uids(At(51.5, 0.12, 0), kStamp);
    const auto b = uids(At(-33.9, -151.2, 600), kStamp + 30.0);
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::set<std::string>(a.begin(), a.end()).size(), a.size());
}

TEST(CalendarFile, UtcTextsAreGregorianAndCarryTheRoundedSecond) {
    // The day the Gregorian calendar began, and the Julian 4 October 1582 before it, which
    // the Gregorian calendar counts as 14 October.
    EXPECT_EQ(UtcText(UniversalTime{2299160.5}), "1582-10-15 00:00:00");
    EXPECT_EQ(UtcText(UniversalTime{2299159.5}), "1582-10-14 00:00:00");
    EXPECT_EQ(UtcText(UniversalTime{2451545.0}), "2000-01-01 12:00:00");
    // 23:59:59.6 is rounded into the next day, never written as a 60th second.
    const double late = DateToJulianDay(MakeDate(2026, 12, 31, 23, 59, 59)) + 0.6 * kSecond;
    EXPECT_EQ(UtcText(UniversalTime{late}), "2027-01-01 00:00:00");
    EXPECT_EQ(UtcText(UniversalTime{2451544.5 - 0.4 * kSecond}), "2000-01-01 00:00:00");
}

TEST(CalendarFile, EventsBeforeTheReformAreWrittenOnTheGregorianCalendar) {
    const Observer o = At(41.9, -12.5, 60);
    const auto events = YearEvents(1500, 1500, o, {false, false, false, true});
    const IcsCalendar c = ReadIcs(CalendarText(events, 1500, 1500, o, kStamp));
    ASSERT_EQ(c.Events.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(c.Events[i].StartJD, events[i].Start.JD, kSecond);
    // The March equinox of 1500 fell on 11 March of the Julian calendar, ten days behind
    // the Gregorian from 1 March 1500 on.
    EXPECT_EQ(JulianDayToDate(events[0].Start.JD).Day, 11);
    EXPECT_EQ(c.Events[0].Uid, "march-equinox-1500-03-21@crescendar");
}

TEST(CalendarFile, KindsAreChosenByName) {
    std::string unknown;
    const auto some = ParseEventKinds("phases, seasons", &unknown);
    ASSERT_TRUE(some);
    EXPECT_TRUE(some->Phases);
    EXPECT_FALSE(some->Eclipses);
    EXPECT_FALSE(some->Apsides);
    EXPECT_TRUE(some->Seasons);
    EXPECT_FALSE(ParseEventKinds("phases,moons", &unknown));
    EXPECT_EQ(unknown, "moons");
    EXPECT_FALSE(ParseEventKinds("phases,,seasons", &unknown));
    EXPECT_EQ(unknown, "");
    EXPECT_FALSE(ParseEventKinds("", &unknown));
    EXPECT_TRUE(ParseEventKinds("eclipses,apsides"));
}

} // namespace
