// The program's windows created together: every title-bar region opens its window.
#include "ProgramWindows.h"
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
#include "fWebMenu.h"

#include "ProgramFixture.h"

namespace crescendar {
namespace {

using ProgramWindowsTest = ProgramFixture;

TEST_F(ProgramWindowsTest, EveryRegionOpensItsWindow) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    for (QWidget* window : std::initializer_list<QWidget*>{
             p->Configuration, p->PrintOptions, p->TimesList, p->Eclipse, p->EclipseReport,
             p->Equinox, p->Easter, p->MonthlyPhases, p->ObservingAid, p->DateInfo, p->ReportMenu,
             p->MonthList, p->WebMenu, p->About}) {
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->isVisible());
    }
    w->lblTimesListClick();
    EXPECT_TRUE(p->TimesList->isVisible());
    w->lblReportsClick();
    EXPECT_TRUE(p->ReportMenu->isVisible());
    w->lblLinksClick();
    EXPECT_TRUE(p->WebMenu->isVisible());
    w->lblAboutClick();
    EXPECT_TRUE(p->About->isVisible());
    w->lblPrintClick();
    EXPECT_TRUE(p->PrintOptions->isVisible());
    // March 2025 has the total eclipse of the 14th.
    ASSERT_FALSE(w->Eclipses().empty());
    w->imgEclipseClick();
    EXPECT_TRUE(p->Eclipse->isVisible());
    w->lblSelectedmonthClick();
    EXPECT_TRUE(p->MonthList->isVisible());
}

TEST_F(ProgramWindowsTest, RightClickOnADayShowsItsFacts) {
    const auto p = StartProgram(At(2025, 3, 10, 21, 0));
    w->DisplayDateInfo(w->DateCells[static_cast<std::size_t>(w->FirstDayColumn() + 13)],
                       Qt::RightButton);
    EXPECT_TRUE(p->DateInfo->isVisible());
}

} // namespace
} // namespace crescendar
