// The clock of the main window: the running instant, the day's change at midnight, the
// time editor with its Now button, and the keys of the time and year editors.
#include "fMain.h"

#include "Clock.h"
#include "Dialogs.h"

#include "Calendar.h"

namespace crescendar {

namespace {

int SecondsOfDay(const TDateTimeRecord& d) {
    return d.Hour * 3600 + d.Minute * 60 + d.Second;
}

} // namespace

void TMain::CreateTimeEditor() {
    // The caption of the Now button in the editor's picture.
    Caption now = ShadowedCaption(tr("Now"), QRect(87, 4, 40, 16), SkinSansFont(11, true),
                                  Qt::white, QColor(10, 30, 90), Qt::AlignCenter);
    imgTimeButton = new ImageControl(
        this, 130, 41,
        WithCaptions(LoadPicture(QStringLiteral(":/main/time_button.png"), this), {now}));
    now.Room.translate(130, 41);
    ListCaption(now);
    imgTimeButton->setObjectName(QStringLiteral("imgTimeButton"));
    connect(imgTimeButton, &ClickRegion::MouseUp, this,
            [this](Qt::MouseButton b, QPoint pos) { imgTimeButtonMouseUp(b, pos); });

    auto field = [this](const char* name, const QString& text) {
        ClickRegion* label = MakeLabel(0, 0, text, Qt::black, true, 16);
        label->setObjectName(QLatin1String(name));
        return label;
    };
    lblHour = field("lblHour", QStringLiteral("00"));
    lblMinute = field("lblMinute", QStringLiteral("00"));
    lblSecond = field("lblSecond", QStringLiteral("00"));
    lblColon1 = field("lblColon1", QStringLiteral(":"));
    lblColon2 = field("lblColon2", QStringLiteral(":"));
    for (auto* colon : {lblColon1, lblColon2})
        colon->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(lblHour, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) lblHourClick();
    });
    connect(lblMinute, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) lblMinuteClick();
    });
    connect(lblSecond, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) lblSecondClick();
    });
    DisplayTimeEditor(false);
}

QDateTime TMain::PlaceNow() const {
    // The computer's clock read in the place's civil time, whatever zone the computer is in.
    return session_->AtPlace(CurrentClock().Now());
}

void TMain::GetTime() {
    const QDateTime now = PlaceNow();
    const QTime t = now.time();
    TDateTimeRecord selected = session_->SelectedDateTime();
    selected.Hour = static_cast<std::uint16_t>(t.hour());
    selected.Minute = static_cast<std::uint16_t>(t.minute());
    selected.Second = static_cast<std::uint16_t>(t.second());
    selected.MSec = static_cast<std::uint16_t>(t.msec());

    // The shown instant moves on with the clock's date: each midnight passed adds a day to
    // the offset, and ShowInstant then makes the new date the selected day. Comparing dates
    // rather than times of day keeps a clock put back within the day (the end of summer time)
    // from skipping a day, and catches up on every midnight missed while the machine slept.
    const QDate today = now.date();
    const qint64 days = clockDate_.isValid() ? clockDate_.daysTo(today) : 0;
    clockDate_ = today;
    double offset = session_->TimeOffset();
    if (days > 0) offset += static_cast<double>(days);
    session_->SetInstant(selected, offset);
}

std::string TMain::DisplayTime(const TDateTimeRecord& d) const {
    return CutText(DateTimeToText(JulianDayToDate(d.JD + session_->TimeOffset())), 60);
}

void TMain::lblClockClick() {
    if (!AcceptYear()) return;
    const std::string t = DateTimeToText(JulianDayToDate(ShownJD().JD));
    imgTimeButton->move(130, 41);
    Timer1.stop();
    const int left = imgTimeButton->x();
    const int top = imgTimeButton->y();
    lblHour->move(left + 10, top + 3);
    lblHour->SetText(QString::fromStdString(SubText(t, 1, 2)));
    lblMinute->move(left + 35, top + 3);
    lblMinute->SetText(QString::fromStdString(SubText(t, 4, 5)));
    lblSecond->move(left + 60, top + 3);
    lblSecond->SetText(QString::fromStdString(SubText(t, 7, 8)));
    lblColon1->move(left + 28, top + 2);
    lblColon2->move(left + 53, top + 2);
    fieldChosen_ = false;
    DisplayTimeEditor(true);
}

void TMain::lblHourClick() {
    editField_ = efHour;
    fieldChosen_ = true;
    replaceOnType_ = true;
    lblCursor->SetFontSize(ScaledFontSize(12));
    ShowCursor(lblHour);
}

