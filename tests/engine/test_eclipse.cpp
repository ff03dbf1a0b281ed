#include "Calendar.h"
#include "Eclipse.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "Phases.h"

#include <gtest/gtest.h>

#include "ZoneRule.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using namespace crescendar;

namespace {

Observer Place(double latDeg, double lonWestDeg, int zone, int daylight = 0) {
    return {DegToRad(latDeg), DegToRad(lonWestDeg), zone, daylight};
}

std::vector<TEclipseResult> MonthEclipses(int year, int month, const Observer& o) {
    TPhaseList list;
    const int n = MonthPhases(MakeDate(year, month, 1), o, list);
    return CheckForEclipses(list, n, static_cast<std::uint16_t>(year), o);
}

// Minutes after midnight of an "hh:mm" text; -1 when the text is not such a time.
int MinutesOfDay(const std::string& text) {
    if (text.size() != 5 || text[2] != ':') return -1;
    for (std::size_t i : {0, 1, 3, 4})
        if (text[i] < '0' || text[i] > '9') return -1;
    const int hours = (text[0] - '0') * 10 + (text[1] - '0');
    const int minutes = (text[3] - '0') * 10 + (text[4] - '0');
    if (hours > 23 || minutes > 59) return -1;
    return hours * 60 + minutes;
}

// The visibility verdict for rise and set written as the Moon panel shows them ("hh:mm",
// "*****", "None") and contacts "hh:mm".
std::string VisibilityOf(const std::string& rise, const std::string& set, const std::string& p1,
                         const std::string& p4) {
    const auto crossing = [](const std::string& text) {
        if (text == "None") return TCrossing{TCrossingKind::AlwaysBelow, {}, -1};
        const int minute = MinutesOfDay(text);
        return minute < 0 ? TCrossing{} : TCrossing{TCrossingKind::At, {}, minute};
    };
    return VisibilityText(
        CheckEclipseVisibility(crossing(rise), crossing(set), MinutesOfDay(p1), MinutesOfDay(p4)));
}

// Minutes from clock text a forward to clock text b, across midnight if need be.
int MinutesBetween(const std::string& a, const std::string& b) {
    return ((MinutesOfDay(b) - MinutesOfDay(a)) % 1440 + 1440) % 1440;
}

void ExpectContacts(const TEclipseResult& r, const std::vector<std::string>& want) {
    const std::vector<std::string> got = {
        EclipseTexts(r).PenumbraStartText, EclipseTexts(r).UmbraStartText,
        EclipseTexts(r).TotalityStartText, EclipseTexts(r).MaximumText,
        EclipseTexts(r).TotalityEndText,   EclipseTexts(r).UmbraEndText,
        EclipseTexts(r).PenumbraEndText};
    EXPECT_EQ(got, want);
}

TEclipseResult AtK(double k, std::uint16_t year, const Observer& o = {}) {
    TPhaseEntry entry;
    entry.K = k;
    return EclipseCalcs(entry, year, o);
}

} // namespace

TEST(EclipseWorkedExamples, TotalEclipseOfJanuary2000) {
    const TEclipseElements el = EclipseElements(0.5, 2000);
    EXPECT_NEAR(el.Gamma, -0.2961, 5e-5);
    EXPECT_NEAR(el.U, -0.0049, 5e-5);
    EXPECT_NEAR(el.UmbralMagnitude, 1.324, 5e-4);
    EXPECT_EQ(el.EclipseType, kTotalEclipse);
    EXPECT_EQ(DateTimeToText(JulianDayToDate(el.JDE.JD)).substr(0, 5), "04:45");
    EXPECT_EQ(DateTimeToText(JulianDayToDate(el.JD.JD)), "04:43:56  21 January 2000");

    const TEclipseResult r = AtK(0.5, 2000);
    EXPECT_EQ(r.EclipseType, kTotalEclipse);
    EXPECT_EQ(EclipseTexts(r).DateText, "21 January 2000");
    ExpectContacts(r, {"02:05", "03:03", "04:05", "04:43", "05:22", "06:24", "07:21"});
    EXPECT_EQ(EclipseTexts(AtK(0.5, 2000, Place(0, 0, 60, 60))).MaximumText, "06:43");
}

