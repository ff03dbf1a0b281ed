// The main window's keyboard: moving the selected day and month, the program's shortcuts,
// Escape and Enter in the editors, and the month arrows of the calendar.
#include "MainFixture.h"

#include "Calendar.h"

#include <algorithm>

namespace crescendar {
namespace {

using KeysTest = MainFixture;

struct Ymd {
    int Year, Month, Day;
    bool operator==(const Ymd&) const = default;
};

Ymd Selected(const TMain* w) {
    const TDateTimeRecord& d = w->SelectedDateTime();
    return {d.Year, d.Month, d.Day};
}

void PrintTo(const Ymd& d, std::ostream* os) {
    *os << d.Year << "-" << d.Month << "-" << d.Day;
}

TEST_F(KeysTest, ArrowsMoveTheSelectedDayAcrossMonthsAndYears) {
    Start(At(2025, 12, 30, 9, 0, 0));
    Tick();
    Key(Qt::Key_Right);
    EXPECT_EQ(Selected(w), (Ymd{2025, 12, 31}));
    Key(Qt::Key_Right);
    EXPECT_EQ(Selected(w), (Ymd{2026, 1, 1}));
    EXPECT_EQ(w->lblSelectedmonth->Text(), "January");
    EXPECT_EQ(w->lblSelectedYear->Text(), "2026");
    Key(Qt::Key_Up);
    EXPECT_EQ(Selected(w), (Ymd{2025, 12, 25}));
    Key(Qt::Key_Down);
    Key(Qt::Key_Left);
    EXPECT_EQ(Selected(w), (Ymd{2025, 12, 31}));
    // The time of day runs on with the clock; only the day moved.
    Tick();
    EXPECT_EQ(w->StripText().substr(0, 8), "09:00:00");
}

// Samoa's clocks passed over 30 December 2011: the arrows and a click step over it, and the
// marker sits on the date selected.
TEST_F(KeysTest, ArrowsAndClicksPassOverADateTheClocksSkipped) {
    Start(At(2011, 12, 29, 12), {{"ZoneName", "Pacific/Apia"}});
    Tick();
    const auto marked = [this](int day) {
        const auto& days = w->Session().DayTable();
        const auto at = std::find(days.begin(), days.end(), day) - days.begin();
        return w->imgCurrDate->pos() ==
               w->DateCells[static_cast<std::size_t>(at)]->pos() - QPoint(1, 3);
    };
    ASSERT_EQ(Selected(w), (Ymd{2011, 12, 29}));
    Key(Qt::Key_Right);
    EXPECT_EQ(Selected(w), (Ymd{2011, 12, 31}));
    EXPECT_TRUE(marked(31));
    Key(Qt::Key_Left);
    EXPECT_EQ(Selected(w), (Ymd{2011, 12, 29}));
    EXPECT_TRUE(marked(29));
    const auto& days = w->Session().DayTable();
    Click(w->DateCells[static_cast<std::size_t>(std::find(days.begin(), days.end(), 30) -
                                                days.begin())]);
    EXPECT_EQ(Selected(w), (Ymd{2011, 12, 31}));
    EXPECT_TRUE(marked(31));
}

TEST_F(KeysTest, ArrowsStepOverTheCalendarReformAndStopAtTheEnds) {
    Start(At(2025, 3, 14));
    Tick();
    w->Session().SelectMonth(10, 1582);
    ASSERT_EQ(Selected(w), (Ymd{1582, 10, 15}));
    Key(Qt::Key_Left);
    EXPECT_EQ(Selected(w), (Ymd{1582, 10, 4}));
    Key(Qt::Key_Down);
    EXPECT_EQ(Selected(w), (Ymd{1582, 10, 21}));

    w->Session().SelectMonth(1, 1);
    ASSERT_EQ(Selected(w), (Ymd{1, 1, 21}));
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(Selected(w), (Ymd{1, 1, 7}));
    Key(Qt::Key_Up); // seven days before lies before the calendar
    EXPECT_EQ(Selected(w), (Ymd{1, 1, 7}));
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Selected(w), (Ymd{1, 1, 7}));

    w->Session().SelectMonth(12, 9999);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Selected(w).Year, 9999);
    EXPECT_EQ(Selected(w).Month, 12);
}

TEST_F(KeysTest, PageKeysAndArrowsPageTheMonthAndHomeGoesToNow) {
    Start(At(2025, 1, 31, 12));
    Tick();
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Selected(w), (Ymd{2025, 2, 28}));
    EXPECT_EQ(w->lblSelectedmonth->Text(), "February");
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Selected(w), (Ymd{2025, 1, 28}));
    Click(w->imgNextMonth);
    Click(w->imgNextMonth);
    EXPECT_EQ(Selected(w), (Ymd{2025, 3, 28}));
    Click(w->imgPrevMonth);
    EXPECT_EQ(Selected(w), (Ymd{2025, 2, 28}));
    EXPECT_EQ(Cell(w->FirstDayColumn()).trimmed(), "1");
    // A jumped-to time (a phase clicked, the time edited) is left too: Home means now.
    w->SetTimeOffset(0.4);
    Key(Qt::Key_Home);
    EXPECT_EQ(Selected(w), (Ymd{2025, 1, 31}));
    EXPECT_EQ(w->TimeOffset(), 0.0);
    EXPECT_EQ(w->SelectedDateTime().Hour, 12);
}

