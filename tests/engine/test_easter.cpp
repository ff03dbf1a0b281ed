#include "Calendar.h"
#include "Easter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace crescendar;

TEST(Easter, WorkedExamples) {
    EXPECT_EQ(Sunday(2024), "31 March 2024");
    EXPECT_EQ(Sunday(2025), "20 April 2025");
    EXPECT_EQ(Sunday(2000), "23 April 2000");
    EXPECT_EQ(Sunday(1818), "22 March 1818");
    EXPECT_EQ(Sunday(1943), "25 April 1943");
    EXPECT_EQ(EasterSunday(65535).Month, 4);
}

// Checked against Oudin's arrangement of the Gregorian computus (1940).
TEST(Easter, EveryGregorianYearIsASundayFrom22MarchTo25April) {
    for (int y = 1583; y <= 9999; ++y) {
        const TDateTimeRecord e = EasterSunday(static_cast<std::uint16_t>(y));
        const int dayOfSpring = e.Month == 3 ? e.Day : 31 + e.Day;
        ASSERT_GE(dayOfSpring, 22) << y;
        ASSERT_LE(dayOfSpring, 31 + 25) << y;
        ASSERT_EQ(static_cast<long long>(std::floor(e.JD + 1.5)) % 7, 0) << y; // Sunday

        const int c = y / 100, n = y % 19, k = (c - 17) / 25;
        int i = (c - c / 4 - (c - k) / 3 + 19 * n + 15) % 30;
        i -= (i / 28) * (1 - (i / 28) * (29 / (i + 1)) * ((21 - n) / 11));
        const int l = i - (y + y / 4 + i + 2 - c + c / 4) % 7;
        const int month = 3 + (l + 40) / 44;
        ASSERT_EQ(e.Month, month) << y;
        ASSERT_EQ(e.Day, l + 28 - 31 * (month / 4)) << y;
    }
}

// Up to 1582 Easter follows the Julian computus, on dates of the Julian calendar.
TEST(Easter, JulianYearsUseTheJulianComputus) {
    EXPECT_EQ(Sunday(1500), "19 April 1500");
    EXPECT_EQ(Sunday(1582), "15 April 1582");
    EXPECT_EQ(Sunday(1583), "10 April 1583");
    EXPECT_EQ(Sunday(1000), "31 March 1000");
    for (int y = 1; y <= 1582; ++y) {
        const TDateTimeRecord e = EasterSunday(static_cast<std::uint16_t>(y));
        const int dayOfSpring = e.Month == 3 ? e.Day : 31 + e.Day;
        ASSERT_GE(dayOfSpring, 22) << y;
        ASSERT_LE(dayOfSpring, 31 + 25) << y;
        ASSERT_TRUE(IsJulianCalendarDate(y, e.Month, e.Day)) << y;
    }
    // The Julian dates repeat every 532 years.
    for (int y = 1; y + 532 <= 1582; ++y) {
        const TDateTimeRecord a = EasterSunday(static_cast<std::uint16_t>(y));
        const TDateTimeRecord b = EasterSunday(static_cast<std::uint16_t>(y + 532));
        ASSERT_EQ(a.Month, b.Month) << y;
        ASSERT_EQ(a.Day, b.Day) << y;
    }
}

TEST(Easter, IsASundayOfTheProgramsCalendarInEveryYear) {
    for (int y = 1; y <= 9999; ++y) {
        const TDateTimeRecord e = EasterSunday(static_cast<std::uint16_t>(y));
        ASSERT_TRUE(IsCalendarDate(y, e.Month, e.Day)) << y;
        ASSERT_EQ(DayOfWeek(y, e.Month, e.Day), 0) << y;
    }
}
