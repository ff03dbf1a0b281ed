// The month calendar of the main window: weekday titles, date cells, month and year, the
// principal phases and the year editor.
#include "fMain.h"

#include "Access.h"

#include "Palette.h"

#include "Dialogs.h"

#include "Calendar.h"
#include "Phases.h"

#include <algorithm>

namespace crescendar {

namespace {

// The month names above the grid are the program's own.
const char* const kMonthNames[12] = {QT_TRANSLATE_NOOP("crescendar::TMain", "January"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "February"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "March"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "April"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "May"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "June"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "July"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "August"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "September"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "October"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "November"),
                                     QT_TRANSLATE_NOOP("crescendar::TMain", "December")};

} // namespace

void TMain::CreateCalendar() {
    imgCurrDate =
        new ImageControl(this, 0, 0, LoadPicture(QStringLiteral(":/main/curr_date.png"), this));
    imgCurrDate->setObjectName(QStringLiteral("imgCurrDate"));
    imgCurrDate->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgCurrDate->hide();

    imgYearButton =
        new ImageControl(this, 0, 0, LoadPicture(QStringLiteral(":/main/year_button.png"), this));
    imgYearButton->setObjectName(QStringLiteral("imgYearButton"));
    imgYearButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgYearButton->hide();

    // The month arrows stand at either end of the month plate, drawn like its title.
    imgPrevMonth = new ImageControl(this, 424, 263,
                                    PagingArrowPicture(false, kMonthColour, kMonthShadowColour));
    imgPrevMonth->setObjectName(QStringLiteral("imgPrevMonth"));
    imgNextMonth = new ImageControl(this, 606, 263,
                                    PagingArrowPicture(true, kMonthColour, kMonthShadowColour));
    imgNextMonth->setObjectName(QStringLiteral("imgNextMonth"));

    lblSelectedMonthShadow = MakeLabel(421, 261, QString(), Qt::gray, true, 19);
    lblSelectedMonthShadow->setObjectName(QStringLiteral("lblSelectedMonthShadow"));
    lblSelectedMonthShadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetAccessibleRole(lblSelectedMonthShadow, QAccessible::NoRole);
    lblSelectedmonth = MakeLabel(420, 260, QString(), Qt::black, true, 19);
    lblSelectedmonth->setObjectName(QStringLiteral("lblSelectedmonth"));
    lblSelectedYearShadow = MakeLabel(521, 261, QString(), Qt::gray, true, 19);
    lblSelectedYearShadow->setObjectName(QStringLiteral("lblSelectedYearShadow"));
    lblSelectedYearShadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetAccessibleRole(lblSelectedYearShadow, QAccessible::NoRole);
    lblSelectedYear = MakeLabel(520, 260, QString(), Qt::black, true, 19);
    lblSelectedYear->setObjectName(QStringLiteral("lblSelectedYear"));
    // Above the month and year, which a long month name brings close.
    imgPrevMonth->raise();
    imgNextMonth->raise();
    // Clicked, the month and the year run their commands (actChooseMonth, actEditYear).

    for (std::size_t k = 0; k < 5; ++k) {
        const int row = static_cast<int>(k);
        imgPhase[k] = new ImageControl(this, 426, 78 + 32 * row, imgNewMoon, 30, 30);
        imgPhase[k]->setObjectName(QStringLiteral("imgPhase%1").arg(row + 1));
        lblPhase[k] = MakeLabel(466, 88 + 32 * row, QString(), palette::DayText);
        lblPhase[k]->setObjectName(QStringLiteral("lblPhase%1").arg(row + 1));
        imgPhase[k]->hide();
        lblPhase[k]->hide();
        for (ClickRegion* r : {static_cast<ClickRegion*>(imgPhase[k]), lblPhase[k]}) {
            connect(r, &ClickRegion::Clicked, this, [this, k](Qt::MouseButton b) {
                if (b == Qt::LeftButton) SelectMajorPhaseDate(static_cast<int>(k));
            });
        }
    }
}

void TMain::SetDayTitles(int order) {
    const auto& names = RegionalNames().ShortDayNames;
    for (int i = 0; i < 7; ++i) {
        const int day = ((order + i) % 7 + 7) % 7;
        WeekdayTitles[static_cast<std::size_t>(i)]->SetText(
            QString::fromStdString(names[static_cast<std::size_t>(day)]));
    }
}

void TMain::LayoutMonthLabels() {
    const int mw = lblSelectedmonth->width();
    const int yw = lblSelectedYear->width();
    const int left = 420 + (width() - 450 - mw - yw) / 2;
    const int top = lblSelectedmonth->y();
    lblSelectedmonth->move(left, top);
    lblSelectedMonthShadow->move(left + 1, top + 1);
    lblSelectedYear->move(left + mw + 10, top);
    lblSelectedYearShadow->move(left + mw + 11, top + 1);
}

void TMain::LayOutMonth(TDateTimeRecord d) {
    ++monthLayouts_;
    TDateTimeRecord selected = session_->SelectedDateTime();
    selected.Day = d.Day;
    selected.Month = d.Month;
    selected.Year = d.Year;
    // The session works the month out (once for each month and observer), and passes over
    // a date the place's clocks skipped: the month shown is of the date it selected.
    session_->SetSelectedDateTime(selected);
    d.Day = session_->SelectedDateTime().Day;
    d.Month = session_->SelectedDateTime().Month;
    d.Year = session_->SelectedDateTime().Year;
    laidOutObserver_ = session_->GetObserver();
    laidOutDayOrder_ = session_->Settings().DayOrder;

    const std::array<std::uint16_t, 42>& days = session_->DayTable();
    int selectedIndex = -1;
    for (int i = 0; i < 42; ++i) {
        const int day = days[static_cast<std::size_t>(i)];
        const bool blank = day == 0;
        if (!blank && day == d.Day) selectedIndex = i;
        DateCells[static_cast<std::size_t>(i)]->SetText(blank ? QStringLiteral(" ")
                                                              : QString::number(day));
    }

    const QString year = QString::number(d.Year);
    lblSelectedYear->SetText(year);
    lblSelectedYearShadow->SetText(year);
    const QString month = d.Month >= 1 && d.Month <= 12 ? tr(kMonthNames[d.Month - 1]) : QString();
    lblSelectedmonth->SetText(month);
    lblSelectedMonthShadow->SetText(month);
    LayoutMonthLabels();

    if (selectedIndex >= 0) SelectDay(DateCells[static_cast<std::size_t>(selectedIndex)]);
    DisplayPhaseTimes();
}

int TMain::CellDay(const ClickRegion* cell) const {
    const auto it = std::find(DateCells.begin(), DateCells.end(), cell);
    if (it == DateCells.end()) return 0;
    return session_->DayTable()[static_cast<std::size_t>(it - DateCells.begin())];
}

bool TMain::SelectDay(ClickRegion* cell) {
    const int n = CellDay(cell);
    if (n == 0) return false;
    TDateTimeRecord selected = session_->SelectedDateTime();
    selected.Day = static_cast<std::uint16_t>(n);
    session_->SetSelectedDateTime(selected);
    // The session passes over a date the place's clocks skipped: the mark goes on the date it
    // selected, in another month laid out anew.
    const TDateTimeRecord& now = session_->SelectedDateTime();
    if (now.Month != selected.Month || now.Year != selected.Year) {
        LayOutMonth(now);
        return true;
    }
    if (now.Day != n) {
        const auto& days = session_->DayTable();
        for (std::size_t i = 0; i < days.size(); ++i)
            if (days[i] == now.Day) cell = DateCells[i];
    }
    imgCurrDate->move(cell->x() - 1, cell->y() - 3);
    imgCurrDate->show();
    DisplayLunarRiseSetTimes(session_->DayEvents());
    DisplaySolarRiseSetTimes(session_->DayEvents());
    laidOut_ = session_->SelectedDateTime();
    return true;
}

void TMain::DisplayDateInfo(ClickRegion* cell, Qt::MouseButton button) {
    if (button != Qt::RightButton) return;
    TDateTimeRecord copy = session_->SelectedDateTime();
    const int n = CellDay(cell);
    if (n == 0) return;
    copy.Day = static_cast<std::uint16_t>(n);
    copy.JD = DateToJulianDay(copy);
    if (options_.Hooks.ShowDateInfo) options_.Hooks.ShowDateInfo(copy);
}

const QImage& TMain::PhasePicture(int kind) const {
    switch (static_cast<TPhaseKind>(kind)) {
    case TPhaseKind::NewMoon:
        return imgNewMoon;
    case TPhaseKind::LastQuarter:
        return imgLastQuarterPhase;
    case TPhaseKind::FullMoon:
        return imgFullMoon;
    case TPhaseKind::FirstQuarter:
        return imgFirstQuarterPhase;
    }
    return imgNewMoon;
}

void TMain::DisplayPhaseTimes() {
    const std::vector<TEclipseResult>& eclipses = session_->Eclipses();
    imgEclipse->setVisible(!eclipses.empty());
    imgSolarEclipse->setVisible(!session_->SolarEclipses().empty());

    for (std::size_t k = 0; k < 5; ++k) {
        const bool shown = static_cast<int>(k) < session_->PhaseCount();
        lblPhase[k]->setVisible(shown);
        imgPhase[k]->setVisible(shown);
        if (!shown) continue;
        const TPhaseEntry& entry = session_->PhaseList()[k];
        lblPhase[k]->SetText(QString::fromStdString(PhaseText(entry.Date)));
        const bool blue = k == 4 && entry.Kind == TPhaseKind::FullMoon;
        lblPhase[k]->setAccessibleName(QStringLiteral("%1, %2").arg(
            QString::fromStdString(PrincipalPhaseName(entry.Kind, blue)),
            lblPhase[k]->Text().simplified()));
        imgPhase[k]->SetPicture(blue ? imgBlueMoon : PhasePicture(static_cast<int>(entry.Kind)));
    }
}

void TMain::ShowSelectedDateInfo() {
    TDateTimeRecord copy = session_->SelectedDateTime();
    copy.JD = DateToJulianDay(copy);
    if (options_.Hooks.ShowDateInfo) options_.Hooks.ShowDateInfo(copy);
}

void TMain::SelectMajorPhaseDate(int index) {
    if (index < 0 || index >= session_->PhaseCount()) return;
    // The session's daySelected brings the month and the instant to the window.
    session_->SelectLocalMinute(session_->PhaseList()[static_cast<std::size_t>(index)].Date);
}

void TMain::lblSelectedmonthClick() {
    if (!AcceptYear()) return;
    if (options_.Hooks.ShowMonthList) options_.Hooks.ShowMonthList();
}

void TMain::lblSelectedYearClick() {
    editField_ = efYear;
    replaceOnType_ = true;
    lblCursor->SetFontSize(ScaledFontSize(14));
    ShowCursor(lblSelectedYear);
    imgYearButton->move(lblSelectedYear->x() - 8, lblSelectedYear->y() - 3);
    imgYearButton->show();
    lblSelectedYear->SetFontColor(Qt::black);
    lblSelectedYearShadow->hide();
}

bool TMain::AcceptYear() {
    if (!imgYearButton->isHidden()) {
        const QString text = lblSelectedYear->Text();
        bool ok = false;
        const int year = text.toInt(&ok);
        if (!ok || year < 1 || year > 9999) {
            ShowWarning(tr("Please type a year from 1 to 9999."), this);
            return false;
        }
        lblSelectedYearShadow->SetText(text);
        TDateTimeRecord selected = session_->SelectedDateTime();
        selected.Year = static_cast<std::uint16_t>(year);
        // 29 February of a leap year becomes 28 February of a common one, and a day that
        // October 1582 lacks becomes the 15th.
        selected.Day = CalendarDay(selected.Month, selected.Year, selected.Day);
        ShowSelectedMonth(selected);
    }
    lblSelectedYear->SetFontColor(lblSelectedmonth->FontColor());
    lblSelectedYearShadow->show();
    imgYearButton->hide();
    CursorTimer.stop();
    lblCursor->hide();
    return true;
}

} // namespace crescendar

