// The eclipse window and the eclipse finder, driven offscreen beside a real main window.
#include "GoldenPictures.h"
#include "MainFixture.h"

#include "fEclipseReport.h"
#include "fEclipseWindow.h"
#include "fSolarEclipseWindow.h"

#include "Calendar.h"
#include "EventText.h"
#include "Phases.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace crescendar {
namespace {

std::vector<TEclipseResult> MonthEclipses(int year, int month, const Observer& o) {
    TPhaseList list;
    const int n = MonthPhases(MakeDate(year, month, 1), o, list);
    return CheckForEclipses(list, n, static_cast<std::uint16_t>(year), o);
}

bool Cyan(QRgb c) {
    return qRed(c) < 110 && qGreen(c) > 150 && qBlue(c) > 150;
}

// Whether any cyan text lies in rows top..bottom-1, columns 33..180 of the window canvas.
bool CyanTextIn(const QImage& canvas, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = 33; x < 180; ++x)
            if (Cyan(canvas.pixel(x, y))) return true;
    return false;
}

// Compares a window's picture with its pinned copy.
void Screenshot(QWidget* w, const char* name) {
    ExpectGoldenPicture(w->grab().toImage(), name);
}

class EclipseWindowTest : public MainFixture {
  protected:
    void TearDown() override {
        delete report;
        delete eclipse;
        delete sun;
        MainFixture::TearDown();
    }
    TEclipse* OpenEclipse(const QDateTime& at) {
        Start(at);
        eclipse = SkinWindow::Create<TEclipse>(w->Session(), w, w->imgEclipse);
        eclipse->ShowEclipses(w->Eclipses());
        return eclipse;
    }
    TEclipseReport* OpenReport() {
        if (!eclipse) eclipse = SkinWindow::Create<TEclipse>(w->Session(), w, w->imgEclipse);
        // The solar eclipse window is made the first time the finder asks for it.
        report = SkinWindow::Create<TEclipseReport>(
            w->Session(), w, w->lblReports, [this] { return eclipse; },
            [this] {
                if (!sun)
                    sun = SkinWindow::Create<TSolarEclipseWindow>(w->Session(), w, w->imgEclipse);
                return sun;
            });
        report->ShowEclipseReport();
        report->FormActivate();
        return report;
    }
    // Types the years, clicks Calculate and waits for the search to end.
    void Calculate(const char* from, const char* to) {
        StartSearch(from, to);
        WaitForSearch();
    }
    void StartSearch(const char* from, const char* to) {
        report->txtFromYear->setText(QString::fromLatin1(from));
        report->txtToYear->setText(QString::fromLatin1(to));
        Click(report->lblCalculate);
    }
    void WaitForSearch() { QTRY_VERIFY_WITH_TIMEOUT(!report->Searching(), 60000); }
    QStringList Captions() const {
        QStringList out;
        for (const auto& l : eclipse->Lines()) out << l.Caption;
        return out;
    }

    TEclipse* eclipse = nullptr;
    TEclipseReport* report = nullptr;
    TSolarEclipseWindow* sun = nullptr;
};

// Dallas (32.7767 N, 96.7970 W) on the clock of Chicago.
const SettingValues kDallas = {
    {"LatDeg", "32"},    {"LatMin", "46"},    {"LatSec", "36"},
    {"LatDir", "North"}, {"LongDeg", "96"},   {"LongMin", "47"},
    {"LongSec", "49"},   {"LongDir", "West"}, {"ZoneName", "America/Chicago"}};

bool RadioChecked(QWidget* caption) {
    return QAccessible::queryAccessibleInterface(caption)->state().checked;
}

TEST(EclipseMagnitude, RoundsHalvesToEvenAndDropsTrailingZeros) {
    EXPECT_EQ(MagnitudeText(1.2504), "1.25");
    EXPECT_EQ(MagnitudeText(1.0), "1");
    EXPECT_EQ(MagnitudeText(0.0625), "0.062"); // 62.5 thousandths, to even
    EXPECT_EQ(MagnitudeText(0.1875), "0.188");
    EXPECT_EQ(MagnitudeText(-0.0004), "0");
    TRegionalNames names = EnglishRegionalNames();
    names.DecimalSeparator = ",";
    SetRegionalNames(names);
    EXPECT_EQ(MagnitudeText(1.1784), "1,178");
    SetRegionalNames(EnglishRegionalNames());
}

