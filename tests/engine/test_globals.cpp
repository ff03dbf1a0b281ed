#include "Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

using namespace crescendar;

TEST(GlobalsJulianDay, WorkedExamples) {
    EXPECT_DOUBLE_EQ(DateToJulianDay(MakeDate(2000, 1, 1, 12)), 2451545.0);
    EXPECT_DOUBLE_EQ(DateToJulianDay(MakeDate(1582, 10, 4)), 2299159.5);
    EXPECT_DOUBLE_EQ(DateToJulianDay(MakeDate(1582, 10, 15)), 2299160.5);
    EXPECT_DOUBLE_EQ(DateToJulianDay(MakeDate(1582, 10, 10)), 2299165.5);
    EXPECT_DOUBLE_EQ(DateToJulianDay(MakeDate(2024, 2, 29)), 2460369.5);
    EXPECT_DOUBLE_EQ(JulianDayOfYearStart(2000), 2451544.5);

    auto check = [](double jd, int y, int m, int d, int h = 0) {
        const TDateTimeRecord r = JulianDayToDate(jd);
        EXPECT_EQ(r.Year, y);
        EXPECT_EQ(r.Month, m);
        EXPECT_EQ(r.Day, d);
        EXPECT_EQ(r.Hour, h);
        EXPECT_EQ(r.MSec, 0);
    };
    check(2451545.0, 2000, 1, 1, 12);
    check(2299160.5, 1582, 10, 15);
    check(2299159.5, 1582, 10, 4);
    check(2299165.5, 1582, 10, 20);
}

TEST(GlobalsJulianDay, RoundTripEveryDayFromReformTo2200) {
    const double first = DateToJulianDay(MakeDate(1582, 10, 15));
    const double last = DateToJulianDay(MakeDate(2200, 12, 31));
    int y = 1582, m = 10, d = 15;
    for (double jd = first; jd <= last; jd += 1.0) {
        const TDateTimeRecord r = JulianDayToDate(jd);
        ASSERT_EQ(r.Year, y) << jd;
        ASSERT_EQ(r.Month, m) << jd;
        ASSERT_EQ(r.Day, d) << jd;
        ASSERT_EQ(r.Hour + r.Minute + r.Second, 0) << jd;
        ASSERT_DOUBLE_EQ(DateToJulianDay(r), jd);
        if (++d > DaysInMonth(static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(y))) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
}

TEST(GlobalsJulianDay, RoundTripNoonOfEveryNewYear) {
    for (int y = 1; y <= 9999; ++y) {
        const double jd = DateToJulianDay(MakeDate(y, 1, 1, 12));
        const TDateTimeRecord r = JulianDayToDate(jd);
        ASSERT_EQ(r.Year, y);
        ASSERT_EQ(r.Month, 1);
        ASSERT_EQ(r.Day, 1);
        ASSERT_EQ(r.Hour, 12);
        ASSERT_EQ(r.Minute, 0);
        ASSERT_EQ(r.Second, 0);
    }
}

TEST(GlobalsJulianDay, SecondsRoundingUpCarryIntoTheDate) {
    // 12:27:00 must not read 12:26:00 (a 60th second is carried).
    for (int y : {1, 1500, 2024, 9999}) {
        for (int h = 0; h < 24; ++h) {
            for (int mi = 0; mi < 60; mi += 7) {
                const TDateTimeRecord r =
                    JulianDayToDate(DateToJulianDay(MakeDate(y, 6, 15, h, mi)));
                ASSERT_EQ(r.Hour, h);
                ASSERT_EQ(r.Minute, mi);
                ASSERT_EQ(r.Second, 0);
            }
        }
    }
    // Half a second before midnight rolls into the next day, and the next year.
    const TDateTimeRecord r =
        JulianDayToDate(DateToJulianDay(MakeDate(2024, 12, 31)) + 1.0 - 0.4 / 86400);
    EXPECT_EQ(r.Year, 2025);
    EXPECT_EQ(r.Month, 1);
    EXPECT_EQ(r.Day, 1);
    EXPECT_EQ(r.Hour, 0);
    EXPECT_EQ(r.Minute, 0);
    EXPECT_EQ(r.Second, 0);
}

TEST(GlobalsCalendar, DaysInMonthAndDeltaT) {
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2024), 29);
    EXPECT_EQ(DaysInMonth(2, 2023), 28);
    EXPECT_EQ(DaysInMonth(4, 2023), 30);
    EXPECT_EQ(DaysInMonth(12, 2023), 31);
    EXPECT_DOUBLE_EQ(DeltaT(1810), -15.0);
    EXPECT_NEAR(DeltaT(2000), 66.225, 1e-12);
    EXPECT_TRUE(IsJulianCalendarDate(1582, 10, 14));
    EXPECT_FALSE(IsJulianCalendarDate(1582, 10, 15));
    EXPECT_TRUE(IsJulianCalendarDate(1581, 12, 31));
}

