// The texts of the windows' artwork, written at run time: each window lists its captions, and
// in English every one fits the room its design gives it.
#include "MainFixture.h"

#include "fAbout.h"
#include "fConfiguration.h"
#include "fDateInfo.h"
#include "fEaster.h"
#include "fEclipseReport.h"
#include "fEclipseWindow.h"
#include "fEquinox.h"
#include "fMonthList.h"
#include "fMonthlyPhases.h"
#include "fObservingAid.h"
#include "fPrintOptions.h"
#include "fReportMenu.h"
#include "fTimesList.h"

#include <functional>

namespace crescendar {
namespace {

class CaptionsTest : public MainFixture {};

TEST_F(CaptionsTest, EveryCaptionOfEveryWindowFitsItsRoom) {
    Start(At(2025, 3, 10), {{"LatDeg", "51"}, {"LatDir", "North"}});
    if (PictureScale(w) != 1) GTEST_SKIP() << "measured at scale 1";
    TEclipse* eclipse = SkinWindow::Create<TEclipse>(w->Session(), w, w->imgEclipse);
    // Each window with the number of captions it writes, and the first of them.
    const std::vector<std::tuple<SkinWindow*, int, QString>> windows = {
        {w, 7, QStringLiteral("Rise/Set Times")},
        {SkinWindow::Create<TConfiguration>(w->Session(), w), 4, QStringLiteral("Configuration")},
        {SkinWindow::Create<TDateInfoWindow>(*w), 1, QStringLiteral("Date Information")},
        {SkinWindow::Create<TEquinox>(w->Session(), *w), 4,
         QStringLiteral("Equinoxes & Solstices")},
        {SkinWindow::Create<TEaster>(w->Session(), *w), 2, QStringLiteral("Easter Sunday")},
        {eclipse, 1, QStringLiteral("Lunar Eclipse")},
        {SkinWindow::Create<TEclipseReport>(w->Session(), w, w->lblReports, eclipse), 2,
         QStringLiteral("Calculate")},
        {SkinWindow::Create<TTimesList>(w->Session(), *w), 19,
         QStringLiteral("Monthly Rise, Set & Twilight")},
        {SkinWindow::Create<TObservingAid>(w->Session(), *w), 1,
         QStringLiteral("Lunar Visibility")},
        {SkinWindow::Create<TMonthlyPhases>(w->Session(), *w), 1, QStringLiteral("Moon Phases")},
        {SkinWindow::Create<TPrintOptions>(w->Session(), w, nullptr), 7,
         QStringLiteral("Print Calendar")},
        {SkinWindow::Create<TReportMenu>(w->Session(), *w, *w->lblReports), 6,
         QStringLiteral("Observing Aid: Lunar Visibility")},
        {SkinWindow::Create<TMonthList>(w->Session(), *w), 12, QStringLiteral("January")},
        {SkinWindow::Create<TAbout>(*w), 2, QStringLiteral("Version " CRESCENDAR_VERSION)},
    };
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

} // namespace
} // namespace crescendar
