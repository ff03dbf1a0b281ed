// The calendar printout rendered to page images and checked by its pixels and by where its
// texts stand; the print options window driven by clicks and keys.
#include "GoldenPictures.h"
#include "MainFixture.h"
#include "Version.h"

#include "fPrint.h"
#include "fPrintOptions.h"
#include "fTimesList.h"

#include "Calendar.h"
#include "EventText.h"
#include "RiseSet.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace crescendar {
namespace {

// London on GMT, as the screenshots use it.
SettingValues London(SettingValues extra = {}) {
    SettingValues v{{"LatDeg", "51"},       {"LatMin", "30"},
                    {"LatSec", "00"},       {"LatDir", "North"},
                    {"LongDeg", "000"},     {"LongMin", "07"},
                    {"LongSec", "12"},      {"LongDir", "West"},
                    {"Location", "London"}, {"DaylightSavings", "False"},
                    {"TimeZone", "12"}};
    v.insert(v.end(), extra.begin(), extra.end());
    return v;
}

bool Dark(const QImage& page, int x, int y) {
    return qGray(page.pixel(x, y)) < 128;
}

int DarkPixels(const QImage& page, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += Dark(page, x, y);
    return n;
}

int NonWhitePixels(const QImage& page, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += page.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

// The dark part of the Moon drawing is computed, not drawn arc by arc: it must cover exactly
// the pixels that the arcs and lines of the Canvas cover.
TEST(DarkPart, CoversExactlyThePixelsOfTheCanvasArcs) {
    for (int r : {1, 2, 3, 4, 5, 7, 12, 20, 33, 60, 101}) {
        const int step = r <= 33 ? 1 : r / 8;
        for (bool left : {true, false}) {
            for (int k = -r; k <= r; k += (k > -3 && k < 3) ? 1 : step) {
                QImage reference(2 * r + 1, 2 * r + 1, QImage::Format_RGB32);
                reference.fill(Qt::white);
                {
                    QPainter painter(&reference);
                    Canvas c(&painter);
                    c.SetPenColor(Qt::black);
                    const int cx = r, cy = r;
                    auto half = [&](int j, bool onLeft) {
                        const int a = std::abs(j);
                        if (onLeft)
                            c.Arc(cx - a, cy - r, cx + a, cy + r, cx, cy - r, cx, cy + r);
                        else
                            c.Arc(cx - a, cy - r, cx + a, cy + r, cx, cy + r, cx, cy - r);
                    };
                    const int xD = left ? cx - 1 : cx, xO = left ? cx : cx - 1;
                    for (int j = k; j <= r; ++j) half(j, left);
                    if (k <= 0) {
                        c.MoveTo(xD, cy - r);
                        c.LineTo(xD, cy + r);
                    }
                    if (k < 0) {
                        c.MoveTo(xO, cy - r);
                        c.LineTo(xO, cy + r);
                        for (int j = 0; j <= -k; ++j) half(j, !left);
                    }
                }
                std::vector<QPoint> expected;
                for (int y = 0; y < reference.height(); ++y)
                    for (int x = 0; x < reference.width(); ++x)
                        if (reference.pixel(x, y) == qRgb(0, 0, 0)) expected.emplace_back(x, y);
                EXPECT_EQ(DarkPartPixels(r, k, left), expected)
                    << "r " << r << " k " << k << (left ? " left" : " right");
            }
        }
    }
}

TEST(PageFrameText, LocationLineKeepsTheCoordinatesWhole) {
    TSettings s = DefaultSettings();
    s.LatDeg = "51";
    s.LatMin = "30";
    s.LatSec = "00";
    s.LatDir = TNorthSouth::North;
    s.LongDeg = "000";
    s.LongMin = "07";
    s.LongSec = "12";
    s.LongDir = TEastWest::West;
    s.Location = "  Llanfair Observatory";
    EXPECT_EQ(PageFrame::LocationLine(s),
              QString::fromUtf8("Llanfair Observatory     Latitude: 51\u00B0 30' 00\" North,   "
                                "Longitude: 000\u00B0 07' 12\" West"));
    // A place name of the most characters a place may have keeps the coordinates whole; a
    // longer one (from a hand-edited settings file) loses the end of the name only.
    s.Location = QString(40, QLatin1Char('x')).toStdString();
    const QString whole = PageFrame::LocationLine(s);
    EXPECT_TRUE(whole.startsWith(QString(40, QLatin1Char('x')) + "     Latitude: 51"));
    EXPECT_TRUE(whole.endsWith("Longitude: 000\u00B0 07' 12\" West")) << whole.toStdString();
    s.Location = QString(60, QLatin1Char('y')).toStdString();
    EXPECT_EQ(PageFrame::LocationLine(s), QString(40, QLatin1Char('y')) + whole.mid(40));
    EXPECT_EQ(PageFrame::TitleText(9, 2025), "September 2025");
    EXPECT_TRUE(
        PageFrame::StampText().startsWith("Printed by Crescendar V" CRESCENDAR_VERSION " ("));
}

class PrintTest : public MainFixture {
  protected:
    // The month of `at` printed on an A4 sheet at 100 pixels per inch.
    const QImage& PrintMonthOf(const QDateTime& at, const SettingValues& values = London()) {
        delete w;
        w = nullptr;
        Start(at, values);
        return PrintAgain();
    }
    const QImage& PrintAgain() {
        print = std::make_unique<TPrint>(target, CalendarSheetOf(w->Session()));
        const TDateTimeRecord& d = w->SelectedDateTime();
        EXPECT_TRUE(print->PrintCalendar(d.Month, d.Year));
        return target.Pages().at(0);
    }

    // The page across the sheet: W x H, and its lengths in thousandths of W.
    static constexpr int kW = 1169, kH = 827;
    static int P(double k) { return static_cast<int>(kW * k / 1000.0 + 1e-9); }
    int CellWidth() const { return kW / 7; }
    int CellHeight() const {
        return (kH - print->Frame().HeaderMargin() - print->Frame().FooterMargin()) / 6;
    }
    // The box of a day of the printed month.
    QRect Box(int day) const {
        const int n = day + w->FirstDayColumn() - 1;
        const int cw = CellWidth(), ch = CellHeight();
        return {cw * (n % 7), print->Frame().HeaderMargin() + ch * (n / 7), cw, ch};
    }
    QPoint Centre(int day) const {
        const QRect b = Box(day);
        return {b.left() + b.width() / 2, b.top() + b.height() / 2};
    }
    QRect Disc(int day) const {
        const int r = P(28.94);
        const QPoint c = Centre(day);
        return {c.x() - r, c.y() - r, 2 * r + 1, 2 * r + 1};
    }
    // The square of a principal-phase mark in a day's box.
    QRect Mark(int day) const {
        const QRect b = Box(day);
        const int m = P(19.29), g = P(4.8);
        return {b.left() + g, b.bottom() + 1 - m - g, m + 1, m + 1};
    }
    // Texts written at a position.
    QStringList TextsAt(int x, int y) const {
        QStringList found;
        for (const TPrintedText& t : print->Frame().Texts())
            if (t.X == x && t.Y == y) found << t.Text;
        return found;
    }
    QString TextAt(int x, int y) const {
        const QStringList found = TextsAt(x, y);
        return found.size() == 1 ? found[0] : QStringLiteral("<%1 texts>").arg(found.size());
    }
    // The texts written on the line y from x `from` up to `to`, left to right, one blank apart.
    QString LineAt(int from, int to, int y) const {
        std::vector<TPrintedText> found;
        for (const TPrintedText& t : print->Frame().Texts())
            if (t.Y == y && t.X >= from && t.X < to) found.push_back(t);
        std::sort(found.begin(), found.end(),
                  [](const TPrintedText& a, const TPrintedText& b) { return a.X < b.X; });
        QStringList texts;
        for (const TPrintedText& t : found) texts << t.Text;
        return texts.join(QLatin1Char(' '));
    }
    bool Written(const QString& text) const {
        for (const TPrintedText& t : print->Frame().Texts())
            if (t.Text == text) return true;
        return false;
    }

    ImagePrintTarget target{827, 1169, 100};
    std::unique_ptr<TPrint> print;
};

TEST_F(PrintTest, PageHasFrameTitleLocationWeekdaysDayBoxesAndFooter) {
    const QImage& page = PrintMonthOf(At(2025, 3, 14));
    EXPECT_EQ(page.size(), QSize(1169, 827));                   // printed across the sheet
    EXPECT_EQ(target.Orientation(), PageOrientation::Portrait); // and turned back
    EXPECT_EQ(target.Title(), "Crescendar March 2025");
    const PageFrame& f = print->Frame();
    const std::vector<TPrintedText>& texts = f.Texts();
    ASSERT_GT(texts.size(), 10u);

    // Title, centred at y 40; the location line under it.
    EXPECT_EQ(texts[0].Text, "March 2025");
    EXPECT_EQ(texts[0].Y, 40);
    EXPECT_NEAR(texts[0].X, 1169 / 2 - 80, 40);
    EXPECT_EQ(texts[1].Text, QString::fromUtf8("London     Latitude: 51\u00B0 30' 00\" North,   "
                                               "Longitude: 000\u00B0 07' 12\" West"));
    EXPECT_GT(DarkPixels(page, QRect(texts[0].X, 40, 150, 30)), 100);

    // The page frame: left and right edges, bottom edge at the footer margin.
    const int right = (1169 / 7) * 7 - 1, bottom = 827 - f.FooterMargin() - 1;
    EXPECT_TRUE(Dark(page, 0, 60));
    EXPECT_TRUE(Dark(page, right, 60));
    EXPECT_TRUE(Dark(page, 600, bottom));
    EXPECT_FALSE(Dark(page, 600, bottom + 2));

    // Weekday row on yellow, Sunday first; its bottom edge is the header margin.
    const char* days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                          "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(texts[static_cast<std::size_t>(2 + i)].Text, days[i]);
        EXPECT_EQ(page.pixelColor(i * CellWidth() + 3, f.HeaderMargin() - 3), QColor(255, 255, 0));
    }

    // March 2025 starts on a Saturday: six empty cells without boxes, then 31 boxes.
    EXPECT_EQ(w->FirstDayColumn(), 6);
    EXPECT_EQ(NonWhitePixels(page, QRect(1, f.HeaderMargin(), 6 * CellWidth() - 1, 30)), 0);
    for (int d = 1; d <= 31; ++d) {
        const QRect b = Box(d);
        EXPECT_EQ(TextAt(b.left() + P(3.86), b.top() + P(3.86)), QString::number(d)) << d;
        EXPECT_TRUE(Dark(page, b.left(), b.top() + 2)) << d;
    }
    EXPECT_LE(Box(31).bottom(), bottom); // the sixth row stays inside the frame

    // The stamp line at the foot of the page, under the frame.
    const TPrintedText& stamp = texts.back();
    EXPECT_TRUE(stamp.Text.startsWith("Printed by Crescendar V" CRESCENDAR_VERSION " ("));
    EXPECT_EQ(stamp.Y, 827 - static_cast<int>(f.FooterMargin() * 0.75));
    EXPECT_GT(stamp.Y, bottom);
    EXPECT_GT(DarkPixels(page, QRect(0, stamp.Y, 1169, 827 - stamp.Y)), 50);
}

TEST_F(PrintTest, EveryPrincipalPhaseGetsOneMark) {
    // August 2023 has five principal phases (two full moons), February 2018 three.
    for (const QDateTime& at : {At(2023, 8, 10), At(2018, 2, 10)}) {
        const QImage& page = PrintMonthOf(at);
        const int count = w->PhaseCount();
        EXPECT_EQ(count, at.date().month() == 8 ? 5 : 3);
        std::set<int> phaseDays;
        for (int i = 0; i < count; ++i) {
            const TPhaseEntry& e = w->PhaseList()[static_cast<std::size_t>(i)];
            const int day = std::stoi(SubText(PhaseText(e.Date), 8, 9));
            phaseDays.insert(day);
            const QRect m = Mark(day);
            const int cy = m.top() + m.height() / 2;
            const int leftHalf = m.left() + m.width() / 4, rightHalf = m.right() - m.width() / 4;
            EXPECT_TRUE(Dark(page, m.left(), cy)) << PhaseText(e.Date); // the outline
            switch (static_cast<int>(e.Kind)) {
            case 0: // new moon: black disc
                EXPECT_TRUE(Dark(page, leftHalf, cy) && Dark(page, rightHalf, cy))
                    << PhaseText(e.Date);
                break;
            case 2: // full moon: white disc
                EXPECT_TRUE(!Dark(page, leftHalf, cy) && !Dark(page, rightHalf, cy))
                    << PhaseText(e.Date);
                break;
            case 3: // first quarter, lit on the right in the north
                EXPECT_TRUE(Dark(page, leftHalf, cy) && !Dark(page, rightHalf, cy))
                    << PhaseText(e.Date);
                break;
            case 1: // last quarter, lit on the left
                EXPECT_TRUE(!Dark(page, leftHalf, cy) && Dark(page, rightHalf, cy))
                    << PhaseText(e.Date);
                break;
            }
            // Its time beside it.
            bool timeBeside = false;
            for (const TPrintedText& t : print->Frame().Texts())
                timeBeside |= t.X == m.left() + P(19.29) + P(4.8) && t.Y > m.top() &&
                              t.Y < m.bottom() &&
                              t.Text == QString::fromStdString(SubText(PhaseText(e.Date), 1, 5));
            EXPECT_TRUE(timeBeside) << PhaseText(e.Date);
        }
        // No mark in the other boxes.
        for (int d = 1; d <= w->DaysInShownMonth(); ++d)
            EXPECT_EQ(DarkPixels(page, Mark(d)) > 0, phaseDays.count(d) > 0) << d;
        // The legend's four rows at the top right.
        for (const char* row : {"New Moon", "First Quarter", "Full Moon", "Last Quarter"})
            EXPECT_TRUE(Written(row)) << row;
    }
}

TEST_F(PrintTest, PhaseDensitySetsTheGreyOfTheMoons) {
    // Density 0: white on white, nothing shows.
    const QImage& light = PrintMonthOf(At(2025, 3, 14), London({{"PhaseDensity", "0"}}));
    for (int d = 1; d <= 31; ++d) EXPECT_EQ(NonWhitePixels(light, Disc(d)), 0) << d;

    // Density 100: black outline and black hatching. 14 March is full (only the outline),
    // 29 March new (all dark).
    ChangeSettings([](TSettings& s) { s.PhaseDensity = 100; });
    const QImage& dark = PrintAgain();
    const QPoint full = Centre(14), fresh = Centre(29);
    const int r = P(28.94);
    EXPECT_EQ(dark.pixelColor(full.x() - r, full.y()), QColor(Qt::black));
    EXPECT_EQ(dark.pixelColor(full.x() + r, full.y()), QColor(Qt::black));
    EXPECT_LT(DarkPixels(dark, Disc(14)), 10 * r); // about 2 pi r
    EXPECT_EQ(dark.pixelColor(fresh), QColor(Qt::black));
    EXPECT_GT(DarkPixels(dark, Disc(29)), 3 * r * r); // close to pi r^2

    // The stored 75 prints in the grey 63.
    ChangeSettings([](TSettings& s) { s.PhaseDensity = 75; });
    const QImage& grey = PrintAgain();
    EXPECT_EQ(grey.pixelColor(Centre(29)), QColor(63, 63, 63));
}

TEST_F(PrintTest, WithAllFourOptionsOffOnlyFramesAndNumbersArePrinted) {
    const QImage& page = PrintMonthOf(At(2025, 3, 14), London({{"PrintDailyPhases", "False"},
                                                               {"PrintMajorPhases", "False"},
                                                               {"PrintLunarTimes", "False"},
                                                               {"PrintSunTimes", "False"}}));
    // Title, location, seven weekdays, 31 day numbers, the stamp line: nothing else.
    EXPECT_EQ(print->Frame().Texts().size(), 2u + 7u + 31u + 1u);
    for (int d = 1; d <= 31; ++d) {
        const QRect b = Box(d);
        // Inside the frame, below the day number, the box is empty.
        EXPECT_EQ(NonWhitePixels(page, QRect(b.left() + 2, b.top() + P(22), b.width() - 4,
                                             b.height() - P(22) - 2)),
                  0)
            << d;
    }
    // No legend at the top right.
    EXPECT_EQ(NonWhitePixels(page, QRect(1169 - P(80.39), P(24.12), P(75), P(60))), 0);
}

TEST_F(PrintTest, MondayFirstStartsTheRowWithMondayAndShiftsTheDays) {
    PrintMonthOf(At(2025, 3, 14), London({{"DayOrder", "1"}}));
    const std::vector<TPrintedText>& texts = print->Frame().Texts();
    EXPECT_EQ(texts[2].Text, "Monday");
    EXPECT_EQ(texts[8].Text, "Sunday");
    // Saturday 1 March stands in column 5, Sunday 2 March in column 6, as in the main window.
    EXPECT_EQ(w->FirstDayColumn(), 5);
    const int cw = CellWidth();
    EXPECT_EQ(Box(1).left(), 5 * cw);
    EXPECT_EQ(TextAt(5 * cw + P(3.86), print->Frame().HeaderMargin() + P(3.86)), "1");
    EXPECT_EQ(TextAt(6 * cw + P(3.86), print->Frame().HeaderMargin() + P(3.86)), "2");
    EXPECT_EQ(TextAt(0 * cw + P(3.86), print->Frame().HeaderMargin() + CellHeight() + P(3.86)),
              "3");
}

TEST_F(PrintTest, SouthernObserverSeesTheMoonsAndMarksMirrored) {
    // 3 March 2025: a waxing crescent; 6 March: first quarter.
    // Dark pixels of each column of the disc (inside its circle only).
    auto columns = [this](const QImage& page, int day) {
        std::vector<int> dark;
        const QPoint c = Centre(day);
        const int r = P(28.94);
        for (int x = c.x() - r; x <= c.x() + r; ++x) {
            int n = 0;
            for (int y = c.y() - r; y <= c.y() + r; ++y)
                n += (x - c.x()) * (x - c.x()) + (y - c.y()) * (y - c.y()) <= r * r &&
                     Dark(page, x, y);
            dark.push_back(n);
        }
        return dark;
    };
    const QImage north = PrintMonthOf(At(2025, 3, 14));
    const std::vector<int> northColumns = columns(north, 3);
    const QRect northMark = Mark(6);
    const QRect disc = Disc(3);
    const int cx = Centre(3).x();
    const QImage& south = PrintMonthOf(At(2025, 3, 14), London({{"LatDir", "South"}}));
    const std::vector<int> southColumns = columns(south, 3);

    // North: the crescent is lit on the right, so the left half is the darker one.
    auto half = [&](const std::vector<int>& c, bool left) {
        int n = 0;
        for (std::size_t i = 0; i < c.size(); ++i)
            if ((disc.left() + static_cast<int>(i) < cx) == left) n += c[i];
        return n;
    };
    EXPECT_GT(half(northColumns, true), half(northColumns, false) + 150);
    EXPECT_GT(half(southColumns, false), half(southColumns, true) + 150);
    // Column cx - k of the north is column cx + k of the south (the circle and the arcs are
    // symmetric about the centre column; only the centre lines stand beside it).
    const int r = P(28.94);
    for (int k = 2; k <= r; ++k)
        EXPECT_NEAR(northColumns[static_cast<std::size_t>(r - k)],
                    southColumns[static_cast<std::size_t>(r + k)], 2)
            << k;

    // The first-quarter mark: dark on the left in the north, on the right in the south.
    const QRect m = Mark(6);
    ASSERT_EQ(m, northMark);
    const int cy = m.top() + m.height() / 2;
    EXPECT_TRUE(Dark(north, m.left() + m.width() / 4, cy));
    EXPECT_FALSE(Dark(north, m.right() - m.width() / 4, cy));
    EXPECT_FALSE(Dark(south, m.left() + m.width() / 4, cy));
    EXPECT_TRUE(Dark(south, m.right() - m.width() / 4, cy));

    // The legend's first-quarter row likewise.
    const int s = P(9.65), lx = 1169 - P(80.39), ly = P(24.12) + s + P(6.43) + s / 2;
    EXPECT_TRUE(Dark(north, lx + s / 4, ly));
    EXPECT_FALSE(Dark(north, lx + s - s / 4, ly));
    EXPECT_FALSE(Dark(south, lx + s / 4, ly));
    EXPECT_TRUE(Dark(south, lx + s - s / 4, ly));

    // A file without a direction word is in the north, on paper as on the screen.
    const QImage& blank = PrintMonthOf(At(2025, 3, 14), London({{"LatDir", ""}}));
    EXPECT_EQ(columns(blank, 3), northColumns);
    EXPECT_TRUE(Dark(blank, m.left() + m.width() / 4, cy));
}

TEST_F(PrintTest, MoonTimesComeInTimeOrderWithFourStarsForAMissingEvent) {
    PrintMonthOf(At(2025, 3, 14));
    auto lines = [this](int day) {
        const QRect b = Box(day);
        const QPoint c = Centre(day);
        const int right = c.x() + b.width() / 2, top = c.y() - b.height() / 2;
        QStringList out;
        for (double k : {3.22, 12.86, 22.51}) out << LineAt(right - P(41.8), right, top + P(k));
        return out;
    };
    const Observer london = w->GetObserver();
    ASSERT_EQ(MoonRiseSet(MakeDate(2025, 3, 19), london).RiseText, "*****");
    // No moonrise on 19 March: its line comes first, with four stars.
    EXPECT_EQ(lines(19), QStringList({"MR: ****", "TR: 03:25", "MS: 07:23"}));
    // No transit on 14 March; the set comes before the rise.
    EXPECT_EQ(lines(14), QStringList({"TR: ****", "MS: 06:23", "MR: 18:30"}));
    EXPECT_EQ(lines(1), QStringList({"MR: 07:21", "TR: 13:30", "MS: 19:58"}));
    EXPECT_FALSE(Written("*****"));

    // The Sun's times in the bottom right corner, in their fixed order.
    const QRect b = Box(1);
    const QPoint c = Centre(1);
    const int right = c.x() + b.width() / 2, bottom = c.y() + b.height() / 2;
    const TRiseSet sun = SunRiseSet(MakeDate(2025, 3, 1), -0.8333, london);
    EXPECT_EQ(LineAt(right - P(41.8), right, bottom - P(32.15)),
              "SR: " + QString::fromStdString(sun.RiseText));
    EXPECT_EQ(TextAt(right - P(41.8), bottom - P(22.51)), "TR:");
    EXPECT_EQ(LineAt(right - P(41.8), right, bottom - P(12.86)),
              "SS: " + QString::fromStdString(sun.SetText));
}

// True when no pixel of the rectangle lies within r of the centre.
bool ClearOfDisc(const QRect& rect, QPoint centre, int r) {
    const int dx = std::max({rect.left() - centre.x(), 0, centre.x() - rect.right()});
    const int dy = std::max({rect.top() - centre.y(), 0, centre.y() - rect.bottom()});
    return dx * dx + dy * dy > r * r;
}

TEST_F(PrintTest, NothingOverflowsItsBoxOnTheWidestTexts) {
    // "None" and "00:00" are the widest time texts. On A4 at 100 and at 300 pixels per inch
    // every text of a day's box stays inside the box and clear of the Moon drawing.
    Start(At(2025, 3, 14), London());
    for (int dpi : {100, 300}) {
        ImagePrintTarget big(827 * dpi / 100, 1169 * dpi / 100, dpi);
        TPrint p(big, CalendarSheetOf(w->Session()));
        ASSERT_TRUE(p.PrintCalendar(3, 2025));
        // Measure on a landscape page of the same target.
        big.SetOrientation(PageOrientation::Landscape);
        ASSERT_TRUE(big.BeginDoc("measure"));
        const PageFrame& f = p.Frame();
        const int cw = p.CellWidth(), ch = p.CellHeight(), r = f.P(28.94);
        const QPoint centre(cw / 2, ch / 2);
        Canvas& c = big.GetCanvas();
        c.SetFontName("Times New Roman");
        c.SetFontSize(7);
        const int timeWidth = std::max(c.TextWidth("None"), c.TextWidth("00:00"));
        const int labelWidth = std::max(c.TextWidth("MR:"), c.TextWidth("SR:"));
        const int lineHeight = c.TextHeight("8");
        c.SetFontSize(8);
        const QRect markText(f.P(4.8) + f.P(19.29) + f.P(4.8),
                             ch - f.P(19.29) - f.P(4.8) + (f.P(19.29) - c.TextHeight("8")) / 2,
                             c.TextWidth("00:00"), c.TextHeight("8"));
        c.SetFontSize(12);
        c.SetFontStyle(fsBold);
        const QRect dayNumber(f.P(3.86), f.P(3.86), c.TextWidth("31"), c.TextHeight("31"));
        big.EndDoc();

        const int right = 2 * (cw / 2);
        const QRect moonTimes(right - f.P(41.8), f.P(3.22), f.P(41.8) - f.P(24.12) + timeWidth,
                              f.P(22.51) - f.P(3.22) + lineHeight);
        const QRect sunTimes(right - f.P(41.8), ch - f.P(32.15), f.P(41.8) - f.P(24.12) + timeWidth,
                             f.P(32.15) - f.P(12.86) + lineHeight);
        const QRect inside(1, 1, cw - 2, ch - 2);
        for (const QRect& t : {moonTimes, sunTimes, markText, dayNumber}) {
            EXPECT_TRUE(inside.contains(t)) << dpi << " " << t.x() << "," << t.y();
            EXPECT_TRUE(ClearOfDisc(t, centre, r)) << dpi << " " << t.x() << "," << t.y();
        }
        EXPECT_LT(labelWidth, f.P(41.8) - f.P(24.12)) << dpi; // labels end before the times
        EXPECT_FALSE(moonTimes.intersects(sunTimes)) << dpi;
    }
}

TEST_F(PrintTest, LongestPlaceNamePrintsTheWholeLongitudeOnThePage) {
    const std::string place = "Observatorio Astronomico de la Cordiller"; // 40 characters
    ASSERT_EQ(place.size(), 40u);
    PrintMonthOf(At(2025, 3, 14), London({{"Location", place}}));
    const QString line = PageFrame::LocationLine(w->Session().Settings());
    ASSERT_TRUE(line.endsWith("Longitude: 000\u00B0 07' 12\" West")) << line.toStdString();
    ASSERT_TRUE(Written(line));
    for (const TPrintedText& t : print->Frame().Texts()) {
        if (t.Text == line) {
            EXPECT_GT(t.X, 0); // centred within the page, not cut by its edge
        }
    }
    SavePicture(target.Pages().at(0), QStringLiteral("long_place.png"));
}

// The Moon's and the Sun's times of a box stand in one column, at least a blank after the
// widest label, at every resolution.
TEST_F(PrintTest, TimesOfABoxStandInOneColumnAfterTheirLabels) {
    Start(At(2025, 3, 14), London());
    for (int dpi : {100, 150, 300}) {
        ImagePrintTarget paper(827 * dpi / 100, 1169 * dpi / 100, dpi);
        TPrint p(paper, CalendarSheetOf(w->Session()));
        ASSERT_TRUE(p.PrintCalendar(3, 2025));
        paper.SetOrientation(PageOrientation::Landscape);
        ASSERT_TRUE(paper.BeginDoc("measure"));
        Canvas& c = paper.GetCanvas();
        c.SetFontName("Times New Roman");
        c.SetFontSize(7);
        std::map<QString, int> width;
        for (const char* label : {"MR:", "TR:", "MS:", "SR:", "SS:", " "})
            width[label] = c.TextWidth(label);
        paper.EndDoc();

        // The texts of the first box (day 1 stands in the first row).
        const PageFrame& f = p.Frame();
        const int boxLeft = (w->FirstDayColumn()) * p.CellWidth();
        const int boxRight = boxLeft + p.CellWidth();
        const int top = f.HeaderMargin();
        std::set<int> valueXs;
        int labelsEnd = 0;
        int labels = 0;
        for (const TPrintedText& t : f.Texts()) {
            if (t.X < boxLeft + p.CellWidth() / 2 || t.X >= boxRight) continue;
            if (t.Y < top || t.Y >= top + p.CellHeight()) continue;
            if (width.count(t.Text)) {
                ++labels;
                labelsEnd = std::max(labelsEnd, t.X + width[t.Text]);
            } else {
                valueXs.insert(t.X);
            }
        }
        EXPECT_EQ(labels, 6) << dpi;
        ASSERT_EQ(valueXs.size(), 1u) << dpi;
        EXPECT_GE(*valueXs.begin(), labelsEnd + width[" "]) << dpi;
        EXPECT_TRUE(std::any_of(f.Texts().begin(), f.Texts().end(),
                                [](const TPrintedText& t) { return t.Text == "MS:"; }));
    }
}

// The times list page at a printer's resolution, where the page width is not a whole number
// of sevenths: the frame's right line runs past every data row, the heading box ends on it,
// and the two heading lines stand in the middle of their box.
TEST_F(PrintTest, TimesListPageKeepsItsFrameAndCentresItsHeadings) {
    Start(At(2025, 3, 14), London());
    ImagePrintTarget paper(2480, 3508, 300);
    auto* times = SkinWindow::Create<TTimesList>(w->Session(), *w);
    ASSERT_TRUE(times->PrintTimes(w->SelectedDateTime(), paper));
    const QImage& page = paper.Pages().at(0);
    delete times;
    const int W = page.width();
    const int frameRight = (W / 7) * 7 - 1; // the frame's right line
    ASSERT_LT(frameRight, W - 1);
    auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 100; };

