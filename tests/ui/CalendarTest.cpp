// The month grid, the principal phases, the eclipse button and the year editor.
#include "MainFixture.h"

#include "EventText.h"

namespace crescendar {
namespace {

using CalendarTest = MainFixture;

TEST_F(CalendarTest, DayOrderChoosesTheTitlesAndTheFirstColumn) {
    Start(At(2025, 6, 10)); // 1 June 2025 is a Sunday
    EXPECT_EQ(w->FirstDayColumn(), 0);
    EXPECT_EQ(w->WeekdayTitles[0]->Text(), "Sun");
    EXPECT_EQ(Cell(0), "1");
    delete w;

    Start(At(2025, 6, 10), {{"DayOrder", "1"}});
    EXPECT_EQ(w->FirstDayColumn(), 6);
    EXPECT_EQ(Cell(5), " ");
    EXPECT_EQ(Cell(6), "1");
    QStringList titles;
    for (auto* t : w->WeekdayTitles) titles << t->Text();
    EXPECT_EQ(titles.join(' '), "Mon Tue Wed Thu Fri Sat Sun");
}

TEST_F(CalendarTest, MonthsFillFourToSixRows) {
    Start(At(2026, 2, 10)); // a 28-day February starting on a Sunday
    EXPECT_EQ(Cell(27), "28");
    for (int i = 28; i < 42; ++i) EXPECT_EQ(Cell(i), " ") << i;

    TDateTimeRecord march = w->SelectedDateTime();
    march.Month = 3;
    march.Year = 2025; // 1 March 2025 is a Saturday
    w->ShowSelectedMonth(march);
    EXPECT_EQ(Cell(6), "1");
    EXPECT_EQ(Cell(36), "31");
    EXPECT_EQ(w->lblSelectedmonth->Text(), "March");
    // Month name, a 10-pixel gap and the year, centred on 420..620.
    const int left = w->lblSelectedmonth->x();
    const int right = w->lblSelectedYear->x() + w->lblSelectedYear->width();
    EXPECT_EQ(w->lblSelectedYear->x(), left + w->lblSelectedmonth->width() + 10);
    EXPECT_LE(std::abs((left - 420) - (620 - right)), 1);
}

TEST_F(CalendarTest, BlankCellsAreIgnoredAndRightClickOnlyShowsDateInformation) {
    std::vector<TDateTimeRecord> infos;
    options.Hooks.ShowDateInfo = [&infos](const TDateTimeRecord& d) { infos.push_back(d); };
    Start(At(2026, 2, 10));
    const QPoint marker = w->imgCurrDate->pos();

    Click(w->DateCells[30]);
    Click(w->DateCells[30], Qt::RightButton);
    EXPECT_EQ(w->SelectedDateTime().Day, 10);
    EXPECT_EQ(w->imgCurrDate->pos(), marker);
    EXPECT_TRUE(infos.empty());

    Click(w->DateCells[11], Qt::RightButton); // day 12
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(infos[0].Day, 12);
    EXPECT_EQ(infos[0].Month, 2);
    EXPECT_EQ(w->SelectedDateTime().Day, 10);

    Click(w->DateCells[11]);
    EXPECT_EQ(w->SelectedDateTime().Day, 12);
    EXPECT_EQ(w->imgCurrDate->pos(), w->DateCells[11]->pos() - QPoint(1, 3));
}

TEST_F(CalendarTest, FiveAndThreePhaseMonths) {
    Start(At(2023, 8, 10)); // full moons on 1 and 31 August 2023
    ASSERT_EQ(w->PhaseCount(), 5);
    EXPECT_FALSE(w->imgPhase[4]->isHidden());
    EXPECT_EQ(w->imgPhase[4]->Image(), w->imgBlueMoon);
    EXPECT_EQ(w->imgPhase[0]->Image(), w->imgFullMoon);
    EXPECT_EQ(w->imgPhase[2]->Image(), w->imgNewMoon);
    EXPECT_EQ(w->lblPhase[4]->Text().mid(5), "  31 August 2023");
    delete w;

    Start(At(2018, 2, 10)); // no full moon in February 2018
    ASSERT_EQ(w->PhaseCount(), 3);
    EXPECT_TRUE(w->imgPhase[3]->isHidden());
    EXPECT_TRUE(w->lblPhase[4]->isHidden());
    EXPECT_EQ(w->imgPhase[0]->Image(), w->imgLastQuarterPhase);
}

TEST_F(CalendarTest, EclipseButtonFollowsTheMonth) {
    std::vector<TEclipseResult> shown;
    options.Hooks.ShowEclipse = [&shown](const std::vector<TEclipseResult>& e) { shown = e; };
    Start(At(2025, 3, 10));
    EXPECT_FALSE(w->imgEclipse->isHidden());
    EXPECT_EQ(w->EclipseInfo().EclipseType, kTotalEclipse);
    Click(w->imgEclipse);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(EclipseTexts(shown[0]).DateText, "14 March 2025");

    TDateTimeRecord june = w->SelectedDateTime();
    june.Month = 6;
    w->ShowSelectedMonth(june);
    EXPECT_TRUE(w->imgEclipse->isHidden());
    EXPECT_EQ(w->EclipseInfo().EclipseType, kNoEclipse);
}

TEST_F(CalendarTest, YearEditorTakesOnlyYearsItCanShow) {
    int monthLists = 0;
    options.Hooks.ShowMonthList = [&monthLists] { ++monthLists; };
    Start(At(2025, 3, 14));
    Click(w->lblSelectedYear);
    EXPECT_FALSE(w->imgYearButton->isHidden());
    Type("7"); // the first digit replaces the year
    EXPECT_EQ(w->lblSelectedYear->Text(), "7");
    Type("9994"); // a fifth digit is ignored
    EXPECT_EQ(w->lblSelectedYear->Text(), "7999");
    for (int i = 0; i < 5; ++i) Key(Qt::Key_Backspace); // one more than there is
    EXPECT_EQ(w->lblSelectedYear->Text(), "");

    Key(Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(w->imgYearButton->isHidden());
    Type("0");
    Click(w->lblSelectedmonth); // the month picker waits for a year it can take
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(monthLists, 0);
    EXPECT_FALSE(w->imgYearButton->isHidden());
    EXPECT_EQ(w->SelectedDateTime().Year, 2025);

    Key(Qt::Key_Backspace);
    Type("1066");
    Key(Qt::Key_Return);
    EXPECT_TRUE(w->imgYearButton->isHidden());
    EXPECT_EQ(w->SelectedDateTime().Year, 1066);
    EXPECT_EQ(w->lblSelectedYear->Text(), "1066");
    Click(w->lblSelectedmonth);
    EXPECT_EQ(monthLists, 1);
}

TEST_F(CalendarTest, TwentyNinthOfFebruaryBecomesTheTwentyEighthInACommonYear) {
    Start(At(2024, 2, 29));
    Click(w->lblSelectedYear);
    for (int i = 0; i < 4; ++i) Key(Qt::Key_Backspace);
    Type("2025");
    Key(Qt::Key_Return);
    EXPECT_EQ(w->SelectedDateTime().Day, 28);
    EXPECT_EQ(w->SelectedDateTime().Year, 2025);
    const int index = w->FirstDayColumn() + 27;
    EXPECT_EQ(w->imgCurrDate->pos(), w->DateCells[index]->pos() - QPoint(1, 3));
}

} // namespace
} // namespace crescendar
