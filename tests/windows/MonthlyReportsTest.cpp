// The month reports: the times list (scrolling, its printed rows), the observing aid (its
// rows in both views, the full-day bands, the Moon bars, its printout) and the monthly phases
// window (its calendar and the picture it saves); what both copy to the clipboard. Checked by
// pixels of their pictures and of pages rendered to images.
#include "GoldenPictures.h"
#include "MainFixture.h"

#include "fMonthList.h"
#include "fMonthlyPhases.h"
#include "fObservingAid.h"
#include "fTimesList.h"

#include "Calendar.h"
#include "DayEvents.h"
#include "EventText.h"
#include "PrintTarget.h"
#include "RiseSet.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

#include <functional>

namespace crescendar {
namespace {

// A place on GMT at a latitude (north positive), longitude 0.
SettingValues Place(int latitude, SettingValues extra = {}) {
    SettingValues v{{"LatDeg", std::to_string(std::abs(latitude))},
                    {"LatMin", "00"},
                    {"LatSec", "00"},
                    {"LatDir", latitude >= 0 ? "North" : "South"},
                    {"LongDeg", "000"},
                    {"LongMin", "00"},
                    {"LongSec", "00"},
                    {"LongDir", "West"},
                    {"Location", "Testplace"},
                    {"DaylightSavings", "False"},
                    {"TimeZone", "12"}};
    v.insert(v.end(), extra.begin(), extra.end());
    return v;
}

const QColor kPale(255, 255, 176);
const QColor kDaylight(170, 170, 233);

QColor Pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// Text is smoothed: its pixels come near the text colour.
bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <=
           90;
}

class MonthlyTest : public MainFixture {
  protected:
    void TearDown() override {
        SetRegionalNames(EnglishRegionalNames());
        MainFixture::TearDown();
    }

    TTimesList* OpenTimesList(const QDateTime& at, const SettingValues& values = Place(51)) {
        Start(at, values);
        auto* t = SkinWindow::Create<TTimesList>(w->Session(), *w);
        t->SetupDataBitmap(w->SelectedDateTime());
        t->show();
        t->FormActivate();
        return t;
    }
    TObservingAid* OpenAid(const QDateTime& at, const SettingValues& values = Place(51)) {
        Start(at, values);
        auto* a = SkinWindow::Create<TObservingAid>(w->Session(), *w);
        a->show();
        a->FormActivate();
        return a;
    }
    TMonthlyPhases* OpenPhases(const QDateTime& at, const SettingValues& values = Place(51)) {
        Start(at, values);
        auto* p = SkinWindow::Create<TMonthlyPhases>(w->Session(), *w);
        p->show();
        p->FormActivate();
        return p;
    }

    // The first row of the opening shows this row of the table.
    static bool OpeningShowsRow(TTimesList* t, int row) {
        // Column 2 holds no text: only the band colour of the row.
        return t->CanvasImage().pixel(22, TTimesList::kOpeningTop) ==
               t->imgData.Image().pixel(2, row);
    }

    // How far down a chart row (day view, 12 pixels each) the Moon's bar reaches from the
    // row's top (whose first pixel row the row line covers).
    static int MoonBarHeight(const QImage& chart, int row) {
        int best = 0;
        for (int x = TObservingAid::kLeftMargin; x < chart.width(); ++x)
            for (int y = row * 12; y < row * 12 + 12; ++y)
                if (Pixel(chart, x, y) == kPale) best = std::max(best, y - row * 12 + 1);
        return best;
    }