    // The black lines at x 4 below the page's top: the heading box's top and bottom, then
    // the frame's bottom.
    std::vector<int> lines;
    for (int y = 1; y < page.height(); ++y)
        if (dark(4, y) && !dark(4, y - 1)) lines.push_back(y);
    ASSERT_GE(lines.size(), 3u);
    const int boxTop = lines[0], boxBottom = lines[1], frameBottom = lines.back();
    for (int y = boxTop; y < frameBottom; y += 7)
        EXPECT_TRUE(dark(frameRight, y)) << "no right line at y " << y;
    EXPECT_FALSE(dark(W - 1, boxTop + 5)); // nothing past the frame

    // The headings' ink in the "LST at / Midnight" column, against the box.
    int inkTop = -1, inkBottom = -1;
    for (int y = boxTop + 2; y < boxBottom - 1; ++y)
        for (int x = W / 10; x < W / 5; ++x)
            if (dark(x, y)) {
                if (inkTop < 0) inkTop = y;
                inkBottom = y;
                break;
            }
    ASSERT_GT(inkTop, 0);
    const int above = inkTop - boxTop, below = boxBottom - inkBottom;
    EXPECT_LE(std::abs(above - below), 10) << above << " above, " << below << " below";
}

// ----- print options window ---------------------------------------------------------------