// Up to 1582 every fourth year is a leap year; October 1582 runs 1..4, 15..31.
TEST(GlobalsCalendar, JulianLeapYearsAndTheReformGap) {
    EXPECT_EQ(DaysInMonth(2, 1500), 29);
    EXPECT_EQ(DaysInMonth(2, 1300), 29);
    EXPECT_EQ(DaysInMonth(2, 4), 29);
    EXPECT_EQ(DaysInMonth(2, 1582), 28);
    EXPECT_EQ(DaysInMonth(2, 1600), 29);
    EXPECT_EQ(DaysInMonth(2, 1700), 28);
    EXPECT_EQ(DaysInMonth(10, 1582), 31);

    EXPECT_TRUE(IsCalendarDate(1500, 2, 29));
    EXPECT_FALSE(IsCalendarDate(1500, 2, 30));
    EXPECT_FALSE(IsCalendarDate(1700, 2, 29));
    EXPECT_TRUE(IsCalendarDate(1582, 10, 4));
    for (int d = 5; d <= 14; ++d) EXPECT_FALSE(IsCalendarDate(1582, 10, d)) << d;
    EXPECT_TRUE(IsCalendarDate(1582, 10, 15));
    EXPECT_TRUE(IsCalendarDate(1582, 10, 31));
    EXPECT_TRUE(IsCalendarDate(1583, 10, 10));
    EXPECT_FALSE(IsCalendarDate(0, 1, 1));
    EXPECT_FALSE(IsCalendarDate(10000, 1, 1));
    EXPECT_FALSE(IsCalendarDate(2024, 13, 1));
    EXPECT_FALSE(IsCalendarDate(2024, 1, 0));

    const std::vector<std::uint16_t> october = MonthDays(10, 1582);
    ASSERT_EQ(october.size(), 21u);
    EXPECT_EQ(october[3], 4);
    EXPECT_EQ(october[4], 15);
    EXPECT_EQ(october.back(), 31);
    EXPECT_EQ(MonthDays(2, 1500).size(), 29u);
    EXPECT_EQ(MonthDays(10, 1583).size(), 31u);
    EXPECT_TRUE(MonthDays(13, 2024).empty());

    EXPECT_EQ(CalendarDay(10, 1582, 10), 15);
    EXPECT_EQ(CalendarDay(10, 1582, 4), 4);
    EXPECT_EQ(CalendarDay(2, 1500, 31), 29);
    EXPECT_EQ(CalendarDay(2, 1700, 29), 28);
    EXPECT_EQ(CalendarDay(4, 2023, 0), 1);

    EXPECT_EQ(DayOfWeek(1582, 10, 4), 4);  // Thursday
    EXPECT_EQ(DayOfWeek(1582, 10, 15), 5); // Friday
    EXPECT_EQ(DayOfWeek(2000, 1, 1), 6);   // Saturday
    EXPECT_EQ(DayOfWeekOfJulianDay(2451545.0), 6);
    EXPECT_EQ(DayOfWeekOfJulianDay(2451544.5), 6);
    EXPECT_EQ(DayOfWeekOfJulianDay(2451544.49), 5);
}

// Walking the dates of the calendar month by month must give one Julian Day after the other,
// and every Julian Day must convert back to its date: a wrong leap day or a day of the gap
// breaks the chain.
TEST(GlobalsCalendar, TheDatesOfEveryMonthFollowOneAnotherUpTo1700) {
    double expected = DateToJulianDay(MakeDate(1, 1, 1));
    for (int y = 1; y <= 1700; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (const std::uint16_t d :
                 MonthDays(static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(y))) {
                ASSERT_TRUE(IsCalendarDate(y, m, d));
                const double jd = DateToJulianDay(MakeDate(y, m, d));
                ASSERT_EQ(jd, expected) << y << "-" << m << "-" << d;
                const TDateTimeRecord back = JulianDayToDate(jd);
                ASSERT_EQ(back.Year, y);
                ASSERT_EQ(back.Month, m);
                ASSERT_EQ(back.Day, d);
                expected += 1.0;
            }
        }
    }
}

TEST(GlobalsAngles, NormaliseDegrees) {
    EXPECT_DOUBLE_EQ(NormaliseDegrees(-720), 360.0);
    EXPECT_DOUBLE_EQ(NormaliseDegrees(725), 5.0);
    EXPECT_DOUBLE_EQ(NormaliseDegrees(-10), 350.0);
    EXPECT_DOUBLE_EQ(NormaliseDegrees(360), 0.0);
    EXPECT_FALSE(std::signbit(NormaliseDegrees(-0.0)));
    EXPECT_NEAR(DegToRad(180), 3.141592653589793, 1e-15);
}

