#include "Calendar.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "Nutation.h"
#include "RiseSet.h"

#include "ObserverAt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace crescendar;

namespace {

bool IsTime(const std::string& t) {
    return t.size() == 5 && t[2] == ':' && std::isdigit(t[0]) && std::isdigit(t[1]) &&
           std::isdigit(t[3]) && std::isdigit(t[4]) && t.substr(0, 2) < "24" && t[3] < '6';
}

// A body whose right ascension grows by `rate` degrees a day (one like the Sun's by default),
// on the meridian of Greenwich at m (days from 0h universal time of jd0).
std::array<TEquatorialPosition, 3> BodyTransitingAt(double jd0, double m, double rate = 1.0) {
    const double ra = GreenwichMeanSiderealTime(UniversalTime{jd0}) + (360.985647 - rate) * m;
    std::array<TEquatorialPosition, 3> p;
    for (std::size_t i = 0; i < 3; ++i)
        p[i].RA = NormaliseDegrees(ra + rate * (static_cast<double>(i) - 1.0));
    return p;
}

// The texts of RiseTransitSet for 0h universal time jd0.
TRiseSet RiseSetTextAt(const std::array<TEquatorialPosition, 3>& p, double jd0, double h0,
                       double deltaT, const Observer& o) {
    return RiseSetText(RiseTransitSet(p, UniversalTime{jd0}, h0, deltaT, o));
}

void ExpectSound(const TRiseSet& r) {
    for (const std::string* t : {&r.RiseText, &r.TransitText, &r.SetText})
        EXPECT_TRUE(IsTime(*t) || *t == "None" || *t == "*****") << *t;
    EXPECT_EQ(r.RiseText == "None", r.SetText == "None");
}

} // namespace

// Meeus, Astronomical Algorithms, example 3.a.
TEST(RiseSetInterpolate3, WorkedExample) {
    EXPECT_NEAR(Interpolate3(0.884226, 0.877366, 0.870531, 0.18125), 0.876125, 5e-7);
}

// Meeus, example 15.a: Venus at Boston, 1988 March 20.
TEST(RiseSetRefine, WorkedExampleVenusAtBoston) {
    TRiseSetFrame f;
    f.RA = {40.68021, 41.73129, 42.78204};
    f.Dec = {18.04761, 18.44092, 18.82742};
    f.Theta0 = 177.74208; // the example uses apparent sidereal time
    f.Lo = 71.0833;
    f.Phi = 42.3333;
    f.H0 = -0.5667;
    f.DeltaT = 56;
    TEventTimes m{0.81965, 0.51817, 0.12113};
    const TEventConvergence c = RefineEventTimes(m, f);
    EXPECT_TRUE(c.Transit && c.Rise && c.Set);
    EXPECT_NEAR(m.Transit, 0.81980, 1e-5);
    EXPECT_NEAR(m.Rise, 0.51766, 1e-5);
    EXPECT_NEAR(m.Set, 0.12130, 1e-5);
}

TEST(RiseSetSun, WorkedExamples) {
    TRiseSet r = SunRiseSet(MakeDate(2024, 6, 21), -0.8333, At(51.4769, 0, 0, 60));
    EXPECT_EQ(r.RiseText, "04:43");
    EXPECT_EQ(r.TransitText, "13:02");
    EXPECT_EQ(r.SetText, "21:21");
    r = SunRiseSet(MakeDate(2024, 12, 21, 17, 45), -0.8333, At(40.7128, 74.006, -300));
    EXPECT_EQ(r.RiseText, "07:17");
    EXPECT_EQ(r.TransitText, "11:54");
    EXPECT_EQ(r.SetText, "16:32");
}

TEST(RiseSetSun, MidnightSunPolarNightAndWhiteNights) {
    const TRiseSet summer = SunRiseSet(MakeDate(2024, 6, 21), -0.8333, At(70, -20, 120));
    EXPECT_EQ(summer.RiseText, "None");
    EXPECT_EQ(summer.SetText, "None");
    EXPECT_TRUE(IsTime(summer.TransitText));
    const TRiseSet winter = SunRiseSet(MakeDate(2024, 12, 21), -0.8333, At(70, -20, 60));
    EXPECT_EQ(winter.RiseText, "None");
    EXPECT_EQ(winter.SetText, "None");
    EXPECT_EQ(winter.TransitText, "11:38");
    // At 55 degrees north in June the Sun rises and sets but never reaches -18 degrees.
    const Observer o = At(55, 0);
    EXPECT_TRUE(IsTime(SunRiseSet(MakeDate(2024, 6, 21), -0.8333, o).RiseText));
    EXPECT_TRUE(IsTime(SunRiseSet(MakeDate(2024, 6, 21), -6, o).SetText));
    EXPECT_EQ(SunRiseSet(MakeDate(2024, 6, 21), -18, o).RiseText, "None");
}