    ImagePrintTarget paper{827, 1169, 100}; // A4 at 100 pixels per inch
};

// ----- times list ------------------------------------------------------------------------

TEST_F(MonthlyTest, TimesListScrollsWithinTheMonthByButtons) {
    TTimesList* t = OpenTimesList(At(2025, 2, 10));
    EXPECT_EQ(t->DayCount(), 28);
    EXPECT_EQ(t->MaxScrollOffset(), 11);
    Click(t->lblScrollUp); // at the top already
    EXPECT_EQ(t->ScrollOffset(), 0);
    Click(t->lblScrollDown);
    EXPECT_EQ(t->ScrollOffset(), 11);
    Click(t->lblScrollDown);
    EXPECT_EQ(t->ScrollOffset(), 11);
    EXPECT_TRUE(OpeningShowsRow(t, 11));
    Click(t->lblScrollUp);
    EXPECT_EQ(t->ScrollOffset(), 0);
    EXPECT_TRUE(OpeningShowsRow(t, 0));
    Click(t->lblScrollDown, Qt::RightButton); // only the left button scrolls
    EXPECT_EQ(t->ScrollOffset(), 0);

    // A 31-day month scrolls to 53 in steps of one row; a new set-up returns to the top.
    TDateTimeRecord march = w->SelectedDateTime();
    march.Month = 3;
    w->Session().SetSelectedDateTime(march);
    t->SetupDataBitmap(w->SelectedDateTime());
    EXPECT_EQ(t->DayCount(), 31);
    for (int i = 0; i < 3; ++i) Click(t->lblScrollDown);
    EXPECT_EQ(t->ScrollOffset(), 42);
    EXPECT_EQ(Pixel(t->CanvasImage(), 22, 80), QColor(70, 70, 70)); // row 42: day 4, grey
    for (int i = 0; i < 3; ++i) Click(t->lblScrollDown);
    EXPECT_EQ(t->ScrollOffset(), 53);
    t->SetupDataBitmap(w->SelectedDateTime());
    EXPECT_EQ(t->ScrollOffset(), 0);
}

TEST_F(MonthlyTest, TimesListDragScrollsTheViewAndAppliesTheDistanceOnRelease) {
    TTimesList* t = OpenTimesList(At(2025, 3, 10));
    // Inside the opening the view follows the pointer; the offset waits for the release.
    Mouse(t, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {300, 400});
    Mouse(t, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {300, 372});
    EXPECT_TRUE(OpeningShowsRow(t, 28));
    EXPECT_EQ(t->ScrollOffset(), 0);
    Mouse(t, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {300, 372});
    EXPECT_EQ(t->ScrollOffset(), 28);

    // A drag that starts below the opening does not scroll while the pointer is outside;
    // released anywhere, the whole distance counts (clamped to the last row).
    Mouse(t, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {300, 470});
    Mouse(t, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {630, 300});
    EXPECT_TRUE(OpeningShowsRow(t, 28));
    Mouse(t, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {630, 300});
    EXPECT_EQ(t->ScrollOffset(), 53);
    EXPECT_TRUE(OpeningShowsRow(t, 53));
    // Dragging down past the top stops at 0.
    Mouse(t, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {300, 100});
    Mouse(t, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {300, 450});
    EXPECT_EQ(t->ScrollOffset(), 0);
}

TEST_F(MonthlyTest, TimesListTableHoldsOneBandAndOneRowOfTimesPerDay) {
    TTimesList* t = OpenTimesList(At(2025, 2, 10));
    const QImage& table = t->imgData.Image();
    auto count = [&](int x1, int x2, int row, const QColor& c) {
        int n = 0;
        for (int y = row * 14; y < row * 14 + 14; ++y)
            for (int x = x1; x < x2; ++x) n += Near(Pixel(table, x, y), c);
        return n;
    };
    for (int row = 0; row < 31; ++row) {
        const QColor band = row % 2 ? QColor(70, 70, 70) : QColor(Qt::black);
        EXPECT_EQ(Pixel(table, 2, row * 14), band) << row;
        EXPECT_EQ(Pixel(table, 599, row * 14 + 13), band) << row;
        const bool day = row < 28;
        EXPECT_EQ(count(10, 80, row, Qt::white) > 0, day) << row;             // the date
        EXPECT_EQ(count(84, 240, row, QColor(0, 255, 255)) > 0, day) << row;  // the Moon
        EXPECT_EQ(count(369, 480, row, QColor(255, 255, 0)) > 0, day) << row; // the Sun
        EXPECT_EQ(count(245, 360, row, kPale) > 0, day) << row;               // morning twilights
        EXPECT_EQ(count(491, 600, row, kPale) > 0, day) << row;               // evening twilights
    }
}

// At 70 N the Moon rises or sets twice on some dates of June 2026: such a date gets a second
// row, without the date, and the table scrolls over every row.
TEST_F(MonthlyTest, TimesListGivesASecondCrossingARowOfItsOwn) {
    TTimesList* t = OpenTimesList(At(2026, 6, 10), Place(70));
    const Observer o = w->Session().GetObserver();
    std::vector<int> secondRows;
    int rows = 0;
    for (int d = 1; d <= 30; ++d) {
        ++rows;
        if (DayTexts(DayEvents(MakeDate(2026, 6, d), o)).HasSecond()) secondRows.push_back(rows++);
    }
    ASSERT_FALSE(secondRows.empty());
    EXPECT_EQ(t->MaxScrollOffset(), rows * 14 - 381);
    const QImage& table = t->imgData.Image();
    SavePicture(table, QStringLiteral("times_list_second_rows.png"));
    for (const int row : secondRows) {
        int date = 0, times = 0;
        for (int y = row * 14; y < row * 14 + 14; ++y) {
            for (int x = 10; x < 80; ++x) date += Near(Pixel(table, x, y), Qt::white);
            for (int x = 84; x < 600; ++x) times += Pixel(table, x, y) != Pixel(table, 2, y);
        }
        EXPECT_EQ(date, 0) << row;
        EXPECT_GT(times, 0) << row;
    }
}

TEST_F(MonthlyTest, TimesListPrintsOneLandscapePageWithRowColoursByPrinterType) {
    struct Case {
        const char* Printer;
        QColor Even;
    };
    for (const Case& c :
         {Case{"BW Inkjet", QColor(160, 160, 255)}, Case{"Colour Inkjet", QColor(220, 220, 255)},
          Case{"Laser", QColor(220, 220, 220)}}) {
        delete w;
        w = nullptr;
        TTimesList* t = OpenTimesList(At(2025, 4, 10), Place(51, {{"PrinterType", c.Printer}}));
        ASSERT_TRUE(t->PrintTimes(w->SelectedDateTime(), paper));
        EXPECT_EQ(paper.Orientation(), PageOrientation::Portrait); // turned back
        ASSERT_EQ(paper.Pages().size(), 1u);
        const QImage& page = paper.Pages()[0];
        EXPECT_EQ(page.size(), QSize(1169, 827));

        // Down the left edge: the even days' rows, all of one height, every other row.
        std::vector<std::pair<int, int>> runs; // first y, length
        for (int y = 0; y < page.height(); ++y) {
            if (Pixel(page, 5, y) != c.Even) continue;
            if (!runs.empty() && runs.back().first + runs.back().second == y)
                ++runs.back().second;
            else
                runs.push_back({y, 1});
        }
        ASSERT_EQ(runs.size(), 15u) << c.Printer; // days 2, 4, ... 30 of April
        const int rh = runs[0].second;
        for (std::size_t i = 1; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].second, rh) << c.Printer;
            EXPECT_EQ(runs[i].first - runs[i - 1].first, 2 * rh) << c.Printer;
        }
        // Odd days are white; day 1's row sits right above day 2's.
        EXPECT_EQ(Pixel(page, 5, runs[0].first - rh / 2), QColor(Qt::white));
        // Each row has its texts; a 30-day month leaves one row's height under the last.
        for (const auto& [top, length] : runs) {
            int dark = 0;
            for (int x = 30; x < 1160; ++x) dark += qGray(page.pixel(x, top + length / 2)) < 100;
            EXPECT_GT(dark, 100) << c.Printer << " " << top;
        }
        // The frame's bottom line is the first dark pixel under the last row (the footer
        // below it may cross the same column).
        const int lastEnd = runs.back().first + rh;
        int frameBottom = lastEnd;
        while (frameBottom < page.height() - 1 && qGray(page.pixel(600, frameBottom)) > 100)
            ++frameBottom;
        EXPECT_GE(frameBottom - lastEnd, rh) << c.Printer;
        EXPECT_LT(frameBottom - lastEnd, 2 * rh) << c.Printer;
    }
}