TEST_F(EclipseWindowTest, TotalEclipseShowsSevenContactsAroundTheMaximum) {
    OpenEclipse(At(2025, 3, 14));
    ASSERT_TRUE(eclipse->isVisible());
    const TEclipseResult& r = eclipse->Eclipses().at(0);
    ASSERT_EQ(r.EclipseType, kTotalEclipse);
    EXPECT_TRUE(eclipse->lblEclipseType->Text().startsWith("Total Eclipse ("));
    EXPECT_EQ(eclipse->lblDate->Text(), "14 March 2025");
    EXPECT_EQ(eclipse->lblMaximum->Text(),
              QString::fromStdString(EclipseTexts(r).MaximumText) + "  14 March 2025");

    const auto& lines = eclipse->Lines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(Captions(),
              QStringList({"Moon enters Penumbra:", "Moon enters Umbra:", "Start of Totality:",
                           "Eclipse Maximum:", "End of Totality:", "Moon exits Umbra:",
                           "Moon exits Penumbra:", "Eclipse Magnitude:"}));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(lines[i].Top + lines[6 - i].Top, 284) << i; // symmetric about y 142
        if (i > 0) {
            EXPECT_LE(lines[i - 1].Value, lines[i].Value) << "times in order at " << i;
        }
    }
    EXPECT_EQ(lines[7].Top, 210);
    EXPECT_EQ(lines[7].Value.toStdString(), MagnitudeText(r.UmbralMagnitude));
    // Every line is painted, the labels in cyan.
    const int h = lines[3].Top - lines[2].Top;
    EXPECT_TRUE(CyanTextIn(eclipse->CanvasImage(), 142 - 3 * h, 142 - 2 * h));
    EXPECT_TRUE(CyanTextIn(eclipse->CanvasImage(), 142 + 3 * h, 142 + 4 * h));

    // The shadow picture has its own place below the magnitude: no text there, and none of
    // the picture's shadow colours among the texts.
    const QImage canvas = eclipse->CanvasImage();
    const int pictureTop = 210 + h + 2;
    auto shadowIn = [&](int top, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 21; x < 231; ++x) {
                const QColor c = canvas.pixelColor(x, y);
                // The umbra's dark reds and the penumbra's dark blues.
                const bool umbra = c.alpha() == 255 && c.red() > 40 && c.red() < 110 &&
                                   c.green() < c.red() / 2 && c.blue() < c.red() / 2;
                const bool penumbra = c.alpha() == 255 && c.blue() > 36 && c.blue() < 90 &&
                                      c.red() < 60 && c.red() > 20 && c.blue() > c.red() + 10;
                n += umbra || penumbra;
            }
        return n;
    };
    EXPECT_EQ(shadowIn(72, pictureTop), 0);
    EXPECT_GT(shadowIn(pictureTop, eclipse->height() - 20), 500);
    EXPECT_FALSE(CyanTextIn(canvas, pictureTop, eclipse->height() - 20));
    Screenshot(eclipse, "eclipse_total.png");
}

TEST_F(EclipseWindowTest, PenumbralEclipseShowsThreeLinesAndThePenumbralMagnitude) {
    OpenEclipse(At(2024, 3, 25));
    const TEclipseResult& r = eclipse->Eclipses().at(0);
    ASSERT_EQ(r.EclipseType, kPenumbralEclipse);
    EXPECT_TRUE(eclipse->lblEclipseType->Text().startsWith("Penumbral Eclipse ("));
    EXPECT_EQ(Captions(), QStringList({"Moon enters Penumbra:", "Eclipse Maximum:",
                                       "Moon exits Penumbra:", "Eclipse Magnitude:"}));
    const auto& lines = eclipse->Lines();
    EXPECT_EQ(lines[3].Value.toStdString(), MagnitudeText(r.PenumbralMagnitude));
    const int h = lines[1].Top - lines[0].Top;
    EXPECT_EQ(lines[0].Top, 142 - h);
    EXPECT_EQ(lines[2].Top, 142 + h);
    // Nothing is drawn where a partial or total eclipse has its umbral contacts.
    EXPECT_FALSE(CyanTextIn(eclipse->CanvasImage(), 142 - 3 * h, 142 - h));
    EXPECT_FALSE(CyanTextIn(eclipse->CanvasImage(), 142 + 2 * h, 142 + 4 * h));
    EXPECT_TRUE(CyanTextIn(eclipse->CanvasImage(), 142 - h, 142));
    Screenshot(eclipse, "eclipse_penumbral.png");
}

