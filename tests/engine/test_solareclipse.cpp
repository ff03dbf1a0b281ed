#include "Calendar.h"
#include "Eclipse.h"
#include "SolarEclipse.h"
#include "SunPosition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace crescendar;

namespace {

using K = TSolarEclipseKind;

Observer AtEast(double latDeg, double eastDeg) {
    Observer o;
    o.Latitude = DegToRad(latDeg);
    o.Longitude = WestLongitudeRadians(eastDeg);
    return o;
}

// The eclipse whose greatest eclipse falls on a date (universal time).
std::optional<TSolarEclipse> EclipseOn(int year, int month, int day) {
    for (const TSolarEclipse& e : FindSolarEclipses(year, year)) {
        const TDateTimeRecord d = JulianDayToDate(e.Greatest.JD);
        if (d.Month == month && d.Day == day) return e;
    }
    return std::nullopt;
}

// Seconds from a time of day "hh:mm:ss" on a date to an instant.
double SecondsFrom(int y, int m, int d, const char* hms, UniversalTime t) {
    int h = 0, mi = 0, s = 0;
    std::sscanf(hms, "%d:%d:%d", &h, &mi, &s);
    return (t.JD - MakeDate(y, m, d, h, mi, s).JD) * 86400.0;
}

std::string DateOf(UniversalTime t) {
    const TDateTimeRecord d = JulianDayToDate(t.JD);
    return std::to_string(d.Year) + "-" + TwoDigits(d.Month) + "-" + TwoDigits(d.Day);
}

} // namespace

// Reference circumstances from an independent high-precision computation. The program's
// Delta T is some 20 s larger in these years; contacts must agree within a minute.
TEST(SolarEclipse, LocalCircumstancesAgreeWithReference) {
    struct Row {
        const char* place;
        double lat, east;
        int y, m, d;
        K kind;
        const char *c1, *c2, *max, *c3, *c4;
        double obscuration;
    };
    const Row rows[] = {
        {"Dallas", 32.7767, -96.7970, 2024, 4, 8, K::Total, "17:23:18", "18:40:38", "18:42:37",
         "18:44:35", "20:02:37", 1.0},
        {"Luxor", 25.6872, 32.6396, 2027, 8, 2, K::Total, "08:40:09", "10:01:55", "10:05:08",
         "10:08:20", "11:26:23", 1.0},
        {"Albuquerque", 35.0844, -106.6504, 2023, 10, 14, K::Annular, "15:13:12", "16:34:31",
         "16:36:53", "16:39:15", "18:09:20", 0.896},
        {"Berlin", 52.52, 13.405, 2022, 10, 25, K::Partial, "09:09:43", nullptr, "10:13:46",
         nullptr, "11:19:10", 0.322},
        {"Sydney", -33.8688, 151.2093, 2028, 7, 22, K::Total, "02:40:39", "03:59:27",
         "04:01:24", "04:03:19", "05:14:34", 1.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.place);
        const Observer o = AtEast(r.lat, r.east);
        const std::optional<TSolarEclipse> e = EclipseOn(r.y, r.m, r.d);
        ASSERT_TRUE(e.has_value());
        const TSolarLocalCircumstances l = SolarLocalCircumstances(*e, o);
        EXPECT_EQ(l.Kind, r.kind);
        EXPECT_EQ(l.Visibility, TEclipseVisibility::Visible);
        const std::pair<const char*, const TSolarContact*> contacts[] = {
            {r.c1, &l.C1}, {r.c2, &l.C2}, {r.max, &l.Maximum}, {r.c3, &l.C3}, {r.c4, &l.C4}};
        for (const auto& [want, got] : contacts) {
            ASSERT_EQ(got->Happens, want != nullptr) << (want ? want : "no contact");
            if (want) {
                EXPECT_NEAR(SecondsFrom(r.y, r.m, r.d, want, got->Instant), 0.0, 60.0) << want;
            }
        }
        EXPECT_NEAR(l.AtMaximum.Obscuration, r.obscuration, 0.01);
        // The Sun's place from the elements agrees with the Sun's own series.
        const TSunPosition sun = SunPosition(l.Maximum.Instant, o);
        EXPECT_NEAR(l.Maximum.SunAltitude, sun.Altitude, 0.05);
        EXPECT_NEAR(std::remainder(l.Maximum.SunAzimuth - sun.Azimuth, 360.0), 0.0, 0.1);
    }
}