TEST_F(MonthlyTest, TypedYearRefreshesTheVisibleTimesList) {
    TTimesList* t = OpenTimesList(At(2024, 2, 10));
    EXPECT_EQ(t->DayCount(), 29);
    Click(t->lblScrollDown);
    w->lblSelectedYearClick();
    for (int i = 0; i < 4; ++i) Key(Qt::Key_Backspace);
    Type("2025");
    Key(Qt::Key_Return);
    EXPECT_EQ(t->DayCount(), 28);
    EXPECT_EQ(t->ScrollOffset(), 0);
}

// ----- observing aid ---------------------------------------------------------------------

TEST_F(MonthlyTest, ObservingAidNightViewHasOneRowMoreForTheLastNight) {
    TObservingAid* a = OpenAid(At(2025, 3, 10));
    ASSERT_TRUE(a->NightView());
    EXPECT_FALSE(a->ShowGrid());
    const QImage& chart = a->Image1.Image();
    auto lit = [&](int x1, int x2, int y) {
        int n = 0;
        for (int x = x1; x < x2; ++x) n += Pixel(chart, x, y) != QColor(Qt::black);
        return n;
    };
    // Row 32 holds the evening of 31 March on its left half and the morning of 1 April on its
    // right; row 1 the evening of 28 February and the morning of 1 March.
    EXPECT_GT(lit(20, 259, 31 * 12 + 10), 50);
    EXPECT_GT(lit(262, 500, 31 * 12 + 10), 50);
    EXPECT_GT(lit(20, 259, 10), 50);
    EXPECT_GT(lit(262, 500, 10), 50);
    EXPECT_EQ(Pixel(a->Image2->Image(), 300, 372 + 10), Pixel(chart, 300, 372 + 10));

    Click(a->imgDayNight);
    EXPECT_FALSE(a->NightView());
    EXPECT_EQ(lit(20, 259, 31 * 12 + 10) + lit(262, 500, 31 * 12 + 10), 0);
    EXPECT_GT(lit(20, 500, 30 * 12 + 10), 100);
    EXPECT_EQ(a->imgDayNight->Image().pixel(13, 12), a->imgDay.pixel(13, 12));

    // Showing the window again returns to the night view without the grid.
    Click(a->imgLinesGrid);
    EXPECT_TRUE(a->ShowGrid());
    a->hide();
    a->show();
    EXPECT_TRUE(a->NightView());
    EXPECT_FALSE(a->ShowGrid());
}

