#include "fEclipseWindow.h"

#include "Access.h"
#include "Command.h"
#include "Palette.h"
#include "Picture.h"
#include "WindowKeys.h"

#include "Calendar.h"
#include "EventText.h"
#include "Session.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace crescendar {

namespace {

const QColor kOtherColour(150, 176, 220);

// The skin's picture is 252 x 252; the window is taller by the room of the shadow picture,
// which stands below the texts so that none of them is written over it.
constexpr int kWidth = 252;
constexpr int kSkinHeight = 252;
constexpr int kDiagramHeight = 104;
constexpr int kHeight = kSkinHeight + kDiagramHeight;
// The black screen under the texts and the picture.
const QRect kScreen(20, 72, 212, 160 + kDiagramHeight);
// The shadow picture's place: below the magnitude line, to the screen's bottom.
const QRect kDiagram(20, kScreen.bottom() + 1 - kDiagramHeight, 212, kDiagramHeight);
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

std::string EclipseTitle(const TEclipseResult& r) {
    if (r.EclipseType < kPenumbralEclipse || r.EclipseType > kTotalEclipse) return {};
    return std::string(EclipseTypeName(r.EclipseType)) + " (" + VisibilityText(r.Visibility) + ")";
}

TEclipse::TEclipse(TSession& session, QWidget* owner, const QWidget* anchor)
    : SkinWindow(owner), session_(session), owner_(owner), anchor_(anchor) {
    setObjectName(QStringLiteral("Eclipse"));
    setWindowTitle(tr("Lunar Eclipse"));
    connect(&session_, &TSession::monthChanged, this,
            [this] { MonthChanged(session_.Eclipses()); });
}

void TEclipse::FormCreate() {
    SetClientSize(kWidth, kHeight);
    SetBackground(TallEclipseSkin(LoadPicture(QStringLiteral(":/eclipse/eclipse_bgnd.jpg"), this),
                                  kDiagramHeight));
    Canvas& c = WindowCanvas();
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontSize(ScaledFontSize(9));

    auto label = [this](int left, int top, const QColor& colour, int pixels, bool bold) {
        auto* l = new ClickRegion(this);
        l->move(left, top);
        l->SetFontName(QStringLiteral("Arial"));
        l->SetFontHeight(pixels);
        l->SetFontBold(bold);
        l->SetFontColor(colour);
        l->SetAutoSize(true);
        return l;
    };
    lblEclipseType = label(70, 42, palette::PlateText, 15, true);
    lblEclipseType->setObjectName(QStringLiteral("lblEclipseType"));
    lblDate = label(108, 75, palette::DayText, 12, true);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setAccessibleName(tr("Date"));
    lblEclipseType->setAccessibleName(tr("Eclipse"));
    lblMaximum = label(184, 46, Qt::black, 12, false);
    lblMaximum->setObjectName(QStringLiteral("lblMaximum"));
    lblMaximum->hide();
    lblOther = label(0, 76, kOtherColour, 11, false);
    lblOther->setObjectName(QStringLiteral("lblOther"));
    lblOther->hide();
    actOther_ = MakeCommand(this, "actOtherEclipse", tr("Other eclipse"), {QKeySequence(Qt::Key_N)},
                            tr("This month has two eclipses: show the other"),
                            [this] { ShowOtherEclipse(); });
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
    imgDiagram = ExposeText(this, "imgDiagram", kDiagram, tr("Eclipse diagram"));
    SetAccessibleRole(imgDiagram, QAccessible::Graphic);

    lblTitle = new ClickRegion(this, 56, 8, 141, 23);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    // Between the eclipsed Moon and the cross.
    AddCaption(ReportTitle(tr("Lunar Eclipse"), lblTitle->geometry(), QRect(44, 8, 175, 23)));
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

bool TEclipse::CommandKeyAllowed(const QAction* action) const {
    return !action->shortcuts().contains(QKeySequence(Qt::Key_Return)) || DefaultKeyAllowed(this);
}

void TEclipse::FormShow() {
    if (owner_ && anchor_) {
        move(owner_->x() + anchor_->x(), owner_->y() + 40);
        KeepOnScreen();
    }
}

void TEclipse::ShowEclipses(const std::vector<TEclipseResult>& eclipses, std::size_t first) {
    if (eclipses.empty()) return;
    eclipses_ = eclipses;
    index_ = first < eclipses_.size() ? first : 0;
    Redraw();
    show();
    raise();
    activateWindow();
}

void TEclipse::MonthChanged(const std::vector<TEclipseResult>& eclipses) {
    if (!isVisible()) return;
    if (eclipses.empty()) {
        close();
        return;
    }
    // The same month laid out again keeps the eclipse chosen; another month starts with
    // its first eclipse.
    auto same = [](const TEclipseResult& a, const TEclipseResult& b) {
        return a.Maximum.JD == b.Maximum.JD;
    };
    const bool unchanged = eclipses.size() == eclipses_.size() &&
                           std::equal(eclipses.begin(), eclipses.end(), eclipses_.begin(), same);
    eclipses_ = eclipses;
    if (!unchanged) index_ = 0;
    Redraw();
}

void TEclipse::ShowOtherEclipse() {
    if (eclipses_.size() < 2) return;
    index_ = (index_ + 1) % eclipses_.size();
    Redraw();
}

void TEclipse::lblDateDblClick() {
    if (eclipses_.empty()) return;
    // The eclipse's month may differ from the month shown.
    session_.SelectLocalMinute(eclipses_[index_].MaximumDate);
}

void TEclipse::lblExitClick() {
    close();
}

void TEclipse::Redraw() {
    ClearCanvas();
    lines_.clear();
    for (ClickRegion* text : lineTexts_) delete text;
    lineTexts_.clear();
    actOther_->setEnabled(eclipses_.size() > 1);
    if (eclipses_.empty()) return;
    const TEclipseResult& r = eclipses_[index_];
    if (r.EclipseType < kPenumbralEclipse || r.EclipseType > kTotalEclipse) return;
    // The contacts stand symmetric about the maximum, one line apart for each phase reached.
    const int t = static_cast<int>(r.EclipseType);
    const TEclipseTexts texts = EclipseTexts(r);

    // The title, made smaller when the longest titles would not fit on their plate.
    lblEclipseType->SetFontHeight(15);
    lblEclipseType->SetText(QString::fromStdString(EclipseTitle(r)));
    for (int pixels = 15; pixels > 9 && lblEclipseType->TextWidth() > kTitleRoom;)
        lblEclipseType->SetFontHeight(--pixels);
    lblEclipseType->move((width() - lblEclipseType->width()) / 2,
                         kTitleMiddle - lblEclipseType->height() / 2);

    lblDate->SetText(QString::fromStdString(texts.DateText));
    lblDate->move((width() - lblDate->width()) / 2, lblDate->y());
    lblMaximum->SetText(QString::fromStdString(texts.MaximumText) + QStringLiteral("  ") +
                        lblDate->Text());

    if (eclipses_.size() > 1) {
        lblOther->SetText(tr("%1 of %2 \u203a").arg(index_ + 1).arg(eclipses_.size()));
        lblOther->move(kScreen.right() - 3 - lblOther->width(), lblOther->y());
        lblOther->show();
    } else {
        lblOther->hide();
    }

    DrawShadowPicture(r);
    imgDiagram->setAccessibleDescription(
        tr("%1: the Moon's path across the Earth's penumbra and umbra")
            .arg(QString::fromStdString(EclipseTypeName(r.EclipseType))));

    Canvas& c = WindowCanvas();
    c.SetFontStyle(fsRegular);
    const int h = c.TextHeight(QStringLiteral("Ty"));
    auto line = [&](const QString& caption, const std::string& value, int top) {
        lines_.push_back({tr("%1:").arg(caption), QString::fromStdString(value), top});
        ClickRegion* text = ExposeText(this, "txtLine", QRect(33, top, 190, h), caption);
        SetAccessibleValue(text, lines_.back().Value);
        text->show();
        lineTexts_.push_back(text);
        c.SetFontColor(palette::DayText);
        c.TextOut(33, top, lines_.back().Caption);
        c.SetFontColor(palette::StandardText);
        c.TextOut(185, top, lines_.back().Value);
    };
    // Earliest contact at the top, symmetric about the maximum.
    line(tr("Moon enters Penumbra"), texts.PenumbraStartText, 142 - h * t);
    if (r.EclipseType >= kPartialEclipse)
        line(tr("Moon enters Umbra"), texts.UmbraStartText, 142 - h * (t - 1));
    if (r.EclipseType == kTotalEclipse)
        line(tr("Start of Totality"), texts.TotalityStartText, 142 - h);
    line(tr("Eclipse Maximum"), texts.MaximumText, 142);
    if (r.EclipseType == kTotalEclipse) line(tr("End of Totality"), texts.TotalityEndText, 142 + h);
    if (r.EclipseType >= kPartialEclipse)
        line(tr("Moon exits Umbra"), texts.UmbraEndText, 142 + h * (t - 1));
    line(tr("Moon exits Penumbra"), texts.PenumbraEndText, 142 + h * t);
    const double magnitude =
        r.EclipseType == kPenumbralEclipse ? r.PenumbralMagnitude : r.UmbralMagnitude;
    line(tr("Eclipse Magnitude"), MagnitudeText(magnitude), 210);
}

// The Earth's penumbra and umbra at the Moon's distance, and the Moon's path across them
// (north up, east to the left, the Moon moving eastwards), drawn dimly below the texts.
void TEclipse::DrawShadowPicture(const TEclipseResult& r) {
    if (r.Elements.EclipseType == kNoEclipse) return;
    const TShadowGeometry g = ShadowGeometry(r.Elements);
    const auto point = [](TPlanePoint p) { return QPointF(p.X, p.Y); };
    const QPointF dir = point(g.Direction); // motion, y up

    // Pixels per Earth radius: the penumbra fits the picture's height, smaller when the Moon
    // passes far from the axis, so that it stays in the picture.
    const QPointF centre(kDiagram.center().x() + 0.5, kDiagram.center().y() + 0.5);
    const double room = kDiagram.height() / 2.0;
    const double scale =
        std::min((room - 2) / g.PenumbraRadius, (room - 2) / (std::abs(g.Gamma) + g.MoonRadius));
    auto screen = [&](QPointF p) {
        return QPointF(centre.x() + p.x() * scale, centre.y() - p.y() * scale);
    };
    const QPointF closest = point(g.Closest);
    const QPointF first = point(g.First);
    const QPointF last = point(g.Last);

    QImage* image = WindowCanvas().Image();
    if (!image) return;
    QPainter p(image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(kDiagram);

    auto disk = [&](double radius, const QColor& inner, const QColor& outer, const QColor& rim) {
        QRadialGradient g(centre, radius * scale);
        g.setColorAt(0, inner);
        g.setColorAt(1, outer);
        p.setPen(QPen(rim, 1.0));
        p.setBrush(g);
        p.drawEllipse(centre, radius * scale, radius * scale);
    };
    disk(g.PenumbraRadius, QColor(26, 28, 40), QColor(34, 36, 52), QColor(56, 60, 84));
    disk(g.UmbraRadius, QColor(44, 12, 8), QColor(64, 20, 12), QColor(104, 42, 26));

    // The path, from before the first contact to after the last, with an arrowhead.
    const QPointF from = screen(first - dir * 0.35);
    const QPointF to = screen(last + dir * 0.35);
    QPen path(QColor(50, 84, 120), 1.0, Qt::DashLine);
    p.setPen(path);
    p.setBrush(Qt::NoBrush);
    p.drawLine(from, to);
    const QPointF back = QPointF(-dir.x(), dir.y()) * 6.0; // screen y is down
    const QPointF side = QPointF(dir.y(), dir.x()) * 3.5;
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to + back + side);
    head.lineTo(to + back - side);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 84, 120));
    p.drawPath(head);

    // The Moon at the first and last contacts (outlines) and at the maximum.
    const double moon = g.MoonRadius * scale;
    p.setPen(QPen(QColor(64, 72, 96), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(screen(first), moon, moon);
    p.drawEllipse(screen(last), moon, moon);
    const bool inUmbra = r.EclipseType != kPenumbralEclipse;
    p.setPen(QPen(inUmbra ? QColor(120, 60, 40) : QColor(92, 92, 104), 1.0));
    p.setBrush(inUmbra ? QColor(72, 30, 20) : QColor(46, 46, 56));
    p.drawEllipse(screen(closest), moon, moon);
    p.end();
    update();
}

} // namespace crescendar