// Sydney, 2024 January 1: the Moon rises at 22:39 standard time (23:39 daylight time). The
// transit falls past midnight and is taken from the day before; the rise must not be lost.
TEST(RiseSetMoon, RiseBeforeMidnightWithTransitFromTheDayBefore) {
    TRiseSet r = MoonRiseSet(MakeDate(2024, 1, 1), At(-33.8688, -151.2093, 600));
    EXPECT_EQ(r.RiseText, "22:39");
    EXPECT_EQ(r.TransitText, "03:40");
    EXPECT_EQ(r.SetText, "09:14");
    EXPECT_EQ(r.IlluminatedPercent, 78);
    r = MoonRiseSet(MakeDate(2024, 1, 1), At(-33.8688, -151.2093, 600, 60));
    EXPECT_EQ(r.RiseText, "23:39");
}

// High latitudes, where the body's declination changes much over the day compared with
// the margin by which it crosses. At 69.65 N, 18.96 E the declination at 0h says there is no
// crossing, yet the Sun peeks over the horizon for a quarter of an hour at the end of the polar
// night, and the Moon is up for three hours; both are found over the local date.
TEST(RiseSetSearch, HighLatitudeDays) {
    const Observer o = At(69.65, -18.96, 60);
    const TRiseSet sun = SunRiseSet(MakeDate(2024, 1, 15), -0.8333, o);
    EXPECT_EQ(sun.RiseText, "11:46");
    EXPECT_EQ(sun.TransitText, "11:53");
    EXPECT_EQ(sun.SetText, "12:02");
    EXPECT_EQ(SunRiseSet(MakeDate(2024, 1, 14), -0.8333, o).RiseText, "None");
    const TRiseSet moon = MoonRiseSet(MakeDate(2024, 1, 13), o);
    // Crossing the horizon at a shallow angle, the Moon is off by a minute: it rises at
    // 12:24:54 and sets at 15:45:04.
    EXPECT_EQ(moon.RiseText, "12:26");
    EXPECT_EQ(moon.SetText, "15:46");
    // Started near lower culmination, the corrections for the rise lead to the set at
    // 13:26:28; the rise that day is at 17:49:21.
    const TRiseSet december = MoonRiseSet(MakeDate(2024, 12, 19), o);
    EXPECT_EQ(december.RiseText, "17:50");
    EXPECT_EQ(december.SetText, "13:26");
    // The last sunrise before the polar night at 70 N: on the next day the corrections for the
    // rise do not settle and must not fall back on the previous day's rise.
    EXPECT_TRUE(IsTime(SunRiseSet(MakeDate(2024, 11, 24), -0.8333, At(70, 0)).RiseText));
    EXPECT_EQ(SunRiseSet(MakeDate(2024, 11, 25), -0.8333, At(70, 0)).RiseText, "None");
}

// Crossings close to lower culmination, where the corrections swing back and forth.
TEST(RiseSetRefine, CrossingsThatDoNotSettleEndWithASoundText) {
    // The Sun dips to -12.01 degrees around midnight: nautical twilight begins at 00:03 and
    // does not end that evening.
    const TRiseSet nautical = SunRiseSet(MakeDate(2025, 5, 20), -12, At(58, 0));
    EXPECT_EQ(nautical.RiseText, "00:03");
    EXPECT_EQ(nautical.SetText, "*****");
    // The Moon rose at 23:49 the evening before and stays up all day, its lowest point
    // 0.15 degrees above the rising altitude.
    const TRiseSet moon65 = MoonRiseSet(MakeDate(2025, 8, 16), At(65, 0));
    EXPECT_EQ(moon65.RiseText, "None");
    EXPECT_EQ(moon65.SetText, "None");
    EXPECT_EQ(moon65.TransitText, "05:41");
    // The same, the rise at 23:49 the evening before being found by the corrections: it
    // belongs to that evening, and this date has no crossing of its own.
    const TRiseSet moon70 = MoonRiseSet(MakeDate(2024, 6, 4), At(70, 0));
    EXPECT_EQ(moon70.RiseText, "None");
    EXPECT_EQ(moon70.SetText, "None");
    EXPECT_EQ(moon70.TransitText, "10:00");
}

