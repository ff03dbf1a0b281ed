// The texts of the windows' artwork, written at run time: each window lists its captions, and
// in English every one fits the room its design gives it. In every language the program
// speaks, no text of any window is cut, runs into another or leaves its window.
#include "GoldenPictures.h"
#include "MainFixture.h"

#include "Language.h"
#include "Regional.h"
#include "fAbout.h"
#include "fCalendarExport.h"
#include "fConfiguration.h"
#include "fDateInfo.h"
#include "fEaster.h"
#include "fEclipseReport.h"
#include "fEclipseWindow.h"
#include "fEquinox.h"
#include "fMonthList.h"
#include "fMonthlyPhases.h"
#include "fObservingAid.h"
#include "fPrint.h"
#include "fPrintOptions.h"
#include "fReportMenu.h"
#include "fSolarEclipseWindow.h"
#include "fTimesList.h"
#include "fWebMenu.h"

#include <QComboBox>
#include <QLineEdit>

#include <functional>

namespace crescendar {
namespace {

class CaptionsTest : public MainFixture {};

// The main window and every other window, made for its session: the main window first, the
// calendar export and the web links last.
std::vector<SkinWindow*> EveryWindow(TMain* w) {
    TEclipse* eclipse = SkinWindow::Create<TEclipse>(w->Session(), w, w->imgEclipse);
    return {w,
            SkinWindow::Create<TConfiguration>(w->Session(), w),
            SkinWindow::Create<TDateInfoWindow>(*w),
            SkinWindow::Create<TEquinox>(w->Session(), *w),
            SkinWindow::Create<TEaster>(w->Session(), *w),
            eclipse,
            SkinWindow::Create<TEclipseReport>(w->Session(), w, w->lblReports,
                                               [eclipse] { return eclipse; }),
            SkinWindow::Create<TSolarEclipseWindow>(w->Session(), w, w->imgEclipse),
            SkinWindow::Create<TTimesList>(w->Session(), *w),
            SkinWindow::Create<TObservingAid>(w->Session(), *w),
            SkinWindow::Create<TMonthlyPhases>(w->Session(), *w),
            SkinWindow::Create<TPrintOptions>(w->Session(), w, nullptr),
            SkinWindow::Create<TReportMenu>(w->Session(), *w, *w->lblReports),
            SkinWindow::Create<TMonthList>(w->Session(), *w),
            SkinWindow::Create<TAbout>(*w),
            SkinWindow::Create<TCalendarExport>(w->Session(), *w),
            SkinWindow::Create<TWebMenu>(*w, *w->lblLinks)};
}

TEST_F(CaptionsTest, EveryCaptionOfEveryWindowFitsItsRoom) {
    Start(At(2025, 3, 10), {{"LatDeg", "51"}, {"LatDir", "North"}});
    if (PictureScale(w) != 1) GTEST_SKIP() << "measured at scale 1";
    // Each window, in the order of EveryWindow, with the number of captions it writes and the
    // first of them.
    const std::vector<std::pair<int, QString>> expected = {
        {7, QStringLiteral("Rise/Set Times")},
        {4, QStringLiteral("Configuration")},
        {1, QStringLiteral("Date Information")},
        {4, QStringLiteral("Equinoxes & Solstices")},
        {2, QStringLiteral("Easter Sunday")},
        {1, QStringLiteral("Lunar Eclipse")},
        {2, QStringLiteral("Calculate")},
        {1, QStringLiteral("Solar Eclipse")},
        {19, QStringLiteral("Monthly Rise, Set & Twilight")},
        {1, QStringLiteral("Lunar Visibility")},
        {1, QStringLiteral("Moon Phases")},
        {7, QStringLiteral("Print Calendar")},
        {6, QStringLiteral("Observing Aid: Lunar Visibility")},
        {12, QStringLiteral("January")},
        {2, QStringLiteral("Version " CRESCENDAR_VERSION)},
    };
    const std::vector<SkinWindow*> all = EveryWindow(w);
    std::vector<std::tuple<SkinWindow*, int, QString>> windows;
    for (std::size_t i = 0; i < expected.size(); ++i)
        windows.emplace_back(all[i], expected[i].first, expected[i].second);
    for (const auto& [window, count, first] : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QList<Caption>& captions = window->Captions();
        ASSERT_EQ(captions.size(), count);
        EXPECT_EQ(captions.front().Text, first);
        for (const Caption& c : captions) {
            EXPECT_TRUE(CaptionFits(c)) << c.Text.toStdString() << " is " << CaptionWidth(c)
                                        << " pixels wide, its room " << c.Room.width();
            EXPECT_TRUE(QRect(QPoint(), window->size()).contains(c.Room)) << c.Text.toStdString();
        }
    }
}

// The main window and every other window, made in the language installed.
class LongerWordsTest : public CaptionsTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        CaptionsTest::SetUp();
        InstallLanguage(GetParam(), {});
        UseRegionalNamesInForce();
    }
    void TearDown() override {
        CaptionsTest::TearDown();
        InstallLanguage("en", {});
        QLocale::setDefault(QLocale::system());
        SetRegionalNames(EnglishRegionalNames());
    }
};