class PrintOptionsTest : public PrintTest {
  protected:
    void Open(const QDateTime& at, const SettingValues& values = London()) {
        Start(at, values);
        w->move(200, 100);
        options_ = SkinWindow::Create<TPrintOptions>(w->Session(), w, &target);
        options_->show();
        options_->FormActivate();
    }
    SettingsStore Store() const { return SettingsStore(options.SettingsPath); }

    TPrintOptions* options_ = nullptr;
};

TEST_F(PrintOptionsTest, ShowsTheStoredChoicesCentredOverTheMainWindow) {
    Open(At(2025, 3, 14), London({{"PrintLunarTimes", "False"}, {"PhaseDensity", "40"}}));
    EXPECT_EQ(options_->size(), QSize(220, 260));
    EXPECT_EQ(options_->pos(), QPoint(200 + (w->width() - 220) / 2, 100 + (w->height() - 260) / 2));
    EXPECT_TRUE(options_->chkDailyPhases->isChecked());
    EXPECT_TRUE(options_->chkMajorPhases->isChecked());
    EXPECT_FALSE(options_->chkMoonTimes->isChecked());
    EXPECT_TRUE(options_->chkSunTimes->isChecked());
    EXPECT_EQ(options_->txtDensity->text(), "40");
    EXPECT_EQ(options_->txtDensity->geometry(), QRect(142, 170, 27, 21));
    // Changes not confirmed are lost at the next activation.
    options_->chkSunTimes->click();
    options_->txtDensity->setText("9");
    options_->FormActivate();
    EXPECT_TRUE(options_->chkSunTimes->isChecked());
    EXPECT_EQ(options_->txtDensity->text(), "40");
}

