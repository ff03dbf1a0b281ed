// The month calendar of the main window: weekday titles, date cells, month and year, the
// principal phases and the year editor.
#include "fMain.h"

#include "Dialogs.h"

#include "Calendar.h"
#include "Phases.h"
#include "Settings.h"

#include <cmath>
#include <vector>

namespace crescendar {

namespace {

// The month names above the grid are the program's own.
const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

} // namespace

void TMain::CreateCalendar() {
    imgCurrDate = new ImageControl(this, 0, 0, QImage(QStringLiteral(":/main/curr_date.png")));
    imgCurrDate->setObjectName(QStringLiteral("imgCurrDate"));
    imgCurrDate->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgCurrDate->hide();

    imgYearButton = new ImageControl(this, 0, 0, QImage(QStringLiteral(":/main/year_button.png")));
    imgYearButton->setObjectName(QStringLiteral("imgYearButton"));
    imgYearButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgYearButton->hide();

    lblSelectedMonthShadow = MakeLabel(421, 261, QString(), Qt::gray, true, 19);
    lblSelectedMonthShadow->setObjectName(QStringLiteral("lblSelectedMonthShadow"));
    lblSelectedMonthShadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblSelectedmonth = MakeLabel(420, 260, QString(), Qt::black, true, 19);
    lblSelectedmonth->setObjectName(QStringLiteral("lblSelectedmonth"));
    lblSelectedYearShadow = MakeLabel(521, 261, QString(), Qt::gray, true, 19);
    lblSelectedYearShadow->setObjectName(QStringLiteral("lblSelectedYearShadow"));
    lblSelectedYearShadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblSelectedYear = MakeLabel(520, 260, QString(), Qt::black, true, 19);
    lblSelectedYear->setObjectName(QStringLiteral("lblSelectedYear"));
    connect(lblSelectedmonth, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) lblSelectedmonthClick();
    });
    connect(lblSelectedYear, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) lblSelectedYearClick();
    });

    for (std::size_t k = 0; k < 5; ++k) {
        const int row = static_cast<int>(k);
        imgPhase[k] = new ImageControl(this, 426, 78 + 32 * row, imgNewMoon, 30, 30);
        imgPhase[k]->setObjectName(QStringLiteral("imgPhase%1").arg(row + 1));
        lblPhase[k] = MakeLabel(466, 88 + 32 * row, QString(), QColor(0, 255, 255));
        lblPhase[k]->setObjectName(QStringLiteral("lblPhase%1").arg(row + 1));
        imgPhase[k]->hide();
        lblPhase[k]->hide();
        ClickRegion* label = lblPhase[k];
        for (ClickRegion* r : {static_cast<ClickRegion*>(imgPhase[k]), label}) {
            connect(r, &ClickRegion::Clicked, this, [this, label](Qt::MouseButton b) {
                if (b == Qt::LeftButton) SelectMajorPhaseDate(label);
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
    selected_.Day = d.Day;
    selected_.Month = d.Month;
    selected_.Year = d.Year;

    const int w = DayOfWeek(d.Year, d.Month, 1) + 1;
    firstDayColumn_ = static_cast<std::uint8_t>((w - 1 - settings().DayOrder % 7 + 7) % 7);
    // The cells hold the month's days one after the other; October 1582 goes from the 4th
    // straight to the 15th.
    const std::vector<std::uint16_t> days = MonthDays(d.Month, d.Year);
    daysInMonth_ = static_cast<std::uint8_t>(days.size());
    int selectedIndex = -1;
    for (int i = 0; i < 42; ++i) {
        const int k = i - firstDayColumn_;
        const bool blank = k < 0 || k >= daysInMonth_;
        const int day = blank ? 0 : days[static_cast<std::size_t>(k)];
        if (!blank && day == d.Day) selectedIndex = i;
        DateCells[static_cast<std::size_t>(i)]->SetText(blank ? QStringLiteral(" ")
                                                              : QString::number(day));
    }

    const QString year = QString::number(d.Year);
    lblSelectedYear->SetText(year);
    lblSelectedYearShadow->SetText(year);
    const QString month =
        d.Month >= 1 && d.Month <= 12 ? QLatin1String(kMonthNames[d.Month - 1]) : QString();
    lblSelectedmonth->SetText(month);
    lblSelectedMonthShadow->SetText(month);
    LayoutMonthLabels();

    if (selectedIndex >= 0) SelectDay(DateCells[static_cast<std::size_t>(selectedIndex)]);
    DisplayPhaseTimes();
}

bool TMain::SelectDay(ClickRegion* cell) {
    const int n = cell->Text().trimmed().toInt();
    if (n == 0) return false;
    selected_.Day = static_cast<std::uint16_t>(n);
    imgCurrDate->move(cell->x() - 1, cell->y() - 3);
    imgCurrDate->show();
    selected_.JD = DateToJulianDay(selected_);
    DisplayLunarRiseSetTimes(selected_);
    DisplaySolarRiseSetTimes(selected_);
    laidOut_ = selected_;
    return true;
}

void TMain::DisplayDateInfo(ClickRegion* cell, Qt::MouseButton button) {
    if (button != Qt::RightButton) return;
    TDateTimeRecord copy = selected_;
    const int n = cell->Text().trimmed().toInt();
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
    phaseCount_ = MonthPhases(selected_, observer_, phaseList_);
    eclipses_ = CheckForEclipses(phaseList_, phaseCount_, selected_.Year, observer_);
    eclipseInfo_ = eclipses_.empty() ? TEclipseResult{} : eclipses_.front();
    imgEclipse->setVisible(!eclipses_.empty());
    if (options_.Hooks.EclipsesChanged) options_.Hooks.EclipsesChanged(eclipses_);

    for (std::size_t k = 0; k < 5; ++k) {
        const bool shown = static_cast<int>(k) < phaseCount_;
        lblPhase[k]->setVisible(shown);
        imgPhase[k]->setVisible(shown);
        if (!shown) continue;
        const TPhaseEntry& entry = phaseList_[k];
        lblPhase[k]->SetText(QString::fromStdString(entry.Text));
        const bool blue = k == 4 && entry.Kind == static_cast<int>(TPhaseKind::FullMoon);
        imgPhase[k]->SetPicture(blue ? imgBlueMoon : PhasePicture(entry.Kind));
    }
}

void TMain::SelectMajorPhaseDate(const ClickRegion* label) {
    const std::string text = label->Text().toStdString();
    bool okDay = false, okHour = false, okMinute = false;
    const int day = QString::fromStdString(SubText(text, 8, 9)).trimmed().toInt(&okDay);
    const int hour = QString::fromStdString(SubText(text, 1, 2)).toInt(&okHour);
    const int minute = QString::fromStdString(SubText(text, 4, 5)).toInt(&okMinute);
    if (!okDay || !okHour || !okMinute || day < 1) return;
    selected_.Day = static_cast<std::uint16_t>(day);
    timeOffset_ = (hour * 60 + minute - selected_.Hour * 60 - selected_.Minute) / 1440.0;
    ShowSelectedMonth(selected_);
}

void TMain::lblSelectedmonthClick() {
    if (!AcceptYear()) return;
    if (options_.Hooks.ShowMonthList) options_.Hooks.ShowMonthList();
}

void TMain::lblSelectedYearClick() {
    editField_ = efYear;
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
            ShowMessage(QStringLiteral("Please type a year from 1 to 9999."), this);
            return false;
        }
        lblSelectedYearShadow->SetText(text);
        selected_.Year = static_cast<std::uint16_t>(year);
        // 29 February of a leap year becomes 28 February of a common one, and a day that
        // October 1582 lacks becomes the 15th.
        selected_.Day = CalendarDay(selected_.Month, selected_.Year, selected_.Day);
        selected_.JD = DateToJulianDay(selected_);
        ShowSelectedMonth(selected_);
    }
    lblSelectedYear->SetFontColor(lblSelectedmonth->FontColor());
    lblSelectedYearShadow->show();
    imgYearButton->hide();
    CursorTimer.stop();
    lblCursor->hide();
    return true;
}

} // namespace crescendar