TEST_F(KeysTest, MonthChangesByKeyRefreshTheVisibleReports) {
    std::vector<int> months;
    Start(At(2025, 3, 14));
    Tick();
    QObject::connect(&w->Session(), &TSession::monthChanged,
                     [&] { months.push_back(w->SelectedDateTime().Month); });
    Key(Qt::Key_Right); // same month: nothing to refresh
    Key(Qt::Key_PageDown);
    Click(w->imgPrevMonth);
    Key(Qt::Key_Home); // already March
    EXPECT_EQ(months, (std::vector<int>{4, 3}));
}

TEST_F(KeysTest, ShortcutsPrintHelpAndQuitAndTheHintsNameTheKeys) {
    int printed = 0;
    options.Hooks.ShowPrintOptions = [&printed] { ++printed; };
    Start(At(2025, 3, 14));
    QTest::keyClick(w, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printed, 1);
    Key(Qt::Key_F1);
    // Without a help page beside the program the user is told so; either way F1 was handled.
    EXPECT_EQ(shell.files.size() + dialogs.messages.size(), 1u);
    EXPECT_TRUE(w->lblPrint->Hint().contains("Ctrl+P"));
    EXPECT_TRUE(w->lblHelp->Hint().contains("F1"));
    EXPECT_TRUE(w->lblExit->Hint().contains("Ctrl+Q"));
    EXPECT_TRUE(w->imgPrevMonth->Hint().contains("Page Up"));
    EXPECT_TRUE(w->imgNextMonth->Hint().contains("Page Down"));
    // Escape never closes the main window.
    Key(Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(KeysTest, EscapeCancelsTheTimeEditorAndKeepsTheRunningTime) {
    Start(At(2025, 3, 14, 10, 15, 30));
    Tick();
    Click(w->lblClock);
    Click(w->lblHour);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Type("22");
    clock.Advance(4000);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(w->imgTimeButton->isHidden());
    EXPECT_TRUE(w->lblCursor->isHidden());
    EXPECT_TRUE(w->Timer1.isActive());
    EXPECT_DOUBLE_EQ(w->TimeOffset(), 0.0);
    EXPECT_EQ(w->StripText().substr(0, 8), "10:15:34");
    // Keys move the day again once the editor is gone.
    Key(Qt::Key_Right);
    EXPECT_EQ(Selected(w), (Ymd{2025, 3, 15}));
}

TEST_F(KeysTest, EnterConfirmsTheTimeEditorWithoutAFieldClicked) {
    Start(At(2025, 3, 14, 10, 15, 30));
    Tick();
    Click(w->lblClock);
    clock.Set(At(2025, 3, 14, 10, 15, 40));
    Key(Qt::Key_Return);
    EXPECT_TRUE(w->imgTimeButton->isHidden());
    EXPECT_TRUE(w->Timer1.isActive());
    // The time shown when the editor opened is taken, as if it had been typed.
    EXPECT_NEAR(w->TimeOffset() * 86400, -10, 1e-6);
    EXPECT_EQ(w->StripText().substr(0, 8), "10:15:30");
}

TEST_F(KeysTest, EnterAfterTheYearEditorConfirmsTheTimeEditor) {
    Start(At(2025, 3, 14, 10, 15, 30));
    Tick();
    Click(w->lblSelectedYear); // the last field edited is the year
    Click(w->lblClock);        // which the time editor accepts as it opens
    Key(Qt::Key_Enter);
    EXPECT_TRUE(w->imgTimeButton->isHidden());
    EXPECT_TRUE(w->imgYearButton->isHidden());
    EXPECT_EQ(Selected(w), (Ymd{2025, 3, 14}));
}

TEST_F(KeysTest, EscapeCancelsTheYearEditor) {
    Start(At(2025, 3, 14));
    Tick();
    Click(w->lblSelectedYear);
    for (int i = 0; i < 4; ++i) Key(Qt::Key_Backspace);
    Type("1999");
    EXPECT_EQ(w->lblSelectedYear->Text(), "1999");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(w->imgYearButton->isHidden());
    EXPECT_FALSE(w->lblSelectedYearShadow->isHidden());
    EXPECT_EQ(w->lblSelectedYear->Text(), "2025");
    EXPECT_EQ(Selected(w), (Ymd{2025, 3, 14}));
    // An accepted year is what Escape later goes back to.
    Click(w->lblSelectedYear);
    for (int i = 0; i < 4; ++i) Key(Qt::Key_Backspace);
    Type("2030");
    Key(Qt::Key_Return);
    Click(w->lblSelectedYear);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Escape);
    EXPECT_EQ(w->lblSelectedYear->Text(), "2030");
    EXPECT_EQ(Selected(w), (Ymd{2030, 3, 14}));
}

TEST_F(KeysTest, DayKeysAreIgnoredWhileAnEditorIsOpen) {
    Start(At(2025, 3, 14));
    Tick();
    Click(w->lblClock);
    Key(Qt::Key_Right);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Selected(w), (Ymd{2025, 3, 14}));
    Key(Qt::Key_Escape);
    Click(w->lblSelectedYear);
    Key(Qt::Key_Left);
    EXPECT_EQ(Selected(w), (Ymd{2025, 3, 14}));
}

} // namespace
} // namespace crescendar