TEST_F(PrintOptionsTest, ClosesWithoutPrintingByItsMarkOrEscape) {
    Open(At(2025, 3, 14));
    ASSERT_TRUE(options_->lblExit->isVisible());
    options_->chkSunTimes->click(); // a change that is not confirmed
    Click(options_->lblExit);
    EXPECT_FALSE(options_->isVisible());
    EXPECT_TRUE(target.Pages().empty());
    EXPECT_TRUE(w->Session().Settings().PrintSunTimes);

    options_->show();
    options_->FormActivate();
    ASSERT_TRUE(options_->isVisible());
    QTest::keyClick(options_->txtDensity, Qt::Key_Escape);
    EXPECT_FALSE(options_->isVisible());
    EXPECT_TRUE(target.Pages().empty());
}

TEST_F(PrintOptionsTest, ClickingACaptionTogglesItsBox) {
    Open(At(2025, 3, 14), London({{"PrintLunarTimes", "False"}}));
    const std::vector<QAbstractButton*> boxes{options_->chkDailyPhases, options_->chkMajorPhases,
                                              options_->chkMoonTimes, options_->chkSunTimes};
    ASSERT_EQ(options_->Captions().size(), boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        ClickRegion* caption = options_->Captions()[i];
        // Level with its box, to the box's right.
        EXPECT_GT(caption->x(), boxes[i]->geometry().right()) << i;
        EXPECT_TRUE(caption->geometry().contains(caption->x() + 1, boxes[i]->y() + 6)) << i;
        const bool before = boxes[i]->isChecked();
        Click(caption, Qt::LeftButton, {30, 8});
        EXPECT_NE(boxes[i]->isChecked(), before) << i;
        Click(caption, Qt::RightButton, {30, 8});
        EXPECT_NE(boxes[i]->isChecked(), before) << i; // only the left button toggles
        Click(caption, Qt::LeftButton, {30, 8});
        EXPECT_EQ(boxes[i]->isChecked(), before) << i;
    }
    // The other boxes are not touched.
    Click(options_->Captions()[2], Qt::LeftButton, {30, 8});
    EXPECT_TRUE(options_->chkMoonTimes->isChecked());
    EXPECT_TRUE(options_->chkDailyPhases->isChecked());
    EXPECT_TRUE(options_->chkSunTimes->isChecked());
}