TEST_F(EclipseWindowTest, LongestTitleFitsOnItsPlate) {
    OpenEclipse(At(2025, 3, 14));
    TEclipseResult r = eclipse->Eclipses().at(0);
    r.EclipseType = kPenumbralEclipse;
    r.Visibility = TEclipseVisibility::PartlyVisible;
    eclipse->ShowEclipses({r});
    EXPECT_EQ(eclipse->lblEclipseType->Text(), "Penumbral Eclipse (Partially Visible)");
    EXPECT_GE(eclipse->lblEclipseType->x(), 10);
    EXPECT_LE(eclipse->lblEclipseType->x() + eclipse->lblEclipseType->width(), 242);
}

TEST_F(EclipseWindowTest, DoubleClickOnTheDateMovesTheMainWindowToTheEclipse) {
    Start(At(2025, 1, 10));
    eclipse = SkinWindow::Create<TEclipse>(w->Session(), w, w->imgEclipse);
    eclipse->ShowEclipses(MonthEclipses(2025, 9, w->GetObserver()));
    QTest::mouseDClick(eclipse->lblDate, Qt::LeftButton, {}, {3, 3});
    const TDateTimeRecord& d = w->SelectedDateTime();
    EXPECT_EQ(d.Day, 7);
    EXPECT_EQ(d.Month, 9);
    EXPECT_EQ(d.Year, 2025);
    ASSERT_EQ(w->Eclipses().size(), 1u);
    EXPECT_EQ(EclipseTexts(w->Eclipses()[0]).DateText, "07 September 2025");
    // The main window shows the instant of the maximum.
    const QTime maximumTime = QTime::fromString(
        QString::fromStdString(EclipseTexts(eclipse->Eclipses()[0]).MaximumText), "hh:mm");
    const int maximum = maximumTime.hour() * 60 + maximumTime.minute();
    EXPECT_EQ(std::lround(d.Hour * 60 + d.Minute + w->TimeOffset() * 1440), maximum);
}

TEST_F(EclipseWindowTest, FollowsTheMainWindowAndClosesInAMonthWithoutEclipse) {
    OpenEclipse(At(2025, 3, 14));
    w->ShowSelectedMonth(MakeDate(2025, 9, 1));
    eclipse->MonthChanged(w->Eclipses());
    ASSERT_TRUE(eclipse->isVisible());
    EXPECT_EQ(eclipse->lblDate->Text(), "07 September 2025");

    w->ShowSelectedMonth(MakeDate(2025, 4, 1));
    ASSERT_TRUE(w->Eclipses().empty());
    eclipse->MonthChanged(w->Eclipses());
    EXPECT_FALSE(eclipse->isVisible());
    // A closed window stays closed when the main window reaches an eclipse again.
    w->ShowSelectedMonth(MakeDate(2025, 3, 1));
    eclipse->MonthChanged(w->Eclipses());
    EXPECT_FALSE(eclipse->isVisible());
}

TEST_F(EclipseWindowTest, MonthWithTwoEclipsesShowsEitherByClickingTheTitle) {
    OpenEclipse(At(1904, 3, 10));
    ASSERT_EQ(w->Eclipses().size(), 2u);
    EXPECT_EQ(eclipse->lblDate->Text(), "02 March 1904");
    ASSERT_TRUE(eclipse->lblOther->isVisible());
    EXPECT_TRUE(eclipse->lblOther->Text().startsWith("1 of 2"));
    Screenshot(eclipse, "eclipse_two.png");
    Click(eclipse->lblEclipseType);
    EXPECT_EQ(eclipse->lblDate->Text(), "31 March 1904");
    EXPECT_TRUE(eclipse->lblOther->Text().startsWith("2 of 2"));
    // Laying out the same month again keeps the choice; the right button does not toggle.
    eclipse->MonthChanged(w->Eclipses());
    Click(eclipse->lblOther, Qt::RightButton);
    EXPECT_EQ(eclipse->lblDate->Text(), "31 March 1904");
    Click(eclipse->lblOther);
    EXPECT_EQ(eclipse->lblDate->Text(), "02 March 1904");
    // A month with one eclipse hides the counter.
    w->ShowSelectedMonth(MakeDate(2025, 3, 1));
    eclipse->MonthChanged(w->Eclipses());
    EXPECT_FALSE(eclipse->lblOther->isVisible());
}

