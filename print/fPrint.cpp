#include "fPrint.h"

#include "EllipseOutline.h"

#include "Calendar.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "Phases.h"
#include "RiseSet.h"
#include "Session.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>

namespace crescendar {

namespace {

const QString kSerif = QStringLiteral("Times New Roman");
const QColor kWeekdayFill(255, 255, 0);

// The labels of the times in a day's box: moonrise, transit, moonset, sunrise, sunset.
const char* const kMoonRise = QT_TRANSLATE_NOOP("TPrint", "MR:");
const char* const kTransit = QT_TRANSLATE_NOOP("TPrint", "TR:");
const char* const kMoonSet = QT_TRANSLATE_NOOP("TPrint", "MS:");
const char* const kSunRise = QT_TRANSLATE_NOOP("TPrint", "SR:");
const char* const kSunSet = QT_TRANSLATE_NOOP("TPrint", "SS:");

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TCalendarSheet CalendarSheetOf(const TSession& session) {
    TCalendarSheet sheet;
    sheet.Days = session.DayTable();
    sheet.FirstDayColumn = session.FirstDayColumn();
    sheet.Phases = session.PhaseList();
    sheet.PhaseCount = session.PhaseCount();
    sheet.Obs = session.GetObserver();
    sheet.TimeOffset = session.TimeOffset();
    sheet.Settings = session.Settings();
    return sheet;
}

TPrint::TPrint(PrintTarget& target, TCalendarSheet sheet)
    : sheet_(std::move(sheet)), frame_(target, sheet_.Settings) {}

bool TPrint::NorthernObserver() const {
    return sheet_.Settings.LatDir == TNorthSouth::North;
}

int TPrint::CellHeight() const {
    return (frame_.PageHeight() - frame_.HeaderMargin() - frame_.FooterMargin()) / 6;
}

bool TPrint::PrintCalendar(int month, int year) {
    LandscapeJob job(frame_.Target(), QCoreApplication::translate("TPrint", "Crescendar %1")
                                          .arg(PageFrame::TitleText(month, year)));
    if (!job.Started()) return false;
    PrintPageHeader(month, year);
    PrintWeekdayTitles();
    PrintCalendarDays(month, year);
    if (sheet_.Settings.PrintMajorPhases) PrintMajorPhaseMarks();
    PrintPageFooter();
    return job.Finish();
}

void TPrint::PrintWeekdayTitles() {
    Canvas& c = frame_.GetCanvas();
    c.SetFontName(kSerif);
    c.SetFontSize(12);
    c.SetFontStyle(fsBold);
    const int cw = CellWidth();
    const int h0 = frame_.P(12.86);
    const int rowHeight = c.TextHeight(QStringLiteral("Tg")) + h0;
    const int top = frame_.HeaderMargin();
    c.SetPenColor(Qt::black);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(kWeekdayFill);
    for (int i = 0; i < 7; ++i) {
        const std::string& day = RegionalNames().LongDayNames[(sheet_.Settings.DayOrder + i) % 7];
        const QString name = Text(CutText(day, 10));
        c.Rectangle(i * cw, top, i * cw + cw, top + rowHeight);
        frame_.Write(i * cw + (cw - c.TextWidth(name)) / 2, top + h0 / 2, name);
    }
    frame_.SetHeaderMargin(top + rowHeight);
    c.SetBrushColor(Qt::white);
}

void TPrint::PrintCalendarDays(int month, int year) {
    Canvas& c = frame_.GetCanvas();
    const TSettings& s = sheet_.Settings;
    const int cw = CellWidth(), ch = CellHeight();
    // Moon drawings are hatched pixel by pixel on a picture of their own and then placed on
    // the page as one image, which keeps printer output small.
    const int radius = frame_.P(28.94);
    const int density = std::clamp<int>(s.PhaseDensity, 0, 100);
    const int grey = 255 * (100 - density) / 100;

    for (int n = 0; n < 42; ++n) {
        const int day = sheet_.Days[static_cast<std::size_t>(n)];
        if (day == 0 || !IsCalendarDate(year, month, day)) continue;
        const int x = cw * (n % 7), y = frame_.HeaderMargin() + ch * (n / 7);

        c.SetPenColor(Qt::black);
        c.SetBrushStyle(BrushStyle::Solid);
        c.SetBrushColor(Qt::white);
        c.Rectangle(x, y, x + cw, y + ch);
        c.SetFontName(kSerif);
        c.SetFontSize(12);
        c.SetFontStyle(fsBold);
        frame_.Write(x + frame_.P(3.86), y + frame_.P(3.86), QString::number(day));

        const TDateTimeRecord date = MakeDate(year, month, day);
        const int cx = x + cw / 2, cy = y + ch / 2;

        if (s.PrintDailyPhases && radius > 0) {
            TMoonState moon;
            TSunPosition sun;
            // The Moon at the date's local midnight taken as universal time, as the calendar
            // of daily phases draws it.
            MoonPosition(UniversalInstant(date), sheet_.Obs, moon, sun);
            const int side = 2 * radius + 1;
            QImage disc(side, side, QImage::Format_ARGB32_Premultiplied);
            disc.fill(Qt::transparent);
            {
                QPainter painter(&disc);
                Canvas dc(&painter);
                dc.SetPenColor(QColor(grey, grey, grey));
                dc.SetBrushStyle(BrushStyle::Solid);
                dc.SetBrushColor(Qt::white);
                dc.Ellipse(0, 0, 2 * radius, 2 * radius);
            }
            DrawPrintedPhase(disc, radius, radius, moon.IlluminatedPercent, date, grey, radius);
            c.Draw(cx - radius, cy - radius, disc);
        }

        c.SetFontSize(7);
        c.SetFontStyle(fsRegular);
        if (s.PrintLunarTimes) PrintDayMoonTimes(cx, cy, cw, ch, date);
        if (s.PrintSunTimes) PrintDaySunTimes(cx, cy, cw, ch, date);
    }
}

namespace {

// The dark part as a mask over the square of side 2r + 1.
//
// The dark part is hatched with one-pixel arcs, 2r and more of them per day, which through a
// painter cost most of a page's time. The arcs of one side share their height and differ
// in half-width by one pixel, and Canvas::Arc leaves no pixel between two such arcs, so in
// each row their union is one run: from the innermost pixel of the narrowest arc that
// reaches the row to the outermost pixel of the widest arc. Those two come from Canvas's
// own outline rules (reproduced below), the run between them is filled, and a test checks
// the result against Canvas::Arc pixel for pixel.
class DarkMask {
  public:
    explicit DarkMask(int r) : r_(r), side_(2 * r + 1), bits_(std::size_t(side_) * side_, 0) {}

