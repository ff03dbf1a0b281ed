#include "fEquinox.h"
#include "fGlobals.h"
#include "fRiseSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

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
    EXPECT_NEAR(y2000.MeanJDE[0], 2451623.80984, 1e-6);
    EXPECT_NEAR(y2000.JDE[0], 2451623.8170, 0.00005);
    EXPECT_EQ(y2000.DisplayTexts[0], "07:35   20 Mar");
    EXPECT_EQ(y2000.EventTexts[0].substr(0, 5), "07:35");

    const TEquinoxes y2024 = Seasons(2024);
    const std::string expected[4] = {"03:06   20 Mar", "20:51   20 Jun", "12:43   22 Sep",
                                     "09:20   21 Dec"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(y2024.DisplayTexts[static_cast<std::size_t>(i)], expected[i]);
        EXPECT_EQ(y2024.RowTexts[static_cast<std::size_t>(i)], expected[i]);
    }
}

// Lengths are cut to two decimals (92.739 days is 92.73, not 92.74) and shown in their
// shortest form.
TEST(Season, LengthTexts) {
    EXPECT_EQ(Seasons(2024).LengthTexts[0], "92.73 days");
    EXPECT_DOUBLE_EQ(Seasons(2024).Lengths[0], 92.73);
    EXPECT_EQ(Seasons(2000).LengthTexts[0], "92.75 days");
    EXPECT_EQ(Seasons(2058).LengthTexts[0], "92.7 days");
    EXPECT_EQ(Seasons(1993).LengthTexts[3], "89 days");
}

// December to March joins two refined instants: the following March equinox is the one the
// next year's record finds.
TEST(Season, WinterEndsAtTheNextRefinedMarchEquinox) {
    for (int year = 1990; year <= 2030; ++year) {
        const TEquinoxes e = Seasons(year);
        const TEquinoxes next = Seasons(year + 1);
        EXPECT_NEAR(e.JDE[4], next.JDE[0], 1e-7) << year;
        const auto hundredths = static_cast<long long>((next.JDE[0] - e.JDE[3]) * 100.0);
        EXPECT_DOUBLE_EQ(e.Lengths[3], static_cast<double>(hundredths) / 100.0) << year;
    }
}

TEST(Season, SouthernHemisphereStartsWithTheSeptemberEquinox) {
    const TEquinoxes south = Seasons(2024, 0, -0.0); // "South" at the equator
    EXPECT_EQ(south.RowTexts[0], "12:43   22 Sep");
    EXPECT_EQ(south.RowTexts[1], "09:20   21 Dec");
    EXPECT_EQ(south.RowTexts[2], "03:06   20 Mar");
    EXPECT_EQ(south.RowTexts[3], "20:51   20 Jun");
    for (std::size_t row = 0; row < 4; ++row)
        EXPECT_EQ(south.RowLengthTexts[row], south.LengthTexts[(row + 2) % 4]);
    EXPECT_EQ(Seasons(2024, 0, 0.0).RowTexts[0], "03:06   20 Mar");
    EXPECT_EQ(Seasons(2024, 0, DegToRad(-33.9)).RowEvent[0], TSeasonEvent::SeptemberEquinox);
}

TEST(Season, LocalClockTimeCrossesMidnight) {
    EXPECT_EQ(Seasons(2024, 180).DisplayTexts[1], "23:51   20 Jun");
    EXPECT_EQ(Seasons(2024, 240).DisplayTexts[1], "00:51   21 Jun");
    EXPECT_EQ(Seasons(2024, -240).DisplayTexts[0], "23:06   19 Mar");
    Observer daylight;
    daylight.ZoneOffset = 60;
    daylight.DaylightOffset = 60;
    EXPECT_EQ(EquinoxesAndSolstices(2024, daylight).DisplayTexts[0], "05:06   20 Mar");
}

// Across the whole calendar the refinement lands on the right longitude, the events keep their
// months and their order, and the four seasons make up a tropical year (less the cut hundredths).
TEST(Season, EveryYearOfTheCalendar) {
    const Observer anywhere;
    for (int year = 1; year <= 9999; year += 7) {
        const TEquinoxes e = Seasons(year);
        double total = 0.0;
        for (std::size_t i = 0; i < 5; ++i) {
            const double lambda = SunPosition(e.JDE[i], anywhere).ApparentLongitude;
            EXPECT_NEAR(std::sin(DegToRad(lambda - 90.0 * static_cast<double>(i % 4))), 0.0, 1e-8)
                << year;
            if (i == 4) break;
            EXPECT_LT(e.JDE[i], e.JDE[i + 1]) << year;
            EXPECT_EQ(e.Local[i].Year, year);
            EXPECT_EQ(e.Local[i].Month, 3 * i + 3) << year;
            EXPECT_EQ(e.Local[i].Second, 0) << year; // 30 s added, then rounded... never 60
            total += e.Lengths[i];
        }
        EXPECT_GT(total, 365.19) << year;
        EXPECT_LT(total, 365.25) << year;
    }
}

TEST(Season, Guards) {
    for (int year : {0, 10000, 65535}) {
        const TEquinoxes e = Seasons(year);
        EXPECT_TRUE(e.EventTexts[0].empty());
        EXPECT_TRUE(e.RowLengthTexts[3].empty());
    }
    // A start three weeks off still finds the equinox; a non-finite start returns at once.
    EXPECT_NEAR(SunLongitudeInstant(2451623.8 + 21, 0.0), Seasons(2000).JDE[0], 1e-7);
    EXPECT_TRUE(std::isnan(SunLongitudeInstant(std::nan(""), 0.0)));
}
