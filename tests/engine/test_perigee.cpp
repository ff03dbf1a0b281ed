#include "Calendar.h"
#include "EventText.h"
#include "PerigeeApogee.h"
#include "Phases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

using namespace crescendar;

namespace {

// The Moon panel's perigee and apogee lines shown at local instant jd.
TPerigeeApogeeTexts At(double jd, int zone = 0, int daylight = 0) {
    TDateTimeRecord d = JulianDayToDate(jd);
    d.JD = jd;
    const Observer o{0.0, 0.0, zone, daylight};
    return PerigeeApogeeText(PerigeeApogee(d, o), o);
}

// Digits at characters [from, from + n) of t, or -1.
long Number(const std::string& t, std::size_t from, std::size_t n) {
    if (from + n > t.size()) return -1;
    for (std::size_t i = from; i < from + n; ++i)
        if (t[i] < '0' || t[i] > '9') return -1;
    return std::stol(t.substr(from, n));
}

// Checks the layout "hh:mm  dd Mon  " and returns the instant it shows (zone 0, to the minute);
// the event lies less than 40 days after jd.
double ShownInstant(const std::string& t, double jd) {
    if (t.size() != 15 || t[2] != ':' || t.substr(5, 2) != "  " || t[9] != ' ' ||
        t.substr(13) != "  " || Number(t, 0, 2) < 0 || Number(t, 3, 2) < 0)
        return NAN;
    for (double d = std::floor(jd - 0.5) - 0.5; d < jd + 40; d += 1) {
        const TDateTimeRecord r = JulianDayToDate(d);
        if (r.Day == Number(t, 7, 2) && LongMonthName(r.Month).substr(0, 3) == t.substr(10, 3))
            return d + Number(t, 0, 2) / 24.0 + Number(t, 3, 2) / 1440.0;
    }
    return NAN;
}

// Whole kilometres of a distance text "dddddd km  ", or -1.
long Kilometres(const std::string& t) {
    return t.size() == 11 && t.substr(6) == " km  " ? Number(t, 0, 6) : -1;
}

} // namespace

TEST(PerigeeApogee, WorkedExamples) {
    const double dec1999 = MakeDate(1999, 12, 1).JD;
    EXPECT_EQ(At(dec1999).PerigeeDistanceText, "356654 km  ");
    EXPECT_EQ(At(dec1999).PerigeeDateText, "11:01  22 Dec  ");
    EXPECT_EQ(At(dec1999, 60, 60).PerigeeDateText, "13:01  22 Dec  ");
    EXPECT_EQ(At(dec1999, -720).PerigeeDateText, "23:01  21 Dec  ");
    // k = -148.5: JDE 2447442.3543 is 20:30:12.
    EXPECT_EQ(At(MakeDate(1988, 10, 1).JD).ApogeeDateText, "20:30  07 Oct  ");
    EXPECT_EQ(At(MakeDate(1988, 10, 1).JD).ApogeeDistanceText, "405975 km  ");

    // Bisect for the last instant at which the k = 0 perigee is still reported: its own JDE.
    double lo = 2451534.5, hi = 2451535.5;
    for (int i = 0; i < 80 && std::nextafter(lo, hi) < hi; ++i) {
        const double mid = lo + (hi - lo) / 2;
        (At(mid).PerigeeDateText == "11:01  22 Dec  " ? lo : hi) = mid;
    }
    EXPECT_NEAR(lo, 2451534.9588, 5e-5);
    EXPECT_EQ(std::nextafter(lo, hi), hi);
    EXPECT_EQ(At(lo).ApogeeDateText, At(hi).ApogeeDateText);
}