TEST_F(EclipseWindowTest, FinderListsASingleYearWhenFromEqualsTo) {
    Start(At(2025, 3, 14));
    OpenReport();
    EXPECT_EQ(report->txtFromYear->text(), "2025"); // the clock's year on showing
    EXPECT_EQ(report->txtToYear->text(), "2025");
    Calculate("2025", "2025");
    ASSERT_EQ(report->Rows().size(), 2u);
    EXPECT_EQ(TEclipseReport::TimeAndDate(report->Rows()[0]).substr(5), "  14 March 2025");
    EXPECT_EQ(TEclipseReport::TimeAndDate(report->Rows()[1]).substr(5), "  07 September 2025");
    EXPECT_EQ(report->Rows()[0].EclipseType, kTotalEclipse);
    EXPECT_EQ(report->ScrollBar1->maximum(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
    Screenshot(report, "eclipse_report_2025.png");
}

TEST_F(EclipseWindowTest, ScrollBarReachesOneWithThirteenRowsAndScrollsByTwelve) {
    Start(At(2025, 3, 14));
    OpenReport();
    // Year ranges with exactly twelve and thirteen eclipses.
    int twelve = 0, thirteen = 0;
    for (int from = 1990; from < 2030 && (!twelve || !thirteen); ++from) {
        for (int to = from; to < from + 6; ++to) {
            const auto n = FindEclipses(from, to, w->GetObserver()).size();
            if (n == 12 && !twelve) twelve = from * 10000 + to;
            if (n == 13 && !thirteen) thirteen = from * 10000 + to;
        }
    }
    ASSERT_TRUE(twelve && thirteen);
    auto run = [&](int range) {
        Calculate(QByteArray::number(range / 10000).constData(),
                  QByteArray::number(range % 10000).constData());
    };
    run(twelve);
    EXPECT_EQ(report->Rows().size(), 12u);
    EXPECT_EQ(report->ScrollBar1->maximum(), 0);
    run(thirteen);
    EXPECT_EQ(report->Rows().size(), 13u);
    EXPECT_EQ(report->ScrollBar1->maximum(), 1);
    EXPECT_EQ(report->ScrollBar1->pageStep(), 12);

    // The bands belong to the rows: row 1 (grey) is on the first line after scrolling by one.
    const QRgb grey = qRgb(70, 70, 70);
    auto bandAt = [&](int line) { return report->CanvasImage().pixel(22, 73 + 16 * line + 8); };
    EXPECT_EQ(bandAt(0), qRgb(0, 0, 0));
    EXPECT_EQ(bandAt(1), grey);
    report->ScrollBar1->setValue(1);
    EXPECT_EQ(bandAt(0), grey);
    EXPECT_EQ(bandAt(1), qRgb(0, 0, 0));
    // A double-click on the first line now takes row 1.
    QTest::mouseDClick(report, Qt::LeftButton, {}, {120, 73 + 4});
    EXPECT_EQ(report->lblSelectedDate->Text().toStdString(),
              TEclipseReport::TimeAndDate(report->Rows()[1]));
}

TEST_F(EclipseWindowTest, DoubleClickOutsideTheRowsDoesNothing) {
    Start(At(2025, 3, 14));
    OpenReport();
    Calculate("2025", "2025");
    const TDateTimeRecord before = w->SelectedDateTime();
    const double offset = w->TimeOffset();
    for (QPoint at : {QPoint(120, 73 + 32 + 4), QPoint(120, 73 + 16 * 11 + 4), QPoint(10, 80),
                      QPoint(376, 80), QPoint(120, 68)}) {
        QTest::mouseDClick(report, Qt::LeftButton, {}, at);
        EXPECT_FALSE(eclipse->isVisible()) << at.x() << "," << at.y();
        EXPECT_TRUE(report->lblSelectedDate->Text().isEmpty());
    }
    EXPECT_EQ(w->SelectedDateTime().Month, before.Month);
    EXPECT_EQ(w->SelectedDateTime().Day, before.Day);
    EXPECT_EQ(w->TimeOffset(), offset);
}

TEST_F(EclipseWindowTest, DoubleClickOnARowMovesTheMainWindowAndPlacesTheEclipseBeside) {
    Start(At(2025, 1, 10));
    OpenReport();
    Calculate("2025", "2025");
    QTest::mouseDClick(report, Qt::LeftButton, {}, {150, 73 + 16 + 6}); // second row
    EXPECT_EQ(w->SelectedDateTime().Day, 7);
    EXPECT_EQ(w->SelectedDateTime().Month, 9);
    ASSERT_TRUE(eclipse->isVisible());
    EXPECT_EQ(eclipse->lblDate->Text(), "07 September 2025");
    EXPECT_EQ(eclipse->x(), w->x() + (w->width() - (eclipse->width() + report->width())) / 2);
    EXPECT_EQ(report->x(), eclipse->x() + eclipse->width());
    Screenshot(eclipse, "eclipse_from_report.png");
}

TEST_F(EclipseWindowTest, YearBoxesTakeDigitsOnlyAndBadRangesGiveAMessage) {
    Start(At(2025, 3, 14));
    OpenReport();
    report->txtFromYear->clear();
    QTest::keyClicks(report->txtFromYear, "2a0-b2 5!9");
    EXPECT_EQ(report->txtFromYear->text(), "2025");

    Calculate("2025", "2025");
    ASSERT_EQ(report->Rows().size(), 2u);
    const QImage list = report->CanvasImage();

    Calculate("2026", "2025");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "The \"From\" year must not be later than the \"To\" year.");
    EXPECT_EQ(report->Rows().size(), 2u);
    EXPECT_EQ(report->CanvasImage(), list);

    Calculate("", "2025");
    Calculate("2025", "");
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[1], kEmptyYearMessage);
    EXPECT_EQ(dialogs.messages[2], kEmptyYearMessage);
    EXPECT_EQ(report->Rows().size(), 2u);
    EXPECT_EQ(report->CanvasImage(), list);

    // 0 is not a year: it is refused as the command line refuses it, not read as 1.
    Calculate("0", "2025");
    Calculate("2025", "0");
    ASSERT_EQ(dialogs.messages.size(), 5u);
    EXPECT_EQ(dialogs.messages[3], kYearRangeMessage);
    EXPECT_EQ(dialogs.messages[4], kYearRangeMessage);
    EXPECT_EQ(report->Rows().size(), 2u);
    EXPECT_EQ(report->CanvasImage(), list);
}

