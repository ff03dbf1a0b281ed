// The windows and printouts that walk a month's days, on October 1582 (4 October followed by
// 15 October) and February 1500 (29 days in the Julian calendar); the month picker, the date
// information and the Easter windows on the same dates.
#include "MainFixture.h"

#include "fDateInfo.h"
#include "fEaster.h"
#include "fMonthList.h"
#include "fObservingAid.h"
#include "fPrint.h"
#include "fTimesList.h"

#include "Calendar.h"
#include "EventText.h"
#include "PrintTarget.h"

#include <memory>

namespace crescendar {
namespace {

QColor Pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

class ReformReportsTest : public MainFixture {
  protected:
    // The main window on a day of another month and year.
    void ShowMonth(int year, int month, int day) {
        TDateTimeRecord d = w->SelectedDateTime();
        d.Year = static_cast<std::uint16_t>(year);
        d.Month = static_cast<std::uint16_t>(month);
        d.Day = static_cast<std::uint16_t>(day);
        w->ShowSelectedMonth(d);
    }
    void StartOn(int year, int month, int day) {
        Start(At(2025, month, 10));
        ShowMonth(year, month, day);
    }
    // The cell that shows a day of the shown month, -1 when none does.
    int CellOf(int day) const {
        for (int i = 0; i < 42; ++i)
            if (Cell(i) == QString::number(day)) return i;
        return -1;
    }
};

TEST_F(ReformReportsTest, MonthPickerMovesADroppedDayToThe15thAndKeepsJulianLeapDays) {
    StartOn(1582, 9, 10);
    auto* months = SkinWindow::Create<TMonthList>(w->Session(), *w);
    months->show();
    months->imgMonthsMouseMove(9 * TMonthList::kRowHeight + 5);
    months->imgMonthsClick();
    EXPECT_EQ(w->SelectedDateTime().Month, 10);
    EXPECT_EQ(w->SelectedDateTime().Day, 15);
    EXPECT_EQ(w->DaysInShownMonth(), 21);
    EXPECT_EQ(w->imgCurrDate->pos(), w->DateCells[5]->pos() - QPoint(1, 3));

    ShowMonth(1500, 1, 31);
    months->show();
    months->imgMonthsMouseMove(1 * TMonthList::kRowHeight + 5);
    months->imgMonthsClick();
    EXPECT_EQ(w->SelectedDateTime().Month, 2);
    EXPECT_EQ(w->SelectedDateTime().Day, 29);
    EXPECT_EQ(Cell(CellOf(29)), "29");
}

TEST_F(ReformReportsTest, TimesListHasOneRowForEachOfTheTwentyOneDays) {
    StartOn(1582, 10, 15);
    auto* t = SkinWindow::Create<TTimesList>(w->Session(), *w);
    t->SetupDataBitmap(w->SelectedDateTime());
    EXPECT_EQ(t->DayCount(), 21);
    const QImage& table = t->imgData.Image();
    auto dateInk = [&](int row) {
        int n = 0;
        for (int y = row * 14; y < row * 14 + 14; ++y)
            for (int x = 10; x < 80; ++x) n += qGray(table.pixel(x, y)) > 200;
        return n;
    };
    for (int row = 0; row < 31; ++row) EXPECT_EQ(dateInk(row) > 0, row < 21) << row;

    ShowMonth(1500, 2, 10);
    t->SetupDataBitmap(w->SelectedDateTime());
    EXPECT_EQ(t->DayCount(), 29);
    EXPECT_GT(dateInk(28), 0);
}

TEST_F(ReformReportsTest, ObservingAidDrawsOneRowPerDay) {
    StartOn(1582, 10, 15);
    auto* a = SkinWindow::Create<TObservingAid>(w->Session(), *w);
    a->show();
    a->FormActivate();
    Click(a->imgDayNight); // day view: one row per day, 12 pixels each
    ASSERT_FALSE(a->NightView());
    const QImage& chart = a->Image1.Image();
    auto lit = [&](int row) {
        int n = 0;
        for (int x = 20; x < 500; ++x) n += Pixel(chart, x, row * 12 + 10) != QColor(Qt::black);
        return n;
    };
    EXPECT_GT(lit(20), 100);
    EXPECT_EQ(lit(21), 0);
}

TEST_F(ReformReportsTest, PrintedPhaseMarksStandInTheirDaysBoxes) {
    StartOn(1582, 10, 15);
    ImagePrintTarget target{827, 1169, 100};
    TPrint print(target, CalendarSheetOf(w->Session()));
    ASSERT_TRUE(print.PrintCalendar(10, 1582));
    const PageFrame& f = print.Frame();
    const int W = 1169, H = 827;
    auto P = [W](double k) { return static_cast<int>(W * k / 1000.0 + 1e-9); };
    const int cw = W / 7, ch = (H - f.HeaderMargin() - f.FooterMargin()) / 6;

    // Day numbers: 4 in the Thursday column, 15 in the Friday column of the first row.
    auto writtenAt = [&](const QString& text, int x, int y) {
        for (const TPrintedText& t : f.Texts())
            if (t.Text == text && t.X == x && t.Y == y) return true;
        return false;
    };
    EXPECT_TRUE(writtenAt("4", cw * 4 + P(3.86), f.HeaderMargin() + P(3.86)));
    EXPECT_TRUE(writtenAt("15", cw * 5 + P(3.86), f.HeaderMargin() + P(3.86)));

    int after = 0;
    for (int i = 0; i < w->PhaseCount(); ++i) {
        const TPhaseEntry& e = w->PhaseList()[static_cast<std::size_t>(i)];
        const int day = std::stoi(SubText(PhaseText(e.Date), 8, 9));
        after += day >= 15;
        const int n = CellOf(day);
        ASSERT_GE(n, 0) << PhaseText(e.Date);
        const int x = P(4.8) + cw * (n % 7) + P(19.29) + P(4.8);
        const int top = f.HeaderMargin() + ch * (n / 7);
        bool found = false;
        for (const TPrintedText& t : f.Texts())
            found |= t.X == x && t.Y > top && t.Y < top + ch &&
                     t.Text == QString::fromStdString(SubText(PhaseText(e.Date), 1, 5));
        EXPECT_TRUE(found) << PhaseText(e.Date);
    }
    EXPECT_GT(after, 0); // the month has phases after the gap
}

TEST_F(ReformReportsTest, DateInformationAndEasterFollowTheProgramsCalendar) {
    TDateInfoWindow* info = nullptr;
    options.Hooks.ShowDateInfo = [&info](const TDateTimeRecord& d) {
        if (info) info->ShowDateInfo(d);
    };
    StartOn(1582, 10, 4);
    info = SkinWindow::Create<TDateInfoWindow>(*w);
    Click(w->DateCells[static_cast<std::size_t>(CellOf(15))], Qt::RightButton);
    ASSERT_TRUE(info->isVisible());
    EXPECT_EQ(info->lblSelectedDate->Text(), "15 October 1582");
    EXPECT_EQ(info->Label2->Text(), "278");
    EXPECT_EQ(info->Label3->Text(), "40  (1582-W40-5)");
    info->close();

    auto* easter = SkinWindow::Create<TEaster>(w->Session(), *w);
    easter->ShowEaster();
    EXPECT_EQ(easter->lblEaster->Text(), "15 April 1582");
    easter->close();
    ShowMonth(1500, 2, 29);
    easter->ShowEaster();
    EXPECT_EQ(easter->lblEaster->Text(), "19 April 1500");
}

} // namespace
} // namespace crescendar
