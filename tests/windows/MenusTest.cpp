// The report menu, the month picker, the web links menu and the version window, opened
// from a main window through its hooks.
#include "GoldenPictures.h"
#include "MainFixture.h"
#include "Version.h"

#include "fAbout.h"
#include "fMonthList.h"
#include "fReportMenu.h"
#include "fWebMenu.h"

#include <QDir>
#include <QPainter>
#include <QScreen>

#include <functional>
#include <set>

namespace crescendar {
namespace {

class MenusTest : public MainFixture {
  protected:
    void TearDown() override {
        delete report;
        delete months;
        delete web;
        delete about;
        report = nullptr;
        months = nullptr;
        web = nullptr;
        about = nullptr;
        MainFixture::TearDown();
    }

    // The main window with the four popups wired to its hooks, as the program does.
    void StartAll(const QDateTime& at) {
        options.Hooks.ShowReportMenu = [this] { report->show(); };
        options.Hooks.ShowMonthList = [this] { months->show(); };
        options.Hooks.ShowWebMenu = [this] { web->show(); };
        options.Hooks.ShowAbout = [this] { about->show(); };
        Start(at);
        web = SkinWindow::Create<TWebMenu>(*w, *w->lblLinks);
        months = SkinWindow::Create<TMonthList>(w->Session(), *w);
        about = SkinWindow::Create<TAbout>(*w);
        report = SkinWindow::Create<TReportMenu>(w->Session(), *w, *w->lblReports);
    }

