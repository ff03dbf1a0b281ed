#include "Calendar.h"
#include "DateInfo.h"
#include "EventText.h"

#include <gtest/gtest.h>

using namespace crescendar;

namespace {

// A day's facts with the texts the window shows of them.
struct TShownInfo : TDateInfo, TDateInfoTexts {};

TShownInfo Info(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    const TDateInfo info = DateInfo(MakeDate(y, m, d, h, mi, s));
    return {info, DateInfoTexts(info)};
}

} // namespace

TEST(DateInfo, WorkedExampleAndIsoWeeks) {
    const TShownInfo i = Info(2003, 2, 5);
    EXPECT_EQ(i.DateText, "05 February 2003");
    EXPECT_EQ(i.JulianDayText, "2452675.5");
    EXPECT_EQ(i.DayNumberText, "36");
    EXPECT_EQ(i.WeekText, "6  (2003-W6-3)");
    EXPECT_EQ(i.DaysTillXmasText, "323");

    EXPECT_EQ(Info(2024, 1, 1).WeekText, "1  (2024-W1-1)");
    EXPECT_EQ(Info(2024, 12, 30).WeekText, "1  (2025-W1-1)");
    EXPECT_EQ(Info(2024, 12, 31).WeekText, "1  (2025-W1-2)");
    EXPECT_EQ(Info(2021, 1, 3).WeekText, "53  (2020-W53-7)");
    EXPECT_EQ(Info(2006, 1, 1).WeekText, "52  (2005-W52-7)");
    EXPECT_EQ(Info(2026, 1, 1).WeekText, "1  (2026-W1-4)");
}

// Weekday and week advance day by day and week 1 holds the year's first Thursday: together
// these fix every ISO week of a full Gregorian cycle.
TEST(DateInfo, IsoWeeksOverAGregorianCycle) {
    TDateInfo last = Info(1999, 12, 31);
    for (double jd = MakeDate(2000, 1, 1).JD; jd < MakeDate(2400, 1, 1).JD; jd += 1) {
        const TDateInfo i = DateInfo(JulianDayToDate(jd));
        ASSERT_EQ(i.Weekday, last.Weekday % 7 + 1) << jd;
        const bool newYear = i.Weekday == 1 && i.Week == 1;
        ASSERT_EQ(i.Week, newYear ? 1 : i.Weekday == 1 ? last.Week + 1 : last.Week) << jd;
        ASSERT_EQ(i.WeekYear, newYear ? last.WeekYear + 1 : last.WeekYear) << jd;
        if (newYear) {
            ASSERT_GE(last.Week, 52) << jd;
        }
        if (i.Week == 1 && i.Weekday == 4) {
            ASSERT_EQ(i.WeekYear, i.Date.Year) << jd;
        }
        last = i;
    }
}

TEST(DateInfo, DayNumbersAndChristmas) {
    EXPECT_EQ(Info(2024, 12, 25, 23, 59, 59).DaysTillXmas, 0);
    EXPECT_EQ(Info(2023, 12, 26).DaysTillXmas, 365); // to Christmas of the leap year 2024
    EXPECT_EQ(Info(1582, 10, 4).DaysTillXmas, 72);   // the ten reform days are skipped
    // The spacing of doubles changes at JD 2^21 during 1029; the days still come out whole.
    EXPECT_EQ(Info(1029, 1, 1, 0, 0, 39).DaysTillXmas, 358);
    EXPECT_EQ(Info(2024, 12, 31).DayNumber, 366);
    EXPECT_EQ(Info(1582, 12, 31).DayNumber, 355);
    // A day that the reform dropped is no date: it is brought to 15 October.
    EXPECT_EQ(Info(1582, 10, 10).JulianDayText, "2299160.5");
    EXPECT_EQ(Info(1582, 10, 10).DateText, "15 October 1582");
    // The Julian Day is the date's, at 0h: the time of day of the record does not count.
    EXPECT_EQ(Info(2000, 1, 1, 13).JulianDayText, "2451544.5");
    EXPECT_EQ(Info(2026, 12, 15, 22, 47).JulianDayText, "2461389.5");
    EXPECT_EQ(Info(2023, 2, 31).DayNumber, 59); // out-of-range fields are clamped
}

// October 1582 and February 1500 in the program's own calendar: Julian weekdays, 29 days in
// February 1500, and 4 October (a Thursday) followed by 15 October (a Friday) in one week.
TEST(DateInfo, DatesAroundTheCalendarReform) {
    const TShownInfo thursday = Info(1582, 10, 4);
    EXPECT_EQ(thursday.Weekday, 4);
    EXPECT_EQ(thursday.DayNumber, 277);
    EXPECT_EQ(thursday.WeekText, "40  (1582-W40-4)");
    const TShownInfo friday = Info(1582, 10, 15);
    EXPECT_EQ(friday.Weekday, 5);
    EXPECT_EQ(friday.DayNumber, 278);
    EXPECT_EQ(friday.WeekText, "40  (1582-W40-5)");
    EXPECT_EQ(Info(1582, 10, 18).WeekText, "41  (1582-W41-1)");
    EXPECT_EQ(Info(1582, 10, 15).DaysTillXmas, 71);

    const TShownInfo leapDay = Info(1500, 2, 29);
    EXPECT_EQ(leapDay.DateText, "29 February 1500");
    EXPECT_EQ(leapDay.DayNumber, 60);
    EXPECT_EQ(leapDay.Weekday, 6); // Saturday
    EXPECT_EQ(Info(1500, 3, 1).DayNumber, 61);
    EXPECT_EQ(Info(1500, 12, 31).DayNumber, 366);
    EXPECT_EQ(Info(1500, 2, 30).DateText, "29 February 1500"); // brought into the month
}

// The same day-by-day rules as over the Gregorian cycle, through Julian years, the reform and
// the first Gregorian years.
TEST(DateInfo, WeeksAndDayNumbersRunOnThroughTheReform) {
    TDateInfo last = Info(1499, 12, 31);
    for (double jd = MakeDate(1500, 1, 1).JD; jd < MakeDate(1700, 1, 1).JD; jd += 1) {
        const TDateInfo i = DateInfo(JulianDayToDate(jd));
        ASSERT_EQ(i.Weekday, last.Weekday % 7 + 1) << jd;
        const bool newYear = i.Weekday == 1 && i.Week == 1;
        ASSERT_EQ(i.Week, newYear ? 1 : i.Weekday == 1 ? last.Week + 1 : last.Week) << jd;
        ASSERT_EQ(i.WeekYear, newYear ? last.WeekYear + 1 : last.WeekYear) << jd;
        if (newYear) {
            // 1582 has 355 days and so 51 weeks.
            ASSERT_GE(last.Week, last.WeekYear == 1582 ? 51 : 52) << jd;
        }
        const bool januaryFirst = i.Date.Month == 1 && i.Date.Day == 1;
        ASSERT_EQ(i.DayNumber, januaryFirst ? 1 : last.DayNumber + 1) << jd;
        if (januaryFirst) {
            const int year = last.Date.Year;
            const int length = year == 1582 ? 355 : DaysInMonth(2, year) == 29 ? 366 : 365;
            ASSERT_EQ(last.DayNumber, length) << jd;
        }
        last = i;
    }
}