TEST_F(MonthlyTest, ObservingAidGridAndHourLabels) {
    TObservingAid* a = OpenAid(At(2025, 3, 10));
    auto labelPixels = [&] {
        int n = 0;
        for (int y = 60; y < 75; ++y)
            for (int x = 20; x < 520; ++x) n += Near(Pixel(a->CanvasImage(), x, y), kPale);
        return n;
    };
    // The hour scale shows with or without the grid.
    EXPECT_GT(labelPixels(), 30);
    Click(a->imgLinesGrid);
    EXPECT_GT(labelPixels(), 30);
    // The hour lines every 20 pixels, through all 32 rows of the night view.
    const QImage& chart = a->Image1.Image();
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(Pixel(chart, 20 + 20 * i, 380), QColor(128, 128, 128)) << i;
    // The labels end on their lines: "12" (noon) at the left edge of the night view.
    auto inkRight = [&](int end) {
        for (int x = end; x > end - 15; --x)
            for (int y = 60; y < 75; ++y)
                if (Near(Pixel(a->CanvasImage(), x, y), kPale)) return x;
        return -1;
    };
    EXPECT_GE(inkRight(40), 33);
    Click(a->imgLinesGrid);
    EXPECT_GT(labelPixels(), 30);
    EXPECT_EQ(Pixel(chart, 320, 380), QColor(Qt::black)); // 03:00 on 1 April, no line
}

TEST_F(MonthlyTest, ObservingAidFillsWholeDaysOnlyWhenTheSunStaysAbove) {
    // Day view; y inside a row's bottom part, clear of the Moon's bar.
    struct Case {
        int Latitude, Month;
        int Minute; // time of day sampled
        QColor Expected;
        const char* What;
    };
    const QColor astronomical(50, 50, 90), civil(100, 100, 150), daylight(170, 170, 233);
    for (const Case& c : {
             Case{51, 6, 15, astronomical, "London, June: never darker than -18"},
             Case{51, 12, 15, Qt::black, "London, December: dark at midnight"},
             Case{70, 6, 15, daylight, "70 N, June: the Sun never sets"},
             Case{70, 12, 735, civil, "70 N, December: no sunrise, civil twilight at noon"},
             Case{-70, 12, 15, daylight, "70 S, December: the Sun never sets"},
             Case{-70, 6, 735, civil, "70 S, June: no sunrise"},
         }) {
        delete w;
        w = nullptr;
        TObservingAid* a = OpenAid(At(2025, c.Month, 21), Place(c.Latitude));
        a->imgDayNightClick();
        ASSERT_FALSE(a->NightView());
        const TRiseSet sun = SunRiseSet(w->SelectedDateTime(), -0.8333, w->GetObserver());
        if (c.Expected == daylight || c.Minute == 735) {
            EXPECT_EQ(sun.RiseText, "None") << c.What;
        }
        const int x = 20 + static_cast<int>(c.Minute / 3.0) + 1;
        EXPECT_EQ(Pixel(a->Image1.Image(), x, 20 * 12 + 10), c.Expected) << c.What;
    }
}

TEST_F(MonthlyTest, ObservingAidMoonBarHeightFollowsTheLitFraction) {
    TObservingAid* a = OpenAid(At(2025, 3, 10));
    a->imgDayNightClick();
    int checked = 0;
    for (int d = 1; d <= 31; ++d) {
        const TRiseSet m = MoonRiseSet(MakeDate(2025, 3, d), w->GetObserver());
        const int height = MoonBarHeight(a->Image1.Image(), d - 1);
        if (m.IlluminatedPercent <= 1) {
            EXPECT_EQ(height, 0) << d;
            ++checked;
        } else if (m.IlluminatedPercent <= 25) {
            EXPECT_EQ(height, 2) << d; // a fifth of the row at least
            ++checked;
        } else if (m.IlluminatedPercent >= 95) {
            EXPECT_EQ(height, 9) << d; // three quarters of the row
            ++checked;
        }
    }
    EXPECT_GE(checked, 8);
}

TEST_F(MonthlyTest, ObservingAidNightViewPlacesAfternoonMoonsOnTheNextRow) {
    // A Moon that rises after noon belongs to the night that follows: row d in night view
    // (0-based), shifted left by half the chart, whether it sets the same evening or after
    // midnight (set before rise that day).
    Start(At(2025, 1, 1), Place(51));
    const Observer obs = w->GetObserver();
    bool seen[2] = {false, false}; // sets the same evening; sets after midnight
    for (int month = 1; month <= 12; ++month) {
        for (int d = 1; d < DaysInMonth(month, 2025); ++d) {
            const TRiseSet m = MoonRiseSet(MakeDate(2025, month, d), obs);
            const int r = HMToMins(m.RiseText), s = HMToMins(m.SetText);
            const bool timed = m.SetText.find(':') != std::string::npos;
            const int kind = timed && r >= 720 && s > r ? 0 : timed && r >= 760 && s < r ? 1 : -1;
            if (kind < 0 || seen[kind] || m.IlluminatedPercent < 10) continue;
            seen[kind] = true;
            TDateTimeRecord shown = w->SelectedDateTime();
            shown.Month = static_cast<std::uint16_t>(month);
            w->Session().SetSelectedDateTime(shown);
            auto* a = SkinWindow::Create<TObservingAid>(w->Session(), *w);
            a->show();
            a->FormActivate();
            ASSERT_TRUE(a->NightView());
            const QImage& chart = a->Image1.Image();
            const int y = d * 12 + 1; // the next row, under its row line
            const int left = 20 + static_cast<int>(r / 3.0) - 240;
            const int right = kind == 0 ? 20 + static_cast<int>(s / 3.0) - 240 : 260;
            const QString what =
                QStringLiteral("%1/%2 %3-%4")
                    .arg(d)
                    .arg(month)
                    .arg(QString::fromStdString(m.RiseText), QString::fromStdString(m.SetText));
            EXPECT_EQ(Pixel(chart, (left + right) / 2, y), kPale) << what.toStdString();
            EXPECT_NE(Pixel(chart, left - 2, y), kPale) << what.toStdString();
            if (kind == 0) {
                EXPECT_NE(Pixel(chart, right + 2, y), kPale) << what.toStdString();
            }
            delete a;
        }
    }
    EXPECT_TRUE(seen[0] && seen[1]);
}

