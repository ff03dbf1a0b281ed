#include "fMonthList.h"

#include "Picture.h"
#include "Session.h"

#include "Calendar.h"

#include <QKeyEvent>

#include <algorithm>

namespace crescendar {

TMonthList::TMonthList(TSession& session, QWidget& owner) : TPopupMenu(owner), session_(session) {
    setObjectName(QStringLiteral("MonthList"));
    setWindowTitle(tr("Months"));

    // The names right of the arrow's place, each in its row, in the language in force (as the
    // calendar shows them), begun with a capital as a list's entries are; a long name may run
    // on to the picture's edge.
    QList<Caption> captions;
    for (int i = 0; i < 12; ++i) {
        QString name = QString::fromStdString(LongMonthName(i + 1));
        if (!name.isEmpty()) name[0] = name[0].toUpper();
        captions << MenuCaption(name, QRect(26, i * kRowHeight, 70, kRowHeight), 13);
        captions.back().Space = QRect(26, i * kRowHeight, 74, kRowHeight);
        ListCaption(captions.back());
    }
    imgMonths = new ImageControl(
        this, 0, 0, WithCaptions(LoadPicture(QStringLiteral(":/menus/months.png"), this), captions),
        100, 12 * kRowHeight);
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

    const auto moveArrow = [this](int row) {
        imgMonthArrow->move(imgMonthArrow->x(), row * kRowHeight);
        imgMonthArrow->show();
    };
    tblMonths = new AccessibleTable(
        this, "tblMonths", imgMonths->geometry(), tr("Months"),
        {.Rows =
             [] {
                 QList<QStringList> rows{{tr("Month")}};
                 for (int m = 1; m <= 12; ++m)
                     rows << QStringList{QString::fromStdString(LongMonthName(m))};
                 return rows;
             },
         .RowRect =
             [this](int row) { return QRect(0, row * kRowHeight, imgMonths->width(), kRowHeight); },
         .ShowRow =
             [this, moveArrow](int row) {
                 if (keyboardUsed_) moveArrow(row);
             },
         .Activate =
             [this, moveArrow](int row) {
                 moveArrow(row);
                 imgMonthsClick();
             },
         .FirstColumnHeadsRows = false});
}

bool TMonthList::FormKeyPress(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        break;
    default:
        return false;
    }
    if (!tblMonths->hasFocus()) tblMonths->setFocus(Qt::OtherFocusReason);
    // The first key shows the arrow at the month shown; the next ones move it.
    if (keyboardUsed_) return false;
    keyboardUsed_ = true;
    tblMonths->SetCurrentRow(tblMonths->CurrentRow());
    return true;
}

void TMonthList::FormShow() {
    keyboardUsed_ = false;
    tblMonths->SetCurrentRow(session_.SelectedDateTime().Month - 1);
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
