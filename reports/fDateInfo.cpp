#include "fDateInfo.h"

#include "fMain.h"

#include "Calendar.h"
#include "DateInfo.h"

#include <QEvent>

namespace crescendar {

namespace {

// Shows the window (one already open comes to the front) and makes it the active window, so
// that activating another window closes it again.
void ShowActive(QWidget& window) {
    if (window.isVisible())
        window.raise();
    else
        window.show();
    window.activateWindow();
}

const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);

ClickRegion* MakeLabel(QWidget* parent, int left, int top, const QString& text,
                       const QColor& colour, int pixelHeight = 12, bool bold = false) {
    return ClickRegion::TextLabel(parent, left, top, text, colour, pixelHeight, bold);
}

// Rows of the four facts, and the column of their values (the captions start at 22).
constexpr int kRowTops[4] = {71, 89, 107, 125};
constexpr int kValueLeft = 118;
constexpr int kDateTop = 43;

} // namespace

TDateInfoWindow::TDateInfoWindow(TMain& main) : SkinWindow(&main), main_(main) {
    setObjectName(QStringLiteral("DateInfo"));
    setWindowTitle(QStringLiteral("Date Information"));
}

void TDateInfoWindow::FormCreate() {
    SetClientSize(250, 165);
    SetBackground(QImage(QStringLiteral(":/dates/date_info.jpg")));

    lblTitle = AddTitleRegion("lblTitle", 34, 9, 182, 21);
    lblExit = AddExitRegion(224, 12, 15, 15, QStringLiteral("Close"));

    const char* captions[4] = {"Julian Day:", "Day Number:", "Week Number:", "Days Till Xmas:"};
    ClickRegion** values[4] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        MakeLabel(this, 22, kRowTops[i], QString::fromLatin1(captions[i]), kYellow);
        const TColour c = StandardTextColour();
        *values[i] =
            MakeLabel(this, kValueLeft, kRowTops[i], QString(), QColor(c.Red, c.Green, c.Blue));
        (*values[i])->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    }
    lblSelectedDate = MakeLabel(this, 0, kDateTop, QString(), kAqua, 13, true);
    lblSelectedDate->setObjectName(QStringLiteral("lblSelectedDate"));
}

void TDateInfoWindow::FormShow() {
    CentreOver(main_);
    KeepOnScreen();
}

bool TDateInfoWindow::event(QEvent* e) {
    const bool result = SkinWindow::event(e);
    if (e->type() == QEvent::WindowDeactivate) FormDeactivate();
    return result;
}

void TDateInfoWindow::FormDeactivate() {
    close();
}

void TDateInfoWindow::lblExitClick() {
    close();
}

void TDateInfoWindow::ShowDateInfo(const TDateTimeRecord& date) {
    const TDateInfo info = DateInfo(date);
    lblSelectedDate->SetText(QString::fromStdString(info.DateText));
    lblSelectedDate->move((width() - lblSelectedDate->width()) / 2, kDateTop);
    Label1->SetText(QString::fromStdString(info.JulianDayText));
    Label2->SetText(QString::fromStdString(info.DayNumberText));
    Label3->SetText(QString::fromStdString(info.WeekText));
    Label4->SetText(QString::fromStdString(info.DaysTillXmasText));
    ShowActive(*this);
}

} // namespace crescendar