TEST_F(MonthlyTest, ObservingAidDrawsNoFalseNightAtTheMonthsEdges) {
    // Tromsø in June has no night at all: in night view the first row's evening (31 May) and
    // the extra last row's morning (1 July) are daylight like every other row, and the extra
    // row is labelled with the day whose morning it ends in.
    const SettingValues tromso{
        {"LatDeg", "69"},       {"LatMin", "39"},   {"LatSec", "00"},           {"LatDir", "North"},
        {"LongDeg", "018"},     {"LongMin", "57"},  {"LongSec", "36"},          {"LongDir", "East"},
        {"Location", "Tromso"}, {"TimeZone", "13"}, {"DaylightSavings", "True"}};
    TObservingAid* a = OpenAid(At(2025, 6, 15), tromso);
    ASSERT_TRUE(a->NightView());
    const QImage& chart = a->Image1.Image();
    const QColor daylight(170, 170, 233);
    auto daylightIn = [&](int x1, int x2, int y) {
        int n = 0;
        for (int x = x1; x < x2; ++x) n += Pixel(chart, x, y) == daylight;
        return n;
    };
    // The bottom of each row, clear of the Moon's bar; the midnight line at x 259.
    for (int row : {0, 15, 30}) {
        EXPECT_GT(daylightIn(21, 258, row * 12 + 11), 200) << "row " << row + 1;
        EXPECT_GT(daylightIn(261, 500, row * 12 + 11), 200) << "row " << row + 1;
    }
    int labelInk = 0;
    for (int y = 30 * 12 + 1; y < 31 * 12; ++y)
        for (int x = 2; x < 18; ++x) labelInk += Pixel(chart, x, y) != QColor(Qt::black);
    EXPECT_GT(labelInk, 3);
    // Below the 31 rows of June's nights nothing is drawn.
    EXPECT_EQ(daylightIn(21, 500, 31 * 12 + 6), 0);
    ExpectGoldenPicture(a->grab().toImage(), "observing_aid_tromso.png");
}

TEST_F(MonthlyTest, ObservingAidCopiesTheChartWithItsMonthPlaceLegendAndWholeScale) {
    TObservingAid* a = OpenAid(At(2025, 3, 10), Place(51, {{"Location", "Leeds"}}));
    EXPECT_EQ(a->lblMonth->Text(), "March 2025");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    Click(a->lblCopy);
    const QImage copied = clipboard->image().convertToFormat(QImage::Format_RGB32);
    const int m = TObservingAid::kPictureMargin;
    const int scaleTop = m + TObservingAid::kPictureHeaderHeight;
    const int chartTop = scaleTop + TObservingAid::kScaleHeight;
    ASSERT_EQ(copied.size(), QSize(500 + 2 * m, chartTop + 384 + m));
    for (int y = 0; y < 384; y += 7)
        for (int x = 0; x < 500; x += 11)
            ASSERT_EQ(copied.pixel(m + x, chartTop + y), a->Image1.Image().pixel(x, y))
                << x << "," << y;
    // The hour scale, its last "12" whole: inside the chart's width, none of it in the margin.
    const auto paleIn = [&copied, scaleTop](int x1, int x2) {
        int n = 0;
        for (int y = scaleTop; y < scaleTop + TObservingAid::kScaleHeight; ++y)
            for (int x = x1; x < x2; ++x) n += Near(Pixel(copied, x, y), kPale);
        return n;
    };
    EXPECT_GT(paleIn(m, m + 500), 30);
    EXPECT_GT(paleIn(m + 485, m + 500), 0);
    EXPECT_EQ(paleIn(m + 500, copied.width()), 0);
    // The legend's swatches stand in the header.
    int daylight = 0;
    for (int y = m; y < scaleTop; ++y)
        for (int x = 0; x < copied.width(); ++x) daylight += Pixel(copied, x, y) == kDaylight;
    EXPECT_GT(daylight, 100);

    // The header names the month and the place: another of either changes it.
    const auto header = [a, scaleTop] { return a->ChartPicture().copy(0, 0, 516, scaleTop); };
    const QImage march = header();
    a->StepMonth(1);
    EXPECT_EQ(a->lblMonth->Text(), "April 2025");
    EXPECT_NE(header(), march);
    a->StepMonth(-1);
    EXPECT_EQ(header(), march);
    TSettings elsewhere = w->Session().Settings();
    elsewhere.Location = "York";
    w->Session().ChangeSettings(elsewhere);
    EXPECT_NE(header(), march);

    clipboard->clear();
    a->imgDayNightClick();
    QTest::keyClick(a, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->image().convertToFormat(QImage::Format_RGB32), a->ChartPicture());
}