TEST_F(EclipseWindowTest, NewSearchStartsAtTheTopAndCountsTheEclipses) {
    Start(At(2025, 3, 14));
    OpenReport();
    Calculate("2020", "2030");
    EXPECT_EQ(report->lblStatus->Text(),
              QStringLiteral("%1 eclipses found").arg(report->Rows().size()));
    report->ScrollBar1->setValue(report->ScrollBar1->maximum());
    Calculate("1904", "1904");
    EXPECT_EQ(report->ScrollBar1->value(), 0);
    ASSERT_FALSE(report->Rows().empty());
    EXPECT_TRUE(TEclipseReport::TimeAndDate(report->Rows()[0]).find("1904") != std::string::npos);
    // The first line shows the first row: black band, then grey.
    EXPECT_EQ(report->CanvasImage().pixel(22, 73 + 8), qRgb(0, 0, 0));
    Calculate("2025", "2025");
    EXPECT_EQ(report->lblStatus->Text(), "2 eclipses found");
}

// Pale yellow, the colour of the magnitudes and the visibility.
bool PaleYellow(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 180 && qBlue(c) < 150;
}

TEST_F(EclipseWindowTest, EachLineShowsItsMagnitudeBeforeTheDate) {
    Start(At(2025, 3, 14));
    OpenReport();
    Calculate("2025", "2025");
    ASSERT_EQ(report->Rows().size(), 2u);
    // Both lines have pale-yellow text between the kind and the date (window x 60..118).
    const QImage canvas = report->CanvasImage();
    for (int line = 0; line < 2; ++line) {
        bool found = false;
        for (int y = 73 + 16 * line; y < 73 + 16 * (line + 1) && !found; ++y)
            for (int x = 60; x < 118 && !found; ++x) found = PaleYellow(canvas.pixel(x, y));
        EXPECT_TRUE(found) << line;
    }
}

TEST_F(EclipseWindowTest, LongSearchShowsProgressAndStopsOnEscape) {
    Start(At(2025, 3, 14));
    OpenReport();
    Calculate("2025", "2025");
    StartSearch("1", "9999");
    ASSERT_TRUE(report->Searching());
    EXPECT_TRUE(report->barProgress->isVisible());
    EXPECT_TRUE(report->lblCancel->isVisible());
    EXPECT_TRUE(report->Rows().empty()); // the old list is gone
    // Taken before the window has looked at the workers: the bar stands at 0%.
    Screenshot(report, "eclipse_report_searching.png");
    QTest::keyClick(report, Qt::Key_Escape);
    EXPECT_FALSE(report->Searching());
    EXPECT_TRUE(report->isVisible()); // Escape stopped the search, not the window
    EXPECT_FALSE(report->barProgress->isVisible());
    EXPECT_TRUE(report->Rows().empty());
    EXPECT_EQ(report->lblStatus->Text(), "Search cancelled");
    // Escape with no search running closes the window as before.
    QTest::keyClick(report, Qt::Key_Escape);
    EXPECT_FALSE(report->isVisible());
}

