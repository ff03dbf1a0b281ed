// The Moon view of the main window: the shaded Moon picture turned for hemisphere and
// optics, the phase name and age, coordinate texts, perigee and apogee, rise and set times
// and the local sidereal time.
#include "fMain.h"

#include "Access.h"

#include "Calendar.h"
#include "EventText.h"
#include "MoonView.h"
#include "RiseSet.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace crescendar {

namespace {

// Size changes of the coordinate texts, in points.
constexpr int kSignSmaller = 2;
constexpr int kDegreeSignLarger = 1;

} // namespace

void TMain::DisplayCoord(Canvas& canvas, int x, int xm, int xs, int y, const TAngleText& a,
                         int style) {
    const QString deg = QString::fromStdString(a.Deg);
    const QString min = QString::fromStdString(a.Min);
    const QString sec = QString::fromStdString(a.Sec);
    if (style == 0 && deg.size() == 3) x -= 7;

    // A negative value's sign stands right against its first digit ("-26°", never "- 26°"),
    // written as a minus sign rather than the dash of the engine's texts; a slightly smaller
    // face keeps it in proportion with the digits.
    const int size = canvas.FontSize();
    // On an opaque canvas the place of a previous sign is cleared first.
    if (canvas.GetBrushStyle() == BrushStyle::Solid)
        canvas.FillRect(Rect(x - 8, y, x, y + canvas.TextHeight(deg)), canvas.BrushColor());
    if (a.Sign != " " && !a.Sign.empty()) {
        const QString minus = QStringLiteral("\u2212");
        // On the digits' baseline, not at their top.
        const int ascent = QFontMetrics(canvas.Font(), canvas.Device()).ascent();
        canvas.SetFontSize(size - kSignSmaller);
        const int lower = ascent - QFontMetrics(canvas.Font(), canvas.Device()).ascent();
        canvas.TextOut(x - canvas.TextWidth(minus), y + lower, minus);
        canvas.SetFontSize(size);
    }

    if (style == 0) {
        canvas.TextOut(x, y, deg);
        const int degreeX = x + canvas.TextWidth(deg);
        canvas.SetFontSize(size + kDegreeSignLarger);
        canvas.TextOut(degreeX, y, QStringLiteral("\u00B0"));
        canvas.SetFontSize(size);
        canvas.TextOut(xm, y, min + QStringLiteral(" '"));
        canvas.TextOut(xs, y, sec + QStringLiteral(" \""));
    } else {
        canvas.TextOut(x, y, deg + QStringLiteral("h"));
        canvas.TextOut(xm, y, min + QStringLiteral("m"));
        canvas.TextOut(xs, y, sec + QStringLiteral("s"));
    }
}

void TMain::DisplayMoonAge(double age) {
    static const int columns[3] = {249, 274, 299};
    const std::array<std::string, 3> texts = MoonAgeTexts(age);
    QStringList spoken;
    for (std::size_t i = 0; i < 3; ++i) {
        const QString text = QString::fromStdString(texts[i]);
        static const char* const figures[3] = {"ageDays", "ageHours", "ageMinutes"};
        if (Redraws(figures[i], text)) WindowCanvas().TextOut(columns[i], 94, text);
        spoken << text.simplified();
    }
    ExposeFigure("accAge", spoken.join(QLatin1Char(' ')));
}

void TMain::DisplayPerigeeAndApogee() {
    Canvas& c = WindowCanvas();
    const auto text = [this, &c](const char* figure, int x, int y, const std::string& t) {
        const QString shown = QString::fromStdString(t);
        if (Redraws(figure, shown)) c.TextOut(x, y, shown);
    };
    text("apogeeDate", 249, 204, perigeeApogee_.ApogeeDateText);
    text("apogeeDistance", 332, 204, perigeeApogee_.ApogeeDistanceText);
    text("perigeeDate", 249, 218, perigeeApogee_.PerigeeDateText);
    text("perigeeDistance", 332, 218, perigeeApogee_.PerigeeDistanceText);
    const auto both = [](const std::string& date, const std::string& distance) {
        return (QString::fromStdString(date).simplified() + QLatin1String(", ") +
                QString::fromStdString(distance).simplified());
    };
    ExposeFigure("accApogee",
                 both(perigeeApogee_.ApogeeDateText, perigeeApogee_.ApogeeDistanceText));
    ExposeFigure("accPerigee",
                 both(perigeeApogee_.PerigeeDateText, perigeeApogee_.PerigeeDistanceText));
}

std::string TMain::DisplayMoonPhase(const TLunationBracket& bounds, int illuminated, double age,
                                    int month) {
    const double length = bounds.NextNewMoon - bounds.PreviousNewMoon;
    const double p = length > 0 ? age / length * 100 : 0;
    // The blue-moon test compares the month's second full moon with the shown instant.
    std::string name =
        PhaseName(bounds, age, month, session_->PhaseList(), session_->PhaseCount(), ShownJD());
    DrawMoonGraphic(illuminated, p);
    return name;
}

