#include "fObservingAid.h"

#include "Access.h"
#include "Command.h"
#include "Palette.h"

#include "PageFrame.h"
#include "PrintTarget.h"
#include "WindowKeys.h"

#include "Calendar.h"
#include "DayEvents.h"
#include "Session.h"
#include "Settings.h"
#include "TableCommands.h"

#include <QClipboard>
#include <QGuiApplication>

#include <charconv>
#include <cmath>
#include <tuple>

namespace crescendar {

namespace {

constexpr int kNoon = 720;
constexpr int kDayMinutes = 1440;
constexpr int kPaperLeftMargin = 100;
// The month in the title row, as pale as the paging arrows; the legend's captions.
const QColor kMonthColour(214, 222, 240);
const QColor kCaptionColour(200, 212, 236);

// Round half to even, as the chart's positions are rounded.
int RoundEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// The minute of the day a crossing reads as; `otherDate` for one on the neighbouring date.
int MinuteOr(const TCrossing& c, int otherDate) {
    return c.Happens() ? c.Minute : otherDate;
}

bool NoCrossing(const TCrossing& c) {
    return c.Kind == TCrossingKind::AlwaysAbove || c.Kind == TCrossingKind::AlwaysBelow;
}

} // namespace

TChartLayout ScreenChartColours() {
    TChartLayout l;
    l.Daylight = palette::ChartDaylight;
    l.CivilFill = QColor(135, 135, 192);
    l.Civil = palette::ChartCivilTwilight;
    l.Nautical = palette::ChartNauticalTwilight;
    l.Astronomical = palette::ChartAstronomicalTwilight;
    l.Background = Qt::black;
    l.DayText = palette::DayText;
    l.Lines = QColor(128, 128, 128);
    return l;
}

TChartLayout PaperChartColours(TPrinterType printerType) {
    TChartLayout l = ScreenChartColours();
    l.DayText = Qt::white;
    l.Lines = Qt::white;
    if (printerType == TPrinterType::ColourInkjet) {
        l.Background = QColor(25, 25, 25);
        return l;
    }
    l.Daylight = QColor(165, 165, 165);
    l.CivilFill = QColor(150, 150, 130);
    l.Civil = QColor(130, 130, 130);
    l.Nautical = QColor(105, 105, 105);
    l.Astronomical = QColor(80, 80, 80);
    l.Background = QColor(50, 50, 50);
    return l;
}

int HMToMins(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return 0;
    int hours = 0, minutes = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto h = std::from_chars(begin, begin + colon, hours);
    const auto m = std::from_chars(begin + colon + 1, end, minutes);
    if (h.ec != std::errc() || m.ec != std::errc() || h.ptr != begin + colon || m.ptr != end ||
        hours < 0 || hours > 24 || minutes < 0 || minutes > 59)
        return 0;
    return std::min(hours * 60 + minutes, kDayMinutes);
}

TObservingAid::TObservingAid(TSession& session, QWidget& owner)
    : SkinWindow(&owner), session_(session), owner_(owner) {
    setObjectName(QStringLiteral("ObservingAid"));
    setWindowTitle(tr("Lunar Visibility"));
    // Whichever window moved the session to another month, a visible chart follows it.
    connect(&session_, &TSession::monthChanged, this, [this] {
        if (isVisible()) doa();
    });
}

TObservingAid::~TObservingAid() = default;

void TObservingAid::FormCreate() {
    SetClientSize(540, 480);
    SetBackground(LoadPicture(QStringLiteral(":/monthly/aid_bgnd.jpg"), this));
    imgDay = LoadPicture(QStringLiteral(":/monthly/aid_day.png"), this);
    imgNight = LoadPicture(QStringLiteral(":/monthly/aid_night.png"), this);
    imgLines = LoadPicture(QStringLiteral(":/monthly/aid_lines.png"), this);
    imgGrid = LoadPicture(QStringLiteral(":/monthly/aid_grid.png"), this);
    Image1.SetSize(kChartWidth, kChartHeight);

    auto region = [this](const char* name, int l, int t, int w, int h) {
        auto* r = new ClickRegion(this, l, t, w, h);
        r->setObjectName(QLatin1String(name));
        return r;
    };
    lblPrint = region("lblPrint", 20, 16, 19, 19);
    lblTitle = region("lblTitle", 136, 10, 160, 23);
    // Between the previous month's arrow and the month written after the title (from 302).
    AddCaption(ReportTitle(tr("Lunar Visibility"), lblTitle->geometry(), QRect(133, 10, 167, 23)));
    lblMinimise = region("lblMinimise", 492, 14, 15, 15);
    lblExit = AddCloseMark(this, 514, 14, 13, 15);

    imgDayNight = new ImageControl(this, 50, 12, imgNight, 26, 24);
    imgDayNight->setObjectName(QStringLiteral("imgDayNight"));
    imgLinesGrid = new ImageControl(this, 82, 12, imgLines, 26, 24);
    imgLinesGrid->setObjectName(QStringLiteral("imgLinesGrid"));
    // The grid is on or off; a reader hears its state (ShowButtonPictures).
    SetAccessibleRole(imgLinesGrid, QAccessible::CheckBox);
    Image2 = new ImageControl(this, 20, 75, Image1.Image(), kChartWidth, kChartHeight);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAccessibleName(tr("Visibility chart"));

    SetTitleRegion(lblTitle);
    OfferMinimise(this, lblMinimise);
    OfferCommand(lblPrint,
                 MakeCommand(this, "actPrint", tr("Print"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
                             tr("Print this chart"), [this] { lblPrintClick(); }));
    OfferCommand(imgDayNight,
                 MakeCommand(this, "actDayNight", tr("Day or night view"),
                             {QKeySequence(Qt::Key_D)},
                             tr("Switch between the night view (noon to noon) and the day view "
                                "(midnight to midnight)"),
                             [this] { imgDayNightClick(); }));
    OfferCommand(imgLinesGrid,
                 MakeCommand(this, "actGrid", tr("Hour grid"), {QKeySequence(Qt::Key_G)},
                             tr("Show or hide the hour grid"), [this] { imgLinesGridClick(); }));
    // Under the chart, at its right edge.
    lblCopy =
        ClickRegion::TextLabel(this, 0, 0, tr("Copy picture"), QColor(220, 220, 255), 11, true);
    lblCopy->setObjectName(QStringLiteral("lblCopy"));
    lblCopy->move(kLeftMargin + kChartWidth - lblCopy->width(), 463);
    OfferCommand(lblCopy, MakeCopyCommand(this, tr("Copy this chart to the clipboard"),
                                          [this] { CopyPicture(); }));
    // The month shown, after the window's name; it drags the window as the name does.
    lblMonth = ClickRegion::TextLabel(this, 302, 14, QString(), kMonthColour, 15, true);
    lblMonth->setObjectName(QStringLiteral("lblMonth"));
    SetTitleRegion(lblMonth);
    // Either side of the name and the month; the next arrow follows the month (ShowMonth).
    std::tie(imgPrevMonth, imgNextMonth) =
        AddMonthArrows(120, 400, 15, [this](int months) { StepMonth(months); });
    DrawLegend(WindowCanvas(), 30, 43);
}

void TObservingAid::FormShow() {
    rowHeight_ = 12;
    nightView_ = true;
    showGrid_ = false;
    PlaceBeside(owner_);
    // Drawn here too, so that a window the desktop does not activate is never blank.
    ShowButtonPictures();
    doa();
}

void TObservingAid::ShowButtonPictures() {
    imgDayNight->SetPicture(nightView_ ? imgNight : imgDay);
    imgLinesGrid->SetPicture(showGrid_ ? imgGrid : imgLines);
    SetAccessibleChecked(imgLinesGrid, showGrid_);
}

void TObservingAid::FormActivate() {
    ShowButtonPictures();
    doa();
}

void TObservingAid::StepMonth(int months) {
    // The session's monthChanged redraws the chart.
    session_.StepMonth(months);
}

void TObservingAid::imgDayNightClick() {
    nightView_ = !nightView_;
    ShowButtonPictures();
    doa();
}

void TObservingAid::imgLinesGridClick() {
    showGrid_ = !showGrid_;
    ShowButtonPictures();
    doa();
}

void TObservingAid::FormPaint() {
    // The hour scale stands on the window itself, above the chart, with or without the grid.
    DisplayHours(WindowCanvas(), kChartWidth, palette::StandardText, 61, 20, kLeftMargin);
}

void TObservingAid::doa() {
    DrawMonth(session_.SelectedDateTime());
}

void TObservingAid::DrawMonth(const TDateTimeRecord& date) {
    shown_ = date;
    const QString month = PageFrame::TitleText(date.Month, date.Year);
    setWindowTitle(tr("Lunar Visibility, %1").arg(month));
    Image2->setAccessibleDescription(tr("When the Moon is up on each day of %1 at %2")
                                         .arg(month, PageFrame::LocationLine(session_.Settings())));
    lblMonth->SetText(month);
    imgNextMonth->move(lblMonth->x() + lblMonth->width() + 10, imgNextMonth->y());
    lblTitle->resize(imgNextMonth->x() - 2 - lblTitle->x(), lblTitle->height());

    TChartLayout layout = ScreenChartColours();
    layout.Width = Image1.Width();
    layout.Height = Image1.Height();
    layout.RowHeight = rowHeight_;
    layout.PixelsPerMinute = (layout.Width - kLeftMargin) / double(kDayMinutes);
    layout.Top = 0;
    layout.HeaderHeight = 0;
    layout.FontSize = 8;
    layout.PenWidth = 1;
    DrawGraphic(kLeftMargin, date, layout, Image1.GetCanvas());
    Image2->SetPicture(Image1);

    Canvas& c = WindowCanvas();
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontColor(palette::StandardText);
    c.SetFontSize(ScaledFontSize(8));
    c.FillRect(Rect(20, 60, 520, 75), Qt::black);
    DisplayHours(c, layout.Width, palette::StandardText, 61, 20, kLeftMargin);
}

QImage TObservingAid::ChartPicture() {
    const int m = kPictureMargin;
    Picture picture;
    picture.SetSize(kChartWidth + 2 * m, kPictureHeaderHeight + kScaleHeight + kChartHeight + 2 * m,
                    Qt::black);
    Canvas& c = picture.GetCanvas();
    c.SetFontName(QStringLiteral("Arial"));
    c.SetBrushStyle(BrushStyle::Clear);
    // What the chart shows: the month, then the place, made smaller when it is long.
    c.SetFontStyle(fsBold);
    c.SetFontHeight(15);
    c.SetFontColor(Qt::white);
    c.TextOut(m, m,
              tr("Lunar Visibility, %1").arg(PageFrame::TitleText(shown_.Month, shown_.Year)));
    const QString place = PageFrame::LocationLine(session_.Settings());
    c.SetFontStyle(fsRegular);
    c.SetFontColor(kCaptionColour);
    for (int height = 12; height >= 8; --height) {
        c.SetFontHeight(height);
        if (c.TextWidth(place) <= kChartWidth) break;
    }
    c.TextOut(m, m + 19, place);
    DrawLegend(c, m + 10, m + 39);
    // The hour scale as the window shows it, then the chart under it.
    const int top = m + kPictureHeaderHeight;
    c.SetFontStyle(fsRegular);
    c.SetFontSize(ScaledFontSize(8));
    DisplayHours(c, kChartWidth, palette::StandardText, top + 1, m, kLeftMargin);
    c.Draw(m, top + kScaleHeight, Image1.Image());
    return picture.Image();
}

void TObservingAid::DrawLegend(Canvas& c, int x, int y) {
    const TChartLayout colours = ScreenChartColours();
    struct Item {
        QColor Swatch;
        const char* Text;
        bool MoonBar;
    };
    const Item items[] = {{colours.Daylight, QT_TR_NOOP("Day"), false},
                          {colours.Civil, QT_TR_NOOP("Civil"), false},
                          {colours.Nautical, QT_TR_NOOP("Nautical"), false},
                          {colours.Astronomical, QT_TR_NOOP("Astronomical"), false},
                          {colours.Background, QT_TR_NOOP("Night"), false},
                          {palette::StandardText, QT_TR_NOOP("Moon up (height: phase)"), true}};
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontStyle(fsRegular);
    c.SetFontHeight(11);
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetPenColor(QColor(140, 150, 180));
    c.SetPenWidth(1);
    for (const Item& item : items) {
        // A Moon bar stands as high as its phase: two thirds of the swatch.
        c.FillRect(Rect(x, y + 1, x + 14, y + 11), item.MoonBar ? colours.Background : item.Swatch);
        if (item.MoonBar) c.FillRect(Rect(x, y + 1, x + 14, y + 7), item.Swatch);
        c.Rectangle(x - 1, y, x + 15, y + 12);
        const QString text = tr(item.Text);
        // A shadow keeps the caption readable over the window's stars.
        c.SetFontColor(Qt::black);
        c.TextOut(x + 20, y - 1, text);
        c.SetFontColor(kCaptionColour);
        c.TextOut(x + 19, y - 2, text);
        x += 19 + c.TextWidth(text) + 16;
    }
}

void TObservingAid::CopyPicture() {
    QGuiApplication::clipboard()->setImage(ChartPicture());
}

void TObservingAid::DrawGraphic(int leftMargin, const TDateTimeRecord& date, TChartLayout layout,
                                Canvas& c) {
    const int L = leftMargin;
    const int W = layout.Width;
    const int H = layout.RowHeight;
    const double P = layout.PixelsPerMinute;
    layout.HalfWidth = (W - L) / 2;
    const int Q = layout.HalfWidth;
    int Y = layout.Top;

    c.SetPenWidth(1);
    c.FillRect(Rect(0, Y, W, Y + layout.Height), layout.Background);
    Y += layout.HeaderHeight;

    // One row for each of the month's days (21 in October 1582).
    const std::vector<std::uint16_t> days = MonthDays(date.Month, date.Year);
    const int N = static_cast<int>(days.size());
    auto dayOfRow = [&](int d) {
        TDateTimeRecord day = date;
        day.Day = days[static_cast<std::size_t>(d - 1)];
        day.JD = DateToJulianDay(day);
        return day;
    };
    const int night = nightView_ ? 1 : 0;
    const Observer observer = session_.GetObserver();
    auto X = [&](int minutes) { return RoundEven(minutes * P) + L; };

    // Minutes a..b of the day of row d (1..N) as the view places them: in night view the morning
    // stands on the day's own row shifted right by Q, the afternoon and evening on the next
    // row shifted left by Q. `raise` lifts the bottom edge.
    auto span = [&](int d, int a, int b, int raise, const QColor& fill, const QColor& pen) {
        c.SetBrushStyle(BrushStyle::Solid);
        c.SetBrushColor(fill);
        c.SetPenColor(pen);
        auto box = [&](int row, int x1, int x2) {
            if (row >= 0 && row < N + night && x2 > x1)
                c.Rectangle(x1, Y + row * H, x2, Y + (row + 1) * H - raise);
        };
        if (!nightView_) {
            box(d - 1, X(a), X(b));
            return;
        }
        if (a < kNoon) box(d - 1, X(a) + Q, b >= kNoon ? W : X(b) + Q);
        if (b > kNoon) box(d, a <= kNoon ? L : X(a) - Q, X(b) - Q);
    };

    // Each day's events, once. In night view the first row opens with the evening of the day
    // before the month and the extra last row closes with the morning after it: those halves
    // are drawn from those days' own events, as an empty half row would read as night.
    struct Day {
        int Row; // d of `span`: 0 for the day before the month, N + 1 for the day after
        TDayEvents Events;
    };
    std::vector<Day> events;
    events.reserve(static_cast<std::size_t>(N) + 2);
    TDailyPlaces places; // consecutive dates share their days' places
    auto neighbour = [&](double jd, int row) {
        const TDateTimeRecord day = JulianDayToDate(jd);
        if (!IsCalendarDate(day.Year, day.Month, day.Day)) return 0;
        events.push_back({row, DayEvents(day, observer, places)});
        return static_cast<int>(day.Day);
    };
    int nextDayNumber = 0; // the label of the extra row: the day whose morning ends it
    if (nightView_) neighbour(dayOfRow(1).JD - 1, 0);
    for (int d = 1; d <= N; ++d) events.push_back({d, DayEvents(dayOfRow(d), observer, places)});
    if (nightView_) nextDayNumber = neighbour(dayOfRow(N).JD + 1, N + 1);

    // Sun bands, each painted over the darker ones.
    struct Band {
        TBodyEvents TDayEvents::*Events;
        QColor Colour;
        bool Civil;
    };
    const Band bands[] = {{&TDayEvents::AstronomicalTwilight, layout.Astronomical, false},
                          {&TDayEvents::NauticalTwilight, layout.Nautical, false},
                          {&TDayEvents::CivilTwilight, layout.Civil, true},
                          {&TDayEvents::Sun, layout.Daylight, false}};
    for (const Day& day : events) {
        const int d = day.Row;
        for (const Band& band : bands) {
            const TBodyEvents& sun = day.Events.*band.Events;
            const QColor pen = band.Civil ? QColor(Qt::white) : band.Colour;
            if (NoCrossing(sun.Rise)) {
                // No crossing all day: the band covers the day when the Sun stays above.
                if (sun.Rise.Kind == TCrossingKind::AlwaysAbove)
                    span(d, 0, kDayMinutes, 0, band.Civil ? layout.CivilFill : band.Colour, pen);
                continue;
            }
            const int M = MinuteOr(sun.Rise, 0);
            int E = MinuteOr(sun.Set, 0);
            if (E < M) E = kDayMinutes;
            span(d, M, E, 0, band.Colour, pen);
        }
    }

    // Moon bars: as high as 75 % of the row at full moon, about a fifth at least when more
    // than 1 % is lit.
    for (const Day& day : events) {
        const int d = day.Row;
        const TBodyEvents& moon = day.Events.Moon;
        const int p = day.Events.MoonIlluminatedPercent;
        int T = H - RoundEven(H * 0.75 * p / 100.0);
        if (p > 1 && RoundEven(H * 0.8) < T) T = RoundEven(H * 0.8);
        if (NoCrossing(moon.Rise)) {
            if (moon.Rise.Kind == TCrossingKind::AlwaysAbove)
                span(d, 0, kDayMinutes, T, palette::StandardText, palette::StandardText);
            continue;
        }
        const int R = MinuteOr(moon.Rise, 0);
        const int S = MinuteOr(moon.Set, kDayMinutes);
        if (S > R) {
            span(d, R, S, T, palette::StandardText, palette::StandardText);
        } else {
            span(d, 0, S, T, palette::StandardText, palette::StandardText);
            span(d, R, kDayMinutes, T, palette::StandardText, palette::StandardText);
        }
    }

    // Day numbers and row lines.
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontColor(layout.DayText);
    c.SetFontSize(ScaledFontSize(layout.FontSize));
    c.SetFontStyle(fsRegular);
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetPenColor(layout.Lines);
    c.SetPenWidth(layout.PenWidth);
    for (int n = 1; n <= N; ++n) {
        c.MoveTo(1, Y + n * H);
        c.LineTo(W - 1, Y + n * H);
        c.TextOut(3, Y + (n - 1) * H, QString::number(days[static_cast<std::size_t>(n - 1)]));
    }
    if (nextDayNumber > 0) c.TextOut(3, Y + N * H, QString::number(nextDayNumber));

    const int bottom = Y + (N + night) * H;
    if (showGrid_) {
        for (int i = 0; i <= 24; ++i) {
            const int x = RoundEven(i * (W - L) / 24.0) + L;
            c.MoveTo(x, Y);
            c.LineTo(x, bottom);
        }
        c.MoveTo(night * L, Y);
        c.LineTo(W, Y);
        c.MoveTo(L, bottom);
        c.LineTo(W, bottom);
    }
    // Noon in day view, midnight in night view.
    c.MoveTo(Q + L - 1, Y);
    c.LineTo(Q + L - 1, bottom);
    c.SetPenWidth(1);
}

void TObservingAid::DisplayHours(Canvas& canvas, int width, const QColor& colour, int y,
                                 int xOffset, int leftMargin) {
    canvas.SetFontColor(colour);
    canvas.SetBrushStyle(BrushStyle::Clear);
    const double spacing = (width - leftMargin) / 24.0;
    for (int n = 0; n <= 24; ++n) {
        const int hour = nightView_ ? (n + 12) % 24 : n;
        const QString text = QString::number(hour);
        const int end = xOffset + leftMargin + RoundEven(n * spacing);
        canvas.TextOut(end - canvas.TextWidth(text), y, text);
    }
}

void TObservingAid::lblPrintClick() {
    if (!printTarget_) {
        if (!ownPrinter_) ownPrinter_ = std::make_unique<SystemPrintTarget>(this);
        printTarget_ = ownPrinter_.get();
    }
    if (!PrintChart(session_.SelectedDateTime(), *printTarget_))
        ReportPrintFailure(*printTarget_, tr("The lunar visibility chart"), this);
}

bool TObservingAid::PrintChart(const TDateTimeRecord& date, PrintTarget& target) {
    if (!target.BeginDoc(
            tr("Crescendar lunar visibility %1").arg(PageFrame::TitleText(date.Month, date.Year))))
        return false;
    PageFrame frame(target, session_.Settings());
    frame.PrintPageHeader(date.Month, date.Year);
    frame.PrintPageFooter();

    const int usable = frame.PageHeight() - (frame.HeaderMargin() + frame.FooterMargin());
    TChartLayout layout = PaperChartColours(session_.Settings().PrinterType);
    layout.Width = frame.PageWidth();
    layout.Height = usable;
    layout.RowHeight = usable / 33;
    layout.PixelsPerMinute = (frame.PageWidth() - kPaperLeftMargin) / double(kDayMinutes);
    layout.Top = frame.HeaderMargin();
    layout.HeaderHeight = usable / 33;
    layout.FontSize = 14;
    layout.PenWidth = 2;
    Canvas& c = frame.GetCanvas();
    DrawGraphic(kPaperLeftMargin, date, layout, c);
    c.SetFontSize(10);
    DisplayHours(c, frame.PageWidth(), Qt::white,
                 layout.Top + c.TextHeight(QStringLiteral("8")) / 2, 0, kPaperLeftMargin);
    return target.EndDoc();
}

} // namespace crescendar