// Walks windows spread over years 1-9999: each call reports, in the fixed layout, the first
// perigee and the first apogee at or after its instant among all the events the walk has seen.
TEST(PerigeeApogee, LayoutAndNoEventSkippedInYears1To9999) {
    const double minute = 1.0 / 1440;
    for (int year = 1; year <= 9999; year += year < 9900 ? 97 : 33) {
        std::vector<std::array<double, 3>> calls; // instant, perigee, apogee
        for (double jd = MakeDate(year, 3, 1).JD + 0.3; calls.size() < 65; jd += 0.7) {
            const TPerigeeApogeeTexts r = At(jd);
            const long perigee = Kilometres(r.PerigeeDistanceText);
            const long apogee = Kilometres(r.ApogeeDistanceText);
            ASSERT_TRUE(perigee > 350000 && perigee < 375000) << r.PerigeeDistanceText;
            ASSERT_TRUE(apogee > 400000 && apogee < 410000) << r.ApogeeDistanceText;
            calls.push_back(
                {jd, ShownInstant(r.PerigeeDateText, jd), ShownInstant(r.ApogeeDateText, jd)});
            ASSERT_FALSE(std::isnan(calls.back()[1] + calls.back()[2]))
                << year << " '" << r.PerigeeDateText << "' '" << r.ApogeeDateText << "'";
        }
        for (const auto& c : calls) {
            for (int e = 1; e <= 2; ++e) {
                double first = INFINITY;
                for (const auto& o : calls)
                    if (o[e] >= c[0] - minute) first = std::min(first, o[e]);
                ASSERT_LE(std::abs(c[e] - first), minute) << year << " " << c[0];
            }
        }
    }
}

// Every apsis of 2000-2030, asked for a minute before and a minute after its shown local
// instant, in zones from -12 h to +12 h with and without daylight saving: the query is a local
// instant, so the event must be found exactly when the shown instant is not yet past.
TEST(PerigeeApogee, QueryIsComparedOnOneTimeScaleInEveryZone) {
    const double minute = 1.0 / 1440;
    const long double start = CycleEstimate(MakeDate(2000, 1, 1), 13.2555L);
    for (const int zone : {-720, -300, 0, 330, 600, 720}) {
        for (const int daylight : {0, 60}) {
            const double offset = (zone + daylight) / 1440.0;
            for (const bool perigee : {true, false}) {
                TApsisEvent e = NextApsis(DynamicalTime{MakeDate(2000, 1, 1).JD}, start, perigee);
                while (e.JDE.JD < MakeDate(2031, 1, 1).JD) {
                    const double shown = e.JDE.JD + offset;
                    const long double k = CycleEstimate(JulianDayToDate(shown), 13.2555L);
                    const TApsisEvent before =
                        NextApsis(DynamicalTime{shown - minute - offset}, k, perigee);
                    const TApsisEvent after =
                        NextApsis(DynamicalTime{shown + minute - offset}, k, perigee);
                    ASSERT_EQ(before.JDE, e.JDE) << zone << " " << daylight;
                    ASSERT_GT(after.JDE, e.JDE + 20) << zone << " " << daylight;

                    // The texts of the window agree with the instants.
                    TDateTimeRecord q = JulianDayToDate(shown - minute);
                    q.JD = shown - minute;
                    const TPerigeeApogeeTexts r = At(q.JD, zone, daylight);
                    const TDateTimeRecord d = JulianDayToDate(shown + 0.5 / 1440);
                    const std::string expected = TwoDigits(d.Hour) + ":" + TwoDigits(d.Minute) +
                                                 "  " + TwoDigits(d.Day) + " " +
                                                 LongMonthName(d.Month).substr(0, 3) + "  ";
                    ASSERT_EQ(perigee ? r.PerigeeDateText : r.ApogeeDateText, expected);
                    e = after;
                }
            }
        }
    }
}

TEST(PerigeeApogee, EastOfGreenwichTheMorningPerigeeIsNotSkipped) {
    // Zone +12: the perigee of 8 January 2025 shows as 11:36 that day.
    const TDateTimeRecord d = MakeDate(2025, 1, 8);
    EXPECT_EQ(At(d.JD, 720).PerigeeDateText, "11:36  08 Jan  ");
    // West of it, an event already past locally is not returned.
    const TDateTimeRecord late = MakeDate(2025, 1, 8, 0, 0);
    EXPECT_NE(At(late.JD, -720).PerigeeDateText.substr(7, 6), "07 Jan");
}