    bool At(int x, int y) const { return bits_[std::size_t(y) * side_ + x] != 0; }
    int Side() const { return side_; }

    // The halves, on one side, of the ellipses of height 2r and half-widths a0..a1, each
    // from the top point to the bottom point.
    void HalfEllipses(int a0, int a1, bool left) {
        a0 = std::max(a0, 1); // a zero-width rectangle draws nothing
        if (a0 > a1) return;
        const double c = r_; // centre on both axes
        constexpr int kNone = std::numeric_limits<int>::max();
        // Per row: the distance from the centre column of the innermost and the outermost
        // pixel on the side.
        std::vector<int> inner(static_cast<std::size_t>(side_), kNone);
        std::vector<int> outer(static_cast<std::size_t>(side_), -1);
        auto across = [&](int x) { return left ? r_ - x : x - r_; };
        EllipseOutline(c, c, a1, r_, [&](int x, int y) {
            const int u = across(x);
            if (u >= 1 && y >= 0 && y < side_)
                outer[std::size_t(y)] = std::max(outer[std::size_t(y)], u);
        });
        // The narrowest arcs do not reach the rows next to the top and bottom points; there
        // the next wider ones are the innermost.
        std::vector<int> arcInner(static_cast<std::size_t>(side_));
        int missing = side_;
        for (int a = a0; a <= a1 && missing > 0; ++a) {
            std::fill(arcInner.begin(), arcInner.end(), kNone);
            EllipseOutline(c, c, a, r_, [&](int x, int y) {
                const int u = across(x);
                if (u >= 1 && y >= 0 && y < side_)
                    arcInner[std::size_t(y)] = std::min(arcInner[std::size_t(y)], u);
            });
            for (std::size_t y = 0; y < arcInner.size(); ++y) {
                if (inner[y] == kNone && arcInner[y] != kNone) {
                    inner[y] = arcInner[y];
                    --missing;
                }
            }
        }
        for (int y = 0; y < side_; ++y) {
            for (int u = inner[std::size_t(y)]; u <= outer[std::size_t(y)]; ++u)
                Set(left ? r_ - u : r_ + u, y);
        }
        // Both halves end on the top and bottom points.
        Set(r_, 0);
        Set(r_, 2 * r_);
    }
    // The line from (x, 0) down to, not including, (x, 2r).
    void Vertical(int x) {
        for (int y = 0; y < 2 * r_; ++y) Set(x, y);
    }

