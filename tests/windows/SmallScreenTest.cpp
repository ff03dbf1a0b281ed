// The windows on a small screen, 1024 x 600 device pixels, at scales 1.5 and 2 (683 x 400 and
// 512 x 300 window pixels, smaller than the main window): the CTest entries
// windows_tests_small_screen_1_5 and _2 run these over an offscreen screen of that size; the
// plain run skips them. Every window shown must have its title bar and close region on the
// screen's available area.
#include "ProgramFixture.h"

#include "fConfiguration.h"
#include "fEclipseReport.h"
#include "fEclipseWindow.h"
#include "fEquinox.h"
#include "fMonthlyPhases.h"
#include "fObservingAid.h"
#include "fPrintOptions.h"
#include "fSolarEclipseWindow.h"
#include "fTimesList.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace crescendar {
namespace {

class SmallScreen : public ProgramFixture {
  protected:
    void SetUp() override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        // In device pixels, give or take the rounding of the scaled size.
        const QSizeF device =
            screen ? QSizeF(screen->size()) * screen->devicePixelRatio() : QSizeF();
        if (!screen || screen->devicePixelRatio() < 1.5 || qAbs(device.width() - 1024) > 1 ||
            qAbs(device.height() - 600) > 1)
            GTEST_SKIP() << "runs on a 1024 x 600 screen at scale 1.5 or 2 (CTest: "
                            "windows_tests_small_screen_1_5 and _2)";
        ProgramFixture::SetUp();
    }

    // The window's title bar and close region lie on its screen's available area.
    static void ExpectReachable(const SkinWindow* window) {
        SCOPED_TRACE(window->metaObject()->className());
        ASSERT_TRUE(window->isVisible());
        const QRect area = window->screen()->availableGeometry();
        const WindowGrip grip = window->Grip();
        ASSERT_FALSE(grip.Title.isEmpty() && grip.Close.isEmpty());
        for (const QRect& part : {grip.Title, grip.Close}) {
            if (part.isEmpty()) continue;
            EXPECT_TRUE(area.contains(part.translated(window->pos())))
                << "at " << window->x() << ", " << window->y() << " on " << area.width() << " x "
                << area.height();
        }
    }
};

TEST_F(SmallScreen, EveryWindowsTitleBarAndCloseRegionAreOnTheScreen) {
    const auto p = StartProgram(At(2025, 3, 14));
    ExpectReachable(w);
    w->lblTimesListClick();
    p->MonthlyPhases->show();
    p->ObservingAid->show();
    p->Equinox->EquinoxesAndSolstices(2025);
    p->PrintOptions->ShowOptions();
    p->Configuration->ShowModalNonBlocking();
    const SkinWindow* reports[] = {p->TimesList, p->MonthlyPhases, p->ObservingAid,
                                   p->Equinox,   p->PrintOptions,  p->Configuration};
    for (const SkinWindow* window : reports) ExpectReachable(window);
    // Dragged off the screen and opened again, the main window comes back onto it.
    w->move(-600, 500);
    w->hide();
    w->show();
    ExpectReachable(w);
}

// The finder puts the eclipse window of a line beside it; both stay on the screen.
TEST_F(SmallScreen, TheFinderAndTheEclipseWindowsItOpensStayOnTheScreen) {
    const auto p = StartProgram(At(2024, 3, 14));
    TEclipseReport* finder = p->EclipseReport;
    finder->ShowEclipseReport();
    finder->SetChoice(TEclipseChoice::Both);
    finder->txtFromYear->setText(QStringLiteral("2024"));
    finder->txtToYear->setText(QStringLiteral("2024"));
    finder->CalculateEclipses();
    QTRY_VERIFY_WITH_TIMEOUT(!finder->Searching(), 60000);
    const auto& rows = finder->Rows();
    for (const TEclipseBody body : {TEclipseBody::Sun, TEclipseBody::Moon}) {
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [body](const TEclipseLine& r) { return r.Body == body; });
        ASSERT_NE(row, rows.end());
        finder->tblEclipses->setFocus(Qt::TabFocusReason);
        QTest::keyClick(finder->tblEclipses, Qt::Key_Home);
        for (auto i = rows.begin(); i != row; ++i)
            QTest::keyClick(finder->tblEclipses, Qt::Key_Down);
        QTest::keyClick(finder->tblEclipses, Qt::Key_Return);
        // The other body's window has closed with its month.
        ExpectReachable(finder);
        ExpectReachable(body == TEclipseBody::Sun ? static_cast<SkinWindow*>(p->SolarEclipse)
                                                  : p->Eclipse);
    }
}

} // namespace
} // namespace crescendar