    // A pointer move (no button) at pos of the window, routed to the control under it.
    static void MoveOver(QWidget* window, QPoint pos) {
        QWidget* target = window->childAt(pos);
        if (!target) target = window;
        const QPoint local = target->mapFrom(window, pos);
        QMouseEvent e(QEvent::MouseMove, QPointF(local), QPointF(target->mapToGlobal(local)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    // A click at pos of the window, delivered as the window system does: to the control
    // under the pointer.
    void ClickAt(QWidget* window, QPoint pos) {
        QWidget* target = window->childAt(pos);
        ASSERT_NE(target, nullptr);
        Click(target, Qt::LeftButton, target->mapFrom(window, pos));
    }
    // Picks the month row of the picker: a move over it, then a click.
    void PickMonth(int month) {
        const QPoint at(50, (month - 1) * TMonthList::kRowHeight + 14);
        MoveOver(months, at);
        ClickAt(months, at);
    }

    TReportMenu* report = nullptr;
    TMonthList* months = nullptr;
    TWebMenu* web = nullptr;
    TAbout* about = nullptr;
};

// ----- report menu ----------------------------------------------------------------------

TEST_F(MenusTest, ReportMenuOpensLevelWithItsRegionWithTheArrowHidden) {
    StartAll(At(2025, 3, 14));
    Click(w->lblReports);
    ASSERT_TRUE(report->isVisible());
    EXPECT_EQ(report->pos(), QPoint(w->x() + 158, w->y() + 40));
    EXPECT_EQ(report->size(), QSize(265, 120));
    EXPECT_FALSE(report->imgArrow->isVisible());
    EXPECT_EQ(report->imgArrow->x(), 7);
    const std::vector<ImageControl*> entries = {
        report->imgLunarVisibility, report->imgFindEclipses, report->imgDisplayPhases,
        report->imgEquinoxInfo,     report->imgEaster,       report->imgCalendarExport};
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(entries[i]->geometry(), QRect(0, 20 * static_cast<int>(i), 265, 20));
}

TEST_F(MenusTest, ReportArrowFollowsThePointerRowAndLetsClicksThrough) {
    StartAll(At(2025, 3, 14));
    int eclipses = 0;
    report->Hooks.ShowEclipseReport = [&] { ++eclipses; };
    Click(w->lblReports);

    MoveOver(report, {150, 85});
    EXPECT_TRUE(report->imgArrow->isVisible());
    EXPECT_EQ(report->imgArrow->y(), 80);
    MoveOver(report, {150, 61});
    EXPECT_EQ(report->imgArrow->y(), 60);
    // Over the arrow's own column: the entry beneath still gets the move and the click.
    MoveOver(report, {12, 25});
    EXPECT_EQ(report->imgArrow->y(), 20);
    ClickAt(report, {12, 25});
    EXPECT_EQ(eclipses, 1);

    // The arrow is painted over the strip, in its row only.
    report->show();
    MoveOver(report, {150, 45});
    const QImage shot = report->grab().toImage();
    const QColor arrow = shot.pixelColor(12, 50);
    const QColor strip = shot.pixelColor(12, 10);
    EXPECT_GT(arrow.red(), 200);
    EXPECT_GT(arrow.red(), strip.red() + 100);
}

TEST_F(MenusTest, EachReportEntryClosesTheMenuThenRunsItsHook) {
    StartAll(At(2024, 7, 20));
    std::vector<std::string> calls;
    report->Hooks.ShowObservingAid = [&] {
        EXPECT_FALSE(report->isVisible());
        calls.push_back("aid");
    };
    report->Hooks.ShowEclipseReport = [&] { calls.push_back("eclipses"); };
    report->Hooks.ShowMonthlyPhases = [&] { calls.push_back("phases"); };
    report->Hooks.ShowEquinoxes = [&](std::uint16_t y) {
        calls.push_back("equinoxes " + std::to_string(y));
    };
    report->Hooks.ShowEaster = [&] { calls.push_back("easter"); };
    for (ImageControl* entry :
         {report->imgLunarVisibility, report->imgFindEclipses, report->imgDisplayPhases,
          report->imgEquinoxInfo, report->imgEaster}) {
        Click(w->lblReports);
        ASSERT_TRUE(report->isVisible());
        Click(entry, Qt::RightButton); // not a plain click
        EXPECT_TRUE(report->isVisible());
        Click(entry);
        EXPECT_FALSE(report->isVisible()) << entry->objectName().toStdString();
    }
    EXPECT_EQ(calls,
              (std::vector<std::string>{"aid", "eclipses", "phases", "equinoxes 2024", "easter"}));
}

TEST_F(MenusTest, ReportEntriesWithoutAWindowOnlyCloseTheMenu) {
    StartAll(At(2025, 3, 14));
    for (ImageControl* entry :
         {report->imgLunarVisibility, report->imgFindEclipses, report->imgDisplayPhases,
          report->imgEquinoxInfo, report->imgEaster}) {
        report->show();
        Click(entry);
        EXPECT_FALSE(report->isVisible());
    }
}

// ----- closing on the loss of the focus ---------------------------------------------------

TEST_F(MenusTest, EveryPopupClosesWhenItLosesTheFocus) {
    StartAll(At(2025, 3, 14));
    for (SkinWindow* popup : std::initializer_list<SkinWindow*>{report, months, web}) {
        popup->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(popup)) << popup->objectName().toStdString();
        EXPECT_TRUE(popup->isVisible());
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        EXPECT_FALSE(popup->isVisible()) << popup->objectName().toStdString();
    }
    // The version window is not a popup: it stays until its cross is clicked.
    about->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_TRUE(about->isVisible());
}

TEST_F(MenusTest, PopupsOpenedNearTheScreenEdgeStayOnTheScreen) {
    StartAll(At(2025, 3, 14));
    const QSize screen = SkinWindow::ScreenSize();
    w->move(screen.width() - 300, screen.height() - 200);
    for (SkinWindow* popup : std::initializer_list<SkinWindow*>{report, months, web}) {
        popup->show();
        const QRect r = popup->geometry();
        EXPECT_LE(r.right(), screen.width() - 1) << popup->objectName().toStdString();
        EXPECT_LE(r.bottom(), screen.height() - 1) << popup->objectName().toStdString();
        EXPECT_GE(r.left(), 0);
        EXPECT_GE(r.top(), 0);
        popup->close();
    }
    w->move(-400, -300); // dragged mostly off the screen
    months->show();
    EXPECT_EQ(months->pos(), QPoint(w->x() + 580, 0));
}

// ----- month picker ---------------------------------------------------------------------

TEST_F(MenusTest, MonthPickerOpensFromTheMonthName) {
    StartAll(At(2025, 3, 14));
    Click(w->lblSelectedmonth);
    ASSERT_TRUE(months->isVisible());
    EXPECT_EQ(months->pos(), QPoint(w->x() + 580, w->y() + 50));
    EXPECT_EQ(months->size(), QSize(100, 348));
    EXPECT_EQ(months->imgMonthArrow->x(), 10);

    months->imgMonthsMouseMove(3 * 29 + 28);
    EXPECT_TRUE(months->imgMonthArrow->isVisible());
    EXPECT_EQ(months->imgMonthArrow->y(), 3 * 29);
    EXPECT_EQ(months->ArrowMonth(), 4);
    months->imgMonthsMouseMove(347);
    EXPECT_EQ(months->ArrowMonth(), 12);
    months->imgMonthsMouseMove(400); // past the last row
    EXPECT_EQ(months->ArrowMonth(), 12);
}

TEST_F(MenusTest, PickingAShorterMonthClampsTheDay) {
    struct Case {
        QDate from;
        int month;
        int day;
    };
    const Case cases[] = {{{2025, 1, 31}, 2, 28}, {{2024, 1, 31}, 2, 29}, {{2024, 3, 30}, 2, 29},
                          {{2023, 5, 31}, 4, 30}, {{2025, 1, 15}, 6, 15}, {{2025, 2, 28}, 12, 28}};
    for (const Case& c : cases) {
        StartAll(At(c.from.year(), c.from.month(), c.from.day()));
        Click(w->lblSelectedmonth);
        PickMonth(c.month);
        EXPECT_FALSE(months->isVisible());
        const TDateTimeRecord& d = w->SelectedDateTime();
        EXPECT_EQ(d.Month, c.month) << c.from.toString().toStdString();
        EXPECT_EQ(d.Day, c.day) << c.from.toString().toStdString();
        EXPECT_EQ(d.Year, c.from.year());
        EXPECT_EQ(w->DaysInShownMonth(), QDate(c.from.year(), c.month, 1).daysInMonth());
        EXPECT_EQ(Cell(w->FirstDayColumn() + c.day - 1), QString::number(c.day));
        EXPECT_EQ(w->lblSelectedmonth->Text(), QLocale::c().standaloneMonthName(c.month));
        TearDown(); // a fresh main window for the next case
        SetUp();
    }
}

TEST_F(MenusTest, AClickWithoutAMoveBeforeItPicksTheRowUnderThePointer) {
    StartAll(At(2025, 3, 14));
    months->show();
    months->imgMonthsMouseMove(0); // a stale arrow on January from an earlier visit
    QTest::mouseClick(months->imgMonths, Qt::LeftButton, {}, {50, 5 * 29 + 3});
    EXPECT_EQ(w->SelectedDateTime().Month, 6);
}

TEST_F(MenusTest, OnlyAPlainClickPicksAMonth) {
    StartAll(At(2025, 3, 14));
    months->show();
    QTest::mouseClick(months->imgMonths, Qt::RightButton, {}, {50, 8 * 29 + 3});
    EXPECT_TRUE(months->isVisible());
    EXPECT_EQ(w->SelectedDateTime().Month, 3);
}

TEST_F(MenusTest, PickingAMonthRefreshesTheReportsVisibleAtThatMoment) {
    StartAll(At(2025, 1, 31));
    bool timesVisible = true, phasesVisible = false;
    std::vector<std::string> refreshed;
    // Reports follow the session's monthChanged, each deciding for itself whether it is
    // visible; one shown by another follower after it has been passed waits for the next.
    TSession& session = w->Session();
    const auto follow = [&](QObject* report, std::function<void()> f) {
        QObject::connect(&session, &TSession::monthChanged, report, std::move(f));
    };
    QObject phasesReport, timesReport;
    follow(&phasesReport, [&] {
        if (phasesVisible) refreshed.push_back("phases");
    });
    follow(&timesReport, [&] {
        if (!timesVisible) return;
        const TDateTimeRecord& d = session.SelectedDateTime();
        refreshed.push_back("times " + std::to_string(d.Month) + "/" + std::to_string(d.Day));
        phasesVisible = true; // shown late: not refreshed this time
    });
    QWidget aid;
    follow(&aid, [&] {
        if (aid.isVisible()) refreshed.push_back("aid");
    });
    {
        auto* gone = new QWidget;
        gone->show();
        follow(gone, [&] { refreshed.push_back("x"); });
        delete gone;
    }

    months->show();
    PickMonth(2);
    EXPECT_EQ(refreshed, (std::vector<std::string>{"times 2/28"}));

    refreshed.clear();
    timesVisible = false;
    aid.show();
    months->show();
    PickMonth(9);
    EXPECT_EQ(refreshed, (std::vector<std::string>{"phases", "aid"}));
}

// ----- web links menu -------------------------------------------------------------------

TEST_F(MenusTest, WebMenuOpensLevelWithTheLinkRegion) {
    StartAll(At(2025, 3, 14));
    Click(w->lblLinks);
    ASSERT_TRUE(web->isVisible());
    EXPECT_EQ(web->pos(), QPoint(w->x() + 100, w->y() + 40));
    EXPECT_EQ(web->size(), QSize(265, 380));
    EXPECT_EQ(web->imgArrow->x(), 7);
    EXPECT_FALSE(web->imgArrow->isVisible());
}

TEST_F(MenusTest, EverySiteOpensItsOwnAddressThroughTheShell) {
    StartAll(At(2025, 3, 14));
    std::set<QString> seen;
    int sites = 0;
    for (std::size_t i = 0; i < kWebLinks.size(); ++i) {
        if (!kWebLinks[i].Url) continue;
        ++sites;
        Click(w->lblLinks);
        ImageControl* entry = web->Entries[i];
        MoveOver(web, entry->geometry().center());
        EXPECT_TRUE(web->imgArrow->isVisible());
        EXPECT_EQ(web->imgArrow->y(), entry->y());
        Click(entry);
        EXPECT_FALSE(web->isVisible());
        ASSERT_EQ(shell.urls.size(), static_cast<std::size_t>(sites));
        const QUrl url = shell.urls.back();
        EXPECT_EQ(url.toString(), QString::fromLatin1(kWebLinks[i].Url));
        EXPECT_EQ(url.scheme(), "https");
        EXPECT_TRUE(url.isValid());
        EXPECT_EQ(entry->Hint(), url.toString());
        seen.insert(url.toString());
    }
    EXPECT_EQ(sites, 17);
    EXPECT_EQ(seen.size(), 17u);
}

TEST_F(MenusTest, HeadingsHideTheArrowAndOpenNothing) {
    StartAll(At(2025, 3, 14));
    Click(w->lblLinks);
    MoveOver(web, {150, 25});
    ASSERT_TRUE(web->imgArrow->isVisible());
    for (std::size_t heading : {std::size_t{0}, std::size_t{14}}) {
        ASSERT_EQ(kWebLinks[heading].Url, nullptr);
        MoveOver(web, web->Entries[heading]->geometry().center());
        EXPECT_FALSE(web->imgArrow->isVisible());
        Click(web->Entries[heading]);
        EXPECT_TRUE(web->isVisible());
    }
    EXPECT_TRUE(shell.urls.empty());
}

// ----- version window -------------------------------------------------------------------

TEST_F(MenusTest, VersionWindowShowsTheVersionCentredOverTheMain) {
    StartAll(At(2025, 3, 14));
    w->move(37, 21);
    Click(w->lblAbout);
    ASSERT_TRUE(about->isVisible());
    EXPECT_EQ(about->size(), QSize(210, 185));
    EXPECT_EQ(about->pos(), QPoint(37 + (640 - 210) / 2, 21 + (480 - 185) / 2));
    EXPECT_EQ(about->lblVersion->Text(), "Crescendar V" CRESCENDAR_VERSION);
    EXPECT_FALSE(about->lblVersion->isVisible());
    EXPECT_EQ(about->Background().size(), QSize(210, 185));

    Click(about->lblExit, Qt::RightButton);
    EXPECT_TRUE(about->isVisible());
    Click(about->lblExit);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MenusTest, PicturesAreInPlace) {
    const std::pair<const char*, QSize> pictures[] = {
        {":/menus/report_menu.png", {265, 100}}, {":/menus/web_menu.png", {265, 380}},
        {":/menus/arrow.png", {12, 20}},         {":/menus/months.png", {100, 348}},
        {":/menus/month_arrow.png", {12, 29}},   {":/menus/about.jpg", {210, 185}}};
    for (const auto& [path, size] : pictures)
        EXPECT_EQ(QImage(QString::fromLatin1(path)).size(), size) << path;
}

// The popups over the main window, as pinned.
TEST_F(MenusTest, Screenshots) {
    StartAll(At(2025, 3, 14, 21, 30));
    Tick();
    w->move(0, 0);
    auto compose = [&](SkinWindow* popup, const QString& name) {
        popup->show();
        const QRect area = w->geometry().united(popup->geometry());
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(QColor(12, 16, 30));
        QPainter p(&image);
        p.drawImage(w->pos() - area.topLeft(), w->grab().toImage());
        p.drawImage(popup->pos() - area.topLeft(), popup->grab().toImage());
        p.end();
        ExpectGoldenPicture(image, name);
        popup->close();
    };
    report->show();
    MoveOver(report, {150, 65});
    compose(report, "report_menu.png");
    months->show();
    months->imgMonthsMouseMove(2 * 29 + 4);
    compose(months, "month_list.png");
    web->show();
    MoveOver(web, {150, 105});
    compose(web, "web_menu.png");
    compose(about, "about.png");
}

} // namespace
} // namespace crescendar
