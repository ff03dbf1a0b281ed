#include "Calendar.h"
#include "EventText.h"
#include "Phases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace crescendar;

namespace {

Observer Zone(int zone, int daylight = 0) {
    return {0.0, 0.0, zone, daylight};
}

std::vector<TPhaseEntry> Phases(int year, int month, const Observer& o) {
    TPhaseList list;
    const int n = MonthPhases(MakeDate(year, month, 15, 12), o, list);
    return {list.begin(), list.begin() + n};
}

// "K kind text" of every entry, joined by "; ".
std::string Summary(int year, int month, const Observer& o = Observer{}) {
    std::string s;
    for (const TPhaseEntry& e : Phases(year, month, o))
        s += (s.empty() ? "" : "; ") + std::to_string(e.K).substr(0, 7) + " " +
             std::to_string(static_cast<int>(e.Kind)) + " " + PhaseText(e.Date);
    return s;
}

// Checks a month's list completely: consecutive quarter steps inside [JD1, JD2) in local time,
// with the steps just before and after outside it. Returns the list.
std::vector<TPhaseEntry> CheckMonth(int year, int month, const Observer& o) {
    const double jd1 = MakeDate(year, month, 1).JD;
    const double jd2 = month == 12 ? MakeDate(year + 1, 1, 1).JD : MakeDate(year, month + 1, 1).JD;
    const double off = o.TotalOffset() / 1440.0;
    const auto got = Phases(year, month, o);
    EXPECT_TRUE(got.size() >= 3 && got.size() <= 5) << year << "-" << month;
    for (std::size_t i = 0; i < got.size(); ++i) {
        const TPhaseEntry& e = got[i];
        EXPECT_TRUE(e.Instant.JD >= jd1 && e.Instant.JD < jd2 && e.Date.Month == month &&
                    e.Date.Year == year && e.Kind == PhaseKindOf(e.K) &&
                    (i == 0 || e.K == got[i - 1].K + 0.25))
            << year << "-" << month << " " << e.K;
    }
    if (!got.empty()) {
        EXPECT_LT(TruePhase(got.front().K - 0.25).JD + off, jd1) << year << "-" << month;
        EXPECT_GE(TruePhase(got.back().K + 0.25).JD + off, jd2) << year << "-" << month;
    }
    return got;
}

// Every month of the sampled years (and the last): each list continues the previous one.
void CheckYears(int first, int last, int step, const Observer& o) {
    double lastK = NAN;
    for (int y = first; y <= last; y += y + step <= last || y == last ? step : last - y) {
        if (step > 1) lastK = NAN;
        for (int m = 1; m <= 12; ++m) {
            const auto got = CheckMonth(y, m, o);
            ASSERT_FALSE(got.empty()) << y << "-" << m;
            if (!std::isnan(lastK)) {
                ASSERT_EQ(got.front().K, lastK + 0.25) << y << "-" << m;
            }
            lastK = got.back().K;
        }
    }
}

} // namespace

TEST(PhaseInstants, MeanTrueAndKind) {
    TPhasePowers p{1, 1, 1, 1};
    EXPECT_EQ(MeanPhase(0, p).JD, 2451550.09765);
    EXPECT_EQ(p.T + p.T2 + p.T3 + p.T4, 0.0);
    // Meeus, Astronomical Algorithms, examples 49.a (new moon) and 49.b (last quarter).
    EXPECT_NEAR(TruePhase(-283).JD, 2443192.65118, 2e-5);
    EXPECT_NEAR(TruePhase(544.75).JD, 2467636.49186, 2e-5);
    EXPECT_EQ(PhaseKindOf(0.25), TPhaseKind::FirstQuarter);
    EXPECT_EQ(PhaseKindOf(-283.5), TPhaseKind::FullMoon);
    EXPECT_EQ(PhaseKindOf(-283.25), TPhaseKind::LastQuarter);
    EXPECT_EQ(PhaseKindOf(-282.75), TPhaseKind::FirstQuarter);
}