TEST(EclipseWorkedExamples, PenumbralEclipseOfJune1973ShowsOnlyPenumbralContacts) {
    const TEclipseElements el = EclipseElements(-328.5, 1973);
    EXPECT_NEAR(el.Gamma, -1.3249, 5e-5);
    EXPECT_NEAR(el.U, 0.0197, 5e-5);
    EXPECT_NEAR(el.PenumbralMagnitude, 0.462, 5e-4);
    EXPECT_LT(el.UmbralMagnitude, 0.0);
    EXPECT_EQ(el.PartialSemiduration, 0.0);
    EXPECT_EQ(el.TotalSemiduration, 0.0);

    const TEclipseResult r = AtK(-328.5, 1973);
    EXPECT_EQ(r.EclipseType, kPenumbralEclipse);
    EXPECT_EQ(EclipseTexts(r).DateText, "15 June 1973");
    ExpectContacts(r, {"19:08", "", "", "20:50", "", "", "22:31"});
    EXPECT_EQ(EclipseTypeName(r.EclipseType), "Penumbral Eclipse");
    EXPECT_EQ(EclipseTypeName(kTotalEclipse), "Total Eclipse");
    EXPECT_EQ(EclipseTypeName(kNoEclipse), "");
}

TEST(EclipseCheck, OnlyFullMoonsWithinTheCountAreExamined) {
    TPhaseList list;
    const double ks[] = {0.0, 0.25, 0.75, 1.0, 0.5};
    for (std::size_t i = 0; i < list.size(); ++i) list[i].K = ks[i];
    EXPECT_EQ(CheckForEclipse(list, 4, 2000, {}).EclipseType, kNoEclipse);
    EXPECT_TRUE(CheckForEclipses(list, -1, 2000, {}).empty());
    EXPECT_EQ(CheckForEclipse(list, 5, 2000, {}).EclipseType, kTotalEclipse);
    EXPECT_EQ(CheckForEclipses(list, 99, 2000, {}).size(), 1u);
    // The full moon of 19 February 2000 is too far from the node.
    EXPECT_EQ(AtK(1.5, 2000).EclipseType, kNoEclipse);
    EXPECT_TRUE(EclipseTexts(AtK(1.5, 2000)).MaximumText.empty());
}

TEST(EclipseCheck, RealEclipsesAtGreenwich) {
    struct Case {
        int Year, Month;
        TEclipseKind Type;
        const char* Date;
        int MaximumUT; // minutes
        double Magnitude;
    };
    const Case cases[] = {
        {2025, 3, kTotalEclipse, "14 March 2025", 6 * 60 + 58, 1.178},
        {2022, 11, kTotalEclipse, "08 November 2022", 10 * 60 + 59, 1.359},
        {2023, 10, kPartialEclipse, "28 October 2023", 20 * 60 + 14, 0.122},
        {2024, 3, kPenumbralEclipse, "25 March 2024", 7 * 60 + 13, 0.956},
    };
    for (const Case& c : cases) {
        const auto found = MonthEclipses(c.Year, c.Month, {});
        ASSERT_EQ(found.size(), 1u) << c.Date;
        const TEclipseResult& r = found[0];
        EXPECT_EQ(r.EclipseType, c.Type) << c.Date;
        EXPECT_EQ(EclipseTexts(r).DateText, c.Date);
        EXPECT_NEAR(MinutesOfDay(EclipseTexts(r).MaximumText), c.MaximumUT, 2) << c.Date;
        const double m = c.Type == kPenumbralEclipse ? r.PenumbralMagnitude : r.UmbralMagnitude;
        EXPECT_NEAR(m, c.Magnitude, 0.01) << c.Date;
    }
}

