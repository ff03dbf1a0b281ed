#include "EclipseWindowBase.h"

#include "Access.h"
#include "Command.h"
#include "Palette.h"
#include "WindowKeys.h"

#include <QPainter>

namespace crescendar {

namespace {

// A row of the skin inside its screen frame, repeated to lengthen the frame.
constexpr int kStretchRow = 216;
// The widest the title may be on its plate.
constexpr int kTitleRoom = 230;
// The middle of the title's plate; the full-size title stands at y 42.
constexpr int kTitleMiddle = 51;

} // namespace

// The skin lengthened by `extra` rows: the rows above kStretchRow as they are, that row
// repeated, then the rest (the frame's bottom edge and the bottom band).
QImage TallEclipseSkin(const QImage& skin, int extra) {
    // Source rectangles are in the skin's device pixels: s of them to a window pixel.
    const int s = skin.devicePixelRatio() > 1.0 ? 2 : 1;
    if (skin.isNull() || skin.height() <= kStretchRow * s) return skin;
    QImage tall(skin.width(), skin.height() + extra * s, QImage::Format_RGB32);
    tall.setDevicePixelRatio(s);
    QPainter p(&tall);
    p.drawImage(QPoint(0, 0), skin, QRect(0, 0, skin.width(), kStretchRow * s));
    for (int y = 0; y < extra; ++y)
        p.drawImage(QPoint(0, kStretchRow + y), skin, QRect(0, kStretchRow * s, skin.width(), s));
    p.drawImage(QPoint(0, kStretchRow + extra), skin,
                QRect(0, kStretchRow * s, skin.width(), skin.height() - kStretchRow * s));
    return tall;
}

TEclipseWindowBase::TEclipseWindowBase(TSession& session, QWidget* owner, const QWidget* anchor)
    : SkinWindow(owner), session_(session), owner_(owner), anchor_(anchor) {}

void TEclipseWindowBase::CreateFrame(int height, const QImage& skin, const QString& title,
                                     const QString& otherHint) {
    SetClientSize(kEclipseSkinSize, height);
    SetBackground(skin);
    Canvas& c = WindowCanvas();
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontSize(ScaledFontSize(9));

    lblEclipseType = ClickRegion::TextLabel(this, 70, 42, {}, palette::PlateText, 15, true);
    lblEclipseType->setObjectName(QStringLiteral("lblEclipseType"));
    lblEclipseType->setAccessibleName(tr("Eclipse"));
    lblDate = ClickRegion::TextLabel(this, 108, 75, {}, palette::DayText, 12, true);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setAccessibleName(tr("Date"));
    lblOther = ClickRegion::TextLabel(this, 0, 76, {}, palette::NoteText, 11, false);
    lblOther->setObjectName(QStringLiteral("lblOther"));
    lblOther->hide();
    actOther_ = MakeCommand(this, "actOtherEclipse", tr("Other eclipse"), {QKeySequence(Qt::Key_N)},
                            otherHint, [this] { ShowOtherEclipse(); });
    actOther_->setEnabled(false);
    OfferCommand(lblOther, actOther_);
    // Return does what a double-click on the date does.
    const QAction* showDate =
        MakeCommand(this, "actShowDate", tr("Show date"),
                    {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                    tr("Show this date in the main window"), [this] { lblDateDblClick(); });
    lblDate->SetHint(tr("Double-click or press %1 to show this date in the main window")
                         .arg(KeyText(showDate->shortcut())));
    lblDate->setAccessibleDescription(lblDate->Hint());

    lblTitle = new ClickRegion(this, 56, 8, 141, 23);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    // Between the emblem and the cross.
    AddCaption(ReportTitle(title, lblTitle->geometry(), QRect(44, 8, 175, 23)));
    SetTitleRegion(lblTitle);
    lblExit = AddCloseMark(this, 221, 14, 13, 15);
    connect(lblDate, &ClickRegion::DoubleClicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) lblDateDblClick();
    });
    // The title, as the "1 of 2" beside it, shows the other eclipse of the month.
    connect(lblEclipseType, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) ShowOtherEclipse();
    });
}

bool TEclipseWindowBase::CommandKeyAllowed(const QAction* action) const {
    return !action->shortcuts().contains(QKeySequence(Qt::Key_Return)) || DefaultKeyAllowed(this);
}

void TEclipseWindowBase::FormShow() {
    if (owner_ && anchor_) PlaceBelow(*owner_, *anchor_);
}

void TEclipseWindowBase::ShowOtherEclipse() {
    if (EclipseCount() < 2) return;
    index_ = (index_ + 1) % EclipseCount();
    Redraw();
}

void TEclipseWindowBase::lblExitClick() {
    close();
}

bool TEclipseWindowBase::BeginRedraw() {
    ClearCanvas();
    for (ClickRegion* text : lineTexts_) delete text;
    lineTexts_.clear();
    actOther_->setEnabled(EclipseCount() > 1);
    return EclipseCount() > 0;
}

void TEclipseWindowBase::SetHeading(const QString& title, const QString& date) {
    lblEclipseType->SetFontHeight(15);
    lblEclipseType->SetText(title);
    for (int pixels = 15; pixels > 9 && lblEclipseType->TextWidth() > kTitleRoom;)
        lblEclipseType->SetFontHeight(--pixels);
    lblEclipseType->move((width() - lblEclipseType->width()) / 2,
                         kTitleMiddle - lblEclipseType->height() / 2);

    lblDate->SetText(date);
    lblDate->move((width() - lblDate->width()) / 2, lblDate->y());

    if (EclipseCount() > 1) {
        lblOther->SetText(tr("%1 of %2 \u203a").arg(index_ + 1).arg(EclipseCount()));
        lblOther->move(EclipseScreen(0).right() - 3 - lblOther->width(), lblOther->y());
        lblOther->show();
    } else {
        lblOther->hide();
    }
}

} // namespace crescendar
