// The running clock, the time editor and its Now button, and the keys of the editors.
#include "MainFixture.h"

#include "Calendar.h"

#include <cmath>
#include <ctime>

namespace crescendar {
namespace {

using ClockTest = MainFixture;

TEST_F(ClockTest, ClickingAPhaseShowsItsDayAndMinuteAndKeepsRunning) {
    Start(At(2025, 6, 10, 10, 40, 12));
    Tick();
    // The month's first phase, the first quarter of 3 June 2025 at 03:41:xx UT.
    ASSERT_EQ(w->lblPhase[0]->Text(), QStringLiteral("03:42  03 June 2025"));
    Click(w->lblPhase[0]);
    EXPECT_EQ(w->SelectedDateTime().Day, 3);
    EXPECT_NEAR(w->TimeOffset() * 1440, -418, 1e-9);
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 22), "03:42:12  03 June 2025");
    clock.Advance(5000);
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 8), "03:42:17");
}

TEST_F(ClockTest, TypedTimeRunsOnFromTheClock) {
    Start(At(2025, 3, 14, 10, 15, 30));
    Tick();
    Click(w->lblClock);
    EXPECT_FALSE(w->Timer1.isActive()); // the displays stand still while editing
    EXPECT_EQ(w->lblHour->Text(), "10");
    EXPECT_EQ(w->lblMinute->Text(), "15");
    EXPECT_EQ(w->lblSecond->Text(), "30");

    Click(w->lblMinute);
    Type("1"); // the first digit replaces the field
    EXPECT_EQ(w->lblMinute->Text(), "1");
    Type("57"); // a third digit is ignored
    EXPECT_EQ(w->lblMinute->Text(), "15");

    Click(w->lblHour);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Type("22");
    clock.Set(At(2025, 3, 14, 10, 15, 40));
    Key(Qt::Key_Return);
    EXPECT_NEAR(w->TimeOffset() * 86400, 12 * 3600 - 10, 1e-6);
    EXPECT_TRUE(w->Timer1.isActive());
    EXPECT_TRUE(w->imgTimeButton->isHidden());
    EXPECT_EQ(w->StripText().substr(0, 8), "22:15:30");
    clock.Advance(1000);
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 8), "22:15:31");
}

TEST_F(ClockTest, InvalidTimesBeepAndKeepTheEditorOpen) {
    Start(At(2025, 3, 14, 10, 15, 30));
    Tick();
    Click(w->lblClock);
    Click(w->lblHour);
    Type("4"); // "10" is full: nothing
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return); // empty hour
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(dialogs.messages.empty());
    Type("24");
    Key(Qt::Key_Return);
    EXPECT_EQ(dialogs.beeps, 2);

    // A field out of range is refused even when another field is the one being edited.
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Type("09");
    Click(w->lblMinute);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Type("75");
    Click(w->lblHour);
    Key(Qt::Key_Return);
    EXPECT_EQ(dialogs.beeps, 3);

    EXPECT_EQ(w->TimeOffset(), 0);
    EXPECT_FALSE(w->imgTimeButton->isHidden());
    EXPECT_FALSE(w->Timer1.isActive());
}

TEST_F(ClockTest, DigitsDoNothingWithoutAnOpenEditorOrChosenField) {
    Start(At(2025, 3, 14, 10, 15, 30));
    Tick();
    Type("5");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(w->lblSelectedYear->Text(), "2025");
    EXPECT_EQ(w->lblHour->Text(), "00");

    Click(w->lblClock); // open, no field chosen yet: digits and Backspace go nowhere
    Key(Qt::Key_Backspace);
    Type("1");
    EXPECT_EQ(w->lblHour->Text(), "10");
    // Enter confirms the time as it stands.
    Key(Qt::Key_Return);
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_TRUE(w->imgTimeButton->isHidden());
    EXPECT_EQ(w->StripText().substr(0, 8), "10:15:30");
}

