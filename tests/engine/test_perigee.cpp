#include "fGlobals.h"
#include "fMoonCalcs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

using namespace crescendar;

namespace {

TPerigeeApogee At(double jd, const Observer& o = Observer{}) {
    TDateTimeRecord d = JulianDayToDate(jd);
    d.JD = jd;
    return PerigeeApogee(d, o);
}

// The largest instant at which the event shown by `text` is still reported: its exact JDE.
template <typename Field> double EventInstant(double before, Field field) {
    const std::string text = field(At(before));
    double lo = before, hi = before + 20;
    while (std::nextafter(lo, hi) < hi) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi) break;
        (field(At(mid)) == text ? lo : hi) = mid;
    }
    return lo;
}

bool IsDigits(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// Checks the fixed layout "hh:mm  dd Mon  " and returns the event's universal time to the
// minute; the event lies within 40 days after jd (offset 0).
double ParseDateText(const std::string& t, double jd) {
    EXPECT_EQ(t.size(), 15u) << t;
    if (t.size() != 15) return NAN;
    EXPECT_TRUE(IsDigits(t.substr(0, 2)) && t[2] == ':' && IsDigits(t.substr(3, 2))) << t;
    EXPECT_EQ(t.substr(5, 2), "  ") << t;
    EXPECT_TRUE(IsDigits(t.substr(7, 2)) && t[9] == ' ') << t;
    EXPECT_EQ(t.substr(13, 2), "  ") << t;
    const int day = std::stoi(t.substr(7, 2));
    for (double d = std::floor(jd - 0.5) + 0.5 - 1; d < jd + 40; d += 1) {
        const TDateTimeRecord r = JulianDayToDate(d);
        if (r.Day == day && LongMonthName(r.Month).substr(0, 3) == t.substr(10, 3))
            return d + std::stoi(t.substr(0, 2)) / 24.0 + std::stoi(t.substr(3, 2)) / 1440.0;
    }
    ADD_FAILURE() << "no date for " << t << " after " << jd;
    return NAN;
}

void CheckDistanceText(const std::string& t, long lo, long hi) {
    ASSERT_GT(t.size(), 5u);
    EXPECT_EQ(t.substr(t.size() - 5), " km  ");
    const std::string digits = t.substr(0, t.size() - 5);
    ASSERT_TRUE(IsDigits(digits)) << t;
    EXPECT_TRUE(std::stol(digits) >= lo && std::stol(digits) <= hi) << t;
}

} // namespace

TEST(PerigeeApogee, WorkedExamples) {
    const TPerigeeApogee r = At(DateToJulianDay(MakeDate(1999, 12, 1)));
    EXPECT_EQ(r.PerigeeDistanceText, "356654 km  ");
    EXPECT_EQ(r.PerigeeDateText, "11:01  22 Dec  ");
    EXPECT_EQ(r.ApogeeDateText, "11:06  08 Dec  ");

    // k = -148.5: JDE 2447442.3543 is 20:30:12, so 20:30 to the nearest minute.
    const TPerigeeApogee a = At(DateToJulianDay(MakeDate(1988, 10, 1)));
    EXPECT_EQ(a.ApogeeDateText, "20:30  07 Oct  ");
    EXPECT_EQ(a.ApogeeDistanceText, "405975 km  ");
}

TEST(PerigeeApogee, EventExactlyAtInstantIsReported) {
    auto perigee = [](const TPerigeeApogee& r) { return r.PerigeeDateText; };
    auto apogee = [](const TPerigeeApogee& r) { return r.ApogeeDateText; };
    const double p = EventInstant(2451534.5, perigee);
    EXPECT_NEAR(p, 2451534.9588, 5e-5);
    EXPECT_EQ(At(p).PerigeeDateText, "11:01  22 Dec  ");
    const TPerigeeApogee after = At(std::nextafter(p, 1e9));
    EXPECT_NE(after.PerigeeDateText, "11:01  22 Dec  ");
    EXPECT_EQ(after.ApogeeDateText, At(p).ApogeeDateText);

    EXPECT_NEAR(EventInstant(2447442.0, apogee), 2447442.3543, 5e-5);
}

TEST(PerigeeApogee, ZoneAndDaylightShiftTheDateText) {
    const double jd = DateToJulianDay(MakeDate(1999, 12, 1));
    Observer east;
    east.ZoneOffset = 60;
    east.DaylightOffset = 60;
    EXPECT_EQ(At(jd, east).PerigeeDateText, "13:01  22 Dec  ");
    Observer west;
    west.ZoneOffset = -720;
    EXPECT_EQ(At(jd, west).PerigeeDateText, "23:01  21 Dec  ");
    EXPECT_EQ(At(jd, west).PerigeeDistanceText, "356654 km  ");
}

// Walks days through windows spread over years 1-9999: every text keeps its layout, and each
// call reports the first perigee and the first apogee at or after its instant among all the
// events the walk has seen.
TEST(PerigeeApogee, LayoutAndNoEventSkippedInYears1To9999) {
    for (int year = 1; year <= 9999; year += year < 9900 ? 97 : 33) {
        const double start = DateToJulianDay(MakeDate(year, 3, 1)) + 0.3;
        struct Call {
            double Jd, Perigee, Apogee;
        };
        std::vector<Call> calls;
        std::vector<double> perigees, apogees;
        for (double jd = start; jd < start + 45; jd += 0.7) {
            const TPerigeeApogee r = At(jd);
            CheckDistanceText(r.PerigeeDistanceText, 350000, 375000);
            CheckDistanceText(r.ApogeeDistanceText, 400000, 410000);
            const Call c{jd, ParseDateText(r.PerigeeDateText, jd),
                         ParseDateText(r.ApogeeDateText, jd)};
            ASSERT_TRUE(std::isfinite(c.Perigee) && std::isfinite(c.Apogee)) << year;
            calls.push_back(c);
            perigees.push_back(c.Perigee);
            apogees.push_back(c.Apogee);
        }
        for (const Call& c : calls) {
            const double minute = 1.0 / 1440;
            EXPECT_GE(c.Perigee, c.Jd - minute) << year;
            EXPECT_GE(c.Apogee, c.Jd - minute) << year;
            for (double p : perigees)
                EXPECT_FALSE(p > c.Jd + minute && p < c.Perigee - minute) << year << " " << c.Jd;
            for (double a : apogees)
                EXPECT_FALSE(a > c.Jd + minute && a < c.Apogee - minute) << year << " " << c.Jd;
        }
    }
}