TEST(SolarEclipse, GlobalKindAndGreatestEclipseAgreeWithReference) {
    struct Row {
        int y, m, d;
        K kind;
        const char* greatest;
    };
    const Row rows[] = {{2024, 4, 8, K::Total, "18:17:19"},    {2024, 10, 2, K::Annular, "18:44:56"},
                        {2025, 3, 29, K::Partial, "10:47:26"}, {2025, 9, 21, K::Partial, "19:41:49"},
                        {2026, 2, 17, K::Annular, "12:11:54"}, {2026, 8, 12, K::Total, "17:45:47"},
                        {2027, 2, 6, K::Annular, "15:59:33"},  {2027, 8, 2, K::Total, "10:06:35"}};
    std::vector<TSolarEclipse> all = FindSolarEclipses(2024, 2027);
    ASSERT_EQ(all.size(), std::size(rows));
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(DateOf(all[i].Greatest));
        EXPECT_EQ(all[i].Kind, r.kind);
        EXPECT_NEAR(SecondsFrom(r.y, r.m, r.d, r.greatest, all[i].Greatest), 0.0, 60.0);
    }
    // 8 April 2024: gamma 0.343 and magnitude 1.057 in the published canon.
    EXPECT_NEAR(all[0].Gamma, 0.3431, 0.002);
    EXPECT_NEAR(all[0].Magnitude, 1.0566, 0.002);
}

// Every eclipse of two centuries at places from pole to pole: contacts in order, the covered
// fraction agrees with the kind, the magnitude is 0 at the outer contacts, the local kind fits
// the global one, and the visibility fits the Sun's place at the contacts.
TEST(SolarEclipse, SweepOf1900To2100IsSound) {
    const Observer places[] = {AtEast(51.5, -0.12), AtEast(-33.9, 151.2), AtEast(64.1, -21.9),
                               AtEast(0, 0),        AtEast(-77.8, 166.7), AtEast(78.2, 15.6),
                               AtEast(32.78, -96.8)};
    int seen = 0;
    int central = 0;
    for (const Observer& o : places) {
        for (const TSolarEclipseAtPlace& x : FindSolarEclipses(1900, 2100, o)) {
            const TSolarEclipse& e = x.Eclipse;
            const TSolarLocalCircumstances& l = x.Local;
            SCOPED_TRACE(DateOf(e.Greatest) + " at " + std::to_string(RadToDeg(o.Latitude)));
            // Global kind against gamma and the magnitude.
            const double g = std::fabs(e.Gamma);
            EXPECT_TRUE(g >= 0.9966 || e.Central);
            EXPECT_TRUE(g <= 1.0 || !e.Central);
            const double mag = e.Magnitude;
            const bool kindFits = e.Kind == K::Partial   ? !e.Central && mag < 1
                                  : e.Kind == K::Annular ? mag < 1
                                  : e.Kind == K::Total   ? mag > 1
                                                         : e.Central && std::fabs(mag - 1) < 0.02;
            EXPECT_TRUE(kindFits);
            if (!l.C1.Happens) continue;

            ASSERT_LT(l.C1.Instant, l.Maximum.Instant);
            ASSERT_LT(l.Maximum.Instant, l.C4.Instant);
            EXPECT_LT(l.C4.Instant - l.C1.Instant, 4.5 / 24);
            for (const TSolarContact* c : {&l.C1, &l.C4})
                EXPECT_NEAR(SolarAppearanceAt(e, o, c->Instant).Magnitude, 0.0, 1e-6);
            EXPECT_EQ(l.C2.Happens, l.C3.Happens);
            if (l.C2.Happens) {
                ++central;
                EXPECT_LT(l.C1.Instant, l.C2.Instant);
                EXPECT_LT(l.C2.Instant, l.Maximum.Instant);
                EXPECT_LT(l.Maximum.Instant, l.C3.Instant);
                EXPECT_LT(l.C3.Instant, l.C4.Instant);
                EXPECT_NEAR(l.CentralDuration, (l.C3.Instant - l.C2.Instant) * 86400, 1e-3);
            }
            const double obscured = l.AtMaximum.Obscuration;
            const double ratio = l.AtMaximum.MoonSunRatio;
            const double inTrack = ratio > 1 ? 1.0 : ratio * ratio;
            if (l.C2.Happens) {
                EXPECT_NEAR(obscured, inTrack, 1e-9);
            } else {
                EXPECT_LT(obscured, std::min(1.0, inTrack));
            }

            const bool up[] = {l.C1.SunUp, l.Maximum.SunUp, l.C4.SunUp};
            const bool anyUp = up[0] || up[1] || up[2];
            const bool allUp = up[0] && up[1] && up[2];
            switch (l.Visibility) {
            case TEclipseVisibility::Visible:
                EXPECT_TRUE(allUp);
                break;
            case TEclipseVisibility::PartlyVisible:
                EXPECT_FALSE(allUp);
                EXPECT_LE(l.C1.Instant, l.VisibleFrom);
                EXPECT_LT(l.VisibleFrom, l.VisibleTo);
                EXPECT_LE(l.VisibleTo, l.C4.Instant);
                break;
            case TEclipseVisibility::NotVisible:
                EXPECT_FALSE(anyUp);
                EXPECT_EQ(l.Kind, K::None);
                continue;
            }
            ++seen;
            const bool fits = l.Kind == K::Total     ? e.Kind == K::Total || e.Kind == K::Hybrid
                              : l.Kind == K::Annular ? e.Kind == K::Annular || e.Kind == K::Hybrid
                                                     : l.Kind == K::Partial;
            EXPECT_TRUE(fits);
            EXPECT_EQ(l.Kind == K::Total || l.Kind == K::Annular, l.C2.Happens);
        }
    }
    EXPECT_GT(seen, 300);
    EXPECT_GT(central, 0);
}