TEST_F(EclipseWindowTest, WholeRangeListsWhatTheEngineFindsInOrder) {
    Start(At(2025, 3, 14));
    OpenReport();
    StartSearch("1", "9999");
    // Cancel by its region, then run the whole range to its end.
    Click(report->lblCancel);
    EXPECT_FALSE(report->Searching());
    Calculate("1", "9999");
    const auto want = FindEclipses(1, 9999, w->GetObserver());
    ASSERT_EQ(report->Rows().size(), want.size());
    for (std::size_t i = 0; i < want.size(); i += 97)
        EXPECT_EQ(TEclipseReport::TimeAndDate(report->Rows()[i]),
                  EclipseTexts(want[i]).MaximumText + "  " + EclipseTexts(want[i]).DateText);
    EXPECT_EQ(TEclipseReport::TimeAndDate(report->Rows().back()),
              EclipseTexts(want.back()).MaximumText + "  " + EclipseTexts(want.back()).DateText);
    EXPECT_EQ(report->lblStatus->Text(), QStringLiteral("%1 eclipses found").arg(want.size()));
}

TEST_F(EclipseWindowTest, FinderKeepsBothEclipsesOfAMonthAndOpensTheOneClicked) {
    Start(At(1904, 1, 10));
    OpenReport();
    Calculate("1904", "1904");
    std::vector<std::string> march;
    for (const auto& row : report->Rows())
        if (TEclipseReport::TimeAndDate(row).find("March 1904") != std::string::npos)
            march.push_back(TEclipseReport::TimeAndDate(row));
    ASSERT_EQ(march.size(), 2u);
    // The second March row: find its line and double-click it.
    const auto& rows = report->Rows();
    const auto index =
        std::find_if(rows.begin(), rows.end(),
                     [&](const auto& r) { return TEclipseReport::TimeAndDate(r) == march[1]; }) -
        rows.begin();
    QTest::mouseDClick(report, Qt::LeftButton, {}, {150, 73 + 16 * int(index) + 6});
    ASSERT_TRUE(eclipse->isVisible());
    EXPECT_EQ(eclipse->lblDate->Text(), "31 March 1904");
    EXPECT_EQ(eclipse->ShownIndex(), 1u);
    EXPECT_EQ(w->SelectedDateTime().Day, 31);
}

// A row whose eclipse the month no longer holds (the zone changed after the search: the
// maximum of 31 March 1904, 12:31 UT, now falls on 1 April) still opens its own eclipse.
TEST_F(EclipseWindowTest, FinderOpensARowsEclipseThatTheMonthNoLongerHolds) {
    Start(At(1904, 1, 10));
    OpenReport();
    Calculate("1904", "1904");
    ASSERT_EQ(report->Rows().size(), 3u);
    const std::string row = TEclipseReport::TimeAndDate(report->Rows()[1]);
    ASSERT_NE(row.find("31 March 1904"), std::string::npos);
    ChangeSettings([](TSettings& s) {
        s.ZoneName.clear();
        s.TimeZoneIdx = 48; // UTC+12
        s.DaylightSavings = false;
    });
    QTest::mouseDClick(report, Qt::LeftButton, {}, {150, 73 + 16 + 6});
    ASSERT_TRUE(eclipse->isVisible());
    EXPECT_EQ(eclipse->lblDate->Text(), "31 March 1904");
    EXPECT_EQ(eclipse->Eclipses().size(), 1u);
}

TEST_F(EclipseWindowTest, ScreenshotOfTheFinder) {
    Start(At(2025, 3, 14));
    OpenReport();
    Calculate("2020", "2030");
    EXPECT_GT(report->ScrollBar1->maximum(), 0);
    report->ScrollBar1->setValue(3);
    Screenshot(report, "eclipse_report.png");
}

