#include "fSolarEclipseWindow.h"

#include "Access.h"
#include "Palette.h"
#include "Picture.h"

#include "Calendar.h"
#include "Session.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace crescendar {

namespace {

// Lines whose instant has the Sun below the horizon, and the notes beside them.
const QColor kDimText(118, 118, 132);

// The room of the texts below the date: the worldwide kind, the altitudes' heading, up to
// seven timed lines (the contacts, sunrise and sunset) and a note, then magnitude,
// obscuration and length.
constexpr int kRow = 15;
constexpr int kTableTop = 124;
constexpr int kValuesTop = kTableTop + 8 * kRow + 6;
constexpr int kPictureTop = kValuesTop + 3 * kRow + 2;
constexpr int kPictureHeight = 104;
// The black screen of the skin ends at 232; the window grows by what the texts and the
// picture need beyond it.
constexpr int kExtra = kPictureTop + kPictureHeight - 232;
constexpr int kHeight = kEclipseSkinSize + kExtra;
const QRect kScreen = EclipseScreen(kExtra);
// The picture's least room; it takes what the texts leave above it.
const QRect kPicture(20, kPictureTop, 212, kPictureHeight);
// The Sun's radius in the picture.
constexpr double kSunRadius = kPictureHeight * 0.31;
// Columns: captions, clock times and values, the Sun's altitude (right-aligned).
constexpr int kCaptionLeft = 28;
constexpr int kValueLeft = 152;
constexpr int kAltitudeRight = 226;

// The skin with a small eclipsed Sun where the lunar skin has its eclipsed Moon: the emblem's
// square is first covered with a piece of the plain title bar.
QImage SolarSkin(QImage skin) {
    if (skin.isNull()) return skin;
    const int s = skin.devicePixelRatio() > 1.0 ? 2 : 1;
    const QRect emblem(20, 10, 22, 22);
    const QImage bar = skin.copy(QRect(QPoint(198, 10) * s, emblem.size() * s));
    QPainter p(&skin);
    p.drawImage(QRectF(emblem), bar, QRectF(QPointF(), QSizeF(bar.size())));
    DrawEclipsedSun(p, QRectF(emblem).center(), 10.5);
    return skin;
}

} // namespace

TSolarEclipseWindow::TSolarEclipseWindow(TSession& session, QWidget* owner, const QWidget* anchor)
    : TEclipseWindowBase(session, owner, anchor) {
    setObjectName(QStringLiteral("SolarEclipse"));
    setWindowTitle(tr("Solar Eclipse"));
    connect(&session_, &TSession::monthChanged, this,
            [this] { MonthChanged(session_.SolarEclipses()); });
}

void TSolarEclipseWindow::FormCreate() {
    CreateFrame(kHeight,
                SolarSkin(TallEclipseSkin(
                    LoadPicture(QStringLiteral(":/eclipse/eclipse_bgnd.jpg"), this), kExtra)),
                tr("Solar Eclipse"), tr("This month has two solar eclipses: show the other"));
    lblWorldwide = ClickRegion::TextLabel(this, 28, 91, {}, palette::NoteText, 11, false);
    lblWorldwide->setObjectName(QStringLiteral("lblWorldwide"));
    lblWorldwide->setAccessibleName(tr("Worldwide"));
    lblWorldwide->hide();
    imgPicture = ExposeText(this, "imgPicture", kPicture, tr("Eclipse picture"));
    SetAccessibleRole(imgPicture, QAccessible::Graphic);
}

void TSolarEclipseWindow::ShowEclipses(const std::vector<TSolarEclipseAtPlace>& eclipses,
                                       std::size_t first) {
    ShowList(eclipses_, eclipses, first);
}

void TSolarEclipseWindow::ShowMonthEclipses() {
    ShowEclipses(session_.SolarEclipses());
}

void TSolarEclipseWindow::MonthChanged(const std::vector<TSolarEclipseAtPlace>& eclipses) {
    FollowList(eclipses_, eclipses,
               [](const TSolarEclipseAtPlace& a, const TSolarEclipseAtPlace& b) {
                   return a.Eclipse.K == b.Eclipse.K;
               });
}

void TSolarEclipseWindow::lblDateDblClick() {
    if (eclipses_.empty()) return;
    const LocalTime at = session_.GetObserver().ToLocal(ShownMaximum(eclipses_[ShownIndex()]));
    session_.SelectLocalMinute(JulianDayToDate(at.JD));
}

