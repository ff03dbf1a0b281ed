// The calendar export read back with libical: every event of the engine once, with its
// instants in UTC, and the same UID in every export.
#include "Calendar.h"
#include "CalendarFile.h"
#include "EventText.h"
#include "IcsReader.h"
#include "YearEvents.h"

#include <gtest/gtest.h>

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

TEST(CalendarFile, TheTwoEclipsesOf2026SpanTheirPenumbralContacts) {
    const Observer o = At(0, 0, 0);
    const IcsCalendar c = ReadIcs(CalendarText(
        YearEvents(2026, 2026, o, {false, true, false, false}), 2026, 2026, o, kStamp));
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