// The choice of lunar, solar or both by its keys, its captions and its glyphs; each is a
// radio button that tells whether it is checked, and a change runs the list's search again.
TEST_F(EclipseWindowTest, FinderChoiceTakesKeysAndClicksAndSearchesAgain) {
    Start(At(2025, 3, 14));
    OpenReport();
    EXPECT_EQ(report->Choice(), TEclipseChoice::Lunar);
    const struct {
        const char* How;
        std::function<void()> Choose;
        TEclipseChoice Want;
    } cases[] = {
        {"Alt+S", [&] { QTest::keyClick(report, Qt::Key_S, Qt::AltModifier); },
         TEclipseChoice::Solar},
        {"Alt+B in a year box",
         [&] { QTest::keyClick(report->txtFromYear, Qt::Key_B, Qt::AltModifier); },
         TEclipseChoice::Both},
        {"Alt+L", [&] { QTest::keyClick(report, Qt::Key_L, Qt::AltModifier); },
         TEclipseChoice::Lunar},
        {"the Solar caption", [&] { Click(report->lblSolar); }, TEclipseChoice::Solar},
        {"the Both glyph",
         [&] {
             Click(report->imgBoth, Qt::LeftButton, {7, 7});
         },
         TEclipseChoice::Both},
        {"Tab to Lunar, Space",
         [&] {
             report->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(report));
             report->tblEclipses->setFocus(Qt::TabFocusReason);
             QTest::keyClick(report->tblEclipses, Qt::Key_Tab);
             ASSERT_EQ(report->focusWidget(), report->lblLunar);
             SavePicture(report->grab().toImage(), "eclipse_report_choice_focus.png");
             QTest::keyClick(report->lblLunar, Qt::Key_Space);
         },
         TEclipseChoice::Lunar},
    };
    for (const auto& c : cases) {
        c.Choose();
        EXPECT_EQ(report->Choice(), c.Want) << c.How;
        EXPECT_FALSE(report->Searching()) << c.How; // no list yet: nothing to search again
        const std::pair<ClickRegion*, TEclipseChoice> radios[] = {
            {report->lblLunar, TEclipseChoice::Lunar},
            {report->lblSolar, TEclipseChoice::Solar},
            {report->lblBoth, TEclipseChoice::Both}};
        for (const auto& [caption, value] : radios) {
            EXPECT_EQ(QAccessible::queryAccessibleInterface(caption)->role(),
                      QAccessible::RadioButton);
            EXPECT_EQ(RadioChecked(caption), value == c.Want) << c.How;
        }
    }
    EXPECT_EQ(report->lblSolar->accessibleName(), "Solar");

    // With a list shown, a new choice lists the same years again.
    Calculate("2025", "2025");
    ASSERT_EQ(report->Rows().size(), 2u);
    report->txtFromYear->setText("1999"); // typed, not calculated
    QTest::keyClick(report, Qt::Key_S, Qt::AltModifier);
    WaitForSearch();
    ASSERT_EQ(report->Rows().size(), 2u); // 29 March and 21 September 2025
    for (const auto& row : report->Rows()) EXPECT_EQ(row.Body, TEclipseBody::Sun);
    EXPECT_EQ(report->Rows()[0].MaximumDate.Year, 2025);

    // Closed and shown again, the window keeps the choice.
    report->close();
    report->ShowEclipseReport();
    EXPECT_EQ(report->Choice(), TEclipseChoice::Solar);
    EXPECT_TRUE(RadioChecked(report->lblSolar));
}

// A long search of solar or of both kinds shows its progress and stops on Escape.
TEST_F(EclipseWindowTest, SolarAndBothSearchesShowProgressAndStopOnEscape) {
    Start(At(2025, 3, 14));
    OpenReport();
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_B}) {
        QTest::keyClick(report, key, Qt::AltModifier);
        StartSearch("1", "9999");
        ASSERT_TRUE(report->Searching());
        QTRY_VERIFY_WITH_TIMEOUT(report->barProgress->value() > 0, 20000);
        EXPECT_TRUE(report->lblCancel->isVisible());
        QTest::keyClick(report, Qt::Key_Escape);
        EXPECT_FALSE(report->Searching());
        EXPECT_TRUE(report->Rows().empty());
        EXPECT_EQ(report->lblStatus->Text(), "Search cancelled");
    }
    // A cancelled search is not run again by a new choice.
    QTest::keyClick(report, Qt::Key_L, Qt::AltModifier);
    EXPECT_FALSE(report->Searching());
    EXPECT_TRUE(report->isVisible());
}