namespace crescendar {

void TMain::CancelYearEdit() {
    // The shadow still holds the year shown before the edit.
    lblSelectedYear->SetText(lblSelectedYearShadow->Text());
    lblSelectedYear->SetFontColor(lblSelectedmonth->FontColor());
    lblSelectedYearShadow->show();
    imgYearButton->hide();
    CursorTimer.stop();
    lblCursor->hide();
    LayoutMonthLabels();
}

void TMain::MoveSelectedDay(int days) {
    const TDateTimeRecord before = session_->SelectedDateTime();
    // Counted on Julian Days, so that the calendar reform's missing days are stepped over.
    const double noon = DateToJulianDay(MakeDate(before.Year, before.Month, before.Day, 12));
    const double target = noon + days;
    if (target < DateToJulianDay(MakeDate(1, 1, 1)) ||
        target > DateToJulianDay(MakeDate(9999, 12, 31, 23, 59, 59)))
        return;
    const TDateTimeRecord day = JulianDayToDate(target);
    TDateTimeRecord moved = before;
    moved.Day = day.Day;
    moved.Month = day.Month;
    moved.Year = day.Year;
    ShowSelectedMonth(moved);
}

void TMain::StepMonth(int months) {
    // The session's daySelected lays the month out here.
    session_->StepMonth(months);
}

void TMain::SelectNow() {
    GetTime();
    TDateTimeRecord today = session_->SelectedDateTime();
    today.Day = static_cast<std::uint16_t>(clockDate_.day());
    today.Month = static_cast<std::uint16_t>(clockDate_.month());
    today.Year = static_cast<std::uint16_t>(clockDate_.year());
    session_->SetTimeOffset(0);
    Timer1.start();
    DisplayTimeEditor(false);
    ShowSelectedMonth(today);
}

} // namespace crescendar
