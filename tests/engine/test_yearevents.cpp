// The events of a range of years gathered for the calendar export, against the engine's own
// routines they are taken from.
#include "Calendar.h"
#include "Equinox.h"
#include "EventText.h"
#include "ObserverAt.h"
#include "PerigeeApogee.h"
#include "Phases.h"
#include "YearEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace crescendar;

namespace {

constexpr double kSecond = 1.0 / 86400.0;

std::vector<TYearEvent> OfKind(const std::vector<TYearEvent>& all, TYearEventKind kind) {
    std::vector<TYearEvent> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                 [kind](const TYearEvent& e) { return e.Kind == kind; });
    return out;
}

TEST(YearEvents, PhasesOf2026AreTheMonthListsOnUniversalTime) {
    const Observer london = At(51.5, 0.12);
    const auto phases = OfKind(YearEvents(2026, 2026, london), TYearEventKind::Phase);
    std::map<TPhaseKind, int> count;
    for (const TYearEvent& e : phases) ++count[e.Phase];
    EXPECT_EQ(count[TPhaseKind::NewMoon], 12);
    EXPECT_EQ(count[TPhaseKind::FirstQuarter], 12);
    EXPECT_EQ(count[TPhaseKind::FullMoon], 13);
    EXPECT_EQ(count[TPhaseKind::LastQuarter], 13);

    // Every entry of every month list, at the instant the calendar shows less the offset.
    std::size_t i = 0;
    for (int month = 1; month <= 12; ++month) {
        TPhaseList list;
        const int n = MonthPhases(MakeDate(2026, month, 1), london, list);
        for (int j = 0; j < n; ++j, ++i) {
            ASSERT_LT(i, phases.size());
            const TPhaseEntry& p = list[static_cast<std::size_t>(j)];
            EXPECT_EQ(phases[i].Phase, p.Kind);
            EXPECT_NEAR(phases[i].Instant.JD, p.Instant.JD - london.TotalOffset() / 1440.0,
                        kSecond);
            EXPECT_EQ(phases[i].Start, phases[i].Instant);
            EXPECT_EQ(phases[i].End, phases[i].Instant);
        }
    }
    EXPECT_EQ(i, phases.size());
}

TEST(YearEvents, TheSecondFullMoonOfAMonthIsTheBlueMoon) {
    const auto phases = OfKind(YearEvents(2026, 2026, At(0, 0)), TYearEventKind::Phase);
    std::vector<TYearEvent> blue;
    std::copy_if(phases.begin(), phases.end(), std::back_inserter(blue),
                 [](const TYearEvent& e) { return e.BlueMoon; });
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_EQ(YearEventName(blue[0]), "Blue Moon");
    const TDateTimeRecord d = JulianDayToDate(blue[0].Instant.JD);
    EXPECT_EQ(d.Month, 5);
    EXPECT_EQ(d.Day, 31);
}

TEST(YearEvents, EclipsesLastFromFirstToLastPenumbralContact) {
    const Observer o = At(51.5, 0.12);
    const auto eclipses = OfKind(YearEvents(2026, 2026, o), TYearEventKind::Eclipse);
    ASSERT_EQ(eclipses.size(), 2u);
    EXPECT_EQ(YearEventName(eclipses[0]), "Total Lunar Eclipse");
    EXPECT_EQ(YearEventName(eclipses[1]), "Partial Lunar Eclipse");
    for (const TYearEvent& e : eclipses) {
        const TEclipseElements& x = e.Eclipse.Elements;
        EXPECT_EQ(e.Instant, x.JD);
        EXPECT_NEAR(e.Start.JD, x.JD.JD - x.PenumbralSemiduration, kSecond);
        EXPECT_NEAR(e.End.JD, x.JD.JD + x.PenumbralSemiduration, kSecond);
        EXPECT_GT(x.PenumbralSemiduration, 0.05);
        // Greatest eclipse on universal time: the dynamical instant less Delta T.
        EXPECT_NEAR(x.JDE.JD - x.JD.JD, DeltaT(2026) / 86400.0, kSecond);
    }
    // 3 March 2026, about 11:34 UT; 28 August 2026, about 04:13 UT.
    EXPECT_NEAR(eclipses[0].Instant.JD, DateToJulianDay(MakeDate(2026, 3, 3, 11, 34)), 3.0 / 1440);
    EXPECT_NEAR(eclipses[1].Instant.JD, DateToJulianDay(MakeDate(2026, 8, 28, 4, 13)), 3.0 / 1440);
}

