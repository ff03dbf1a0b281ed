#include "fGlobals.h"
#include "fMoonCalcs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

using namespace crescendar;

namespace {

struct Expected {
    double K;
    int Kind;
    const char* Text;
};

Observer Zone(int zone, int daylight = 0) {
    Observer o;
    o.ZoneOffset = zone;
    o.DaylightOffset = daylight;
    return o;
}

std::vector<TPhaseEntry> Phases(int year, int month, const Observer& o) {
    TPhaseList list;
    const int n = MonthPhases(MakeDate(year, month, 15, 12), o, list);
    return {list.begin(), list.begin() + n};
}

void ExpectPhases(int year, int month, const Observer& o, const std::vector<Expected>& want) {
    const auto got = Phases(year, month, o);
    ASSERT_EQ(got.size(), want.size()) << year << "-" << month;
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].K, want[i].K);
        EXPECT_EQ(got[i].Kind, want[i].Kind);
        EXPECT_EQ(got[i].Text, want[i].Text);
    }
}

struct MonthTag {
    int Year, Month, Offset;
};

std::ostream& operator<<(std::ostream& os, const MonthTag& t) {
    return os << t.Year << "-" << t.Month << " offset " << t.Offset;
}

// Checks one month's list completely and returns it: entries are consecutive quarter steps, all
// inside [JD1, JD2) in local time, and the steps just before and after fall outside the month.
std::vector<TPhaseEntry> CheckMonth(int year, int month, const Observer& o) {
    const double jd1 = DateToJulianDay(MakeDate(year, month, 1));
    const double jd2 = month == 12 ? JulianDayOfYearStart(static_cast<std::uint16_t>(year + 1))
                                   : DateToJulianDay(MakeDate(year, month + 1, 1));
    const double off = o.TotalOffset() / 1440.0;
    const auto got = Phases(year, month, o);
    const MonthTag where{year, month, o.TotalOffset()};
    EXPECT_GE(got.size(), 3u) << where;
    if (got.empty()) return got;
    for (std::size_t i = 0; i < got.size(); ++i) {
        const TPhaseEntry& e = got[i];
        EXPECT_TRUE(std::isfinite(e.JDE)) << where;
        EXPECT_TRUE(e.JDE >= jd1 && e.JDE < jd2) << where;
        EXPECT_EQ(e.Kind, static_cast<int>(PhaseKindOf(e.K))) << where;
        EXPECT_EQ(e.Date.Year, year) << where;
        EXPECT_EQ(e.Date.Month, month) << where;
        EXPECT_EQ(e.Text.substr(2, 5), ":" + TwoDigits(e.Date.Minute) + "  ") << where;
        if (i > 0) {
            EXPECT_EQ(e.K, got[i - 1].K + 0.25) << where;
        }
    }
    EXPECT_LT(TruePhase(got.front().K - 0.25) + off, jd1) << where;
    EXPECT_GE(TruePhase(got.back().K + 0.25) + off, jd2) << where;
    return got;
}

} // namespace

TEST(PhaseInstants, MeanAndTruePhases) {
    TPhasePowers p{1, 1, 1, 1};
    EXPECT_EQ(MeanPhase(0, p), 2451550.09765);
    EXPECT_EQ(p.T, 0.0);
    EXPECT_EQ(p.T4, 0.0);
    // Meeus, Astronomical Algorithms, examples 49.a and 49.b.
    EXPECT_NEAR(TruePhase(-283), 2443192.65118, 2e-5);
    EXPECT_NEAR(TruePhase(544.75), 2467636.49186, 2e-5);
}

TEST(PhaseInstants, KindFollowsFractionForNegativeK) {
    EXPECT_EQ(PhaseKindOf(0), TPhaseKind::NewMoon);
    EXPECT_EQ(PhaseKindOf(0.25), TPhaseKind::FirstQuarter);
    EXPECT_EQ(PhaseKindOf(-283), TPhaseKind::NewMoon);
    EXPECT_EQ(PhaseKindOf(-283.5), TPhaseKind::FullMoon);
    EXPECT_EQ(PhaseKindOf(-283.25), TPhaseKind::LastQuarter);
    EXPECT_EQ(PhaseKindOf(-282.75), TPhaseKind::FirstQuarter);
}

TEST(MonthPhases, WorkedExamples) {
    ExpectPhases(2000, 1, Zone(0),
                 {{0, 0, "18:14  06 January 2000"},
                  {0.25, 3, "13:35  14 January 2000"},
                  {0.5, 2, "04:41  21 January 2000"},
                  {0.75, 1, "07:57  28 January 2000"}});
    ExpectPhases(1977, 2, Zone(0),
                 {{-283.5, 2, "03:57  04 February 1977"},
                  {-283.25, 1, "04:07  11 February 1977"},
                  {-283, 0, "03:37  18 February 1977"},
                  {-282.75, 3, "02:50  26 February 1977"}});
    ExpectPhases(2023, 8, Zone(0),
                 {{291.5, 2, "18:32  01 August 2023"},
                  {291.75, 1, "10:29  08 August 2023"},
                  {292, 0, "09:39  16 August 2023"},
                  {292.25, 3, "09:58  24 August 2023"},
                  {292.5, 2, "01:36  31 August 2023"}});
}

