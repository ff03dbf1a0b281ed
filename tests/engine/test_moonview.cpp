#include "Calendar.h"
#include "MoonView.h"
#include "Phases.h"

#include <gtest/gtest.h>

using namespace crescendar;

TEST(MoonViewTexts, AgeInDaysHoursMinutes) {
    EXPECT_EQ(MoonAgeTexts(5.75), (std::array<std::string, 3>{"05d", "18h", "00m"}));
    EXPECT_EQ(MoonAgeTexts(0), (std::array<std::string, 3>{"00d", "00h", "00m"}));
    EXPECT_EQ(MoonAgeTexts(29.5), (std::array<std::string, 3>{"29d", "12h", "00m"}));
    EXPECT_EQ(MoonAgeTexts(-0.01), (std::array<std::string, 3>{"00d", "00h", "00m"}));
}

TEST(MoonViewTexts, PhaseNamesByLunationPercentage) {
    const TLunationBracket b{DynamicalTime{0.0},
                             DynamicalTime{100.0}}; // age in days equals the percentage
    TPhaseList list{};
    struct Case {
        double p;
        const char* name;
    } cases[] = {{3, "New Moon"},
                 {3.1, "Waxing Crescent"},
                 {23, "Waxing Crescent"},
                 {25, "First Quarter"},
                 {30, "Waxing Gibbous"},
                 {50, "Full (Harvest) Moon"},
                 {53, "Full (Harvest) Moon"},
                 {60, "Waning Gibbous"},
                 {75, "Last Quarter"},
                 {90, "Waning Crescent"},
                 {97.5, "New Moon"},
                 {101.4, "New Moon"}};
    for (const Case& c : cases)
        EXPECT_EQ(PhaseName(b, c.p, 9, list, 4, LocalTime{0}), c.name) << c.p;
}

TEST(MoonViewTexts, BlueMoonOnceTheSecondFullMoonHasBegun) {
    const TLunationBracket b{DynamicalTime{0.0}, DynamicalTime{100.0}};
    TPhaseList list{};
    list[4].Kind = TPhaseKind::FullMoon;
    list[4].Instant = LocalTime{1000.3};
    EXPECT_EQ(PhaseName(b, 50, 8, list, 5, LocalTime{999.7}), "Full (Sturgeon) Moon");
    EXPECT_EQ(PhaseName(b, 50, 8, list, 5, LocalTime{999.9}), "Full (Blue) Moon");
    EXPECT_EQ(PhaseName(b, 50, 8, list, 4, LocalTime{999.9}), "Full (Sturgeon) Moon");
}

TEST(MoonViewTexts, AgeIsNeverNegativeJustAfterNewMoonEastOfGreenwich) {
    // New moon of 2000-01-06 18:14 UT; an observer at UT+10 looks minutes later.
    TLunationBracket b;
    const double newMoon = TruePhase(0).JD;
    for (double dt : {0.0, 1e-6, 0.001, 0.01, 0.1}) {
        const double age = MoonAge(UniversalTime{newMoon + dt}, b);
        EXPECT_GE(age, 0.0) << dt;
        EXPECT_LT(age, 0.2) << dt;
        EXPECT_LE(b.PreviousNewMoon.JD, newMoon + dt);
        EXPECT_GT(b.NextNewMoon.JD, newMoon + dt);
    }
}

TEST(MoonViewTexts, LocalSiderealTimeStaysInOneDay) {
    Observer o;
    o.ZoneOffset = 60;
    o.DaylightOffset = 60;
    // Local 00:30 is 22:30 UT of the day before.
    const std::string lst = LocalSiderealTime(MakeDate(2024, 6, 1, 0, 30), o);
    ASSERT_EQ(lst.size(), 8u);
    const int h = std::stoi(lst.substr(0, 2));
    EXPECT_GE(h, 0);
    EXPECT_LT(h, 24);
    // Greenwich, 2000-01-01 0h UT: apparent sidereal time 6h 39m 52s (mean 6h 39m 52.27s).
    EXPECT_EQ(LocalSiderealTime(MakeDate(2000, 1, 1), Observer{}).substr(0, 5), "06:39");
    for (int m = 0; m < 1440; m += 13) {
        const std::string t = LocalSiderealTime(MakeDate(2030, 3, 20, m / 60, m % 60), o);
        ASSERT_LT(std::stoi(t.substr(0, 2)), 24) << t;
        ASSERT_LT(std::stoi(t.substr(3, 2)), 60) << t;
        ASSERT_LT(std::stoi(t.substr(6, 2)), 60) << t;
    }
}