TEST_F(ClockTest, NowButtonRestoresTodayOnlyInsideTheButton) {
    Start(At(2025, 3, 14, 10, 15, 30));
    Tick();
    w->lblPhase[0]->SetText(QStringLiteral("16:32  06 March 2025"));
    Click(w->lblPhase[0]);
    Click(w->lblClock);
    Mouse(w->imgTimeButton, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {86, 10});
    Mouse(w->imgTimeButton, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {86, 10});
    EXPECT_FALSE(w->imgTimeButton->isHidden());
    EXPECT_EQ(w->SelectedDateTime().Day, 6);

    Mouse(w->imgTimeButton, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {87, 19});
    Mouse(w->imgTimeButton, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {87, 19});
    EXPECT_TRUE(w->imgTimeButton->isHidden());
    EXPECT_EQ(w->TimeOffset(), 0);
    EXPECT_EQ(w->SelectedDateTime().Day, 14);
    EXPECT_TRUE(w->Timer1.isActive());
    EXPECT_EQ(w->StripText().substr(0, 8), "10:15:30");
}

TEST_F(ClockTest, MidnightMovesTheSelectedDayIntoTheNextMonthAndYear) {
    Start(At(2025, 12, 31, 23, 59, 59));
    Tick();
    clock.Set(At(2026, 1, 1, 0, 0, 0));
    Tick();
    const TDateTimeRecord& d = w->SelectedDateTime();
    EXPECT_EQ(d.Day, 1);
    EXPECT_EQ(d.Month, 1);
    EXPECT_EQ(d.Year, 2026);
    EXPECT_EQ(w->lblSelectedmonth->Text(), "January");
    EXPECT_EQ(w->lblSelectedYear->Text(), "2026");
    EXPECT_EQ(Cell(4), "1"); // 1 January 2026 is a Thursday
    EXPECT_EQ(w->StripText().substr(0, 25), "00:00:00  01 January 2026");
}

TEST_F(ClockTest, AnOtherYearSelectedStillMovesOnAtMidnightButNotWhenTheClockGoesBack) {
    Start(At(2025, 10, 26, 1, 59, 59));
    Tick();
    Click(w->lblSelectedYear);
    for (int i = 0; i < 4; ++i) Key(Qt::Key_Backspace);
    Type("1990");
    Key(Qt::Key_Return);
    EXPECT_EQ(w->SelectedDateTime().Year, 1990);

    clock.Set(At(2025, 10, 26, 1, 0, 0)); // summer time ends: the clock goes back an hour
    Tick();
    EXPECT_EQ(w->SelectedDateTime().Day, 26);

    clock.Set(At(2025, 10, 27, 0, 0, 1));
    Tick();
    EXPECT_EQ(w->SelectedDateTime().Day, 27);
    EXPECT_EQ(w->SelectedDateTime().Year, 1990);
}

TEST_F(ClockTest, EngineGetsUniversalTimeAndTheOffsetMovesTheShownInstant) {
    Start(At(2025, 3, 14, 12, 0, 0), {{"TimeZone", "13"}}); // GMT + 01:00
    Tick();
    EXPECT_NEAR(w->ShownUT().JD, MakeDate(2025, 3, 14, 11).JD, 1e-9);

    w->SetTimeOffset(0.5);
    clock.Set(At(2025, 3, 14, 18, 0, 0));
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 22), "06:00:00  15 March 202");
}

// The computer in New York, the place Sydney: the clock shows Sydney's time, in its summer
// and in its winter, and the Moon is computed for that instant.
TEST_F(ClockTest, ShowsThePlacesTimeWhateverTheComputersZone) {
    const QByteArray computerZone = qgetenv("TZ");
    qputenv("TZ", "America/New_York");
    tzset();
    Start(At(2025, 1, 15, 12, 0), {{"ZoneName", "Australia/Sydney"},
                                   {"LatDeg", "33"},
                                   {"LatMin", "52"},
                                   {"LatDir", "South"},
                                   {"LongDeg", "151"},
                                   {"LongMin", "12"},
                                   {"LongDir", "East"}});
    clock.session = nullptr; // from here on the clock reads the computer's own zone
    // 04:40:12 in New York (EST) is 09:40:12 UT, 20:40:12 in Sydney (AEDT, +11).
    clock.Set(QDateTime(QDate(2025, 1, 15), QTime(4, 40, 12)));
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 25), "20:40:12  15 January 2025");
    EXPECT_NEAR(w->ShownUT().JD, MakeDate(2025, 1, 15, 9, 40, 12).JD, 1e-6);
    // In July: 04:40:12 EDT is 08:40:12 UT, 18:40:12 AEST (+10); the day has moved on.
    clock.Set(QDateTime(QDate(2025, 7, 15), QTime(4, 40, 12)));
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 8), "18:40:12");

    if (computerZone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", computerZone);
    tzset();
}

} // namespace
} // namespace crescendar