TEST_F(MonthlyTest, TimeTextsToMinutes) {
    EXPECT_EQ(HMToMins("07:05"), 425);
    EXPECT_EQ(HMToMins("23:59"), 1439);
    EXPECT_EQ(HMToMins("00:00"), 0);
    EXPECT_EQ(HMToMins("*****"), 0);
    EXPECT_EQ(HMToMins("None"), 0);
    EXPECT_EQ(HMToMins(""), 0);
    EXPECT_EQ(HMToMins("ab:cd"), 0);
    EXPECT_EQ(HMToMins("12:75"), 0);
}

TEST_F(MonthlyTest, ObservingAidPrintsInThePrinterTypesColours) {
    struct Case {
        const char* Printer;
        QColor Background, Astronomical;
    };
    for (const Case& c : {Case{"Colour Inkjet", QColor(25, 25, 25), QColor(50, 50, 90)},
                          Case{"Laser", QColor(50, 50, 50), QColor(80, 80, 80)}}) {
        delete w;
        w = nullptr;
        TObservingAid* a = OpenAid(At(2025, 6, 21), Place(51, {{"PrinterType", c.Printer}}));
        a->imgLinesGridClick();
        ASSERT_TRUE(a->PrintChart(w->SelectedDateTime(), paper));
        ASSERT_EQ(paper.Pages().size(), 1u);
        const QImage& page = paper.Pages()[0];
        EXPECT_EQ(page.size(), QSize(827, 1169)); // the page is not turned
        // The chart fills the page between header and footer: find its top on the margin.
        int top = 0;
        while (top < page.height() && Pixel(page, 60, top) != c.Background) ++top;
        ASSERT_LT(top, 400) << c.Printer;
        int bottom = page.height();
        while (bottom > top && Pixel(page, 60, bottom - 1) != c.Background) --bottom;
        const int rowHeight = (bottom - top) / 33;
        // 15 minutes after midnight of 21 June, night view: row 21 (after the header row),
        // right of the middle.
        const int x = 100 + 363 + 8 + 2;
        const int y = top + rowHeight * 22 - 3;
        EXPECT_EQ(Pixel(page, x, y), c.Astronomical) << c.Printer;
        EXPECT_EQ(Pixel(page, 60, y), c.Background) << c.Printer;
        // White day numbers in the margin and white hour labels in the header row.
        int white = 0;
        for (int yy = top; yy < top + rowHeight; ++yy)
            for (int xx = 100; xx < 827; ++xx) white += Near(Pixel(page, xx, yy), Qt::white);
        EXPECT_GT(white, 50) << c.Printer;
    }
}

// ----- monthly phases --------------------------------------------------------------------

TEST_F(MonthlyTest, PhasesSavesTheWholeCalendarAsABitmap) {
    TMonthlyPhases* p = OpenPhases(At(2025, 3, 10));
    const QString file = dir.filePath(QStringLiteral("phases.bmp"));
    dialogs.saveAnswer = file;
    Click(p->lblSave);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].name, QStringLiteral("MoonPhases.BMP"));
    const QImage saved(file, "BMP");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(461, 414));
    EXPECT_EQ(saved.pixel(0, 0), qRgb(0, 0, 255)); // the frame is saved too
    EXPECT_EQ(saved.pixel(230, 200), p->imgPhases.Image().pixel(230, 200));
    EXPECT_TRUE(dialogs.messages.empty());

    // Cancelling writes nothing; a file that cannot be written is reported.
    QFile::remove(file);
    dialogs.saveAnswer.clear();
    Click(p->lblSave);
    EXPECT_FALSE(QFile::exists(file));
    dialogs.saveAnswer = dir.filePath(QStringLiteral("no/such/folder/phases.bmp"));
    Click(p->lblSave);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("The picture was not saved: ")));
}

TEST_F(MonthlyTest, PhasesSaveDialogStartsInTheUsersPicturesAndOffersPng) {
    // The program's folder is not writable once installed: the dialog starts in the user's
    // pictures folder, or at home when there is none.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    ASSERT_FALSE(pictures.isEmpty());
    QDir(pictures).removeRecursively();
    TMonthlyPhases* p = OpenPhases(At(2025, 3, 10));
    Click(p->lblSave);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].folder, QDir::homePath());
    ASSERT_TRUE(QDir().mkpath(pictures));
    p->hide();
    p->show();
    Click(p->lblSave);
    ASSERT_EQ(dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(dialogs.saveRequests[1].folder, pictures);
    EXPECT_NE(dialogs.saveRequests[1].folder, QCoreApplication::applicationDirPath());
    const QString filter = dialogs.saveRequests[1].filter;
    EXPECT_TRUE(filter.contains(QStringLiteral("*.png"))) << filter.toStdString();
    EXPECT_TRUE(filter.contains(QStringLiteral("*.bmp"))) << filter.toStdString();
    QDir(pictures).removeRecursively();
}

