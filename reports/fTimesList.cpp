#include "fTimesList.h"

#include "Command.h"

#include "Palette.h"

#include "PageFrame.h"
#include "PrintTarget.h"

#include "Calendar.h"
#include "DayEvents.h"
#include "EventText.h"
#include "MoonView.h"
#include "Session.h"
#include "Settings.h"
#include "TableCommands.h"
#include "WindowKeys.h"

#include <QDir>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <string>
#include <tuple>

namespace crescendar {

namespace {

constexpr int kBitmapWidth = 600;
constexpr int kBitmapHeight = 434;
constexpr int kBands = 32;

// Columns of the screen table: where each text starts in the bitmap.
constexpr int kDateX = 10;
constexpr int kMoonRiseX = 84, kMoonTransitX = 124, kMoonSetX = 162, kIllumEndX = 212;
constexpr int kSunRiseX = 369, kSunTransitX = 409, kSunSetX = 447;

// The twilights: altitude, and the columns of the morning and the evening crossing.
struct Twilight {
    TRiseSet TDayTexts::*Texts;
    int ScreenMorningX, ScreenEveningX;
};
constexpr Twilight kTwilights[] = {{&TDayTexts::Civil, 323, 491},
                                   {&TDayTexts::Nautical, 284, 529},
                                   {&TDayTexts::Astronomical, 245, 567}};

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// The illuminated percentage as at most three digits.
QString PercentText(int percent) {
    return Text(CutText(std::to_string(percent), 3));
}

TDateTimeRecord DayOf(TDateTimeRecord d, int day) {
    d.Day = static_cast<std::uint16_t>(day);
    d.JD = DateToJulianDay(d);
    return d;
}

} // namespace

void TTimesList::AddHeadings() {
    // Between the month arrows (at 176 and 452).
    AddCaption(ReportTitle(tr("Monthly Rise, Set & Twilight"), QRect(202, 10, 237, 23),
                           QRect(189, 10, 261, 23)));
    const QColor cyan(0, 255, 255), yellow(255, 255, 0), pale(255, 255, 176);
    AddCaption(RuledCaption(tr("Moon"), 100, 246, 45, cyan));
    AddCaption(RuledCaption(tr("Morning twilight"), 261, 374, 45, pale));
    AddCaption(RuledCaption(tr("Sun"), 385, 498, 45, yellow));
    AddCaption(RuledCaption(tr("Evening twilight"), 507, 618, 45, pale));
    // Each heading centred on its column of times (the opening starts at x 20); the
    // illuminated percentage's ends at 232.
    const QFont font = SkinSansFont(11, true);
    // A heading may take two pixels of the gap on either side, which its letters' bearings
    // leave blank.
    const auto heading = [&](const QString& text, int centre, const QColor& ink, int width = 38) {
        Caption c = ShadowedCaption(text, QRect(centre - width / 2, 61, width, 15), font, ink,
                                    QColor(0, 0, 0, 220), Qt::AlignCenter);
        c.Space = c.Room.adjusted(-2, 0, 2, 0);
        AddCaption(c);
    };
    const auto column = [](int x) { return 20 + x + 14; };
    heading(tr("Rise"), column(kMoonRiseX), cyan);
    heading(tr("Transit"), column(kMoonTransitX), cyan);
    heading(tr("Set"), column(kMoonSetX), cyan);
    heading(tr("Lit"), 229, cyan, 24);
    const QString astro = tr("Astro"), naut = tr("Naut."), civil = tr("Civil");
    const QString twilightNames[] = {civil, naut, astro};
    for (int i = 0; i < 3; ++i) {
        heading(twilightNames[i], column(kTwilights[i].ScreenMorningX), pale);
        heading(twilightNames[i], column(kTwilights[i].ScreenEveningX), pale);
    }
    heading(tr("Rise"), column(kSunRiseX), yellow);
    heading(tr("Transit"), column(kSunTransitX), yellow);
    heading(tr("Set"), column(kSunSetX), yellow);
    AddCaption(ShadowedCaption(tr("Date"), QRect(30, 52, 60, 18), SkinSansFont(11, true), Qt::white,
                               QColor(0, 0, 0, 220)));
}

TTimesList::TTimesList(TSession& session, QWidget& owner) : SkinWindow(&owner), session_(session) {
    setObjectName(QStringLiteral("TimesList"));
    setWindowTitle(tr("Monthly Times"));
    // A visible list follows the session to another month; the same month computed afresh
    // (another observer) redraws the month the list shows.
    connect(&session_, &TSession::monthChanged, this, [this] {
        const TDateTimeRecord& d = session_.SelectedDateTime();
        const bool newMonth = d.Month != followed_.Month || d.Year != followed_.Year;
        followed_ = d;
        if (!isVisible()) return;
        SetupDataBitmap(newMonth ? d : ShownDate());
        update();
    });
}

TTimesList::~TTimesList() = default;

void TTimesList::FormCreate() {
    SetClientSize(640, 481);
    SetBackground(LoadPicture(QStringLiteral(":/monthly/times_bgnd.jpg"), this));
    imgData.SetSize(kBitmapWidth, kBitmapHeight);

    auto region = [this](const char* name, int l, int t, int w, int h) {
        auto* r = new ClickRegion(this, l, t, w, h);
        r->setObjectName(QLatin1String(name));
        return r;
    };
    lblPrint = region("lblPrint", 20, 16, 19, 19);
    lblScrollUp = region("lblScrollUp", 54, 14, 19, 17);
    lblScrollDown = region("lblScrollDown", 74, 14, 19, 17);
    lblTitle = region("lblTitle", 202, 10, 237, 23);
    lblMinimise = region("lblMinimise", 592, 14, 15, 15);
    AddHeadings();

    SetTitleRegion(lblTitle);
    OfferCommand(lblPrint,
                 MakeCommand(this, "actPrint", tr("Print"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
                             tr("Send the information on this screen to the printer"),
                             [this] { lblPrintClick(); }));
    actScrollUp_ =
        MakeCommand(this, "actScrollUp", tr("Scroll up"), {QKeySequence(Qt::Key_Up)},
                    tr("Scroll information up on screen"), [this] { lblScrollUpClick(); });
    OfferCommand(lblScrollUp, actScrollUp_);
    actScrollDown_ =
        MakeCommand(this, "actScrollDown", tr("Scroll down"), {QKeySequence(Qt::Key_Down)},
                    tr("Scroll information down on screen"), [this] { lblScrollDownClick(); });
    OfferCommand(lblScrollDown, actScrollDown_);
    OfferMinimise(this, lblMinimise);
    lblExit = AddCloseMark(this, 614, 14, 13, 15);
    // Either side of the title.
    std::tie(imgPrevMonth, imgNextMonth) =
        AddMonthArrows(176, 452, 15, [this](int months) { StepMonth(months); });

    // The table as data, on the dark band below the opening, ending at its right edge.
    lblSaveCsv = AddTextCommand(this, "lblSaveCsv", tr("Save as CSV\u2026"),
                                MakeSaveCommand(this, tr("Save this month's table as a CSV file"),
                                                [this] { lblSaveCsvClick(); }));
    lblCopy = AddTextCommand(this, "lblCopy", tr("Copy"),
                             MakeCopyCommand(this, tr("Copy this month's table for a spreadsheet"),
                                             [this] { lblCopyClick(); }));
    lblSaveCsv->move(kOpeningRight - lblSaveCsv->width(), 464);
    lblCopy->move(lblSaveCsv->x() - 16 - lblCopy->width(), 464);
    csvFolder_ = QDir::homePath();

    // One table row for each row drawn: a date's second crossings make a row of their own.
    const QRect opening(kOpeningLeft, kOpeningTop, kOpeningRight - kOpeningLeft,
                        kOpeningBottom - kOpeningTop);
    tblTimes = new AccessibleTable(
        this, "tblTimes", opening, tr("Times of the month"),
        {.Rows =
             [this] { return TableRows(Table()); },
         .RowRect =
             [this, opening](int row) {
                 const QRect r(0, row * kRowHeight - scrollOffset_, opening.width(), kRowHeight);
                 return r.intersected(QRect(QPoint(0, 0), opening.size()));
             },
         .ShowRow =
             [this, opening](int row) {
                 const int top = row * kRowHeight;
                 if (top < scrollOffset_)
                     ScrollTo(top);
                 else if (top + kRowHeight > scrollOffset_ + opening.height())
                     ScrollTo(top + kRowHeight - opening.height());
             },
         .Activate = {},
         .FirstColumnHeadsRows = true});
    setTabOrder(lblPrint, lblScrollUp);
    setTabOrder(lblScrollUp, lblScrollDown);
    setTabOrder(lblScrollDown, imgPrevMonth);
    setTabOrder(imgPrevMonth, imgNextMonth);
    setTabOrder(imgNextMonth, lblMinimise);
    setTabOrder(lblMinimise, lblExit);
    setTabOrder(lblExit, tblTimes);
    setTabOrder(tblTimes, lblCopy);
    setTabOrder(lblCopy, lblSaveCsv);
}

bool TTimesList::CommandKeyAllowed(const QAction* action) const {
    // Up and Down move the table's row while it has the focus.
    return !(focusWidget() == tblTimes && (action == actScrollUp_ || action == actScrollDown_));
}

void TTimesList::ScrollTo(int offset) {
    scrollOffset_ = ClampOffset(offset);
    DisplayDataBitmap();
    if (tblTimes) tblTimes->RowsMoved();
}

void TTimesList::FormShow() {
    PlaceBeside(*parentWidget());
}

void TTimesList::FormActivate() {
    DisplayDataBitmap();
}

void TTimesList::FormPaint() {
    DisplayDataBitmap();
}

int TTimesList::MaxScrollOffset() const {
    return rowCount_ * kRowHeight - 381;
}

int TTimesList::ClampOffset(int offset) const {
    return std::clamp(offset, 0, std::max(0, MaxScrollOffset()));
}

void TTimesList::SetupDataBitmap(const TDateTimeRecord& date) {
    shown_ = date;
    scrollOffset_ = 0;
    // The rows and the dates written are of the same month: the record's, one row for each
    // of its days (21 in October 1582).
    const std::vector<std::uint16_t> days = MonthDays(date.Month, date.Year);
    dayCount_ = static_cast<std::uint8_t>(days.size());

    // A date on which a body crosses an altitude twice in one direction gets a second row,
    // without the date, holding those crossings.
    const Observer observer = session_.GetObserver();
    struct Row {
        TDateTimeRecord Day;
        int DateIndex;
        bool Second;
    };
    std::vector<Row> rows;
    std::vector<TDayTexts> texts;
    TDailyPlaces places; // consecutive dates share their days' places
    for (std::size_t i = 0; i < days.size(); ++i) {
        const TDateTimeRecord day = DayOf(date, days[i]);
        texts.push_back(DayTexts(DayEvents(day, observer, places)));
        rows.push_back({day, static_cast<int>(i), false});
        if (texts.back().HasSecond()) rows.push_back({day, static_cast<int>(i), true});
    }
    rowCount_ = static_cast<int>(rows.size());
    if (tblTimes) tblTimes->Refresh();

    const int bands = std::max(kBands, rowCount_ + 1);
    imgData.SetSize(kBitmapWidth, std::max(kBitmapHeight, bands * kRowHeight));
    Canvas& c = imgData.GetCanvas();
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontSize(ScaledFontSize(8));
    c.SetFontStyle(fsRegular);

    // The bands alternate by date: a second row shares its date's band.
    c.SetBrushStyle(BrushStyle::Solid);
    for (int i = 0; i < bands; ++i) {
        const int dateIndex = i < rowCount_ ? rows[static_cast<std::size_t>(i)].DateIndex
                                            : static_cast<int>(days.size()) + i - rowCount_;
        const QColor band = dateIndex % 2 == 0 ? palette::Screen : palette::RowBand;
        c.SetPenColor(band);
        c.SetBrushColor(band);
        c.Rectangle(0, i * kRowHeight, kBitmapWidth, i * kRowHeight + kRowHeight);
    }

    c.SetBrushStyle(BrushStyle::Clear);
    const std::string& pattern = session_.Settings().DateFormat;
    for (int row = 0; row < rowCount_; ++row) {
        const int y = row * kRowHeight;
        const Row& r = rows[static_cast<std::size_t>(row)];
        const TDayTexts& t = texts[static_cast<std::size_t>(r.DateIndex)];
        const auto textOf = [&](const TRiseSet& s, TRiseSet::TWhich which) {
            return s.Text(which, r.Second);
        };

        if (!r.Second) {
            c.SetFontColor(Qt::white);
            c.TextOut(kDateX, y, Text(FormatDate(pattern, r.Day)));
        }
        if (t.Skipped) {
            c.SetFontColor(palette::StandardText);
            c.TextOut(kMoonRiseX, y, QString::fromStdString(SkippedDateText()));
            continue;
        }

        c.SetFontColor(palette::DayText);
        c.TextOut(kMoonRiseX, y, Text(textOf(t.Moon, TRiseSet::Rise)));
        c.TextOut(kMoonTransitX, y, Text(textOf(t.Moon, TRiseSet::Transit)));
        c.TextOut(kMoonSetX, y, Text(textOf(t.Moon, TRiseSet::Set)));
        if (!r.Second) {
            const QString percent = PercentText(t.Moon.IlluminatedPercent);
            c.TextOut(kIllumEndX - c.TextWidth(percent), y, percent);
            c.TextOut(kIllumEndX, y, QStringLiteral("%"));
        }

        c.SetFontColor(palette::Caption);
        c.TextOut(kSunRiseX, y, Text(textOf(t.Sun, TRiseSet::Rise)));
        c.TextOut(kSunTransitX, y, Text(textOf(t.Sun, TRiseSet::Transit)));
        c.TextOut(kSunSetX, y, Text(textOf(t.Sun, TRiseSet::Set)));

        c.SetFontColor(palette::StandardText);
        for (const Twilight& tw : kTwilights) {
            const TRiseSet& twilight = t.*tw.Texts;
            c.TextOut(tw.ScreenMorningX, y, Text(textOf(twilight, TRiseSet::Rise)));
            c.TextOut(tw.ScreenEveningX, y, Text(textOf(twilight, TRiseSet::Set)));
        }
    }
    DisplayDataBitmap();
}

void TTimesList::ShowRows(int top, int rows) {
    WindowCanvas().CopyRect(Rect(kOpeningLeft, kOpeningTop, kOpeningRight, kOpeningBottom),
                            imgData.Image(), Rect(0, top, kBitmapWidth - 1, top + rows));
}

void TTimesList::DisplayDataBitmap() {
    ShowRows(scrollOffset_, 379);
}

void TTimesList::lblScrollUpClick() {
    ScrollTo(scrollOffset_ - kRowHeight);
}

void TTimesList::lblScrollDownClick() {
    ScrollTo(scrollOffset_ + kRowHeight);
}

TDateTimeRecord TTimesList::ShownDate() const {
    return shown_.Day != 0 ? shown_ : session_.SelectedDateTime();
}

void TTimesList::StepMonth(int months) {
    const std::optional<TDateTimeRecord> d = MonthsFrom(ShownDate(), months);
    if (!d) return;
    SetupDataBitmap(*d);
    DisplayDataBitmap();
}

void TTimesList::wheelEvent(QWheelEvent* e) {
    // 120 eighths of a degree make one notch of a common wheel; finer wheels add up.
    wheelRemainder_ += e->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    if (notches != 0) ScrollTo(scrollOffset_ - notches * 3 * kRowHeight);
    e->accept();
}

TTable TTimesList::Table() const {
    return MonthTable(ShownDate(), session_.GetObserver(), session_.Settings().DateFormat);
}

void TTimesList::lblCopyClick() {
    CopyTable(Table());
}

void TTimesList::lblSaveCsvClick() {
    const TDateTimeRecord d = ShownDate();
    const QString name = tr("Crescendar times %1-%2.csv")
                             .arg(d.Year, 4, 10, QChar('0'))
                             .arg(d.Month, 2, 10, QChar('0'));
    SaveTableAsCsv(this, csvFolder_, name, tr("The times table"), Table());
}

void TTimesList::mousePressEvent(QMouseEvent* e) {
    bodyDragging_ = true;
    dragStart_ = e->position().toPoint().y();
}

void TTimesList::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (!bodyDragging_ || p.x() < kOpeningLeft || p.x() > kOpeningRight || p.y() < kOpeningTop ||
        p.y() > kOpeningBottom)
        return;
    // The view follows the pointer; the scroll offset itself changes on release.
    ShowRows(ClampOffset(scrollOffset_ + dragStart_ - p.y()), 380);
}

void TTimesList::mouseReleaseEvent(QMouseEvent* e) {
    if (!bodyDragging_) return;
    bodyDragging_ = false;
    // Released outside the opening, the view may lag behind the offset: show it.
    ScrollTo(scrollOffset_ + dragStart_ - e->position().toPoint().y());
}

void TTimesList::lblPrintClick() {
    if (!printTarget_) {
        if (!ownPrinter_) ownPrinter_ = std::make_unique<SystemPrintTarget>(this);
        printTarget_ = ownPrinter_.get();
    }
    // The month on the screen, which paging may have moved from the main window's.
    if (!PrintTimes(ShownDate(), *printTarget_))
        ReportPrintFailure(*printTarget_, tr("The times table"), this);
}

bool TTimesList::PrintTimes(const TDateTimeRecord& date, PrintTarget& target) {
    LandscapeJob job(target,
                     tr("Crescendar times %1").arg(PageFrame::TitleText(date.Month, date.Year)));
    if (!job.Started()) return false;
    PageFrame frame(target, session_.Settings());
    Canvas& c = frame.GetCanvas();
    const int W = frame.PageWidth();
    const int U = W / 22;
    const int T = W / 3 + 2 * U;
    auto P = [&frame](double k) { return frame.P(k); };

    auto headingFont = [&c] {
        c.SetFontName(QStringLiteral("Times New Roman"));
        c.SetFontSize(10);
        c.SetFontStyle(fsBold);
        c.SetFontColor(Qt::black);
    };
    headingFont();
    const int TH = c.TextHeight(QStringLiteral("Tg"));
    const int R = static_cast<int>(TH * 1.8);

    frame.PrintPageHeader(date.Month, date.Year);
    headingFont();
    const int Hm = frame.HeaderMargin();
    const int Fm = frame.FooterMargin();

    // The heading box and its two lines of headings.
    c.SetPenColor(Qt::black);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(Qt::white);
    // The box spans the page frame (whose width is a whole number of sevenths of the page),
    // its top 30 pixels of a 300 dpi page above the header margin at any resolution, and the
    // two heading lines stand in its middle.
    const int frameRight = (W / 7) * 7;
    const int boxTop = Hm - P(8.56);
    c.Rectangle(0, boxTop, frameRight, Hm + R);
    const int y1 = boxTop + std::max(2, (Hm + R - boxTop - (R / 2 + TH)) / 2);
    const int y2 = y1 + R / 2;
    struct Heading {
        const char* Text;
        int Y;
        int X;
    };
    const Heading headings[] = {
        {QT_TR_NOOP("LST at"), y1, U + P(75)},
        {QT_TR_NOOP("Midnight"), y2, U + P(75)},
        {QT_TR_NOOP("Moon"), y1, 2 * U + P(204.18)},
        {QT_TR_NOOP("Rise"), y2, 2 * U + P(131.83)},
        {QT_TR_NOOP("Transit"), y2, 2 * U + P(168.81)},
        {QT_TR_NOOP("Set"), y2, 2 * U + P(230.51)},
        {QT_TR_NOOP("illum"), y2, 2 * U + P(278.13)},
        {QT_TR_NOOP("Civil"), y2, U + T + P(96.46)},
        {QT_TR_NOOP("Naut."), y2, U + T + P(48.23)},
        {QT_TR_NOOP("Ast."), y2, U + T + P(2.57)},
        {QT_TR_NOOP("Twilight"), y1, U + T + P(38.58)},
        {QT_TR_NOOP("Civil"), y2, 3 * U + T + P(289.39)},
        {QT_TR_NOOP("Naut."), y2, 3 * U + T + P(337.62)},
        {QT_TR_NOOP("Ast."), y2, 3 * U + T + P(388.42)},
        {QT_TR_NOOP("Twilight"), y1, 3 * U + T + P(327.97)},
        {QT_TR_NOOP("Sun"), y1, 2 * U + T + P(197.75)},
        {QT_TR_NOOP("Rise"), y2, 2 * U + T + P(147.91)},
        {QT_TR_NOOP("Transit"), y2, 2 * U + T + P(186.6)},
        {QT_TR_NOOP("Set"), y2, 2 * U + T + P(244.37)},
    };
    for (const Heading& h : headings) frame.Write(h.X, h.Y, tr(h.Text));

    // One row per day, each 1/31 of the usable height whatever the month's length.
    const int Rh = (frame.PageHeight() - R - Hm - Fm - 2) / 31;
    c.SetFontStyle(fsRegular);
    const TPrinterType printer = session_.Settings().PrinterType;
    const QColor evenFill = printer == TPrinterType::BWInkjet       ? QColor(160, 160, 255)
                            : printer == TPrinterType::ColourInkjet ? QColor(220, 220, 255)
                                                                    : QColor(220, 220, 220);
    const Observer observer = session_.GetObserver();
    const std::string& pattern = session_.Settings().DateFormat;
    const std::vector<std::uint16_t> days = MonthDays(date.Month, date.Year);
    TDailyPlaces places; // consecutive dates share their days' places
    for (int d = 1; d <= static_cast<int>(days.size()); ++d) {
        const QColor fill = d % 2 == 1 ? QColor(Qt::white) : evenFill;
        c.SetPenColor(fill);
        c.SetBrushStyle(BrushStyle::Solid);
        c.SetBrushColor(fill);
        // Inside the frame's left and right lines.
        c.Rectangle(2, Hm + R + (d - 1) * Rh + 2, frameRight - 2, Hm + R + d * Rh + 2);
        const int y = Hm + R + (d - 1) * Rh + (Rh - c.TextHeight(QStringLiteral("8"))) / 2;

        TDateTimeRecord day = DayOf(date, days[static_cast<std::size_t>(d - 1)]);
        frame.Write(P(30), y, Text(FormatDate(pattern, day)));

        TDateTimeRecord midnight = day;
        midnight.Hour = midnight.Minute = midnight.Second = midnight.MSec = 0;
        midnight.JD = DateToJulianDay(midnight);
        frame.Write(U + P(75), y, Text(CutText(LocalSiderealTime(midnight, observer), 10)));

        const TDayTexts texts = DayTexts(DayEvents(day, observer, places));
        if (texts.Skipped) {
            frame.Write(2 * U + P(128.62), y, QString::fromStdString(SkippedDateText()));
            continue;
        }
        const TRiseSet& moon = texts.Moon;
        frame.Write(2 * U + P(128.62), y, Text(moon.RiseText));
        frame.Write(2 * U + P(176.85), y, Text(moon.TransitText));
        frame.Write(2 * U + P(225.08), y, Text(moon.SetText));
        const QString percent = PercentText(moon.IlluminatedPercent) + QStringLiteral("%");
        frame.Write(2 * U + P(305.47) - c.TextWidth(percent), y, percent);

        const TRiseSet& sun = texts.Sun;
        frame.Write(2 * U + T + P(144.69), y, Text(sun.RiseText));
        frame.Write(2 * U + T + P(192.93), y, Text(sun.TransitText));
        frame.Write(2 * U + T + P(241.16), y, Text(sun.SetText));

        const TRiseSet& civil = texts.Civil;
        frame.Write(U + T + P(96.46), y, Text(civil.RiseText));
        frame.Write(3 * U + T + P(289.39), y, Text(civil.SetText));
        const TRiseSet& nautical = texts.Nautical;
        frame.Write(U + T + P(48.23), y, Text(nautical.RiseText));
        frame.Write(3 * U + T + P(337.62), y, Text(nautical.SetText));
        const TRiseSet& astronomical = texts.Astronomical;
        frame.Write(U + T, y, Text(astronomical.RiseText));
        frame.Write(3 * U + T + P(385.85), y, Text(astronomical.SetText));
    }

    frame.PrintPageFooter();
    return job.Finish();
}

} // namespace crescendar