TEST(MonthPhases, LastPhaseKeptWestOfGreenwich) {
    // At 5 h west each of these months ends with a phase late on its last day.
    EXPECT_EQ(Phases(1994, 5, Zone(-300)).back().Text, "23:03  31 May 1994");
    EXPECT_EQ(Phases(2003, 10, Zone(-300)).back().Text, "23:25  31 October 2003");
    EXPECT_EQ(Phases(2017, 6, Zone(-240, -60)).back().Text, "19:52  30 June 2017");
    EXPECT_EQ(Phases(1994, 5, Zone(0)).size(), 4u);
}

TEST(MonthPhases, HalfOpenMonthBoundsInLocalTime) {
    // The last quarter K -69.25 falls at 04:03 UT on 1 June 1994.
    const auto june = Phases(1994, 6, Zone(-243));
    EXPECT_EQ(june.front().K, -69.25);
    EXPECT_EQ(june.front().Text, "00:00  01 June 1994");
    EXPECT_NE(Phases(1994, 5, Zone(-243)).back().K, -69.25);

    EXPECT_EQ(Phases(1994, 5, Zone(-184, -60)).back().Text, "23:59  31 May 1994");
    EXPECT_NE(Phases(1994, 6, Zone(-184, -60)).front().K, -69.25);
}

TEST(MonthPhases, EveryMonth1800To2200InSeveralZones) {
    const Observer zones[] = {Zone(-720), Zone(-300, 60), Zone(720, 60)};
    for (const Observer& o : zones) {
        double lastK = 0;
        bool first = true;
        for (int y = 1800; y <= 2200; ++y) {
            for (int m = 1; m <= 12; ++m) {
                const auto got = CheckMonth(y, m, o);
                ASSERT_FALSE(got.empty());
                if (!first) {
                    ASSERT_EQ(got.front().K, lastK + 0.25) << y << "-" << m;
                }
                if (got.size() == 5 && got[4].Kind == 2) {
                    EXPECT_EQ(got[0].Kind, 2);
                }
                lastK = got.back().K;
                first = false;
            }
        }
    }
}

TEST(MonthPhases, NoPhaseLostInYears1To9999) {
    const Observer zones[] = {Zone(-720, 0), Zone(720, 60)};
    for (const Observer& o : zones) {
        for (int y = 1; y <= 9999; y = y < 9990 ? y + 37 : y + 1) {
            double lastK = 0;
            for (int m = 1; m <= 12; ++m) {
                const auto got = CheckMonth(y, m, o);
                ASSERT_FALSE(got.empty()) << y;
                if (m > 1) {
                    ASSERT_EQ(got.front().K, lastK + 0.25) << y << "-" << m;
                }
                lastK = got.back().K;
            }
        }
    }
}

TEST(LunationBracket, ExactNewMoonIsPrevious) {
    TDateTimeRecord d = MakeDate(2000, 1, 6);
    d.JD = TruePhase(0);
    TLunationBracket b = LunationBracket(d);
    EXPECT_EQ(b.PreviousNewMoon, TruePhase(0));
    EXPECT_EQ(b.NextNewMoon, TruePhase(1));

    d.JD = std::nextafter(TruePhase(0), 0.0);
    b = LunationBracket(d);
    EXPECT_EQ(b.PreviousNewMoon, TruePhase(-1));
    EXPECT_EQ(b.NextNewMoon, TruePhase(0));

    // A record whose JD is not a number is read from its calendar fields.
    d = MakeDate(2000, 1, 15);
    d.JD = NAN;
    b = LunationBracket(d);
    EXPECT_EQ(b.PreviousNewMoon, TruePhase(0));
}

TEST(LunationBracket, BracketsItsInstantInYears1To9999) {
    const double first = DateToJulianDay(MakeDate(1, 1, 1));
    const double last = DateToJulianDay(MakeDate(9999, 12, 31, 23, 59));
    for (double jd = first; jd <= last; jd += 151.37) {
        TDateTimeRecord d = JulianDayToDate(jd);
        d.JD = jd;
        const TLunationBracket b = LunationBracket(d);
        ASSERT_LE(b.PreviousNewMoon, jd) << jd;
        ASSERT_GT(b.NextNewMoon, jd) << jd;
        ASSERT_LT(b.NextNewMoon - b.PreviousNewMoon, 30.0) << jd;
    }
}
