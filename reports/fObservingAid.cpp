#include "fObservingAid.h"

#include "PageFrame.h"
#include "PrintTarget.h"
#include "fMain.h"

#include "Calendar.h"
#include "MoonPosition.h"
#include "Nutation.h"
#include "RiseSet.h"
#include "Settings.h"
#include "SunPosition.h"

#include <charconv>
#include <cmath>

namespace crescendar {

namespace {

const QColor kPaleYellow(255, 255, 176);
constexpr int kNoon = 720;
constexpr int kDayMinutes = 1440;
constexpr int kPaperLeftMargin = 100;

template <class F> void OnLeftClick(ClickRegion* region, F handler) {
    QObject::connect(region, &ClickRegion::Clicked, region, [handler](Qt::MouseButton b) {
        if (b == Qt::LeftButton) handler();
    });
}

// Round half to even, as the chart's positions are rounded.
int RoundEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

double LocalNoonUT(TDateTimeRecord day, const Observer& observer) {
    day.Hour = 12;
    day.Minute = day.Second = day.MSec = 0;
    return DateToJulianDay(day) - observer.TotalOffset() / 1440.0;
}

// On a date when the Sun never crosses altitude h0 it stays on one side of it all day;
// which side is read at local noon.
bool SunAboveAllDay(const TDateTimeRecord& day, double h0, const Observer& observer) {
    return SunPosition(LocalNoonUT(day, observer), observer).Altitude > h0;
}

// Likewise for the Moon and its rise and set altitude.
bool MoonAboveAllDay(const TDateTimeRecord& day, const Observer& observer) {
    const double ut = LocalNoonUT(day, observer);
    TMoonState moon;
    TSunPosition sun;
    MoonPosition(ut, observer, moon, sun);
    const double h0 = MoonRiseAltitude(moon.Parallax);
    return EquatorialToHorizontal(ut, moon.Equatorial.RA, moon.Equatorial.Dec, observer).Altitude >
           h0;
}

} // namespace

TChartLayout ScreenChartColours() {
    TChartLayout l;
    l.Daylight = QColor(170, 170, 233);
    l.CivilFill = QColor(135, 135, 192);
    l.Civil = QColor(100, 100, 150);
    l.Nautical = QColor(75, 75, 115);
    l.Astronomical = QColor(50, 50, 90);
    l.Background = Qt::black;
    l.DayText = QColor(0, 255, 255);
    l.Lines = QColor(128, 128, 128);
    return l;
}

TChartLayout PaperChartColours(const std::string& printerType) {
    TChartLayout l = ScreenChartColours();
    l.DayText = Qt::white;
    l.Lines = Qt::white;
    if (printerType == "Colour Inkjet") {
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

TObservingAid::TObservingAid(TMain& main) : SkinWindow(&main), main_(main) {
    setObjectName(QStringLiteral("ObservingAid"));
    setWindowTitle(QStringLiteral("Lunar Visibility"));
}

TObservingAid::~TObservingAid() = default;

void TObservingAid::FormCreate() {
    SetClientSize(540, 480);
    SetBackground(QImage(QStringLiteral(":/monthly/aid_bgnd.jpg")));
    imgDay = QImage(QStringLiteral(":/monthly/aid_day.png"));
    imgNight = QImage(QStringLiteral(":/monthly/aid_night.png"));
    imgLines = QImage(QStringLiteral(":/monthly/aid_lines.png"));
    imgGrid = QImage(QStringLiteral(":/monthly/aid_grid.png"));
    Image1.SetSize(kChartWidth, kChartHeight);

    auto region = [this](const char* name, int l, int t, int w, int h, const char* hint) {
        auto* r = new ClickRegion(this, l, t, w, h, QString::fromUtf8(hint));
        r->setObjectName(QLatin1String(name));
        return r;
    };
    lblPrint = region("lblPrint", 20, 16, 19, 19, "Print this chart");
    lblTitle = region("lblTitle", 170, 10, 200, 23, "");
    lblMinimise = region("lblMinimise", 492, 14, 15, 15, "Minimise this window");
    lblExit = region("lblExit", 514, 14, 13, 15, "Close this window");

    imgDayNight = new ImageControl(this, 50, 12, imgNight, 26, 24);
    imgDayNight->setObjectName(QStringLiteral("imgDayNight"));
    imgDayNight->SetHint(QStringLiteral(
        "Switch between the night view (noon to noon) and the day view (midnight to midnight)"));
    imgLinesGrid = new ImageControl(this, 82, 12, imgLines, 26, 24);
    imgLinesGrid->setObjectName(QStringLiteral("imgLinesGrid"));
    imgLinesGrid->SetHint(QStringLiteral("Show or hide the hour grid"));
    Image2 = new ImageControl(this, 20, 75, Image1.Image(), kChartWidth, kChartHeight);
    Image2->setObjectName(QStringLiteral("Image2"));

    SetTitleRegion(lblTitle);
    SetMinimiseRegion(lblMinimise);
    SetExitRegion(lblExit);
    OnLeftClick(lblPrint, [this] { lblPrintClick(); });
    OnLeftClick(imgDayNight, [this] { imgDayNightClick(); });
    OnLeftClick(imgLinesGrid, [this] { imgLinesGridClick(); });
}

void TObservingAid::FormShow() {
    rowHeight_ = 12;
    nightView_ = true;
    showGrid_ = false;
    move(x(), main_.y());
    KeepOnScreen();
    // Drawn here too, so that a window the desktop does not activate is never blank.
    ShowButtonPictures();
    doa();
}

void TObservingAid::ShowButtonPictures() {
    imgDayNight->SetPicture(nightView_ ? imgNight : imgDay);
    imgLinesGrid->SetPicture(showGrid_ ? imgGrid : imgLines);
}

void TObservingAid::FormActivate() {
    ShowButtonPictures();
    doa();
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
    // The hour labels stand on the window itself, above the chart.
    if (showGrid_) DisplayHours(WindowCanvas(), kChartWidth, kPaleYellow, 61, 20, kLeftMargin);
}

void TObservingAid::Refresh(const TDateTimeRecord& date) {
    DrawMonth(date);
}

void TObservingAid::doa() {
    DrawMonth(main_.SelectedDateTime());
}

void TObservingAid::DrawMonth(const TDateTimeRecord& date) {
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
    c.SetFontColor(kPaleYellow);
    c.SetFontSize(ScaledFontSize(8));
    c.FillRect(Rect(20, 60, 520, 75), Qt::black);
    if (showGrid_) DisplayHours(c, layout.Width, kPaleYellow, 61, 20, kLeftMargin);
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
    const Observer observer = main_.GetObserver();
    auto X = [&](int minutes) { return RoundEven(minutes * P) + L; };

    // Minutes a..b of the day of row d (1..N) as the view places them: in night view the morning
    // stands on the day's own row shifted right by Q, the afternoon and evening on the next
    // row shifted left by Q. `raise` lifts the bottom edge.
    auto span = [&](int d, int a, int b, int raise, const QColor& fill, const QColor& pen) {
        c.SetBrushStyle(BrushStyle::Solid);
        c.SetBrushColor(fill);
        c.SetPenColor(pen);
        auto box = [&](int row, int x1, int x2) {
            if (x2 > x1) c.Rectangle(x1, Y + row * H, x2, Y + (row + 1) * H - raise);
        };
        if (!nightView_) {
            box(d - 1, X(a), X(b));
            return;
        }
        if (a < kNoon) box(d - 1, X(a) + Q, b >= kNoon ? W : X(b) + Q);
        if (b > kNoon) box(d, a <= kNoon ? L : X(a) - Q, X(b) - Q);
    };

    // Sun bands, each painted over the darker ones.
    struct Band {
        double Altitude;
        QColor Colour;
    };
    const Band bands[] = {{kAstronomicalTwilightAltitude, layout.Astronomical},
                          {kNauticalTwilightAltitude, layout.Nautical},
                          {kCivilTwilightAltitude, layout.Civil},
                          {kSunriseAltitude, layout.Daylight}};
    for (int d = 1; d <= N; ++d) {
        const TDateTimeRecord day = dayOfRow(d);
        for (const Band& band : bands) {
            const TRiseSet sun = SunRiseSet(day, band.Altitude, observer);
            const bool civil = band.Altitude == kCivilTwilightAltitude;
            const QColor pen = civil ? QColor(Qt::white) : band.Colour;
            const bool morningNone = sun.RiseText == "None";
            const bool eveningNone = sun.SetText == "None";
            if (morningNone && eveningNone) {
                // No crossing all day: the band covers the day when the Sun stays above.
                if (SunAboveAllDay(day, band.Altitude, observer))
                    span(d, 0, kDayMinutes, 0, civil ? layout.CivilFill : band.Colour, pen);
                continue;
            }
            if (morningNone || eveningNone) continue;
            const int M = HMToMins(sun.RiseText);
            int E = HMToMins(sun.SetText);
            if (E < M) E = kDayMinutes;
            span(d, M, E, 0, band.Colour, pen);
        }
    }

    // Moon bars: as high as 75 % of the row at full moon, about a fifth at least when more
    // than 1 % is lit.
    for (int d = 1; d <= N; ++d) {
        const TDateTimeRecord day = dayOfRow(d);
        const TRiseSet moon = MoonRiseSet(day, observer);
        const int p = moon.IlluminatedPercent;
        int T = H - RoundEven(H * 0.75 * p / 100.0);
        if (p > 1 && RoundEven(H * 0.8) < T) T = RoundEven(H * 0.8);
        if (moon.RiseText == "None" || moon.SetText == "None") {
            if (MoonAboveAllDay(day, observer))
                span(d, 0, kDayMinutes, T, kPaleYellow, kPaleYellow);
            continue;
        }
        const int R = HMToMins(moon.RiseText);
        int S = HMToMins(moon.SetText);
        if (moon.SetText == "*****" && S == 0) S = kDayMinutes;
        if (S > R) {
            span(d, R, S, T, kPaleYellow, kPaleYellow);
        } else {
            span(d, 0, S, T, kPaleYellow, kPaleYellow);
            span(d, R, kDayMinutes, T, kPaleYellow, kPaleYellow);
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
    if (!PrintChart(main_.SelectedDateTime(), *printTarget_))
        ReportPrintFailure(*printTarget_, QStringLiteral("The lunar visibility chart"), this);
}

bool TObservingAid::PrintChart(const TDateTimeRecord& date, PrintTarget& target) {
    if (!target.BeginDoc(QStringLiteral("Crescendar lunar visibility ") +
                         PageFrame::TitleText(date.Month, date.Year)))
        return false;
    PageFrame frame(target);
    frame.PrintPageHeader(date.Month, date.Year);
    frame.PrintPageFooter();

    const int usable = frame.PageHeight() - (frame.HeaderMargin() + frame.FooterMargin());
    TChartLayout layout = PaperChartColours(settings().PrinterType);
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
    if (showGrid_)
        DisplayHours(c, frame.PageWidth(), Qt::white,
                     layout.Top + c.TextHeight(QStringLiteral("8")) / 2, 0, kPaperLeftMargin);
    return target.EndDoc();
}

} // namespace crescendar
