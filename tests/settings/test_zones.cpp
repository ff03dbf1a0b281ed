// Real zones of the system's tz database: the offset in force at each instant reaches every
// local time the engine makes: the day's events, the phases, the clock readings.
#include "Calendar.h"
#include "DayEvents.h"
#include "EventText.h"
#include "Phases.h"
#include "Settings.h"
#include "TimeZoneRule.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace crescendar;

namespace {

Observer Place(double latDeg, double lonEastDeg, const char* zone) {
    Observer o;
    o.Latitude = DegToRad(latDeg);
    o.Longitude = -DegToRad(lonEastDeg);
    o.Zone = TimeZoneRule(zone);
    return o;
}

Observer Fixed(const Observer& place, int minutes) {
    Observer o = place;
    o.Zone = nullptr;
    o.ZoneOffset = minutes;
    return o;
}

double OffsetOn(const Observer& o, int y, int m, int d, int h = 12) {
    return o.OffsetAt(UniversalTime{MakeDate(y, m, d, h).JD});
}

void ExpectSameTexts(const TDayEvents& a, const TDayEvents& b, const std::string& what) {
    const TDayTexts x = DayTexts(a), y = DayTexts(b);
    for (const auto& [p, q] :
         {std::pair{&x.Moon, &y.Moon}, std::pair{&x.Sun, &y.Sun}, std::pair{&x.Civil, &y.Civil},
          std::pair{&x.Astronomical, &y.Astronomical}}) {
        EXPECT_EQ(p->RiseText, q->RiseText) << what;
        EXPECT_EQ(p->TransitText, q->TransitText) << what;
        EXPECT_EQ(p->SetText, q->SetText) << what;
    }
}

} // namespace

TEST(Zones, HistoricalRulesFromTheDatabase) {
    const Observer london = Place(51.5, -0.12, "Europe/London");
    ASSERT_TRUE(london.Zone);
    EXPECT_EQ(london.ZoneName(), "Europe/London");
    EXPECT_EQ(OffsetOn(london, 2025, 1, 15), 0);
    EXPECT_EQ(OffsetOn(london, 2025, 7, 15), 60);
    EXPECT_EQ(OffsetOn(london, 1943, 6, 15), 120); // double summer time
    EXPECT_EQ(OffsetOn(Place(40.7, -74, "America/New_York"), 1917, 7, 1), -300); // no DST yet
    EXPECT_EQ(OffsetOn(Place(27.7, 85.3, "Asia/Kathmandu"), 2025, 5, 1), 345);
    EXPECT_EQ(OffsetOn(Place(-44, -176.5, "Pacific/Chatham"), 2025, 6, 1), 765);
    EXPECT_EQ(OffsetOn(Place(-44, -176.5, "Pacific/Chatham"), 2025, 1, 1), 825);
    EXPECT_FALSE(TimeZoneRule("Nowhere/Atlantis"));
    EXPECT_FALSE(TimeZoneRule(""));
}

// The database's link names are zones too (the gazetteer gives Europe/Kiev for Kyiv); a name
// that could reach a file outside the database is none.
TEST(Zones, LinkNamesAreZonesAndPathsAreNot) {
    for (const auto& [name, minutes] : {std::pair{"Europe/Kiev", 120},
                                        {"Asia/Calcutta", 330},
                                        {"Etc/UTC", 0},
                                        {"Etc/GMT-14", 840}}) {
        const auto rule = TimeZoneRule(name);
        ASSERT_TRUE(rule) << name;
        EXPECT_EQ(rule->Name(), name);
        EXPECT_EQ(rule->OffsetAt(UniversalTime{DateToJulianDay(MakeDate(2026, 1, 15))}), minutes)
            << name;
    }
    for (const char* bad : {"../../../etc/passwd", "/usr/share/zoneinfo/UTC", "Europe/./London",
                            "Europe//London", "Europe/London\n", "Mars/Olympus"})
        EXPECT_FALSE(TimeZoneRule(bad)) << bad;
}