// The quick path must reduce every angle as the extended-precision quotient does, also next
// to whole turns, where the two divisions may round to different sides.
TEST(GlobalsAngles, NormaliseDegreesTakesTheExtendedQuotientsTurns) {
    const auto reference = [](double x) {
        const auto n = static_cast<std::int64_t>(x / 360.0L);
        const double r = x - static_cast<double>(360 * n);
        return (x >= 0 ? r : r + 360.0) + 0.0;
    };
    for (const double turn : {-1e7, -7200.0, -360.0, 0.0, 360.0, 3600.0, 359999640.0, 1e9}) {
        double x = turn;
        for (int i = 0; i < 40; ++i) x = std::nextafter(x, -1e300);
        for (int i = 0; i < 80; ++i, x = std::nextafter(x, 1e300))
            EXPECT_EQ(NormaliseDegrees(x), reference(x)) << x;
        for (const double offset : {1e-9, 0.1, 123.456, 359.9999})
            EXPECT_EQ(NormaliseDegrees(turn + offset), reference(turn + offset)) << turn;
    }
}

static void ExpectDMS(double x, const char* sign, const char* d, const char* m, const char* s) {
    const TAngleText t = DegreesToDMS(x);
    EXPECT_EQ(t.Sign, sign) << x;
    EXPECT_EQ(t.Deg, d) << x;
    EXPECT_EQ(t.Min, m) << x;
    EXPECT_EQ(t.Sec, s) << x;
}

TEST(GlobalsAngles, DegreesToDMS) {
    ExpectDMS(-5.5, kMinusSign, "05", "30", "01");
    ExpectDMS(1 + 10 / 60.0 + 59.5 / 3600, " ", "01", "11", "00");
    ExpectDMS(0, " ", "00", "00", "01");
    ExpectDMS(123.25, " ", "123", "15", "01");
    // A 60th second is carried through 59 minutes into the degrees.
    ExpectDMS(12 + 59 / 60.0 + 59.5 / 3600, " ", "13", "00", "00");
    ExpectDMS(23 + 59 / 60.0 + 59.9 / 3600, " ", "24", "00", "00");
    ExpectDMS(std::nan(""), " ", "00", "00", "01");
}

TEST(GlobalsAngles, DMSNeverShowsSixty) {
    for (double x = -400; x < 400; x += 0.0001234567) {
        const TAngleText t = DegreesToDMS(x);
        ASSERT_LT(std::stoi(t.Min), 60) << x;
        ASSERT_LT(std::stoi(t.Sec), 60) << x;
        ASSERT_LE(TextLength(t.Deg), 3u);
        ASSERT_EQ(t.Min.size(), 2u);
        ASSERT_EQ(t.Sec.size(), 2u);
    }
}

TEST(GlobalsTexts, DateTimeToText) {
    EXPECT_EQ(DateTimeToText(MakeDate(2024, 1, 3, 9, 5, 7)), "09:05:07  03 January 2024");
    EXPECT_EQ(DateTimeToText(MakeDate(7, 12, 25, 23, 59, 59)), "23:59:59  25 December 7");
}

TEST(GlobalsTexts, RegionalNamesReplaceMonthNames) {
    TRegionalNames german = EnglishRegionalNames();
    german.LongMonthNames[2] = "März";
    SetRegionalNames(german);
    EXPECT_EQ(DateTimeToText(MakeDate(2025, 3, 5, 14, 7)), "14:07:00  05 März 2025");
    SetRegionalNames(EnglishRegionalNames());
    EXPECT_EQ(LongMonthName(3), "March");
    EXPECT_EQ(LongMonthName(13), "");
}

TEST(GlobalsTexts, CutTextCountsCharacters) {
    EXPECT_EQ(CutText("März 2025", 3), "Mär");
    EXPECT_EQ(CutText("abc", 5), "abc");
    EXPECT_EQ(CutText(kMinusSign, 1), kMinusSign);
    EXPECT_EQ(TextLength("März"), 4u);
}

TEST(GlobalsTexts, FormatDateReadsPatternLettersWithoutCase) {
    const TDateTimeRecord d = MakeDate(2024, 3, 5);
    EXPECT_EQ(FormatDate("dd/mm/yyyy", d), "05/03/2024");
    EXPECT_EQ(FormatDate("MM/DD/YYYY", d), "03/05/2024");
    EXPECT_EQ(FormatDate("yyyy-mm-dd", d), "2024-03-05");
    EXPECT_EQ(FormatDate("d.m.yy", d), "5.3.24");
    EXPECT_EQ(FormatDate("dd/mm/yyyy", MakeDate(7, 12, 25)), "25/12/0007");
    TRegionalNames dots = EnglishRegionalNames();
    dots.DateSeparator = ".";
    SetRegionalNames(dots);
    EXPECT_EQ(FormatDate("dd/mm/yyyy", d), "05.03.2024");
    SetRegionalNames(EnglishRegionalNames());
}