TEST_F(MonthlyTest, PhasesSaveWritesTheFormatOfTheNameAndAddsAMissingExtension) {
    TMonthlyPhases* p = OpenPhases(At(2025, 3, 10));
    auto header = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray();
    };
    struct Case {
        const char* Answer;
        const char* Written;
        QByteArray Header;
    };
    for (const Case& c :
         {Case{"a.png", "a.png", QByteArray("\x89PNG")},
          Case{"b.PNG", "b.PNG", QByteArray("\x89PNG")}, Case{"c.Bmp", "c.Bmp", QByteArray("BM")},
          Case{"d", "d.bmp", QByteArray("BM")}, Case{"e.jpg", "e.jpg.bmp", QByteArray("BM")}}) {
        dialogs.saveAnswer = dir.filePath(QLatin1String(c.Answer));
        Click(p->lblSave);
        const QString written = dir.filePath(QLatin1String(c.Written));
        EXPECT_TRUE(header(written).startsWith(c.Header)) << c.Answer;
        EXPECT_EQ(QImage(written).size(), QSize(461, 414)) << c.Answer;
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("d"))));
    EXPECT_TRUE(dialogs.messages.empty());

    // A name the window completes must not replace a file the dialog never asked about.
    QFile taken(dir.filePath(QStringLiteral("taken.bmp")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly) && taken.write("keep") == 4);
    taken.close();
    dialogs.saveAnswer = dir.filePath(QStringLiteral("taken"));
    Click(p->lblSave);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("The picture was not saved: ")));
    EXPECT_EQ(header(taken.fileName()), QByteArray("keep"));
}

TEST_F(MonthlyTest, PhasesCopiesTheCalendar) {
    TMonthlyPhases* p = OpenPhases(At(2025, 3, 10));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    Click(p->lblCopy);
    EXPECT_EQ(clipboard->image().convertToFormat(QImage::Format_RGB32),
              p->imgPhases.Image().convertToFormat(QImage::Format_RGB32));
    clipboard->clear();
    QTest::keyClick(p, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->image().size(), QSize(461, 414));
    // Other keys with Ctrl do not copy.
    clipboard->clear();
    QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(clipboard->image().isNull());
}

TEST_F(MonthlyTest, PhasesCalendarHasOneCellPerDayWithItsMoon) {
    // March 2025 begins on a Saturday: six empty cells, day 31 in the sixth row. Full moon
    // on the 14th, new moon on the 29th.
    TMonthlyPhases* p = OpenPhases(At(2025, 3, 10));
    const QImage& img = p->imgPhases.Image();
    const int cw = (461 - 6) / 7;
    int rowsTop = 0;
    for (rowsTop = 40; rowsTop < 80; ++rowsTop)
        if (Pixel(img, 3 + cw / 2, rowsTop) == QColor(Qt::black)) break;
    const int ch = (414 - rowsTop - 2) / 6;
    auto centre = [&](int day) {
        const int n = day + 5;
        return QPoint(cw * (n % 7) + cw / 2 + 5, rowsTop + ch * (n / 7) + ch / 2 + 2);
    };
    // Mean grey over the disc.
    auto brightness = [&](int day) {
        const QPoint c = centre(day);
        int sum = 0, n = 0;
        for (int dy = -22; dy <= 22; ++dy)
            for (int dx = -22; dx <= 22; ++dx)
                if (dx * dx + dy * dy <= 22 * 22) {
                    sum += qGray(img.pixel(c.x() + dx, c.y() + dy));
                    ++n;
                }
        return sum / n;
    };
    EXPECT_GT(brightness(14), 80);
    EXPECT_LT(brightness(29), 3);
    EXPECT_GT(brightness(7), brightness(3));
    EXPECT_GT(brightness(3), brightness(29)); // a crescent after the new moon
    // Empty cells stay black, without the grey outline of a day's cell.
    EXPECT_EQ(Pixel(img, 10, rowsTop + 10), QColor(Qt::black));
    EXPECT_EQ(Pixel(img, cw * 6 + 3, rowsTop + 1), QColor(80, 80, 80));      // day 1's cell
    EXPECT_EQ(Pixel(img, cw + 3, rowsTop + 5 * ch + 1), QColor(80, 80, 80)); // day 31's
    EXPECT_EQ(Pixel(img, cw * 2 + 10, rowsTop + 5 * ch + 10), QColor(Qt::black));
    // The title and the weekday row on the standard text colour.
    EXPECT_EQ(Pixel(img, 3 + 2, rowsTop - 3), QColor(255, 255, 176));
    // The window shows it inside its frame.
    p->grab();
    EXPECT_EQ(p->CanvasImage().pixel(18 + 200, 55 + 200), img.pixel(203, 203));
}