TEST(EclipseCheck, MonthsWithTwoFullMoonsKeepTheirEclipses) {
    struct Case {
        int Year, Month;
        TEclipseKind Type;
        const char* Date;
    };
    const Case cases[] = {
        {1915, 3, kPenumbralEclipse, "01 March 1915"},
        {1980, 3, kPenumbralEclipse, "01 March 1980"},
        {2085, 12, kPenumbralEclipse, "01 December 2085"},
        {2048, 1, kTotalEclipse, "01 January 2048"},
        {2094, 1, kPartialEclipse, "01 January 2094"},
    };
    for (const Case& c : cases) {
        const auto found = MonthEclipses(c.Year, c.Month, {});
        ASSERT_EQ(found.size(), 1u) << c.Date;
        EXPECT_EQ(found[0].EclipseType, c.Type) << c.Date;
        EXPECT_EQ(EclipseTexts(found[0]).DateText, c.Date);
    }
    const auto both = MonthEclipses(1904, 3, {});
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(EclipseTexts(both[0]).DateText, "02 March 1904");
    EXPECT_EQ(EclipseTexts(both[1]).DateText, "31 March 1904");
    TPhaseList list;
    const int n = MonthPhases(MakeDate(1904, 3, 1), {}, list);
    EXPECT_EQ(EclipseTexts(CheckForEclipse(list, n, 1904, {})).DateText, "02 March 1904");
}