void TSolarEclipseWindow::Redraw() {
    lines_.clear();
    sunRadius_ = moonRadius_ = 0.0;
    if (!BeginRedraw()) return;
    const TSolarEclipseAtPlace& e = eclipses_[ShownIndex()];
    if (e.Eclipse.Kind == TSolarEclipseKind::None) return;
    const TSolarLocalCircumstances& l = e.Local;
    const TSolarEclipseTexts texts = SolarEclipseTexts(e, session_.GetObserver());

    SetHeading(QString::fromStdString(texts.Title), QString::fromStdString(texts.DateText));
    if (texts.WorldwideKind.empty()) {
        lblWorldwide->hide();
    } else {
        lblWorldwide->SetText(tr("Worldwide: %1").arg(QString::fromStdString(texts.WorldwideKind)));
        lblWorldwide->move((width() - lblWorldwide->width()) / 2, lblWorldwide->y());
        lblWorldwide->show();
    }

    Canvas& c = WindowCanvas();
    c.SetFontStyle(fsRegular);
    c.SetFontSize(ScaledFontSize(9));
    // Captions, values and notes, in order; laid out below.
    struct TRow {
        QString Caption;
        QString Value;
        QString Altitude;
        bool Dim = false;
        bool Note = false; // a sentence across the screen
        double Order = 0;  // the instant of a timed line
    };
    std::vector<TRow> timed;
    std::vector<TRow> values;
    // Total where the Moon looks the larger (also when the Sun is down and the kind not told).
    const bool total = l.AtMaximum.MoonSunRatio >= 1.0;
    auto contact = [&](const QString& caption, const TSolarContact& at,
                       const TSolarContactTexts& t) {
        if (!at.Happens) return;
        timed.push_back({caption, QString::fromStdString(t.Time),
                         QString::fromStdString(t.SunAltitude), !t.SunUp, false, at.Instant.JD});
    };
    // With the Sun down throughout, the contacts would be the shadow's passage below the
    // horizon or through the Earth: the place is told the eclipse worldwide instead.
    const bool seen = SeenAtPlace(l);
    if (seen) {
        contact(tr("Eclipse begins"), l.C1, texts.C1);
        contact(total ? tr("Totality begins") : tr("Annularity begins"), l.C2, texts.C2);
        contact(tr("Maximum"), l.Maximum, texts.Maximum);
        contact(total ? tr("Totality ends") : tr("Annularity ends"), l.C3, texts.C3);
        contact(tr("Eclipse ends"), l.C4, texts.C4);
        if (!texts.SunriseText.empty())
            timed.push_back({tr("Sunrise"),
                             QString::fromStdString(texts.SunriseText),
                             {},
                             false,
                             false,
                             l.VisibleFrom.JD});
        if (!texts.SunsetText.empty())
            timed.push_back({tr("Sunset"),
                             QString::fromStdString(texts.SunsetText),
                             {},
                             false,
                             false,
                             l.VisibleTo.JD});
        std::stable_sort(timed.begin(), timed.end(),
                         [](const TRow& a, const TRow& b) { return a.Order < b.Order; });
        if (std::any_of(timed.begin(), timed.end(), [](const TRow& r) { return r.Dim; }))
            timed.push_back({tr("Grey: the Sun is below the horizon."), {}, {}, true, true});
        values.push_back({tr("Magnitude"), QString::fromStdString(texts.MagnitudeText), {}});
        values.push_back({tr("Obscuration"), QString::fromStdString(texts.ObscurationText), {}});
        if (!texts.DurationText.empty())
            values.push_back({total ? tr("Totality lasts") : tr("Annularity lasts"),
                              QString::fromStdString(texts.DurationText),
                              {}});
    } else {
        timed.push_back({l.C1.Happens ? tr("The Sun is below the horizon throughout.")
                                      : tr("The Moon's shadow misses this place."),
                         {},
                         {},
                         true,
                         true});
        values.push_back({tr("Greatest eclipse"), QString::fromStdString(texts.GreatestText), {}});
        values.push_back(
            {tr("Greatest magnitude"), QString::fromStdString(texts.GreatestMagnitudeText), {}});
    }

    const int h = c.TextHeight(QStringLiteral("Ty"));
    // The altitude column's heading, over the timed lines that have altitudes.
    const bool altitudes = std::any_of(timed.begin(), timed.end(),
                                       [](const TRow& r) { return !r.Altitude.isEmpty(); });
    if (altitudes) {
        const QString sun = tr("Sun");
        c.SetFontColor(palette::NoteText);
        c.TextOut(kAltitudeRight - c.TextWidth(sun), kTableTop - kRow + 2, sun);
    }
    auto draw = [&](const TRow& row, int top) {
        TLine line{row.Note ? row.Caption : tr("%1:").arg(row.Caption), row.Value, row.Altitude,
                   top, row.Dim};
        lines_.push_back(line);
        // A reader hears the caption, the value and the Sun's place.
        QString value = row.Value;
        if (!row.Altitude.isEmpty())
            value = row.Dim ? tr("%1, Sun below the horizon").arg(row.Value)
                            : tr("%1, Sun at %2").arg(row.Value, row.Altitude);
        ClickRegion* text =
            ExposeText(this, "txtLine", QRect(kCaptionLeft, top, 198, h), row.Caption);
        SetAccessibleValue(text, value);
        text->show();
        AddLineText(text);
        if (row.Note) {
            // A sentence made smaller, where it must, to stay on the screen.
            c.SetFontColor(kDimText);
            for (int size = 9; size > 6 && c.TextWidth(line.Caption) > kScreen.width() - 8;)
                c.SetFontSize(ScaledFontSize(--size));
            c.TextOut(kScreen.center().x() + 1 - c.TextWidth(line.Caption) / 2, top, line.Caption);
            c.SetFontSize(ScaledFontSize(9));
            return;
        }
        c.SetFontColor(row.Dim ? kDimText : palette::DayText);
        c.TextOut(kCaptionLeft, top, line.Caption);
        c.SetFontColor(row.Dim ? kDimText : palette::StandardText);
        c.TextOut(kValueLeft, top, line.Value);
        if (!line.Altitude.isEmpty())
            c.TextOut(kAltitudeRight - c.TextWidth(line.Altitude), top, line.Altitude);
    };
    int top = kTableTop;
    for (const TRow& row : timed) {
        draw(row, top);
        top += kRow;
    }
    // The values follow the timed lines; the picture takes the rest of the screen.
    top = std::min(top, kValuesTop - 6) + 6;
    for (const TRow& row : values) {
        draw(row, top);
        top += kRow;
    }
    imgPicture->setGeometry(
        QRect(kPicture.left(), top + 2, kPicture.width(), kPicture.bottom() + 1 - (top + 2)));
    DrawSunPicture(e);
    imgPicture->setAccessibleDescription(
        seen ? tr("The Sun at the maximum with the Moon over %1 of it, the zenith up")
                   .arg(QString::fromStdString(texts.ObscurationText))
             : tr("The Sun, not eclipsed at this place"));
}