TEST(YearEvents, SeasonsAreTheRefinedInstantsLessDeltaT) {
    const Observer o = At(-33.9, -151.2, 600);
    const auto seasons = OfKind(YearEvents(2025, 2026, o), TYearEventKind::Season);
    ASSERT_EQ(seasons.size(), 8u);
    for (std::size_t i = 0; i < seasons.size(); ++i) {
        const std::uint16_t year = i < 4 ? 2025 : 2026;
        const TEquinoxes q = EquinoxesAndSolstices(year, o);
        EXPECT_EQ(static_cast<std::size_t>(seasons[i].Season), i % 4);
        EXPECT_NEAR(seasons[i].Instant.JD, q.JDE[i % 4].JD - DeltaT(year) / 86400.0, kSecond);
    }
    EXPECT_EQ(YearEventName(seasons[0]), "March Equinox");
    EXPECT_EQ(YearEventName(seasons[3]), "December Solstice");
}

TEST(YearEvents, PerigeesAndApogeesAlternateThroughTheWholeRange) {
    const Observer o = At(40, 74, -300);
    const auto all = YearEvents(2024, 2026, o, {false, false, true, false});
    ASSERT_GT(all.size(), 70u);
    const double first = DateToJulianDay(MakeDate(2024, 1, 1)) - o.TotalOffset() / 1440.0;
    const double end = DateToJulianDay(MakeDate(2027, 1, 1)) - o.TotalOffset() / 1440.0;
    // None missed at either end: the first and last lie within one anomalistic month of the
    // range's bounds.
    EXPECT_LT(all.front().Instant.JD - first, 27.6);
    EXPECT_LT(end - all.back().Instant.JD, 27.6);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_GE(all[i].Instant.JD, first);
        EXPECT_LT(all[i].Instant.JD, end);
        EXPECT_GT(all[i].DistanceKm, 355000);
        EXPECT_LT(all[i].DistanceKm, 407000);
        if (i == 0) continue;
        EXPECT_NE(all[i].Kind, all[i - 1].Kind) << i;
        EXPECT_GT(all[i].Instant - all[i - 1].Instant, 9.0);
        EXPECT_LT(all[i].Instant - all[i - 1].Instant, 20.0);
    }
    // Each the series' event as the Moon panel finds it from the day before.
    for (const TYearEvent& e : all) {
        const TDateTimeRecord before = JulianDayToDate(e.Instant.JD - 1.0);
        const TPerigeeApogee pa = PerigeeApogee(before, At(40, 74));
        const TApsisEvent& a = e.Kind == TYearEventKind::Perigee ? pa.Perigee : pa.Apogee;
        EXPECT_NEAR(a.JDE.JD, e.Instant.JD, kSecond);
        EXPECT_NEAR(a.DistanceKm, e.DistanceKm, 0.001);
    }
}

TEST(YearEvents, AreInTimeOrderAndTheRangeIsChecked) {
    const auto all = YearEvents(2026, 2026, At(0, 0));
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(),
                               [](const auto& a, const auto& b) { return a.Instant < b.Instant; }));
    EXPECT_EQ(all.size(), 50u + 2u + 2u + 27u + 4u); // two lunar and two solar eclipses
    EXPECT_TRUE(YearEvents(2027, 2026, At(0, 0)).empty());
    EXPECT_TRUE(YearEvents(10000, 10001, At(0, 0)).empty());
    // The last year of the calendar ends without a search past it.
    const auto last = YearEvents(9999, 12000, At(0, 0), {false, false, true, false});
    EXPECT_GT(last.size(), 20u);
    EXPECT_FALSE(YearEvents(1, 1, At(0, 0)).empty());
}

} // namespace