TEST_F(EclipseWindowTest, FinderListsTheSolarEclipsesSeenFromDallas) {
    Start(At(2024, 1, 10), kDallas);
    OpenReport();
    QTest::keyClick(report, Qt::Key_S, Qt::AltModifier);
    Calculate("2024", "2027");
    // Two a year, from 8 April 2024 to 2 August 2027; only the first is seen from Dallas.
    const auto& rows = report->Rows();
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(report->lblStatus->Text(), "8 eclipses found");
    const TTable table = report->Table();
    EXPECT_EQ(table[0], (std::vector<std::string>{"Body", "Eclipse", "Magnitude", "Maximum", "Date",
                                                  "Visibility"}));
    const std::vector<std::string>& april = table[1];
    EXPECT_EQ(april[0], "Sun");
    EXPECT_EQ(april[1], "Total");
    EXPECT_EQ(april[4], "08 April 2024");
    EXPECT_EQ(april[5], "Visible");
    // 18:42 UT, 13:42 on the daylight-saving clock of Chicago.
    const QTime maximum = QTime::fromString(QString::fromStdString(april[3]), "hh:mm");
    EXPECT_LE(std::abs(maximum.secsTo(QTime(13, 42))), 120) << april[3];
    EXPECT_GT(std::stod(april[2]), 1.0) << april[2];
    for (std::size_t i = 2; i < table.size(); ++i) {
        EXPECT_EQ(table[i][0], "Sun");
        EXPECT_EQ(table[i][5], "Not Visible") << table[i][4];
    }

    // Copied as it is listed, the body first.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], "Body\tEclipse\tMagnitude\tMaximum\tDate\tVisibility");
    EXPECT_EQ(lines[1].toStdString(),
              "Sun\tTotal\t" + april[2] + "\t" + april[3] + "\t08 April 2024\tVisible");
    Screenshot(report, "eclipse_report_solar.png");
}

TEST_F(EclipseWindowTest, FinderListsBothBodiesInTimeOrderAndLunarAsBefore) {
    Start(At(2024, 1, 10), kDallas);
    OpenReport();
    const Observer o = w->GetObserver();
    // Lunar: the table of the engine's results, without a body column.
    Calculate("2024", "2027");
    EXPECT_EQ(report->Table(), EclipseTable(FindEclipses(2024, 2027, o)));
    const std::size_t lunar = report->Rows().size();

    QTest::keyClick(report, Qt::Key_B, Qt::AltModifier);
    WaitForSearch();
    const auto& rows = report->Rows();
    ASSERT_EQ(rows.size(), lunar + FindSolarEclipses(2024, 2027, o).size());
    std::size_t suns = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        suns += rows[i].Body == TEclipseBody::Sun;
        if (i > 0) {
            EXPECT_LT(rows[i - 1].MaximumDate.JD, rows[i].MaximumDate.JD) << i;
        }
    }
    EXPECT_EQ(suns, 8u);
    const TTable table = report->Table();
    EXPECT_EQ(table[0][0], "Body");
    // The lunar lines read as in the lunar list, after their body.
    std::vector<std::vector<std::string>> moons;
    for (std::size_t i = 1; i < table.size(); ++i)
        if (table[i][0] == "Moon") moons.emplace_back(table[i].begin() + 1, table[i].end());
    const TTable lunarTable = EclipseTable(FindEclipses(2024, 2027, o));
    EXPECT_EQ(moons,
              std::vector<std::vector<std::string>>(lunarTable.begin() + 1, lunarTable.end()));
    Screenshot(report, "eclipse_report_both.png");

    // Back to lunar: the list and the table are those of before.
    QTest::keyClick(report, Qt::Key_L, Qt::AltModifier);
    WaitForSearch();
    EXPECT_EQ(report->Table(), lunarTable);
}

// Return on a solar line selects its day and opens the solar eclipse window at that eclipse,
// the window made only then.
TEST_F(EclipseWindowTest, ReturnOnASolarLineOpensTheSolarEclipseWindow) {
    Start(At(2024, 1, 10), kDallas);
    OpenReport();
    Click(report->lblBoth);
    Calculate("2024", "2024");
    EXPECT_EQ(sun, nullptr);
    const auto& rows = report->Rows();
    const auto april = std::find_if(rows.begin(), rows.end(), [](const TEclipseLine& r) {
        return r.Body == TEclipseBody::Sun && r.MaximumDate.Month == 4;
    });
    ASSERT_NE(april, rows.end());
    report->tblEclipses->setFocus(Qt::TabFocusReason);
    report->tblEclipses->SetCurrentRow(static_cast<int>(april - rows.begin()));
    QTest::keyClick(report->tblEclipses, Qt::Key_Return);
    ASSERT_NE(sun, nullptr);
    ASSERT_TRUE(sun->isVisible());
    EXPECT_EQ(sun->Eclipses()[sun->ShownIndex()].Eclipse.Greatest, april->Maximum);
    EXPECT_EQ(w->SelectedDateTime().Day, 8);
    EXPECT_EQ(w->SelectedDateTime().Month, 4);
    EXPECT_FALSE(eclipse->isVisible());
    EXPECT_EQ(report->x(), sun->x() + sun->width());
}

} // namespace
} // namespace crescendar