TEST_F(PrintOptionsTest, SpinButtonStepsByOneBetweenZeroAndHundred) {
    Open(At(2025, 3, 14), London({{"PhaseDensity", "100"}}));
    QWidget* spin = options_->DensitySpinButton;
    Click(spin, Qt::LeftButton, {7, 3}); // upper arrow
    EXPECT_EQ(options_->txtDensity->text(), "100");
    Click(spin, Qt::LeftButton, {7, 15}); // lower arrow
    EXPECT_EQ(options_->txtDensity->text(), "99");
    options_->txtDensity->setText("0");
    Click(spin, Qt::LeftButton, {7, 15});
    EXPECT_EQ(options_->txtDensity->text(), "0");
    Click(spin, Qt::LeftButton, {7, 3});
    EXPECT_EQ(options_->txtDensity->text(), "1");
    Click(spin, Qt::RightButton, {7, 3}); // only the left button steps
    EXPECT_EQ(options_->txtDensity->text(), "1");
}

TEST_F(PrintOptionsTest, DensityFieldTakesDigitsOnlyAndIsTidiedOnLeaving) {
    Open(At(2025, 3, 14));
    QLineEdit* field = options_->txtDensity;
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, "0a7-5 9");
    EXPECT_EQ(field->text(), "075"); // letters refused, three digits at most
    options_->txtDensityExit();
    EXPECT_EQ(field->text(), "75");
    field->setText("250");
    options_->txtDensityExit();
    EXPECT_EQ(field->text(), "100");
    field->clear(); // not a number: the stored density
    options_->txtDensityExit();
    EXPECT_EQ(field->text(), "75");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "7");
}

