// Every panel of the main window describes the same instant: the clock strip, the day selected
// in the grid, the Moon and Sun panels, the rise and set times and the phase name, through
// midnights reached by the clock or by a typed time, year and day changes with or without an
// open editor, and at both ends of the calendar.
#include "MainFixture.h"

#include "Calendar.h"
#include "EventText.h"
#include "RiseSet.h"

namespace crescendar {
namespace {

class InstantTest : public MainFixture {
  protected:
    // Opens the time editor and confirms the typed time (hh, mm, ss as two digits each).
    void TypeTime(const char* hh, const char* mm, const char* ss) {
        Click(w->lblClock);
        const std::pair<ClickRegion*, const char*> fields[] = {
            {w->lblHour, hh}, {w->lblMinute, mm}, {w->lblSecond, ss}};
        for (const auto& [label, digits] : fields) {
            Click(label);
            Key(Qt::Key_Backspace);
            Key(Qt::Key_Backspace);
            Type(digits);
        }
        Key(Qt::Key_Return);
    }
    void TypeYear(const char* year) {
        Click(w->lblSelectedYear);
        for (int i = 0; i < 4; ++i) Key(Qt::Key_Backspace);
        Type(year);
        Key(Qt::Key_Return);
    }
    // The date and time at the start of the clock strip.
    std::string StripDate() const { return w->StripText().substr(0, w->StripText().find(" - ")); }

    // The selected day, its marker in the grid and its rise and set times belong to the date
    // that the clock strip shows.
    void ExpectDayInStep(int year, int month, int day) {
        const TDateTimeRecord& d = w->SelectedDateTime();
        EXPECT_EQ(d.Year, year);
        EXPECT_EQ(d.Month, month);
        EXPECT_EQ(d.Day, day);
        const TDateTimeRecord shown = JulianDayToDate(w->ShownJD().JD);
        EXPECT_EQ(shown.Year, year);
        EXPECT_EQ(shown.Month, month);
        EXPECT_EQ(shown.Day, day);
        EXPECT_EQ(w->lblSelectedYear->Text(), QString::number(year));
        const int index = w->FirstDayColumn() + day - 1;
        EXPECT_EQ(Cell(index), QString::number(day));
        EXPECT_EQ(w->imgCurrDate->pos(),
                  w->DateCells[static_cast<std::size_t>(index)]->pos() - QPoint(1, 3));
        const TRiseSet sun = SunRiseSet(MakeDate(year, month, day), -0.8333, w->GetObserver());
        EXPECT_EQ(w->lblSunRise->Text().toStdString(), sun.RiseText);
        EXPECT_EQ(w->lblSunSet->Text().toStdString(), sun.SetText);
        EXPECT_GT(w->TimeOffset(), -1.0);
        EXPECT_LT(w->TimeOffset(), 1.0);
    }

    // The panels drawn on the window are those that a tick at the same clock reading draws.
    void ExpectPanelsCurrent() {
        const QImage before = w->CanvasImage().copy();
        const std::string strip = w->StripText();
        Tick();
        EXPECT_EQ(w->StripText(), strip);
        EXPECT_TRUE(w->CanvasImage() == before) << "the panels were drawn for another instant";
    }
};

TEST_F(InstantTest, ATypedTimeRunsIntoTheNextDayMonthAndYearWithEveryPanel) {
    Start(At(2025, 12, 31, 10, 15, 30));
    Tick();
    TypeTime("23", "59", "58");
    EXPECT_EQ(StripDate(), "23:59:58  31 December 2025");
    clock.Advance(3000);
    Tick();
    EXPECT_EQ(StripDate(), "00:00:01  01 January 2026");
    ExpectDayInStep(2026, 1, 1);
    EXPECT_EQ(w->lblSelectedmonth->Text(), "January");
    ExpectPanelsCurrent();

    // The clock's own midnight later on leaves the shown instant running.
    clock.Set(At(2026, 1, 1, 0, 0, 2));
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 8), "13:44:30");
    ExpectDayInStep(2026, 1, 1);
}

TEST_F(InstantTest, AnEarlierTypedTimeKeepsItsDayWhenTheClockPassesMidnight) {
    Start(At(2025, 3, 14, 23, 59, 50));
    Tick();
    TypeTime("12", "00", "00");
    clock.Set(At(2025, 3, 15, 0, 0, 10));
    Tick();
    EXPECT_EQ(StripDate(), "12:00:20  14 March 2025");
    ExpectDayInStep(2025, 3, 14);
    ExpectPanelsCurrent();
}