void TMain::DrawMoonGraphic(int illuminated, double lunationPercent) {
    const int k = std::clamp(illuminated, 0, 100);
    const bool waxing = lunationPercent < 50;
    // The shadow's outline moves by whole pixels with the whole percent: the picture of the
    // same percent and side is the one already drawn.
    const int drawFor = 2 * k + (waxing ? 1 : 0);
    if (drawFor == moonDrawnFor_) {
        DrawMoon();
        return;
    }
    moonDrawnFor_ = drawFor;
    imgMoon.Assign(imgMoonOriginal);
    Canvas& c = imgMoon.GetCanvas();
    c.SetPenColor(QColor(30, 30, 30));
    c.SetPenWidth(1);

    const int b = 75 - (100 - k) * 150 / 100;
    // Half ellipses of half-width |e| and the Moon's height; a negative e is the same ellipse.
    auto leftArc = [&c](int e) {
        e = std::abs(e);
        c.Arc(78 - e, 3, 78 + e, 154, 78, 3, 78, 154);
    };
    auto rightArc = [&c](int e) {
        e = std::abs(e);
        c.Arc(78 - e, 3, 78 + e, 154, 78, 154, 78, 3);
    };
    auto line = [&c](int x) {
        c.MoveTo(x, 3);
        c.LineTo(x, 154);
    };

    for (int e = b; e <= 75; ++e) waxing ? leftArc(e) : rightArc(e);
    if (b <= 0) line(waxing ? 77 : 78);
    if (b < 0) {
        line(waxing ? 78 : 77);
        for (int e = 0; e <= -b; ++e) waxing ? rightArc(e) : leftArc(e);
    }
    DrawMoon();
}

void TMain::DrawMoon() {
    const bool north = session_->Settings().LatDir != TNorthSouth::South;
    const bool binoculars = opticsMode_ == 0;
    const bool upright = north == binoculars;
    // The window's Moon is copied again only when the picture or its orientation has changed.
    const int showFor = 2 * moonDrawnFor_ + (upright ? 1 : 0);
    if (moonDrawnFor_ >= 0 && showFor == moonShownFor_) return;
    moonShownFor_ = showFor;
    const TRect source = upright ? Rect(0, 0, 155, 155) : Rect(155, 155, 0, 0);
    WindowCanvas().CopyRect(Rect(26, 80, 181, 235), imgMoon.Image(), source);
}

void TMain::imgOpticsClick() {
    opticsMode_ = opticsMode_ == 0 ? 1 : 0;
    imgOptics->SetPicture(opticsMode_ == 0 ? imgBinoculars : imgTelescope);
    DrawMoon();
}

void TMain::InvertPhaseIcons() {
    iconsTurned_ = !iconsTurned_;
    for (QImage* picture :
         {&imgFullMoon, &imgNewMoon, &imgFirstQuarterPhase, &imgLastQuarterPhase, &imgBlueMoon})
        *picture = picture->mirrored(true, true);
    DisplayPhaseTimes();
}

void TMain::DisplayLunarRiseSetTimes(const TDayEvents& events) {
    struct Row {
        QString Title;
        TCrossing Event;
        QString Name; // what a screen reader calls the time
    };
    std::array<Row, 3> pairs = {{{tr("Transit:"), events.Moon.Transit, tr("Moon transit")},
                                 {tr("Moonrise:"), events.Moon.Rise, tr("Moonrise")},
                                 {tr("Moonset:"), events.Moon.Set, tr("Moonset")}}};
    // Three compare-and-swap steps put the rows in time order.
    auto order = [&pairs](std::size_t i, std::size_t j) {
        if (TimeOrder(pairs[i].Event) > TimeOrder(pairs[j].Event)) std::swap(pairs[i], pairs[j]);
    };
    order(0, 2);
    order(0, 1);
    order(1, 2);
    const std::array<std::pair<ClickRegion*, ClickRegion*>, 3> rows = {
        {{lblMoonTitle1, lblMoonValue1},
         {lblMoonTitle2, lblMoonValue2},
         {lblMoontitle3, lblMoonValue3}}};
    for (std::size_t i = 0; i < 3; ++i) {
        rows[i].first->SetText(pairs[i].Title);
        rows[i].second->setAccessibleName(pairs[i].Name);
        rows[i].second->SetText(QString::fromStdString(CrossingText(pairs[i].Event)));
    }
}

void TMain::DisplaySolarRiseSetTimes(const TDayEvents& events) {
    struct Row {
        const TBodyEvents& Events;
        ClickRegion* rise;
        ClickRegion* transit;
        ClickRegion* set;
    };
    const Row rows[] = {{events.Sun, lblSunRise, lblSunTransit, lblSunSet},
                        {events.CivilTwilight, lblCivilStart, nullptr, lblCivilEnd},
                        {events.NauticalTwilight, lblNauticalStart, nullptr, lblNauticalEnd},
                        {events.AstronomicalTwilight, lblAstroStart, nullptr, lblAstroEnd}};
    for (const Row& row : rows) {
        const TRiseSet r = RiseSetText(row.Events);
        row.rise->SetText(QString::fromStdString(r.RiseText));
        if (row.transit) row.transit->SetText(QString::fromStdString(r.TransitText));
        row.set->SetText(QString::fromStdString(r.SetText));
    }
}

std::string TMain::LocalSiderealTime(TDateTimeRecord d, int mode) {
    const std::string text = CutText(crescendar::LocalSiderealTime(d, session_->GetObserver()), 15);
    if (mode == 0) {
        Canvas& c = imgClockBuf.GetCanvas();
        const QString shown = tr("LST: %1").arg(QString::fromStdString(text));
        c.TextOut((200 - c.TextWidth(shown)) / 2 + 420, 4, shown);
    }
    return text;
}

} // namespace crescendar