// Where a text stands in its window.
QRect InWindow(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

TEST_P(LongerWordsTest, NoTextIsCutOrRunsIntoAnother) {
    // September's full moon has the longest name; a southern place and a date with an eclipse.
    Start(At(2025, 9, 7, 19), {{"LatDeg", "33"}, {"LatDir", "South"}, {"Location", "Sydney"}});
    if (PictureScale(w) != 1) GTEST_SKIP() << "measured at scale 1";
    Tick();
    const std::vector<SkinWindow*> windows = EveryWindow(w);
    auto* equinox = qobject_cast<TEquinox*>(windows[3]);
    ASSERT_NE(equinox, nullptr);
    equinox->ShowEquinox();
    // The main window's captions end before the figures drawn beside them: the Moon's at 249
    // (a minus sign stands before it), the boxes' angles in their pictures from 315.
    for (ClickRegion* caption : w->findChildren<ClickRegion*>(Qt::FindDirectChildrenOnly)) {
        const int end = caption->x() + caption->TextWidth();
        if (caption->x() == 188) {
            EXPECT_LE(end, 243) << caption->Text().toStdString();
        } else if (caption->x() == 284) {
            EXPECT_LE(end, 314) << caption->Text().toStdString();
        }
    }
    for (SkinWindow* window : windows) {
        // The windows that show the month's or the day's facts, with their texts.
        if (auto* sun = qobject_cast<TSolarEclipseWindow*>(window)) sun->ShowMonthEclipses();
        if (auto* moon = qobject_cast<TEclipse*>(window))
            moon->ShowEclipses(w->Session().Eclipses());
        if (auto* info = qobject_cast<TDateInfoWindow*>(window))
            info->ShowDateInfo(w->SelectedDateTime());
        if (auto* times = qobject_cast<TTimesList*>(window))
            times->SetupDataBitmap(w->SelectedDateTime());
        window->show();
        QApplication::processEvents();
        SCOPED_TRACE(window->objectName().toStdString());
        SavePicture(window->grab().toImage(), window->objectName() + QLatin1Char('_') +
                                                  QLatin1String(GetParam()) +
                                                  QStringLiteral(".png"));
        const QRect whole(QPoint(), window->size());
        for (const Caption& c : window->Captions())
            EXPECT_TRUE(CaptionFits(c)) << c.Text.toStdString() << " is " << CaptionWidth(c)
                                        << " pixels wide, its room " << c.Room.width();
        // The texts shown, and the fields they stand beside.
        std::vector<std::pair<QRect, QString>> texts;
        for (ClickRegion* region : window->findChildren<ClickRegion*>()) {
            if (region->window() != window || !region->isVisibleTo(window) ||
                region->Text().trimmed().isEmpty())
                continue;
            const QString text = region->Text().simplified();
            EXPECT_LE(region->TextWidth(), region->width()) << text.toStdString() << " is cut";
            const QRect r = InWindow(region, window);
            EXPECT_TRUE(whole.contains(r)) << text.toStdString() << " leaves its window";
            texts.emplace_back(r, text);
        }
        for (QWidget* field : window->findChildren<QWidget*>())
            if ((qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field->parent())) ||
                qobject_cast<QComboBox*>(field))
                if (field->window() == window && field->isVisibleTo(window))
                    texts.emplace_back(InWindow(field, window), field->objectName());
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                // A text over its own shadow is one text.
                EXPECT_FALSE(texts[i].first.intersects(texts[j].first) &&
                             texts[i].second != texts[j].second)
                    << texts[i].second.toStdString() << " runs into "
                    << texts[j].second.toStdString();
        window->hide();
    }
}

// The printed calendar's legend stays inside the page's frame: the strip just inside the frame's
// right edge, beside the legend, is blank.
TEST_P(LongerWordsTest, ThePrintedCalendarKeepsItsTextsOnThePage) {
    Start(At(2025, 9, 7, 19), {{"LatDeg", "33"}, {"LatDir", "South"}});
    ImagePrintTarget page(1240, 1754, 150); // A4 at 150 pixels per inch
    TPrint calendar(page, CalendarSheetOf(w->Session()));
    ASSERT_TRUE(calendar.PrintCalendar(9, 2025));
    const QImage sheet = page.Pages().at(0);
    SavePicture(sheet, QStringLiteral("calendar_page_%1.png").arg(QLatin1String(GetParam())));
    int inked = 0;
    for (int y = 10; y < 160; ++y)
        for (int x = sheet.width() - 12; x < sheet.width() - 6; ++x)
            if (qGray(sheet.pixel(x, y)) < 128) ++inked;
    EXPECT_EQ(inked, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LongerWordsTest, ::testing::Values("en", "de", "fr", "es"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace crescendar