// About 2.4 solar eclipses a year over the whole range, none missing from an eclipse season,
// as many as lunar ones (penumbral included) over a long span; each kind in its usual share.
TEST(SolarEclipse, CountsPerCenturyAgreeWithTheLunarCount) {
    const std::vector<TSolarEclipse> all = FindSolarEclipses(1, 9999);
    EXPECT_NEAR(static_cast<double>(all.size()) / 9999, 2.38, 0.02);
    int kinds[5] = {};
    std::vector<int> perCentury(100, 0);
    for (std::size_t i = 0; i < all.size(); ++i) {
        ++kinds[static_cast<int>(all[i].Kind)];
        ++perCentury[static_cast<std::size_t>(JulianDayToDate(all[i].Greatest.JD).Year / 100)];
        // Every eclipse season, about every 173 days, has at least one.
        const double gap = i == 0 ? 100.0 : all[i].Greatest - all[i - 1].Greatest;
        EXPECT_TRUE(gap > 29.0 && gap < 200.0) << DateOf(all[i].Greatest);
        ASSERT_TRUE(std::isfinite(all[i].Gamma) && std::isfinite(all[i].Magnitude));
    }
    for (std::size_t c = 1; c < 99; ++c) EXPECT_NEAR(perCentury[c], 238, 22) << "century " << c;
    const double n = static_cast<double>(all.size());
    EXPECT_EQ(kinds[0], 0);
    EXPECT_NEAR(kinds[1] / n, 0.35, 0.02);
    EXPECT_NEAR(kinds[2] / n, 0.33, 0.02);
    EXPECT_NEAR(kinds[3] / n, 0.27, 0.02);
    EXPECT_NEAR(kinds[4] / n, 0.05, 0.01);

    int solar = 0;
    for (const TSolarEclipse& e : all) solar += e.Greatest.JD >= MakeDate(1501, 1, 1).JD &&
                                                e.Greatest.JD < MakeDate(2501, 1, 1).JD;
    const auto lunar = static_cast<double>(FindEclipses(1501, 2500, {}).size());
    EXPECT_NEAR(solar / lunar, 1.0, 0.04);
}

TEST(SolarEclipse, BadInput) {
    EXPECT_TRUE(FindSolarEclipses(2001, 1999).empty());
    EXPECT_TRUE(FindSolarEclipses(-10, 0).empty());
    EXPECT_TRUE(FindSolarEclipses(10000, 20000, AtEast(0, 0)).empty());
    EXPECT_EQ(FindSolarEclipses(9999, 20000).size(), FindSolarEclipses(9999, 9999).size());
    EXPECT_EQ(FindSolarEclipses(2024, 2024).size(), 2u);
    // Only a new moon's whole lunation number names an eclipse.
    const double k = EclipseOn(2024, 4, 8)->K;
    EXPECT_EQ(SolarEclipseAt(k).Kind, K::Total);
    EXPECT_EQ(SolarEclipseAt(k + 0.5).Kind, K::None);
    EXPECT_EQ(SolarEclipseAt(std::nan("")).Kind, K::None);
    // A place that is not a place sees nothing, and says so.
    const TSolarEclipse e = SolarEclipseAt(k);
    const TSolarLocalCircumstances l = SolarLocalCircumstances(e, AtEast(std::nan(""), 0));
    EXPECT_EQ(l.Kind, K::None);
    EXPECT_FALSE(l.C1.Happens);
}