// The Sun as seen from the place at the maximum, the zenith up, with the Moon's disc over it
// (its centre in the direction of the zenith angle, counted from the top towards the east,
// which is left in the sky); a total eclipse shows the corona, and a Sun below the horizon
// then is drawn dimly. Where the shadow misses the place, the Sun alone, dim.
void TSolarEclipseWindow::DrawSunPicture(const TSolarEclipseAtPlace& e) {
    QImage* image = WindowCanvas().Image();
    if (!image) return;
    const TSolarLocalCircumstances& l = e.Local;
    const bool eclipsed = SeenAtPlace(l);
    const TSolarAppearance& a = l.AtMaximum;
    const QRect room = imgPicture->geometry();
    const QPointF centre(room.center().x() + 0.5, room.center().y() + 0.5);
    const double sun = kSunRadius;
    sunCentre_ = centre;
    sunRadius_ = sun;

    QPainter p(image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(room);
    if (!eclipsed || !l.Maximum.SunUp) p.setOpacity(0.4);
    if (l.Kind == TSolarEclipseKind::Total) {
        QRadialGradient corona(centre, sun * 1.9);
        corona.setColorAt(0.5, QColor(210, 222, 255, 200));
        corona.setColorAt(0.7, QColor(120, 140, 200, 90));
        corona.setColorAt(1.0, QColor(40, 50, 90, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(corona);
        p.drawEllipse(centre, sun * 1.9, sun * 1.9);
    }
    QRadialGradient disc(centre, sun);
    disc.setColorAt(0.0, QColor(255, 244, 196));
    disc.setColorAt(0.7, QColor(250, 214, 120));
    disc.setColorAt(1.0, QColor(222, 150, 52));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(centre, sun, sun);
    if (!eclipsed) {
        p.end();
        update();
        return;
    }
    // Centres apart by (1 + k - 2m) Sun radii for magnitude m and diameter ratio k.
    const double ratio = std::isfinite(a.MoonSunRatio) && a.MoonSunRatio > 0 ? a.MoonSunRatio : 1.0;
    const double m = std::isfinite(a.Magnitude) ? a.Magnitude : 0.0;
    const double apart = std::max(0.0, 1.0 + ratio - 2.0 * m) * sun;
    const double angle =
        (std::isfinite(a.ZenithAngle) ? a.ZenithAngle : 0.0) * std::numbers::pi / 180.0;
    moonCentre_ = centre + QPointF(-std::sin(angle), -std::cos(angle)) * apart;
    moonRadius_ = ratio * sun;
    p.setPen(QPen(QColor(70, 74, 96), 1.0));
    p.setBrush(QColor(10, 10, 16));
    p.drawEllipse(moonCentre_, moonRadius_, moonRadius_);
    p.end();
    update();
}

} // namespace crescendar
