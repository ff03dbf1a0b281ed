// Moving about the program's windows: the month arrows of the reports, the wheel of the times
// list, Escape on secondary windows and popups, where windows open and that they are put back
// where the user left them, and the coordinate fields' typing and pasting.
#include "ProgramWindows.h"
#include "fAbout.h"
#include "fConfiguration.h"
#include "fEclipseWindow.h"
#include "fEaster.h"
#include "fMonthList.h"
#include "fMonthlyPhases.h"
#include "fObservingAid.h"
#include "fReportMenu.h"
#include "fTimesList.h"

#include "ProgramFixture.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWheelEvent>

#include <functional>
#include <tuple>

namespace crescendar {
namespace {

class NavigationTest : public ProgramFixture {
  protected:
    static void Wheel(QWidget* target, int eighths) {
        const QPointF at(300, 200);
        QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
    }
};

TEST_F(NavigationTest, TheTimesListPagesItsOwnMonthAndPrintsWhatItShows) {
    const auto p = StartProgram(At(2025, 1, 31));
    w->lblTimesListClick();
    TTimesList* t = p->TimesList;
    ASSERT_EQ(t->DayCount(), 31);
    Click(t->imgNextMonth);
    EXPECT_EQ(t->ShownDate().Month, 2);
    EXPECT_EQ(t->ShownDate().Day, 28);
    EXPECT_EQ(t->DayCount(), 28);
    QTest::keyClick(t, Qt::Key_PageDown);
    EXPECT_EQ(t->ShownDate().Month, 3);
    EXPECT_EQ(t->DayCount(), 31);
    Click(t->imgPrevMonth);
    Click(t->imgPrevMonth);
    Click(t->imgPrevMonth);
    EXPECT_EQ(t->ShownDate().Month, 12);
    EXPECT_EQ(t->ShownDate().Year, 2024);
    // The main window's selection stays where it was.
    EXPECT_EQ(w->SelectedDateTime().Month, 1);
    EXPECT_EQ(w->SelectedDateTime().Day, 31);
    // The main window's month paging brings the visible list along.
    w->StepMonth(1);
    EXPECT_EQ(t->ShownDate().Month, 2);
    EXPECT_EQ(t->ShownDate().Year, 2025);
}

TEST_F(NavigationTest, TheWheelAndTheArrowKeysScrollTheTimesList) {
    const auto p = StartProgram(At(2025, 3, 14));
    w->lblTimesListClick();
    TTimesList* t = p->TimesList;
    ASSERT_EQ(t->MaxScrollOffset(), 31 * 14 - 381);
    Wheel(t, -120); // one notch towards the user: three rows down
    EXPECT_EQ(t->ScrollOffset(), 3 * 14);
    Wheel(t, -60); // half a notch waits for the other half
    EXPECT_EQ(t->ScrollOffset(), 3 * 14);
    Wheel(t, -60);
    EXPECT_EQ(t->ScrollOffset(), t->MaxScrollOffset()); // 84 clamped to 53
    Wheel(t, 240);
    EXPECT_EQ(t->ScrollOffset(), 0);
    QTest::keyClick(t, Qt::Key_Down);
    EXPECT_EQ(t->ScrollOffset(), 14);
    QTest::keyClick(t, Qt::Key_Up);
    EXPECT_EQ(t->ScrollOffset(), 0);
}

TEST_F(NavigationTest, ThePhasesAndTheAidPageTheMainWindowsMonth) {
    const auto p = StartProgram(At(2025, 3, 14));
    p->MonthlyPhases->show();
    Click(p->MonthlyPhases->imgNextMonth);
    EXPECT_EQ(w->SelectedDateTime().Month, 4);
    EXPECT_EQ(w->lblSelectedmonth->Text(), "April");
    p->ObservingAid->show();
    QTest::keyClick(p->ObservingAid, Qt::Key_PageUp);
    Click(p->ObservingAid->imgPrevMonth);
    EXPECT_EQ(w->SelectedDateTime().Month, 2);
    EXPECT_EQ(w->SelectedDateTime().Day, 14);
    EXPECT_EQ(w->lblSelectedmonth->Text(), "February");
}

// Every month report open: whichever window pages (or picks a month), the main window and
// every report show the month the session moved to, and none is left on the old one.
TEST_F(NavigationTest, PagingInAnyWindowMovesTheMainWindowAndEveryMonthReport) {
    const auto p = StartProgram(At(2025, 3, 14));
    w->lblTimesListClick();
    p->MonthlyPhases->show();
    p->ObservingAid->show();
    w->imgEclipseClick(); // the total eclipse of 14 March
    ASSERT_TRUE(p->Eclipse->isVisible());
    const auto pickMonth = [&](int month) {
        w->lblSelectedmonthClick();
        p->MonthList->imgMonthsMouseMove((month - 1) * TMonthList::kRowHeight + 3);
        p->MonthList->imgMonthsClick();
    };
    struct Case {
        const char* from;
        std::function<void()> page;
        int month;
        const char* name;
    };
    const Case cases[] = {
        {"main window key", [&] { QTest::keyClick(w, Qt::Key_PageDown); }, 4, "April"},
        {"phases key", [&] { QTest::keyClick(p->MonthlyPhases, Qt::Key_PageDown); }, 5, "May"},
        {"chart key", [&] { QTest::keyClick(p->ObservingAid, Qt::Key_PageDown); }, 6, "June"},
        {"chart arrow", [&] { Click(p->ObservingAid->imgPrevMonth); }, 5, "May"},
        {"phases arrow", [&] { Click(p->MonthlyPhases->imgPrevMonth); }, 4, "April"},
        {"main window arrow", [&] { Click(w->imgNextMonth); }, 5, "May"},
        {"month picker", [&] { pickMonth(9); }, 9, "September"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        c.page();
        EXPECT_EQ(w->SelectedDateTime().Month, c.month);
        EXPECT_EQ(w->lblSelectedmonth->Text(), c.name);
        EXPECT_EQ(p->TimesList->ShownDate().Month, c.month);
        EXPECT_EQ(p->ObservingAid->lblMonth->Text(), QString::fromLatin1(c.name) + " 2025");
        // The calendar of phases already holds the session's month: drawing it anew changes
        // nothing.
        const QImage phases = p->MonthlyPhases->imgPhases.Image();
        p->MonthlyPhases->DrawMoonPhases();
        EXPECT_EQ(p->MonthlyPhases->imgPhases.Image(), phases);
        // April has no eclipse: the eclipse window closed with March.
        EXPECT_FALSE(p->Eclipse->isVisible());
    }
}

TEST_F(NavigationTest, EscapeClosesSecondaryWindowsAndPopups) {
    const auto p = StartProgram(At(2025, 3, 14));
    w->lblTimesListClick();
    QTest::keyClick(p->TimesList, Qt::Key_Escape);
    EXPECT_FALSE(p->TimesList->isVisible());
    w->lblAboutClick();
    QTest::keyClick(p->About, Qt::Key_Escape);
    EXPECT_FALSE(p->About->isVisible());
    w->lblReportsClick();
    ASSERT_TRUE(p->ReportMenu->isVisible());
    QTest::keyClick(p->ReportMenu, Qt::Key_Escape);
    EXPECT_FALSE(p->ReportMenu->isVisible());
    p->Configuration->ShowModalNonBlocking();
    QTest::keyClick(p->Configuration->txtLatDeg, Qt::Key_Escape);
    EXPECT_FALSE(p->Configuration->isVisible());
    EXPECT_TRUE(w->isVisible());
}

TEST(PlacementTest, BesideTheOtherWindowWhereThereIsRoomElseOverIt) {
    const QSize screen = SkinWindow::ScreenSize();
    SkinWindow owner;
    owner.SetClientSize(200, 100);
    SkinWindow report(&owner);
    report.SetClientSize(150, 80);
    owner.move(10, 50);
    report.PlaceBeside(owner);
    EXPECT_EQ(report.pos(), QPoint(210, 50));
    owner.move(screen.width() - 200, 60); // no room on the right: on the left
    report.PlaceBeside(owner);
    EXPECT_EQ(report.pos(), QPoint(screen.width() - 350, 60));
    // Room on neither side: over it, and on the screen.
    report.SetClientSize(screen.width() - 100, 80);
    owner.move(50, screen.height() - 50);
    report.PlaceBeside(owner);
    EXPECT_EQ(report.pos(), QPoint(0, screen.height() - 80));
}

QPoint CentredOver(const QWidget& window, const QWidget& owner) {
    return {owner.x() + (owner.width() - window.width()) / 2,
            owner.y() + (owner.height() - window.height()) / 2};
}

TEST_F(NavigationTest, ReportsOpenByTheMainWindowNotInTheScreensCorner) {
    const auto p = StartProgram(At(2025, 3, 14));
    // The test screen (800 x 600) has no room beside the main window: the reports stand
    // over it.
    w->lblTimesListClick();
    EXPECT_EQ(p->TimesList->pos(), CentredOver(*p->TimesList, *w));
    p->MonthlyPhases->show();
    EXPECT_EQ(p->MonthlyPhases->pos(), CentredOver(*p->MonthlyPhases, *w));
    p->ObservingAid->show();
    EXPECT_EQ(p->ObservingAid->pos(), CentredOver(*p->ObservingAid, *w));
}

// Drags a window by its title from where it stands to `to`.
void DragTo(SkinWindow* window, QPoint to) {
    window->DragMouseDown(QPoint(3, 3));
    window->DragMouseMove(QPoint(3, 3) + to - window->pos());
    window->DragMouseUp();
}

TEST_F(NavigationTest, WindowsComeBackWhereTheUserMovedThemWhenThatIsOnAScreen) {
    auto p = StartProgram(At(2025, 3, 14));
    w->lblTimesListClick();
    DragTo(p->TimesList, QPoint(37, 41));
    p->TimesList->close();
    DragTo(w, QPoint(5, 6));
    w->close();
    SettingsStore store(ini);
    EXPECT_EQ(store.ReadWindowPosition("TimesList"), (std::pair{37, 41}));
    EXPECT_EQ(store.ReadWindowPosition("Main"), (std::pair{5, 6}));
    // The settings themselves are untouched.
    EXPECT_FALSE(store.ReadValue("Version").empty());

    delete w;
    w = nullptr;
    p = StartProgram(At(2025, 3, 14));
    EXPECT_EQ(w->pos(), QPoint(5, 6));
    w->lblTimesListClick();
    EXPECT_EQ(p->TimesList->pos(), QPoint(37, 41));
    p->TimesList->close();

    // A place no screen shows any more gives the window its usual place.
    ASSERT_TRUE(store.WriteWindowPosition("TimesList", 100000, 41));
    w->lblTimesListClick();
    EXPECT_EQ(p->TimesList->pos(), CentredOver(*p->TimesList, *w));
}

TEST_F(NavigationTest, ReportsTheUserDidNotMoveFollowTheMainWindow) {
    auto p = StartProgram(At(2025, 3, 14));
    w->lblTimesListClick();
    p->TimesList->close();
    p->MonthlyPhases->show();
    p->MonthlyPhases->DragMouseDown(QPoint(3, 3)); // a click on the title moves nothing
    p->MonthlyPhases->DragMouseUp();
    p->MonthlyPhases->close();
    DragTo(w, QPoint(40, 30));
    w->lblTimesListClick();
    EXPECT_EQ(p->TimesList->pos(), CentredOver(*p->TimesList, *w));
    p->MonthlyPhases->show();
    EXPECT_EQ(p->MonthlyPhases->pos(), CentredOver(*p->MonthlyPhases, *w));
    EXPECT_EQ(SettingsStore(ini).ReadWindowPosition("TimesList"), std::nullopt);
    EXPECT_EQ(SettingsStore(ini).ReadWindowPosition("MonthlyPhases"), std::nullopt);
}

class CoordinateFieldsTest : public MainFixture {
  protected:
    void TearDown() override {
        delete c;
        c = nullptr;
        MainFixture::TearDown();
    }
    void Open() {
        Start(At(2025, 3, 14));
        c = SkinWindow::Create<TConfiguration>(w->Session(), w);
        c->ShowModalNonBlocking();
        QApplication::setActiveWindow(c);
        QCoreApplication::processEvents();
    }
    static void Paste(QLineEdit* edit, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    TConfiguration* c = nullptr;
};

TEST_F(CoordinateFieldsTest, ClickingAFullFieldSelectsItSoThatTypingReplacesIt) {
    Open();
    c->txtLatMin->setText(QStringLiteral("00"));
    c->txtLatDeg->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(c->txtLatMin, Qt::LeftButton, {}, QPoint(8, 8));
    ASSERT_TRUE(c->txtLatMin->hasFocus());
    QTest::keyClicks(c->txtLatMin, "33");
    EXPECT_EQ(c->txtLatMin->text(), "33");
    // Select all works from the keyboard too.
    QTest::keyClick(c->txtLatMin, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(c->txtLatMin->selectedText(), "33");
    QTest::keyClicks(c->txtLatMin, "4");
    EXPECT_EQ(c->txtLatMin->text(), "4");
}

TEST_F(CoordinateFieldsTest, APastedCoordinateFillsItsFields) {
    Open();
    Paste(c->txtLatSec, QStringLiteral("51° 28′ 38″ S"));
    EXPECT_EQ(c->txtLatDeg->text(), "51");
    EXPECT_EQ(c->txtLatMin->text(), "28");
    EXPECT_EQ(c->txtLatSec->text(), "38");
    EXPECT_EQ(c->pNSDirection->text(), "South");
    Paste(c->txtLatDeg, QStringLiteral("51.4772"));
    EXPECT_EQ(c->txtLatDeg->text(), "51");
    EXPECT_EQ(c->txtLatMin->text(), "28");
    EXPECT_EQ(c->txtLatSec->text(), "38");
    EXPECT_EQ(c->pNSDirection->text(), "North");
    Paste(c->txtLongMin, QStringLiteral("-0.0015"));
    EXPECT_EQ(c->txtLongDeg->text(), "000");
    EXPECT_EQ(c->txtLongMin->text(), "00");
    EXPECT_EQ(c->txtLongSec->text(), "05");
    EXPECT_EQ(c->pEWDirection->text(), "West");
    // What is not a coordinate of the field's kind changes nothing.
    Paste(c->txtLongDeg, QStringLiteral("51 28 38 N"));
    EXPECT_EQ(c->txtLongDeg->text(), "000");
    EXPECT_EQ(c->txtLongSec->text(), "05");
}

TEST(CoordinateText, ReadsTheCommonFormsAndRefusesTheRest) {
    const auto read = [](const char* text, bool latitude) {
        const auto c = TConfiguration::ParseCoordinate(QString::fromUtf8(text), latitude);
        return c ? std::tuple{c->Deg, c->Min, c->Sec, c->SouthOrWest}
                 : std::tuple{-1, -1, -1, false};
    };
    using T = std::tuple<int, int, int, bool>;
    EXPECT_EQ(read("51° 28′ 38″ N", true), (T{51, 28, 38, false}));
    EXPECT_EQ(read("51°28'38\"S", true), (T{51, 28, 38, true}));
    EXPECT_EQ(read("N 51 28 38", true), (T{51, 28, 38, false}));
    EXPECT_EQ(read("122:25:9.6 W", false), (T{122, 25, 10, true}));
    EXPECT_EQ(read("\xE2\x80\x93"
                   "33.8688",
                   true),
              (T{33, 52, 8, true}));
    EXPECT_EQ(read("151,2093", false), (T{151, 12, 33, false}));
    EXPECT_EQ(read("-0.00001", true), (T{0, 0, 0, false})); // rounds to 0": no side
    EXPECT_EQ(read("90", true), (T{90, 0, 0, false}));
    EXPECT_EQ(read("180 0 0 E", false), (T{180, 0, 0, false}));
    for (const char* bad : {"", "N", "90.001", "12 60", "12 30 60", "1.5 30", "12 30 15 5",
                            "-12 S", "12 E", "abc", "12x30", "N 12 S"})
        EXPECT_EQ(read(bad, true), (T{-1, -1, -1, false})) << bad;
    EXPECT_EQ(read("180.5", false), (T{-1, -1, -1, false}));
    EXPECT_EQ(read("12 N", false), (T{-1, -1, -1, false}));
}

} // namespace
} // namespace crescendar