// An event is shown on the date its time falls on after rounding to the minute, for every
// altitude: 23:59:45 is 00:00 of the next date, never 24:00 and never 00:00 of its own date.
// The body moves like the Moon, so that it transits once a day at most.
TEST(RiseSetTexts, EventRoundingToMidnightBelongsToTheNextDate) {
    const double jd0 = MakeDate(2025, 3, 1).JD;
    const Observer o = At(0, 0);
    const double rate = 13.2;
    for (const double h0 : {-0.8333, 0.125}) {
        const double late = (23 * 3600 + 59 * 60 + 45) / 86400.0;
        EXPECT_EQ(RiseSetTextAt(BodyTransitingAt(jd0, late, rate), jd0, h0, 0, o).TransitText,
                  "*****");
        // The next date's table, with the same body: its transit at -15 s reads 00:00.
        EXPECT_EQ(RiseSetTextAt(BodyTransitingAt(jd0 + 1, -15 / 86400.0, rate), jd0 + 1, h0, 0, o)
                      .TransitText,
                  "00:00");
        // Times are rounded as every clock text of the program is: from hh:mm:29 up.
        EXPECT_EQ(RiseSetTextAt(BodyTransitingAt(jd0, late - 15.5 / 86400.0, rate), jd0, h0, 0, o)
                      .TransitText,
                  "*****");
        const double earlier = (23 * 3600 + 59 * 60 + 28.5) / 86400.0;
        EXPECT_EQ(RiseSetTextAt(BodyTransitingAt(jd0, earlier, rate), jd0, h0, 0, o).TransitText,
                  "23:59");
    }
    // A body that keeps a day of 24 hours, like the Sun, transiting at 23:59:45 also transits
    // a day earlier at 23:59:4x, which rounds to 00:00 of this date: both belong to it, the
    // first is shown.
    const double late = (23 * 3600 + 59 * 60 + 45) / 86400.0;
    EXPECT_EQ(RiseSetTextAt(BodyTransitingAt(jd0, late), jd0, -0.8333, 0, o).TransitText, "00:00");
    // Seven minutes after midnight keeps its leading zeros.
    EXPECT_EQ(RiseSetTextAt(BodyTransitingAt(jd0, 7 / 1440.0), jd0, 0.1, 0, o).TransitText,
              "00:07");
}

// At the poles the body keeps its altitude all day; far years stay finite.
TEST(RiseSetTexts, PolesAndFarYears) {
    for (double lat : {90.0, -90.0}) {
        const TRiseSet r = SunRiseSet(MakeDate(2025, 3, 21), -0.8333, At(lat, 0));
        EXPECT_EQ(r.RiseText, "None");
        ExpectSound(r);
        ExpectSound(MoonRiseSet(MakeDate(2025, 3, 21), At(lat, 0)));
    }
    for (int year : {1, 1000, 1582, 4000, 9999}) {
        for (double lat : {-66.0, 0.0, 51.5, 78.0}) {
            const Observer o = At(lat, 120, -480);
            ExpectSound(MoonRiseSet(MakeDate(year, 10, 10), o));
            ExpectSound(SunRiseSet(MakeDate(year, 10, 10), -12, o));
        }
    }
}

// Every text is a time, "None" or "*****"; a time that is shown is when the body crosses
// the altitude (checked here for the Moon, whose times are never wrapped).
TEST(RiseSetSweep, EveryDayEveryLatitudeSampledZones) {
    const int zones[] = {-720, -420, -210, 0, 330, 600, 780};
    const double start = MakeDate(2025, 1, 1).JD;
    int zoneIndex = 0;
    for (int lat = -80; lat <= 80; lat += 10) {
        for (int day = 0; day < 365; ++day) {
            const int zone = zones[zoneIndex++ % 7];
            const Observer o = At(lat + 0.5, -zone / 4.0 + 3.3, zone);
            const TDateTimeRecord date = JulianDayToDate(start + day);
            const TRiseSet moon = MoonRiseSet(date, o);
            ExpectSound(moon);
            if (day % 3 == 0) {
                for (double h0 : {-0.8333, -6.0, -12.0, -18.0})
                    ExpectSound(SunRiseSet(date, h0, o));
            }
            const double jd0 = start + day;
            for (const std::string* t : {&moon.RiseText, &moon.SetText}) {
                if (!IsTime(*t)) continue;
                const double minutes = std::stoi(t->substr(0, 2)) * 60 + std::stoi(t->substr(3));
                const double jd = jd0 + (minutes - zone) / 1440.0;
                TMoonState m;
                TSunPosition s;
                MoonPosition(UniversalTime{jd + DeltaT(2025) / 86400.0}, o, m, s);
                const double h =
                    EquatorialToHorizontal(UniversalTime{jd}, m.Equatorial.RA, m.Equatorial.Dec, o)
                        .Altitude;
                // A minute of rounding, and the interpolation two days out at -12 h.
                EXPECT_NEAR(h, 0.7275 * m.Parallax - 0.5667, 0.3)
                    << lat << " " << zone << " " << date.Day << "/" << date.Month << " " << *t;
            }
        }
    }
}