void TMain::lblMinuteClick() {
    editField_ = efMinute;
    fieldChosen_ = true;
    replaceOnType_ = true;
    lblCursor->SetFontSize(ScaledFontSize(12));
    ShowCursor(lblMinute);
}

void TMain::lblSecondClick() {
    editField_ = efSecond;
    fieldChosen_ = true;
    replaceOnType_ = true;
    lblCursor->SetFontSize(ScaledFontSize(12));
    ShowCursor(lblSecond);
}

void TMain::ShowCursor(ClickRegion* label) {
    lblCursor->move(label->x() + label->width(), label->y() - 1);
    lblCursor->raise();
    lblCursor->show();
    CursorTimer.start();
}

void TMain::CursorTimerTimer() {
    lblCursor->setVisible(lblCursor->isHidden());
}

void TMain::DisplayTimeEditor(bool show) {
    for (QWidget* w : std::initializer_list<QWidget*>{imgTimeButton, lblHour, lblMinute, lblSecond,
                                                      lblColon1, lblColon2})
        w->setVisible(show);
    if (show) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{lblHour, lblMinute, lblSecond, lblColon1, lblColon2})
            w->raise();
    }
    CursorTimer.stop();
    if (lblCursor) lblCursor->hide();
    if (!show) fieldChosen_ = false;
}

void TMain::imgTimeButtonMouseUp(Qt::MouseButton, QPoint pos) {
    if (pos.x() < 87 || pos.x() > 126 || pos.y() < 4 || pos.y() > 19) return;
    SelectNow();
}

bool TMain::EditorOpen() const {
    if (editField_ == efYear) return !imgYearButton->isHidden();
    return !imgTimeButton->isHidden() && fieldChosen_;
}

ClickRegion* TMain::EditTarget() const {
    switch (editField_) {
    case efHour:
        return lblHour;
    case efMinute:
        return lblMinute;
    case efSecond:
        return lblSecond;
    default:
        return lblSelectedYear;
    }
}

int TMain::EditMaxLength() const {
    return editField_ == efYear ? 4 : 2;
}

void TMain::KeyPress(char key) {
    if (!EditorOpen()) return;
    ClickRegion* target = EditTarget();
    QString text = target->Text();
    const bool digit = key >= '0' && key <= '9';
    // The first digit typed into a field just chosen replaces what it held, as in the
    // coordinate fields; after that digits are added and Backspace takes one away.
    if (digit && replaceOnType_) text.clear();
    replaceOnType_ = false;
    if (key == 8 && !text.isEmpty())
        text.chop(1);
    else if (digit && text.size() < EditMaxLength())
        text += QLatin1Char(key);
    target->SetText(text);
    lblCursor->move(target->x() + target->width(), lblCursor->y());
    if (key != 13) return;

    if (editField_ == efYear) {
        AcceptYear();
        return;
    }
    // Every field must hold a number within its range; otherwise the beep, and the editor
    // stays open for correction.
    bool okH = false, okM = false, okS = false;
    const int h = lblHour->Text().toInt(&okH);
    const int m = lblMinute->Text().toInt(&okM);
    const int s = lblSecond->Text().toInt(&okS);
    if (!okH || !okM || !okS || h > 23 || m > 59 || s > 59) {
        Beep();
        return;
    }
    AcceptTimeEdit();
}

void TMain::CancelTimeEdit() {
    // Nothing typed has reached the session: the clock runs on with the offset it had.
    DisplayTimeEditor(false);
    Timer1.start();
    Timer1Timer();
}

void TMain::AcceptTimeEdit() {
    const int typed =
        lblHour->Text().toInt() * 3600 + lblMinute->Text().toInt() * 60 + lblSecond->Text().toInt();
    // The typed time applies to the selected day, even when the clock has passed midnight
    // while the editor was open: the clock's date is taken as read now.
    const QDateTime nowDateTime = PlaceNow();
    const QTime now = nowDateTime.time();
    clockDate_ = nowDateTime.date();
    TDateTimeRecord selected = session_->SelectedDateTime();
    selected.Hour = static_cast<std::uint16_t>(now.hour());
    selected.Minute = static_cast<std::uint16_t>(now.minute());
    selected.Second = static_cast<std::uint16_t>(now.second());
    selected.MSec = static_cast<std::uint16_t>(now.msec());
    session_->SetInstant(selected, (typed - SecondsOfDay(selected)) / 86400.0);
    Timer1.start();
    DisplayTimeEditor(false);
    // Show the typed time at once rather than at the next tick.
    Timer1Timer();
}

} // namespace crescendar