// In London 01:00-02:00 does not exist on the spring-forward day and exists twice on the
// fall-back day: both are read with the offset in force before the change.
TEST(Zones, SkippedAndRepeatedHours) {
    const Observer london = Place(51.5, -0.12, "Europe/London");
    const auto ut = [&](int m, int d, int h, int mi) {
        return JulianDayToDate(london.ToUniversal(LocalTime{MakeDate(2025, m, d, h, mi).JD}).JD);
    };
    EXPECT_EQ(DateTimeToText(ut(3, 30, 1, 30)), "01:30:00  30 March 2025");
    EXPECT_EQ(DateTimeToText(ut(3, 30, 2, 30)), "01:30:00  30 March 2025");
    EXPECT_EQ(DateTimeToText(ut(10, 26, 1, 30)), "00:30:00  26 October 2025");
    EXPECT_EQ(DateTimeToText(ut(10, 26, 2, 30)), "02:30:00  26 October 2025");
    EXPECT_EQ(DateTimeToText(ut(7, 1, 12, 0)), "11:00:00  01 July 2025");
}

// On the days the clocks change, each event is read with the offset in force at it; away
// from the changes the zone gives what the fixed offset of the season gives.
TEST(Zones, DayEventsAcrossTheChangesOfTheClocks) {
    struct Case {
        Observer Where;
        int Y, M, D;
        int Offset; // the fixed offset that must give the same texts
    };
    const Observer london = Place(51.5, -0.12, "Europe/London");
    const Observer sydney = Place(-33.87, 151.21, "Australia/Sydney");
    const Case cases[] = {
        {london, 2025, 3, 29, 0},
        {london, 2025, 3, 31, 60},
        {london, 2025, 10, 25, 60},
        {london, 2025, 10, 27, 0},
        {sydney, 2025, 4, 5, 660},
        {sydney, 2025, 4, 7, 600},
        {sydney, 2025, 10, 4, 600},
        {sydney, 2025, 10, 6, 660},
        {Place(27.7, 85.3, "Asia/Kathmandu"), 2025, 2, 10, 345},
        {Place(-44, -176.5, "Pacific/Chatham"), 2025, 6, 10, 765},
        {Place(40.7, -74, "America/New_York"), 1917, 7, 1, -300},
        {Place(51.5, -0.12, "Europe/London"), 1943, 6, 21, 120},
    };
    for (const Case& c : cases) {
        const TDateTimeRecord date = MakeDate(c.Y, c.M, c.D);
        ExpectSameTexts(DayEvents(date, c.Where), DayEvents(date, Fixed(c.Where, c.Offset)),
                        c.Where.ZoneName() + " " + DateTimeToText(date));
    }

    // London, 30 March 2025 (clocks forward at 01:00 UT): the Sun rises and sets in summer
    // time; the day has 23 hours, so a crossing at 23:30 UT belongs to the next date.
    const TDayEvents spring = DayEvents(MakeDate(2025, 3, 30), london);
    const TDayEvents summer = DayEvents(MakeDate(2025, 3, 30), Fixed(london, 60));
    EXPECT_EQ(RiseSetText(spring.Sun).RiseText, RiseSetText(summer.Sun).RiseText);
    EXPECT_EQ(RiseSetText(spring.Sun).SetText, RiseSetText(summer.Sun).SetText);
    // 26 October 2025 (back at 01:00 UT): sunrise and sunset in winter time.
    const TDayEvents autumn = DayEvents(MakeDate(2025, 10, 26), london);
    const TDayEvents winter = DayEvents(MakeDate(2025, 10, 26), Fixed(london, 0));
    EXPECT_EQ(RiseSetText(autumn.Sun).RiseText, RiseSetText(winter.Sun).RiseText);
    EXPECT_EQ(RiseSetText(autumn.Sun).SetText, RiseSetText(winter.Sun).SetText);
}