  private:
    void Set(int x, int y) {
        if (x >= 0 && x < side_ && y >= 0 && y < side_) bits_[std::size_t(y) * side_ + x] = 1;
    }

    int r_, side_;
    std::vector<unsigned char> bits_;
};

DarkMask MakeDarkMask(int r, int k, bool darkLeft) {
    DarkMask mask(r);
    // A negative j repeats the half-ellipse of -j.
    mask.HalfEllipses(std::max(k, 1), r, darkLeft);
    const int xDark = darkLeft ? r - 1 : r, xOther = darkLeft ? r : r - 1;
    if (k <= 0) mask.Vertical(xDark);
    if (k < 0) {
        mask.Vertical(xOther);
        mask.HalfEllipses(1, -k, !darkLeft);
    }
    return mask;
}

} // namespace

std::vector<QPoint> DarkPartPixels(int r, int k, bool darkLeft) {
    std::vector<QPoint> pixels;
    if (r < 1) return pixels;
    const DarkMask mask = MakeDarkMask(r, k, darkLeft);
    for (int y = 0; y < mask.Side(); ++y)
        for (int x = 0; x < mask.Side(); ++x)
            if (mask.At(x, y)) pixels.emplace_back(x, y);
    return pixels;
}

void TPrint::DrawPrintedPhase(QImage& picture, int cx, int cy, int illuminated,
                              const TDateTimeRecord& date, int grey, int r) const {
    if (r < 1) return;
    // The new moons are bracketed around the day's universal instant, the scale of the
    // phase series, not around its local one.
    const UniversalTime ut = sheet_.Obs.ToUniversal(LocalInstant(date)) + sheet_.TimeOffset;
    const TLunationBracket bracket = LunationBracket(ut);
    const double fraction = (SeriesArgument(ut) - bracket.PreviousNewMoon) /
                            (bracket.NextNewMoon - bracket.PreviousNewMoon) * 100;
    const bool waxing = fraction < 50;
    const bool darkLeft = waxing == NorthernObserver();
    const int illum = std::clamp(illuminated, 0, 100);
    const int k = r - 2 * r * (100 - illum) / 100;

    const DarkMask mask = MakeDarkMask(r, k, darkLeft);
    const QRgb ink = qRgb(grey, grey, grey);
    const int left = cx - r, top = cy - r;
    // Positions are in the picture's pixels; on one made for a screen of scale 2 each is a
    // 2 x 2 block of its device pixels.
    const int s = picture.devicePixelRatio() > 1.0 ? 2 : 1;
    for (int y = 0; y < mask.Side(); ++y) {
        if (top + y < 0 || (top + y) * s >= picture.height()) continue;
        for (int x = 0; x < mask.Side(); ++x)
            if (mask.At(x, y) && picture.valid((left + x) * s, (top + y) * s))
                for (int d = 0; d < s * s; ++d)
                    picture.setPixel((left + x) * s + d % s, (top + y) * s + d / s, ink);
    }
}

int TPrint::TimesValueX(int right) const {
    // One column for the Moon's and the Sun's times, a blank's width after the widest label
    // at least, so that no label runs into its time and the times stand one under another.
    const Canvas& c = frame_.GetCanvas();
    int widest = 0;
    for (const char* label : {kMoonRise, kTransit, kMoonSet, kSunRise, kSunSet})
        widest = std::max(widest, c.TextWidth(QCoreApplication::translate("TPrint", label)));
    const int after = right - frame_.P(41.8) + widest + c.TextWidth(QStringLiteral(" "));
    return std::max(right - frame_.P(24.12), after);
}

void TPrint::PrintDayMoonTimes(int cx, int cy, int boxWidth, int boxHeight,
                               const TDateTimeRecord& date) {
    const TBodyEvents moon = MoonEvents(date, sheet_.Obs);
    struct Entry {
        const char* Label;
        TCrossing Event;
    };
    std::array<Entry, 3> entries{
        {{kTransit, moon.Transit}, {kMoonRise, moon.Rise}, {kMoonSet, moon.Set}}};
    // In time order: one on the neighbouring date first, a date without crossings last.
    auto order = [&entries](std::size_t a, std::size_t b) {
        if (TimeOrder(entries[a].Event) > TimeOrder(entries[b].Event))
            std::swap(entries[a], entries[b]);
    };
    order(0, 2);
    order(0, 1);
    order(1, 2);

    const int right = cx + boxWidth / 2, top = cy - boxHeight / 2;
    const std::array<int, 3> rows{top + frame_.P(3.22), top + frame_.P(12.86),
                                  top + frame_.P(22.51)};
    const int valueX = TimesValueX(right);
    for (std::size_t m = 0; m < entries.size(); ++m) {
        const std::string time = CrossingText(entries[m].Event);
        frame_.Write(right - frame_.P(41.8), rows[m],
                     QCoreApplication::translate("TPrint", entries[m].Label));
        frame_.Write(valueX, rows[m], time == "*****" ? QStringLiteral("****") : Text(time));
    }
}

void TPrint::PrintDaySunTimes(int cx, int cy, int boxWidth, int boxHeight,
                              const TDateTimeRecord& date) {
    const TRiseSet times = RiseSetText(SunEvents(date, kSunriseAltitude, sheet_.Obs));
    const int right = cx + boxWidth / 2, bottom = cy + boxHeight / 2;
    const std::array<std::pair<const char*, const std::string*>, 3> rows{
        {{kSunRise, &times.RiseText}, {kTransit, &times.TransitText}, {kSunSet, &times.SetText}}};
    const std::array<int, 3> ys{bottom - frame_.P(32.15), bottom - frame_.P(22.51),
                                bottom - frame_.P(12.86)};
    const int valueX = TimesValueX(right);
    for (std::size_t m = 0; m < rows.size(); ++m) {
        frame_.Write(right - frame_.P(41.8), ys[m],
                     QCoreApplication::translate("TPrint", rows[m].first));
        frame_.Write(valueX, ys[m], Text(*rows[m].second));
    }
}

void TPrint::PrintMajorPhaseMarks() {
    frame_.GetCanvas().SetPenColor(Qt::black);
    PrintPhaseLegend();
    const int count = std::clamp(sheet_.PhaseCount, 0, static_cast<int>(sheet_.Phases.size()));
    for (int i = 1; i <= count; ++i) PrintPhaseMarker(i);
}

void TPrint::PrintPhaseLegend() {
    Canvas& c = frame_.GetCanvas();
    const int size = frame_.P(9.65);
    const int step = size + frame_.P(6.43);
    c.SetFontName(kSerif);
    c.SetFontSize(7);
    c.SetFontStyle(fsRegular);
    const int textDown = (size - c.TextHeight(QStringLiteral("N"))) / 2;
    // Kinds in legend order: new, first quarter, full, last quarter.
    const std::array<TPhaseKind, 4> rows{TPhaseKind::NewMoon, TPhaseKind::FirstQuarter,
                                         TPhaseKind::FullMoon, TPhaseKind::LastQuarter};
    // Longer names than the English ones move the legend left, so that they end on the page.
    int widest = 0;
    for (const TPhaseKind kind : rows)
        widest = std::max(widest, c.TextWidth(QString::fromStdString(PrincipalPhaseName(kind))));
    const int limit = frame_.PageWidth() - frame_.P(16.08); // the English names' margin, about
    const int left = std::min(frame_.PageWidth() - frame_.P(80.39),
                              limit - widest - size - frame_.P(9.65));
    const int textX = left + size + frame_.P(9.65);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = frame_.P(24.12) + static_cast<int>(i) * step;
        DrawPhaseSymbol(static_cast<int>(rows[i]), left, top, size);
        c.SetBrushStyle(BrushStyle::Solid);
        c.SetBrushColor(Qt::white);
        frame_.Write(textX, top + textDown, QString::fromStdString(PrincipalPhaseName(rows[i])));
    }
}

void TPrint::PrintPhaseMarker(int index) {
    if (index < 1 || index > static_cast<int>(sheet_.Phases.size())) return;
    const TPhaseEntry& entry = sheet_.Phases[static_cast<std::size_t>(index - 1)];
    const int day = entry.Date.Day;
    if (day < 1) return;
    // The day's own cell: in October 1582 the 15th follows the 4th, so the cells cannot be
    // counted from the first column.
    int n = -1;
    for (int i = 0; i < 42 && n < 0; ++i)
        if (sheet_.Days[static_cast<std::size_t>(i)] == day) n = i;
    if (n < 0) return;
    const int column = n % 7, row = n / 7;

    Canvas& c = frame_.GetCanvas();
    const int size = frame_.P(19.29), gap = frame_.P(4.8);
    const int left = gap + CellWidth() * column;
    const int top = frame_.HeaderMargin() + CellHeight() * (row + 1) - size - gap;
    c.SetFontName(kSerif);
    c.SetFontSize(8);
    c.SetFontStyle(fsRegular);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(Qt::white);
    frame_.Write(left + size + gap, top + (size - c.TextHeight(QStringLiteral("8"))) / 2,
                 Text(SubText(PhaseText(entry.Date), 1, 5)));
    DrawPhaseSymbol(static_cast<int>(entry.Kind), left, top, size);
    c.SetBrushColor(Qt::white);
}

void TPrint::DrawPhaseSymbol(int kind, int left, int top, int size) {
    Canvas& c = frame_.GetCanvas();
    c.SetPenColor(Qt::black);
    c.SetBrushStyle(BrushStyle::Solid);
    const bool north = NorthernObserver();
    switch (kind) {
    case 0: // new moon
        c.SetBrushColor(Qt::black);
        c.Ellipse(left, top, left + size, top + size);
        break;
    case 2: // full moon
        c.SetBrushColor(Qt::white);
        c.Ellipse(left, top, left + size, top + size);
        break;
    case 3: // first quarter
        DrawQuarter(left, top, size, north);
        break;
    case 1: // last quarter
        DrawQuarter(left, top, size, !north);
        break;
    default:
        break;
    }
    c.SetBrushColor(Qt::white);
}

void TPrint::DrawQuarter(int left, int top, int size, bool litRight) {
    Canvas& c = frame_.GetCanvas();
    // A white disc, then its dark half as a black half-disc. The bounding rays run through
    // points far above and below the centre so that the split is vertical for odd sizes too.
    c.SetBrushColor(Qt::white);
    c.Ellipse(left, top, left + size, top + size);
    const int mid = left + size / 2;
    const int above = top - 16 * size, below = top + 17 * size;
    c.SetBrushColor(Qt::black);
    if (litRight)
        c.Pie(left, top, left + size, top + size, mid, above, mid, below); // the left half
    else
        c.Pie(left, top, left + size, top + size, mid, below, mid, above); // the right half
}

} // namespace crescendar
