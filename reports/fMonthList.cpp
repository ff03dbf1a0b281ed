#include "fMonthList.h"

#include "Picture.h"
#include "Session.h"

#include <algorithm>

namespace crescendar {

TMonthList::TMonthList(TSession& session, QWidget& owner) : TPopupMenu(owner), session_(session) {
    setObjectName(QStringLiteral("MonthList"));
    setWindowTitle(QStringLiteral("Months"));

    imgMonths = new ImageControl(
        this, 0, 0, LoadPicture(QStringLiteral(":/menus/months.png"), this), 100, 12 * 29);
    imgMonths->setObjectName(QStringLiteral("imgMonths"));
    SetClientSize(imgMonths->width(), imgMonths->height());

    imgMonthArrow = new ImageControl(
        this, kArrowLeft, 0, LoadPicture(QStringLiteral(":/menus/month_arrow.png"), this), 12, 29);
    imgMonthArrow->setObjectName(QStringLiteral("imgMonthArrow"));
    imgMonthArrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgMonthArrow->hide();

    connect(imgMonths, &ClickRegion::MouseMove, this,
            [this](Qt::MouseButtons, QPoint pos) { imgMonthsMouseMove(pos.y()); });
    // A press marks its own row too: a click that comes without a move before it (the
    // picker opened under a resting pointer) picks the month under the pointer.
    connect(imgMonths, &ClickRegion::MouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint pos) {
                imgMonthsMouseMove(pos.y());
            });
    connect(imgMonths, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) imgMonthsClick();
    });
}

void TMonthList::FormShow() {
    setFixedWidth(imgMonths->width());
    move(owner_.x() + 580, owner_.y() + 50);
    KeepOnScreen();
    imgMonthArrow->move(kArrowLeft, imgMonthArrow->y());
}

void TMonthList::imgMonthsMouseMove(int y) {
    const int row = std::clamp(y / kRowHeight, 0, 11);
    imgMonthArrow->move(imgMonthArrow->x(), row * kRowHeight);
    imgMonthArrow->show();
}

int TMonthList::ArrowMonth() const {
    return std::clamp(imgMonthArrow->y() / kRowHeight, 0, 11) + 1;
}

void TMonthList::imgMonthsClick() {
    close();
    // A day past the new month's end becomes its last day; 5-14 October 1582 the 15th.
    session_.SelectMonth(static_cast<std::uint16_t>(ArrowMonth()),
                         session_.SelectedDateTime().Year);
}

} // namespace crescendar