// Every crossing shown lies on its date as the place's clock reads it, for a year of days at
// a place with daylight saving (23- and 25-hour days included).
TEST(Zones, EveryShownCrossingIsOnItsOwnLocalDate) {
    const Observer sydney = Place(-33.87, 151.21, "Australia/Sydney");
    for (int day = 0; day < 365; day += 2) {
        const TDateTimeRecord date = JulianDayToDate(MakeDate(2025, 1, 1).JD + day);
        const TDayEvents e = DayEvents(date, sydney);
        for (const TCrossing* c : {&e.Moon.Rise, &e.Moon.Transit, &e.Moon.Set, &e.Sun.Rise,
                                   &e.Sun.Set, &e.AstronomicalTwilight.Set}) {
            if (!c->Happens()) continue;
            // The clock's rounding: half a minute added, the seconds rounded up.
            const double minutes = (sydney.ToLocal(c->Instant).JD - date.JD) * 1440.0 + 31.0 / 60.0;
            EXPECT_EQ(static_cast<int>(std::floor(minutes)), c->Minute) << DateTimeToText(date);
            EXPECT_GE(c->Minute, 0);
            EXPECT_LT(c->Minute, 1440);
        }
    }
}

// A month with a change of the clocks shows each phase in its own offset.
TEST(Zones, PhasesOfAMonthWithAChangeOfTheClocks) {
    const Observer london = Place(51.5, -0.12, "Europe/London");
    TPhaseList list;
    const int n = MonthPhases(MakeDate(2025, 10, 1), london, list);
    ASSERT_GE(n, 4);
    for (int i = 0; i < n; ++i) {
        const TPhaseEntry& e = list[static_cast<std::size_t>(i)];
        const DynamicalTime series = TruePhase(e.K);
        const double shownOffset = (e.Instant.JD - series.JD) * 1440.0;
        const bool summer = e.Date.Month == 10 && e.Date.Day < 26;
        EXPECT_NEAR(shownOffset, summer ? 60 : 0, 1e-6) << PhaseText(e.Date);
    }
}

TEST(Zones, SettingsNameTheZoneOrKeepTheFixedOffset) {
    QTemporaryDir dir;
    const std::string ini = dir.filePath("Crescendar.ini").toStdString();
    {
        SettingsStore store(ini);
        store.Load();
        ASSERT_TRUE(store.WriteValues({{"TimeZone", "17.5"}, {"DaylightSavings", "True"}}));
    }
    // A file without the key: the fixed offset, as before.
    TSettings old = SettingsStore(ini).Load();
    EXPECT_EQ(old.ZoneName, "");
    const Observer fixed = MakeObserver(old);
    EXPECT_FALSE(fixed.Zone);
    EXPECT_EQ(fixed.OffsetAt(UniversalTime{MakeDate(2025, 1, 1).JD}), 5 * 60 + 30 + 60);

    ASSERT_TRUE(SettingsStore(ini).WriteValues({{"ZoneName", "Asia/Kathmandu"}}));
    const Observer named = MakeObserver(SettingsStore(ini).Load());
    ASSERT_TRUE(named.Zone);
    EXPECT_EQ(named.OffsetAt(UniversalTime{MakeDate(2025, 1, 1).JD}), 345);

    ASSERT_TRUE(SettingsStore(ini).WriteValues({{"ZoneName", "Mars/Olympus_Mons"}}));
    SettingsStore store(ini);
    const TSettings unknown = store.Load();
    EXPECT_EQ(unknown.ZoneName, "");
    EXPECT_NE(store.LastReport().Text().find("Mars/Olympus_Mons"), std::string::npos);
}

TEST(Zones, ClosestNamesOfAnUnknownZone) {
    const std::pair<const char*, const char*> cases[] = {
        {"Europe/Londn", "Europe/London"}, {"europe/london", "Europe/London"},
        {"Kolkatta", "Asia/Kolkata"},      {"America/New_Yrok", "America/New_York"},
        {"Asia/Kathm", "Asia/Kathmandu"},
    };
    for (const auto& [typed, nearest] : cases) {
        const std::vector<std::string> names = ClosestZoneNames(typed);
        ASSERT_FALSE(names.empty()) << typed;
        EXPECT_LE(names.size(), 3u);
        EXPECT_EQ(names.front(), nearest) << typed;
    }
    EXPECT_EQ(ClosestZoneNames("America/", 5).size(), 5u);
    EXPECT_TRUE(ClosestZoneNames("America/", 0).empty());
    EXPECT_TRUE(ClosestZoneNames("Mars/Olympus").empty()); // nothing near
}