TEST(MonthPhases, WorkedExamples) {
    EXPECT_EQ(Summary(2000, 1),
              "0.00000 0 18:14  06 January 2000; 0.25000 3 13:35  14 January 2000; "
              "0.50000 2 04:41  21 January 2000; 0.75000 1 07:57  28 January 2000");
    EXPECT_EQ(Summary(1977, 2),
              "-283.50 2 03:57  04 February 1977; -283.25 1 04:07  11 February 1977; "
              "-283.00 0 03:37  18 February 1977; -282.75 3 02:50  26 February 1977");
    EXPECT_EQ(Summary(2023, 8), "291.500 2 18:32  01 August 2023; 291.750 1 10:29  08 August 2023; "
                                "292.000 0 09:39  16 August 2023; 292.250 3 09:58  24 August 2023; "
                                "292.500 2 01:36  31 August 2023");
}

TEST(MonthPhases, ZoneMovesPhasesAcrossMonthEnds) {
    // Late on the last day at 5 h west: these were lost when the search stopped on mean instants.
    EXPECT_EQ(PhaseText(Phases(1994, 5, Zone(-300)).back().Date), "23:03  31 May 1994");
    EXPECT_EQ(PhaseText(Phases(2003, 10, Zone(-300)).back().Date), "23:25  31 October 2003");
    EXPECT_EQ(PhaseText(Phases(2017, 6, Zone(-240, -60)).back().Date), "19:52  30 June 2017");
    // K -69.25 is 04:03 UT on 1 June 1994; the month bounds are half-open in local time.
    EXPECT_EQ(Phases(1994, 5, Zone(0)).size(), 4u);
    EXPECT_EQ(PhaseText(Phases(1994, 6, Zone(-243)).front().Date), "00:00  01 June 1994");
    EXPECT_NE(Phases(1994, 5, Zone(-243)).back().K, -69.25);
    EXPECT_EQ(PhaseText(Phases(1994, 5, Zone(-184, -60)).back().Date), "23:59  31 May 1994");
    EXPECT_NE(Phases(1994, 6, Zone(-184, -60)).front().K, -69.25);
}

TEST(MonthPhases, EveryMonth1800To2200) {
    for (const Observer& o : {Zone(-720), Zone(-300, 60), Zone(720, 60)})
        CheckYears(1800, 2200, 1, o);
}

TEST(MonthPhases, NoPhaseLostInYears1To9999) {
    for (const Observer& o : {Zone(-720), Zone(720, 60)}) {
        CheckYears(1, 9999, 37, o);
        CheckYears(9990, 9999, 1, o);
    }
}

TEST(LunationBracket, ExactNewMoonIsPrevious) {
    TDateTimeRecord d = MakeDate(2000, 1, 6);
    d.JD = TruePhase(0).JD;
    EXPECT_EQ(LunationBracket(UniversalTime{d.JD}).PreviousNewMoon, TruePhase(0));
    EXPECT_EQ(LunationBracket(UniversalTime{d.JD}).NextNewMoon, TruePhase(1));
    d.JD = std::nextafter(TruePhase(0).JD, 0.0);
    EXPECT_EQ(LunationBracket(UniversalTime{d.JD}).PreviousNewMoon, TruePhase(-1));
    EXPECT_EQ(LunationBracket(UniversalTime{d.JD}).NextNewMoon, TruePhase(0));
    // 0h of the day, before that new moon; a Julian Day that is not a number gives an answer.
    EXPECT_EQ(LunationBracket(UniversalTime{MakeDate(2000, 1, 6).JD}).PreviousNewMoon,
              TruePhase(-1));
    (void)LunationBracket(UniversalTime{NAN});
}

TEST(LunationBracket, BracketsItsInstantInYears1To9999) {
    for (double jd = MakeDate(1, 1, 1).JD; jd < MakeDate(10000, 1, 1).JD; jd += 151.37) {
        const TLunationBracket b = LunationBracket(UniversalTime{jd});
        ASSERT_TRUE(b.PreviousNewMoon.JD <= jd && jd < b.NextNewMoon.JD &&
                    b.NextNewMoon - b.PreviousNewMoon < 30)
            << jd;
    }
}
