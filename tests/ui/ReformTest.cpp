// The month grid and the clock on dates around the calendar reform: October 1582 with its 21
// days, February 1500 with its 29th, and the day after 4 October 1582.
#include "MainFixture.h"

#include "Calendar.h"

#include <cmath>

namespace crescendar {
namespace {

class ReformTest : public MainFixture {
  protected:
    // Types a year into the year editor and confirms it.
    void TypeYear(const char* year) {
        Click(w->lblSelectedYear);
        for (int i = 0; i < 4; ++i) Key(Qt::Key_Backspace);
        Type(year);
        Key(Qt::Key_Return);
    }
};

TEST_F(ReformTest, October1582ShowsItsTwentyOneDaysOnTheirWeekdays) {
    Start(At(2025, 10, 10));
    TypeYear("1582");
    // 10 October 1582 never was: the selection moves on to the 15th.
    EXPECT_EQ(w->SelectedDateTime().Day, 15);
    EXPECT_EQ(w->SelectedDateTime().Year, 1582);
    EXPECT_DOUBLE_EQ(std::floor(w->SelectedDateTime().JD - 0.5) + 0.5, 2299160.5);

    // 1 October 1582 was a Monday; Thursday the 4th is followed by Friday the 15th.
    EXPECT_EQ(w->FirstDayColumn(), 1);
    EXPECT_EQ(w->DaysInShownMonth(), 21);
    EXPECT_EQ(Cell(0), " ");
    EXPECT_EQ(Cell(4), "4");
    EXPECT_EQ(Cell(5), "15");
    EXPECT_EQ(Cell(6), "16");
    EXPECT_EQ(Cell(21), "31");
    for (int i = 22; i < 42; ++i) EXPECT_EQ(Cell(i), " ") << i;
    EXPECT_EQ(w->imgCurrDate->pos(), w->DateCells[5]->pos() - QPoint(1, 3));

    Click(w->DateCells[4]);
    EXPECT_EQ(w->SelectedDateTime().Day, 4);
    EXPECT_DOUBLE_EQ(std::floor(w->SelectedDateTime().JD - 0.5) + 0.5, 2299159.5);

    // With Monday first the 4th stands under Thursday and the 15th under Friday.
    delete w;
    Start(At(2025, 10, 10), {{"DayOrder", "1"}});
    TypeYear("1582");
    EXPECT_EQ(w->FirstDayColumn(), 0);
    EXPECT_EQ(w->WeekdayTitles[3]->Text(), "Thu");
    EXPECT_EQ(Cell(3), "4");
    EXPECT_EQ(w->WeekdayTitles[4]->Text(), "Fri");
    EXPECT_EQ(Cell(4), "15");
}

TEST_F(ReformTest, February1500HasATwentyNinthDay) {
    Start(At(2024, 2, 29));
    TypeYear("1500");
    EXPECT_EQ(w->SelectedDateTime().Day, 29);
    EXPECT_EQ(w->DaysInShownMonth(), 29);
    // 1 February 1500 was a Saturday, and so was the 29th.
    EXPECT_EQ(w->FirstDayColumn(), 6);
    EXPECT_EQ(Cell(34), "29");
    EXPECT_EQ(Cell(35), " ");
    EXPECT_EQ(w->imgCurrDate->pos(), w->DateCells[34]->pos() - QPoint(1, 3));

    TypeYear("1700"); // no 29 February in the Gregorian 1700
    EXPECT_EQ(w->SelectedDateTime().Day, 28);
    EXPECT_EQ(w->DaysInShownMonth(), 28);
}

TEST_F(ReformTest, MidnightOfThe4thOfOctober1582LeadsToThe15th) {
    Start(At(2025, 10, 4, 23, 59, 59));
    Tick();
    TypeYear("1582");
    ASSERT_EQ(w->SelectedDateTime().Day, 4);
    clock.Set(At(2025, 10, 5, 0, 0, 1));
    Tick();
    const TDateTimeRecord& d = w->SelectedDateTime();
    EXPECT_EQ(d.Day, 15);
    EXPECT_EQ(d.Month, 10);
    EXPECT_EQ(d.Year, 1582);
    EXPECT_EQ(w->imgCurrDate->pos(), w->DateCells[5]->pos() - QPoint(1, 3));
    EXPECT_EQ(w->StripText().substr(0, 25), "00:00:01  15 October 1582");

    // Half a day back from there is the evening of the 4th.
    w->SetTimeOffset(-0.5);
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 25), "12:00:01  04 October 1582");
}

} // namespace
} // namespace crescendar