TEST_F(PrintOptionsTest, OkStoresTheChoicesAndPrintsTheSelectedMonth) {
    Open(At(2023, 8, 10));
    options_->chkMoonTimes->click(); // Moon times off: stored as PrintLunarTimes
    options_->txtDensity->setText("250");
    Click(options_->lblOK, Qt::RightButton);
    EXPECT_EQ(target.DocumentsEnded(), 0); // a plain click is the left button
    Click(options_->lblOK);

    EXPECT_EQ(options_->txtDensity->text(), "100");
    EXPECT_FALSE(options_->isVisible());
    const SettingsStore store = Store();
    EXPECT_EQ(store.ReadValue("PhaseDensity"), "100");
    EXPECT_EQ(store.ReadValue("PrintLunarTimes"), "False");
    EXPECT_EQ(store.ReadValue("PrintDailyPhases"), "True");
    EXPECT_EQ(store.ReadValue("PrintMajorPhases"), "True");
    EXPECT_EQ(store.ReadValue("PrintSunTimes"), "True");
    EXPECT_EQ(Settings().PhaseDensity, 100);
    EXPECT_FALSE(Settings().PrintLunarTimes);

    // August 2023 printed, its Moons in full black.
    ASSERT_EQ(target.DocumentsEnded(), 1);
    EXPECT_TRUE(options_->LastPrinted());
    EXPECT_EQ(target.Title(), "Crescendar August 2023");
    const QImage page = target.Pages().at(0);
    EXPECT_EQ(PrintAgain(), page);                             // the page of these settings
    EXPECT_EQ(page.pixelColor(Centre(16)), QColor(Qt::black)); // 16 August: new moon
}

