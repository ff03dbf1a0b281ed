#include "fDateInfo.h"

#include "Access.h"
#include "Palette.h"
#include "Picture.h"
#include "WindowKeys.h"

#include "DateInfo.h"
#include "EventText.h"

namespace crescendar {

namespace {

ClickRegion* MakeLabel(QWidget* parent, int left, int top, const QString& text,
                       const QColor& colour, int pixelHeight = 12, bool bold = false) {
    return ClickRegion::TextLabel(parent, left, top, text, colour, pixelHeight, bold);
}

// Rows of the four facts, and the column of their values (the captions start at 22).
constexpr int kRowTops[4] = {71, 89, 107, 125};
constexpr int kValueLeft = 118;
constexpr int kDateTop = 43;

} // namespace

TDateInfoWindow::TDateInfoWindow(QWidget& owner) : TransientWindow(owner) {
    setObjectName(QStringLiteral("DateInfo"));
    setWindowTitle(tr("Date Information"));
}

void TDateInfoWindow::FormCreate() {
    SetClientSize(250, 165);
    SetBackground(LoadPicture(QStringLiteral(":/dates/date_info.jpg"), this));

    lblTitle = AddTitleRegion("lblTitle", 34, 9, 182, 21);
    Caption title = GildedTitle(tr("Date Information"), lblTitle->geometry(), 16);
    title.Space = QRect(32, 9, 190, 21); // between the calendar and the cross
    AddCaption(title);
    lblExit = AddCloseMark(this, 224, 12, 15, 15);

    const QString captions[4] = {tr("Julian Day"), tr("Day Number"), tr("Week Number"),
                                 tr("Days Till Xmas")};
    ClickRegion** values[4] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        ClickRegion* caption =
            MakeLabel(this, 22, kRowTops[i], tr("%1:").arg(captions[i]), palette::Caption);
        *values[i] = MakeLabel(this, kValueLeft, kRowTops[i], QString(), palette::StandardText);
        (*values[i])->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        // Read once: the value under the caption's name.
        SetAccessibleRole(caption, QAccessible::NoRole);
        (*values[i])->setAccessibleName(captions[i]);
    }
    lblSelectedDate = MakeLabel(this, 0, kDateTop, QString(), palette::DayText, 13, true);
    lblSelectedDate->setObjectName(QStringLiteral("lblSelectedDate"));
    lblSelectedDate->setAccessibleName(tr("Date"));
}

void TDateInfoWindow::ShowDateInfo(const TDateTimeRecord& date) {
    const TDateInfoTexts info = DateInfoTexts(DateInfo(date));
    lblSelectedDate->SetText(QString::fromStdString(info.DateText));
    lblSelectedDate->move((width() - lblSelectedDate->width()) / 2, kDateTop);
    Label1->SetText(tr("%1 at 0h UT").arg(QString::fromStdString(info.JulianDayText)));
    Label2->SetText(QString::fromStdString(info.DayNumberText));
    Label3->SetText(QString::fromStdString(info.WeekText));
    Label4->SetText(QString::fromStdString(info.DaysTillXmasText));
    ShowActive();
}

} // namespace crescendar