TEST_F(InstantTest, ATimeTypedAcrossTheClocksMidnightAppliesToTheDayShown) {
    Start(At(2025, 3, 14, 23, 59, 50));
    Tick();
    Click(w->lblClock);
    clock.Set(At(2025, 3, 15, 0, 0, 10)); // midnight passes while the editor is open
    Click(w->lblHour);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Type("12");
    Key(Qt::Key_Return);
    EXPECT_EQ(StripDate(), "12:59:50  14 March 2025");
    ExpectDayInStep(2025, 3, 14);
}

TEST_F(InstantTest, AYearOrDayChangeRedrawsThePanelsAtOnce) {
    Start(At(2025, 3, 14, 10, 0, 0));
    Tick();
    TypeYear("2024");
    EXPECT_EQ(StripDate(), "10:00:00  14 March 2024");
    ExpectPanelsCurrent();

    // With the time editor open the displays stand still, but a day clicked is shown.
    Click(w->lblClock);
    const int day20 = w->FirstDayColumn() + 19;
    Click(w->DateCells[static_cast<std::size_t>(day20)]);
    EXPECT_EQ(StripDate(), "10:00:00  20 March 2024");
    ExpectDayInStep(2024, 3, 20);
    ExpectPanelsCurrent();

    // Moving to another month, as the month picker does.
    TDateTimeRecord d = w->SelectedDateTime();
    d.Month = 6;
    w->ShowSelectedMonth(d);
    EXPECT_EQ(StripDate(), "10:00:00  20 June 2024");
    ExpectPanelsCurrent();
}

TEST_F(InstantTest, AMonthWithoutTheSelectedDayShowsItsLastDay) {
    Start(At(2025, 3, 31, 10, 0, 0));
    Tick();
    TDateTimeRecord d = w->SelectedDateTime();
    d.Month = 4;
    w->ShowSelectedMonth(d);
    EXPECT_EQ(StripDate(), "10:00:00  30 April 2025");
    ExpectDayInStep(2025, 4, 30);
}

TEST_F(InstantTest, ThePhaseNameBelongsToTheShownInstant) {
    // The second full moon of August 2023 counts from 30 August 13:36 (local, GMT); the clock
    // reads noon, the typed time is four hours later.
    Start(At(2023, 8, 30, 12, 0, 0));
    Tick();
    EXPECT_NE(w->StripText().find("Full (Sturgeon) Moon"), std::string::npos) << w->StripText();
    TypeTime("16", "00", "00");
    EXPECT_NE(w->StripText().find("Full (Blue) Moon"), std::string::npos) << w->StripText();
}

TEST_F(InstantTest, TheShownInstantStopsAtTheLastSecondOf9999) {
    Start(At(2025, 12, 31, 23, 59, 58));
    TypeYear("9999");
    clock.Advance(1000);
    Tick();
    EXPECT_EQ(StripDate(), "23:59:59  31 December 9999");
    clock.Advance(1000); // the clock's midnight
    Tick();
    EXPECT_EQ(StripDate(), "23:59:59  31 December 9999");
    ExpectDayInStep(9999, 12, 31);
    clock.Advance(60000);
    Tick();
    EXPECT_EQ(StripDate(), "23:59:59  31 December 9999");
    EXPECT_EQ(w->lblSelectedmonth->Text(), "December");

    // A typed time runs into the same stop.
    TypeTime("23", "59", "50");
    clock.Advance(20000);
    Tick();
    EXPECT_EQ(StripDate(), "23:59:59  31 December 9999");
    ExpectDayInStep(9999, 12, 31);

    // Now returns to the present.
    Click(w->lblClock);
    Mouse(w->imgTimeButton, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {100, 10});
    Mouse(w->imgTimeButton, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {100, 10});
    EXPECT_EQ(w->TimeOffset(), 0);
    EXPECT_EQ(StripDate(), "00:01:20  01 January 2026");
    ExpectDayInStep(2026, 1, 1);
}

TEST_F(InstantTest, TheShownInstantStopsAtTheFirstSecondOfYearOne) {
    Start(At(2025, 1, 1, 0, 0, 30));
    TypeYear("1");
    EXPECT_EQ(StripDate(), "00:00:30  01 January 1");
    w->SetTimeOffset(-1.5);
    Tick();
    EXPECT_EQ(StripDate(), "00:00:00  01 January 1");
    ExpectDayInStep(1, 1, 1);
    clock.Advance(5000); // from the stop the instant runs on with the clock
    Tick();
    EXPECT_EQ(StripDate(), "00:00:05  01 January 1");
}

} // namespace
} // namespace crescendar