TEST(EclipseVisibility, JudgedFromRiseAndSetTexts) {
    EXPECT_EQ(MinutesOfDay("07:05"), 425);
    EXPECT_EQ(MinutesOfDay("23:59"), 1439);
    for (const char* bad : {"None", "*****", "24:00", "7:05", "12:60", ""})
        EXPECT_EQ(MinutesOfDay(bad), -1) << bad;

    struct Case {
        const char *Rise, *Set, *P1, *P4, *Want;
    };
    const Case cases[] = {
        {"None", "None", "10:00", "12:00", "Not Visible"},
        {"18:00", "23:00", "19:00", "22:00", "Visible"},
        {"18:00", "23:00", "17:00", "19:00", "Partially Visible"}, // rises during it
        {"18:00", "23:00", "22:00", "23:30", "Partially Visible"}, // sets during it
        {"18:00", "19:00", "17:00", "21:00", "Partially Visible"}, // rises and sets during it
        {"18:00", "23:00", "23:10", "23:50", "Not Visible"},
        {"18:00", "23:00", "12:00", "17:50", "Not Visible"},
        {"20:00", "06:00", "02:00", "05:00", "Visible"}, // up across midnight
        {"20:00", "06:00", "05:00", "21:00", "Partially Visible"},
        {"*****", "09:00", "07:00", "08:00", "Visible"},
        {"17:00", "*****", "22:00", "23:50", "Visible"},
        {"17:00", "03:00", "23:00", "05:00", "Partially Visible"}, // across midnight
        {"17:00", "06:00", "23:00", "05:00", "Visible"},
        {"06:00", "17:00", "23:00", "05:00", "Not Visible"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VisibilityOf(c.Rise, c.Set, c.P1, c.P4), c.Want)
            << c.Rise << " " << c.Set << " " << c.P1 << " " << c.P4;
}

// The verdict agrees with the Moon's altitude sampled through the penumbral phase, also for
// phases across local midnight and at a latitude where the Moon stays up or down all day.
TEST(EclipseVisibility, AgreesWithTheMoonsAltitude) {
    const Observer places[] = {Place(51.48, 0, 0), Place(40.71, 74.01, -300),
                               Place(28.61, -77.21, 330), Place(69.65, -18.96, 60),
                               Place(-33.87, -151.21, 600, 60)};
    for (const Observer& o : places) {
        for (const TEclipseResult& r : FindEclipses(2000, 2019, o)) {
            const int before =
                MinutesBetween(EclipseTexts(r).PenumbraStartText, EclipseTexts(r).MaximumText);
            const int after =
                MinutesBetween(EclipseTexts(r).MaximumText, EclipseTexts(r).PenumbraEndText);
            const double maximumUT = r.MaximumDate.JD - o.TotalOffset() / 1440.0;
            bool someUp = false, someDown = false, someNotUp = false, someNotDown = false;
            for (int t = -before; t <= after; t += 2) {
                TMoonState moon;
                TSunPosition sun;
                MoonPosition(UniversalTime{maximumUT + t / 1440.0}, o, moon, sun);
                const double h = moon.Altitude - (0.7275 * moon.Parallax - 0.5667);
                someUp |= h > 0.6;
                someDown |= h < -0.6;
                someNotUp |= h < 0.6;
                someNotDown |= h > -0.6;
            }
            const std::string where =
                EclipseTexts(r).DateText + " zone " + std::to_string(o.TotalOffset());
            if (EclipseTexts(r).VisibilityText == "Visible") {
                EXPECT_FALSE(someDown) << where;
            } else if (EclipseTexts(r).VisibilityText == "Not Visible") {
                EXPECT_FALSE(someUp) << where;
            } else {
                EXPECT_TRUE(someNotUp && someNotDown) << where;
            }
        }
    }
}

TEST(EclipseFinder, SweepOf1900To2100IsSoundAndComplete) {
    for (const Observer& o : {Observer{}, Place(-35, -140, 570)}) {
        const auto all = FindEclipses(1900, 2099, o);
        int perCentury[2] = {0, 0};
        double previous = 0.0;
        for (const TEclipseResult& r : all) {
            const std::string where = EclipseTexts(r).MaximumText + "  " + EclipseTexts(r).DateText;
            ASSERT_GE(r.EclipseType, kPenumbralEclipse) << where;
            ASSERT_LE(r.EclipseType, kTotalEclipse) << where;
            EXPECT_GT(r.MaximumDate.JD, previous + 25) << where;
            previous = r.MaximumDate.JD;
            ++perCentury[r.MaximumDate.Year < 2000 ? 0 : 1];

            // Magnitudes agree with the kind and are never NaN.
            const double um = r.UmbralMagnitude;
            ASSERT_TRUE(std::isfinite(um) && std::isfinite(r.PenumbralMagnitude)) << where;
            EXPECT_GT(r.PenumbralMagnitude, 0.0) << where;
            const bool kindFits = r.EclipseType == kTotalEclipse     ? um >= 1 - 1e-9
                                  : r.EclipseType == kPartialEclipse ? um > 0 && um < 1
                                                                     : um <= 0;
            EXPECT_TRUE(kindFits) << where;

            // Contacts are well-formed clock times, nested and symmetric about the maximum.
            const std::string starts[] = {EclipseTexts(r).PenumbraStartText,
                                          EclipseTexts(r).UmbraStartText,
                                          EclipseTexts(r).TotalityStartText};
            const std::string ends[] = {EclipseTexts(r).PenumbraEndText,
                                        EclipseTexts(r).UmbraEndText,
                                        EclipseTexts(r).TotalityEndText};
            ASSERT_GE(MinutesOfDay(EclipseTexts(r).MaximumText), 0) << where;
            int outer = 1440;
            for (int i = 0; i < 3; ++i) {
                if (i >= static_cast<int>(r.EclipseType)) {
                    EXPECT_TRUE(starts[i].empty() && ends[i].empty()) << where;
                    continue;
                }
                ASSERT_GE(MinutesOfDay(starts[i]), 0) << where;
                ASSERT_GE(MinutesOfDay(ends[i]), 0) << where;
                const int before = MinutesBetween(starts[i], EclipseTexts(r).MaximumText);
                const int after = MinutesBetween(EclipseTexts(r).MaximumText, ends[i]);
                EXPECT_LE(std::abs(before - after), 1) << where;
                EXPECT_LE(before, outer) << where;
                outer = before;
            }
        }
        for (int n : perCentury) EXPECT_TRUE(n >= 220 && n <= 245) << n;
    }
}

// A rule whose offset jumps by an hour at each half year, so that full moons near a change
// and near New Year fall on either side of it.
class HalfYearRule final : public TZoneRule {
  public:
    double OffsetAt(UniversalTime t) const override {
        return std::fmod(std::floor((t.JD - 2451545.0) / 182.6), 2.0) == 0.0 ? 780 : 840;
    }
    std::string Name() const override { return "test"; }
};

void ExpectSameEclipses(const std::vector<TEclipseResult>& got,
                        const std::vector<TEclipseResult>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const TEclipseResult& a = got[i];
        const TEclipseResult& b = want[i];
        const std::string where = EclipseTexts(b).MaximumText + "  " + EclipseTexts(b).DateText;
        EXPECT_EQ(EclipseTexts(a).MaximumText + EclipseTexts(a).DateText,
                  EclipseTexts(b).MaximumText + EclipseTexts(b).DateText)
            << i;
        EXPECT_EQ(EclipseTexts(a).PenumbraStartText + EclipseTexts(a).UmbraStartText +
                      EclipseTexts(a).TotalityStartText,
                  EclipseTexts(b).PenumbraStartText + EclipseTexts(b).UmbraStartText +
                      EclipseTexts(b).TotalityStartText)
            << where;
        EXPECT_EQ(EclipseTexts(a).PenumbraEndText + EclipseTexts(a).UmbraEndText +
                      EclipseTexts(a).TotalityEndText,
                  EclipseTexts(b).PenumbraEndText + EclipseTexts(b).UmbraEndText +
                      EclipseTexts(b).TotalityEndText)
            << where;
        EXPECT_EQ(EclipseTexts(a).VisibilityText, EclipseTexts(b).VisibilityText) << where;
        EXPECT_EQ(a.EclipseType, b.EclipseType) << where;
        EXPECT_EQ(a.UmbralMagnitude, b.UmbralMagnitude) << where;
        EXPECT_EQ(a.Elements.JD.JD, b.Elements.JD.JD) << where;
    }
}