TEST_F(MonthlyTest, PhasesInTheSouthTurnTheMoonOver) {
    TMonthlyPhases* p = OpenPhases(At(2025, 3, 10), Place(-35));
    const QImage& original = p->imgOriginal.Image();
    const QImage& turned = p->imgMiniMoon.Image();
    ASSERT_EQ(original.size(), QSize(50, 49));
    for (int y = 0; y < 48; y += 3)
        for (int x = 0; x < 49; x += 3)
            ASSERT_EQ(turned.pixel(x, y), original.pixel(49 - x, 48 - y)) << x << "," << y;
}

TEST_F(MonthlyTest, PhasesWeekdayRowFollowsTheMainWindowsFirstDay) {
    TMonthlyPhases* p = OpenPhases(At(2025, 3, 10), Place(51, {{"DayOrder", "1"}}));
    EXPECT_EQ(p->FirstWeekday(), 1);
    delete w;
    w = nullptr;
    p = OpenPhases(At(2025, 3, 10), Place(51, {{"DayOrder", "0"}}));
    EXPECT_EQ(p->FirstWeekday(), 0);

    // Regional day names other than the English ones still start the row right.
    TRegionalNames german = EnglishRegionalNames();
    german.ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    SetRegionalNames(german);
    delete w;
    w = nullptr;
    p = OpenPhases(At(2025, 3, 10), Place(51, {{"DayOrder", "1"}}));
    EXPECT_EQ(w->WeekdayTitles[0]->Text(), QStringLiteral("Mo"));
    EXPECT_EQ(p->FirstWeekday(), 1);
}

TEST_F(MonthlyTest, MonthPickerRefreshesTheVisibleReports) {
    Start(At(2025, 3, 10), Place(51));
    auto* times = SkinWindow::Create<TTimesList>(w->Session(), *w);
    auto* aid = SkinWindow::Create<TObservingAid>(w->Session(), *w);
    auto* phases = SkinWindow::Create<TMonthlyPhases>(w->Session(), *w);
    auto* months = SkinWindow::Create<TMonthList>(w->Session(), *w);
    times->SetupDataBitmap(w->SelectedDateTime());
    times->show();
    phases->show();
    phases->FormActivate();
    aid->hide();
    const QImage aidBefore = aid->Image1.Image();
    months->show();
    months->imgMonthsMouseMove(1 * TMonthList::kRowHeight + 3); // February
    months->imgMonthsClick();
    EXPECT_EQ(w->SelectedDateTime().Month, 2);
    EXPECT_EQ(times->DayCount(), 28);
    EXPECT_EQ(aid->Image1.Image(), aidBefore); // hidden: left as it was
    // February 2025 starts on a Saturday too, and has no 29th: day 29's cell stays black.
    const int cw = (461 - 6) / 7;
    EXPECT_EQ(Pixel(phases->imgPhases.Image(), cw * 0 + 3, 414 - 2 - 1), QColor(Qt::black));
}

// ----- pictures --------------------------------------------------------------------------

// Renders each window and one page of each printout, as pinned.
TEST_F(MonthlyTest, WindowsAndPagesRender) {
    Start(At(2025, 3, 14, 21, 0), Place(51));
    const auto save = [](const QImage& image, const char* name) {
        ExpectGoldenPicture(image, name);
    };
    ImagePrintTarget printer(2480, 3508, 300); // A4 at the system printer's resolution
    auto* times = SkinWindow::Create<TTimesList>(w->Session(), *w);
    times->SetupDataBitmap(w->SelectedDateTime());
    times->show();
    times->FormActivate();
    save(times->grab().toImage(), "times_list.png");
    ASSERT_TRUE(times->PrintTimes(w->SelectedDateTime(), printer));
    save(printer.Pages().at(0), "times_list_page.png");

    auto* aid = SkinWindow::Create<TObservingAid>(w->Session(), *w);
    aid->show();
    aid->FormActivate();
    aid->imgLinesGridClick();
    save(aid->grab().toImage(), "observing_aid_night.png");
    aid->imgDayNightClick();
    aid->imgLinesGridClick();
    save(aid->grab().toImage(), "observing_aid_day.png");
    aid->imgDayNightClick();
    aid->imgLinesGridClick();
    ASSERT_TRUE(aid->PrintChart(w->SelectedDateTime(), printer));
    save(printer.Pages().at(0), "observing_aid_page.png");

    auto* phases = SkinWindow::Create<TMonthlyPhases>(w->Session(), *w);
    phases->show();
    phases->FormActivate();
    save(phases->grab().toImage(), "monthly_phases.png");
    ChangeSettings([](TSettings& s) { s.LatDir = TNorthSouth::South; });
    phases->DrawMoonPhases();
    save(phases->grab().toImage(), "monthly_phases_south.png");
}

} // namespace
} // namespace crescendar