namespace {

// The universal instants of every crossing on the local dates that hold [from, from + days).
std::vector<double> MoonCrossings(const Observer& o, double from, int days) {
    std::vector<double> found;
    for (int d = -1; d <= days; ++d) {
        const TBodyEvents e = MoonEvents(JulianDayToDate(from + d), o);
        for (const TCrossing* c :
             {&e.Rise, &e.Transit, &e.Set, &e.SecondRise, &e.SecondTransit, &e.SecondSet})
            if (c->Happens() && c->Instant.JD >= from && c->Instant.JD < from + days)
                found.push_back(c->Instant.JD);
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

// A crossing is the same universal instant whichever zone reads it, from 12 hours west of
// Greenwich to 14 hours east; far west, the table of 0h universal time of the local date would
// be read more than a day from its centre.
TEST(RiseSetZones, ACrossingIsTheSameInstantInEveryZone) {
    for (const double lat : {64.5011, -33.87, 71.2906}) {
        const double from = MakeDate(2026, 8, 1).JD;
        const std::vector<double> utc = MoonCrossings(At(lat, 165.4064), from, 20);
        for (int zone = -12 * 60; zone <= 14 * 60; zone += 60) {
            const std::vector<double> local = MoonCrossings(At(lat, 165.4064, zone), from, 20);
            ASSERT_EQ(local.size(), utc.size()) << lat << " " << zone;
            for (std::size_t i = 0; i < utc.size(); ++i)
                EXPECT_NEAR(local[i], utc[i], 1.0 / 86400.0) << lat << " " << zone << " " << i;
        }
    }
}

// Crossings the one table of 0h universal time lost or misplaced: Nome's moonrise read a day
// and a quarter from the table's centre; Utqiagvik's moonrise at 23:58:50, which no date
// showed; Tromso's two moonrises on 11 June 2026 (00:24:07 and 23:38:41), and Anchorage's two
// transits on the 25-hour date the clocks go back.
TEST(RiseSetZones, LateAndSecondCrossings) {
    const Observer nome = At(64.5011, 165.4064, -480);
    const TRiseSet nomeAugust = MoonRiseSet(MakeDate(2026, 8, 6), nome);
    EXPECT_EQ(nomeAugust.RiseText, "22:26"); // 22:24:45 by the Moon's own positions

    const TRiseSet utqiagvik = MoonRiseSet(MakeDate(2026, 12, 28), At(71.2906, 156.7887, -540));
    EXPECT_EQ(utqiagvik.RiseText, "23:59");

    const TRiseSet tromso = MoonRiseSet(MakeDate(2026, 6, 11), At(69.6492, -18.9553, 120));
    EXPECT_EQ(tromso.RiseText + " " + tromso.SecondRiseText, "00:24 23:39");
    EXPECT_EQ(tromso.SecondTransitText + tromso.SecondSetText, "");

    Observer anchorage = At(61.2181, 149.9003);
    // 2 a.m. AKDT on 6 November 2022 is 10:00 UT.
    anchorage.Zone = std::make_shared<OneChange>(-480, -540, MakeDate(2022, 11, 6, 10).JD);
    const TRiseSet clocksBack = MoonRiseSet(MakeDate(2022, 11, 6), anchorage);
    EXPECT_EQ(clocksBack.SecondTransitText.size(), 5u) << clocksBack.TransitText;
    EXPECT_EQ(clocksBack.SecondTransitText.substr(0, 3), "23:");
}