std::vector<TEclipseResult> MonthByMonth(int from, int to, const Observer& o) {
    std::vector<TEclipseResult> all;
    for (int year = from; year <= to; ++year)
        for (int month = 1; month <= 12; ++month)
            for (const TEclipseResult& r : MonthEclipses(year, month, o)) all.push_back(r);
    return all;
}

// The finder walks the full moons instead of the months; it must list exactly what the
// month-by-month check does, with the same year for Delta T, at the ends of the range too.
TEST(EclipseFinder, MatchesTheMonthByMonthCheck) {
    Observer shifting = Place(-33, 70, 0);
    shifting.Zone = std::make_shared<HalfYearRule>();
    for (const Observer& o : {Place(0, 0, -720), Place(0, 0, 840), Place(51.5, 0, 0), shifting}) {
        ExpectSameEclipses(FindEclipses(1990, 2040, o), MonthByMonth(1990, 2040, o));
        ExpectSameEclipses(FindEclipses(1, 4, o), MonthByMonth(1, 4, o));
        ExpectSameEclipses(FindEclipses(1581, 1583, o), MonthByMonth(1581, 1583, o));
        ExpectSameEclipses(FindEclipses(9996, 9999, o), MonthByMonth(9996, 9999, o));
    }
}

// The window splits a long range into pieces computed apart; joined in order they must give
// the whole range's list.
TEST(EclipseFinder, PiecesOfARangeJoinIntoTheWholeRange) {
    const Observer o = Place(0, 0, 840);
    std::vector<TEclipseResult> joined;
    for (int from = 1900; from <= 2099; from += 7) {
        const auto piece = FindEclipses(from, std::min(from + 6, 2099), o);
        joined.insert(joined.end(), piece.begin(), piece.end());
    }
    ExpectSameEclipses(joined, FindEclipses(1900, 2099, o));
}

TEST(EclipseFinder, RangeLimits) {
    EXPECT_TRUE(FindEclipses(2001, 1999, {}).empty());
    EXPECT_TRUE(FindEclipses(-10, 0, {}).empty());
    EXPECT_FALSE(FindEclipses(9999, 20000, {}).empty());
    const auto year2025 = FindEclipses(2025, 2025, {});
    ASSERT_EQ(year2025.size(), 2u);
    EXPECT_EQ(EclipseTexts(year2025[1]).DateText, "07 September 2025");
    EXPECT_EQ(year2025[1].EclipseType, kTotalEclipse);
}
