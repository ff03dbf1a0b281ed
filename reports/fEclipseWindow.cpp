#include "fEclipseWindow.h"

#include "Access.h"
#include "Palette.h"
#include "Picture.h"

#include "Calendar.h"
#include "EventText.h"
#include "Session.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace crescendar {

namespace {

// The skin's picture is 252 x 252; the window is taller by the room of the shadow picture,
// which stands below the texts so that none of them is written over it.
constexpr int kDiagramHeight = 104;
constexpr int kHeight = kEclipseSkinSize + kDiagramHeight;
// The black screen under the texts and the picture.
const QRect kScreen = EclipseScreen(kDiagramHeight);
// The shadow picture's place: below the magnitude line, to the screen's bottom.
const QRect kDiagram(20, kScreen.bottom() + 1 - kDiagramHeight, 212, kDiagramHeight);

} // namespace

std::string EclipseTitle(const TEclipseResult& r) {
    if (r.EclipseType < kPenumbralEclipse || r.EclipseType > kTotalEclipse) return {};
    return std::string(EclipseTypeName(r.EclipseType)) + " (" + VisibilityText(r.Visibility) + ")";
}

TEclipse::TEclipse(TSession& session, QWidget* owner, const QWidget* anchor)
    : TEclipseWindowBase(session, owner, anchor) {
    setObjectName(QStringLiteral("Eclipse"));
    setWindowTitle(tr("Lunar Eclipse"));
    connect(&session_, &TSession::monthChanged, this,
            [this] { MonthChanged(session_.Eclipses()); });
}

void TEclipse::FormCreate() {
    CreateFrame(kHeight,
                TallEclipseSkin(LoadPicture(QStringLiteral(":/eclipse/eclipse_bgnd.jpg"), this),
                                kDiagramHeight),
                tr("Lunar Eclipse"), tr("This month has two eclipses: show the other"));
    lblMaximum = ClickRegion::TextLabel(this, 184, 46, {}, Qt::black, 12, false);
    lblMaximum->setObjectName(QStringLiteral("lblMaximum"));
    lblMaximum->hide();
    imgDiagram = ExposeText(this, "imgDiagram", kDiagram, tr("Eclipse diagram"));
    SetAccessibleRole(imgDiagram, QAccessible::Graphic);
}

void TEclipse::ShowEclipses(const std::vector<TEclipseResult>& eclipses, std::size_t first) {
    ShowList(eclipses_, eclipses, first);
}

void TEclipse::MonthChanged(const std::vector<TEclipseResult>& eclipses) {
    FollowList(eclipses_, eclipses, [](const TEclipseResult& a, const TEclipseResult& b) {
        return a.Maximum.JD == b.Maximum.JD;
    });
}

void TEclipse::lblDateDblClick() {
    if (eclipses_.empty()) return;
    // The eclipse's month may differ from the month shown.
    session_.SelectLocalMinute(eclipses_[ShownIndex()].MaximumDate);
}

void TEclipse::Redraw() {
    lines_.clear();
    if (!BeginRedraw()) return;
    const TEclipseResult& r = eclipses_[ShownIndex()];
    if (r.EclipseType < kPenumbralEclipse || r.EclipseType > kTotalEclipse) return;
    // The contacts stand symmetric about the maximum, one line apart for each phase reached.
    const int t = static_cast<int>(r.EclipseType);
    const TEclipseTexts texts = EclipseTexts(r);

    SetHeading(QString::fromStdString(EclipseTitle(r)), QString::fromStdString(texts.DateText));
    lblMaximum->SetText(QString::fromStdString(texts.MaximumText) + QStringLiteral("  ") +
                        lblDate->Text());

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
        AddLineText(text);
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
