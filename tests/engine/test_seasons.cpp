#include "Calendar.h"
#include "Equinox.h"
#include "EventText.h"
#include "Nutation.h"
#include "SunPosition.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>

using namespace crescendar;

namespace {

TEquinoxes Seasons(int year, int offsetMinutes = 0, double latitude = 0.0) {
    Observer o;
    o.Latitude = latitude;
    o.ZoneOffset = offsetMinutes;
    return EquinoxesAndSolstices(static_cast<std::uint16_t>(year), o);
}

} // namespace

TEST(Season, WorkedExamples) {
    const TEquinoxes y2000 = Seasons(2000);
    EXPECT_NEAR(y2000.MeanJDE[0].JD, 2451623.80984, 1e-6);
    EXPECT_NEAR(y2000.JDE[0].JD, 2451623.8170, 0.00005);
    EXPECT_EQ(EquinoxTexts(y2000).RowTexts[0], "07:35   20 Mar");

    const TEquinoxes y2024 = Seasons(2024);
    EXPECT_EQ(EquinoxTexts(y2024).RowTexts,
              (std::array<std::string, 4>{"03:06   20 Mar", "20:51   20 Jun", "12:43   22 Sep",
                                          "09:20   21 Dec"}));
    EXPECT_EQ(EquinoxTexts(y2024).RowLengthTexts[0], "92.73 days"); // 92.739 is cut, not rounded
    // "South" at the equator (-0) already names the seasons for the southern hemisphere.
    const TEquinoxes south = Seasons(2024, 0, -0.0);
    EXPECT_EQ(EquinoxTexts(south).RowTexts,
              (std::array<std::string, 4>{"12:43   22 Sep", "09:20   21 Dec", "03:06   20 Mar",
                                          "20:51   20 Jun"}));
    EXPECT_EQ(EquinoxTexts(south).RowLengthTexts[0], EquinoxTexts(y2024).LengthTexts[2]);
}

TEST(Season, LocalTimesAndLengthTexts) {
    // The full text is the instant itself; only the minutes shown alone are rounded.
    EXPECT_EQ(EquinoxTexts(Seasons(2026)).EventTexts[0], "14:45:35  20 March 2026");
    EXPECT_EQ(EquinoxTexts(Seasons(2024, 180)).DisplayTexts[1], "23:51   20 Jun");
    EXPECT_EQ(EquinoxTexts(Seasons(2024, 240)).DisplayTexts[1], "00:51   21 Jun");
    EXPECT_EQ(EquinoxTexts(Seasons(2024, -240)).DisplayTexts[0], "23:06   19 Mar");
    EXPECT_EQ(EquinoxTexts(Seasons(2058)).LengthTexts[0], "92.7 days");
    EXPECT_EQ(EquinoxTexts(Seasons(1993)).LengthTexts[3], "89 days");
}

// December to March joins two refined instants: the next March equinox is the one that the
// next year's record finds.
TEST(Season, WinterEndsAtTheNextRefinedMarchEquinox) {
    for (int year = 1990; year <= 2030; ++year) {
        const TEquinoxes e = Seasons(year);
        const double next = Seasons(year + 1).JDE[0].JD;
        EXPECT_NEAR(e.JDE[4].JD, next, 1e-7) << year;
        EXPECT_DOUBLE_EQ(e.Lengths[3], std::trunc((next - e.JDE[3].JD) * 100.0) / 100.0) << year;
    }
}

// The refinement lands on the right longitude in every part of the calendar; the events keep
// their order and months and the seasons add up to a tropical year, less the cut hundredths.
TEST(Season, EveryYearOfTheCalendar) {
    for (int year = 1; year <= 9999; year += 7) {
        const TEquinoxes e = Seasons(year);
        double total = 0.0;
        for (std::size_t i = 0; i < 5; ++i) {
            const double lambda = SunApparentLongitude(e.JDE[i]);
            EXPECT_NEAR(std::remainder(lambda - 90.0 * static_cast<double>(i % 4), 360.0), 0, 1e-6);
            if (i == 4) break;
            EXPECT_LT(e.JDE[i], e.JDE[i + 1]) << year;
            EXPECT_EQ(e.Local[i].Year, year);
            EXPECT_EQ(e.Local[i].Month, 3 * i + 3) << year;
            total += e.Lengths[i];
        }
        EXPECT_GT(total, 365.19) << year;
        EXPECT_LT(total, 365.25) << year;
    }
    EXPECT_TRUE(EquinoxTexts(Seasons(0)).EventTexts[0].empty());
    EXPECT_TRUE(EquinoxTexts(Seasons(65535)).RowTexts[3].empty());
    EXPECT_TRUE(std::isnan(SunLongitudeInstant(DynamicalTime{std::nan("")}, 0.0).JD));
}

// The expansion the search solves follows the full series (less the nutation) across its
// reach, and its rate is the full longitude's, anywhere in the calendar.
TEST(Season, LongitudeExpansionFollowsTheFullSeries) {
    for (const double centre : {1721500.3, 2100000.7, 2451623.8, 2816000.1, 3600000.5, 5373000.9}) {
        const TSunLongitudeNear sun{DynamicalTime{centre}};
        for (const double offset :
             {-TSunLongitudeNear::kReach, -0.007, 0.0, 0.013, TSunLongitudeNear::kReach}) {
            const DynamicalTime t{centre + offset};
            const auto withoutNutation = [](DynamicalTime u) {
                return SunApparentLongitude(u) - Nutation(u).DeltaPsi / 3600.0;
            };
            // 3e-9 degree is about 0.3 ms of the Sun's motion, a few units in the last place
            // of a longitude summed over eight millennia.
            EXPECT_NEAR(std::remainder(sun.At(t).Longitude - withoutNutation(t), 360.0), 0.0, 3e-9)
                << centre << " " << offset;
            const double h = 0.01;
            const double slope =
                std::remainder(withoutNutation(t + h) - withoutNutation(t - h), 360.0) / (2 * h);
            EXPECT_NEAR(sun.At(t).Rate, slope, 5e-7) << centre << " " << offset;
        }
    }
}

// The refined instants put the Sun on its longitude to well within the seconds shown, the
// record's next March equinox is the next year's, and the instants alone are the record's.
TEST(Season, InstantsSettleOnTheLongitude) {
    for (int year = 1; year <= 9999; year += 97) {
        const auto y = static_cast<std::uint16_t>(year);
        const TEquinoxes e = Seasons(year);
        const std::array<DynamicalTime, 4> instants = SeasonInstants(y);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(instants[i], e.JDE[i]) << year;
            // 1e-8 degree: under a millisecond.
            const double miss = std::remainder(SunApparentLongitude(e.JDE[i]) - 90.0 * i, 360.0);
            EXPECT_NEAR(miss, 0.0, 1e-8) << year << " " << i;
        }
        if (year < 9999) {
            EXPECT_EQ(e.JDE[4], SeasonInstants(static_cast<std::uint16_t>(year + 1))[0]) << year;
        }
    }
}