TEST_F(PrintOptionsTest, WithoutTheSettingsKeyTheChoicesHoldInMemoryAndStillPrint) {
    Start(At(2025, 3, 14), London());
    const QString missing = dir.filePath("elsewhere/none.ini");
    // A session like the main window's whose store is missing.
    TSession elsewhere(missing.toStdString());
    elsewhere.ChangeSettings(Settings());
    elsewhere.SetInstant(w->SelectedDateTime(), w->TimeOffset());
    options_ = SkinWindow::Create<TPrintOptions>(elsewhere, w, &target);
    options_->show();
    options_->FormActivate();
    options_->chkDailyPhases->click();
    options_->lblOKClick(); // tells that the choices are not stored, and stays open
    EXPECT_EQ(dialogs.messages.size(), 1u);
    options_->lblOKClick();
    EXPECT_FALSE(elsewhere.Settings().PrintDailyPhases);
    EXPECT_EQ(target.DocumentsEnded(), 1);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(SettingsStore(options.SettingsPath).ReadValue("PrintDailyPhases"), "True");
    delete options_; // before the session it reads
    options_ = nullptr;
}

TEST_F(PrintOptionsTest, WithoutAPrinterThePageIsWrittenToAPdfFile) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    Start(At(2025, 3, 14), London());
    options_ = SkinWindow::Create<TPrintOptions>(w->Session(), w, nullptr);
    options_->show();
    options_->FormActivate();
    dialogs.saveAnswer = dir.filePath("march.pdf");
    options_->lblOKClick();
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].name, "Crescendar March 2025.pdf");
    EXPECT_TRUE(options_->LastPrinted());
    QFile pdf(dialogs.saveAnswer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_GT(bytes.size(), 10000);
    EXPECT_LT(bytes.size(), 4'000'000); // the Moons go in as pictures, not as dots
    EXPECT_TRUE(dialogs.messages.empty());

    // Cancelling the dialog prints nothing and says nothing.
    dialogs.saveAnswer.clear();
    options_->lblOKClick();
    EXPECT_FALSE(options_->LastPrinted());
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace crescendar

namespace crescendar {
namespace {

// The options window and the calendar's page, as pinned.
TEST_F(PrintOptionsTest, Screenshots) {
    Open(At(2025, 3, 14));
    ExpectGoldenPicture(options_->grab().toImage(), "print_options.png");

    ImagePrintTarget page(1240, 1754, 150); // A4 at 150 pixels per inch
    TPrint calendar(page, CalendarSheetOf(w->Session()));
    ASSERT_TRUE(calendar.PrintCalendar(3, 2025));
    ExpectGoldenPicture(page.Pages().at(0), "calendar_page.png");
}

// The calendar printed to a PDF file, its page read back through pdftoppm (poppler-utils, which
// scripts/install-deps installs), as pinned.
TEST_F(PrintOptionsTest, PdfPageAsPinned) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed, so printing goes to it rather than to a PDF file";
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed (poppler-utils: run scripts/install-deps)";
    Open(At(2025, 3, 14));
    SystemPrintTarget printer;
    dialogs.saveAnswer = dir.filePath("calendar.pdf");
    TPrint pdf(printer, CalendarSheetOf(w->Session()));
    ASSERT_TRUE(pdf.PrintCalendar(3, 2025));
    QProcess convert;
    convert.start(pdftoppm, {"-png", "-r", "110", "-singlefile", dialogs.saveAnswer,
                             dir.filePath("calendar_page_pdf")});
    ASSERT_TRUE(convert.waitForFinished(60000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    ExpectGoldenPicture(QImage(dir.filePath("calendar_page_pdf.png")), "calendar_page_pdf.png");
}

} // namespace
} // namespace crescendar
