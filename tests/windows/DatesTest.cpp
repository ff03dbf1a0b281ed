// The date information, equinox and Easter windows: their labels, how they open from the
// main window, where they stand and that they close when another window is activated.
#include "GoldenPictures.h"
#include "MainFixture.h"

#include "fDateInfo.h"
#include "fEaster.h"
#include "fEquinox.h"

#include "Calendar.h"

#include <QDir>

namespace crescendar {
namespace {

class DatesTest : public MainFixture {
  protected:
    void SetUp() override {
        MainFixture::SetUp();
        options.Hooks.ShowDateInfo = [this](const TDateTimeRecord& d) {
            if (dateInfo) dateInfo->ShowDateInfo(d);
        };
    }

    // The main window and the three windows, children of it (deleted with it).
    void Open(const QDateTime& at, const SettingValues& values = {}) {
        Start(at, values);
        w->move(200, 100);
        dateInfo = SkinWindow::Create<TDateInfoWindow>(*w);
        equinox = SkinWindow::Create<TEquinox>(w->Session(), *w);
        easter = SkinWindow::Create<TEaster>(w->Session(), *w);
    }

    // The date window for a day at noon.
    void ShowDay(int y, int m, int d) { dateInfo->ShowDateInfo(MakeDate(y, m, d, 12)); }

    // The main window taking the activation back, as a click on it does.
    void ActivateMain() {
        w->activateWindow();
        QApplication::processEvents();
    }

    QString Row(const std::array<ClickRegion*, 4>& labels, int r) const {
        return labels[static_cast<std::size_t>(r)]->Text();
    }

    TDateInfoWindow* dateInfo = nullptr;
    TEquinox* equinox = nullptr;
    TEaster* easter = nullptr;
};

// Date information window ------------------------------------------------------------------

TEST_F(DatesTest, DateLabelsOfFifthFebruary2003) {
    Open(At(2024, 6, 1));
    dateInfo->ShowDateInfo(MakeDate(2003, 2, 5));
    EXPECT_EQ(dateInfo->lblSelectedDate->Text(), "05 February 2003");
    EXPECT_EQ(dateInfo->Label1->Text(), "2452675.5 at 0h UT");
    EXPECT_EQ(dateInfo->Label2->Text(), "36");
    EXPECT_EQ(dateInfo->Label3->Text(), "6  (2003-W6-3)");
    EXPECT_EQ(dateInfo->Label4->Text(), "323");
    // The date is centred in the window, whatever its length.
    const QRect date = dateInfo->lblSelectedDate->geometry();
    EXPECT_LE(std::abs(date.left() + date.width() / 2 - dateInfo->width() / 2), 1);
    // The Julian Day is the date's, whatever the time of day.
    dateInfo->ShowDateInfo(MakeDate(2003, 2, 5, 18));
    EXPECT_EQ(dateInfo->Label1->Text(), "2452675.5 at 0h UT");
}

TEST_F(DatesTest, WeekNumbersAtTheTurnOfTheYear) {
    Open(At(2024, 6, 1));
    ShowDay(2024, 1, 1); // a Monday
    EXPECT_EQ(dateInfo->Label3->Text(), "1  (2024-W1-1)");
    ShowDay(2024, 12, 30); // Monday of the week that holds 2 January 2025
    EXPECT_EQ(dateInfo->Label3->Text(), "1  (2025-W1-1)");
    ShowDay(2021, 1, 1); // a Friday: the last week of 2020
    EXPECT_EQ(dateInfo->Label3->Text(), "53  (2020-W53-5)");
    ShowDay(2022, 1, 2); // a Sunday
    EXPECT_EQ(dateInfo->Label3->Text(), "52  (2021-W52-7)");
    EXPECT_EQ(dateInfo->Label2->Text(), "2");

    // The longest texts still end inside the panel (right edge at x 236).
    dateInfo->ShowDateInfo(MakeDate(2020, 12, 31, 9, 30));
    EXPECT_EQ(dateInfo->Label3->Text(), "53  (2020-W53-4)");
    EXPECT_EQ(dateInfo->Label1->Text(), "2459214.5 at 0h UT");
    for (const ClickRegion* value : {dateInfo->Label1, dateInfo->Label3, dateInfo->lblSelectedDate})
        EXPECT_LE(value->geometry().right(), 236) << value->Text().toStdString();
}

TEST_F(DatesTest, DaysTillChristmas) {
    Open(At(2024, 6, 1));
    ShowDay(2024, 12, 25);
    EXPECT_EQ(dateInfo->Label4->Text(), "0");
    ShowDay(2024, 12, 26); // to Christmas 2025
    EXPECT_EQ(dateInfo->Label4->Text(), "364");
    ShowDay(2023, 12, 26); // across 29 February 2024
    EXPECT_EQ(dateInfo->Label4->Text(), "365");
    ShowDay(2024, 12, 31);
    EXPECT_EQ(dateInfo->Label2->Text(), "366");
}

TEST_F(DatesTest, RightClickOnADayOpensItsDateAndBlankCellsDoNothing) {
    Open(At(2024, 3, 14, 9, 30));
    const std::size_t first = w->FirstDayColumn(); // cell of 1 March 2024
    ASSERT_GT(first, 0u);
    ASSERT_EQ(Cell(0), " ");
    Click(w->DateCells[0], Qt::RightButton);
    EXPECT_FALSE(dateInfo->isVisible());
    Click(w->DateCells[first + 4], Qt::LeftButton); // a plain click selects, nothing more
    EXPECT_FALSE(dateInfo->isVisible());
    ASSERT_EQ(w->SelectedDateTime().Day, 5);

    Click(w->DateCells[first + 21], Qt::RightButton); // day 22
    ASSERT_TRUE(dateInfo->isVisible());
    EXPECT_EQ(dateInfo->lblSelectedDate->Text(), "22 March 2024");
    EXPECT_EQ(dateInfo->Label2->Text(), "82");
    EXPECT_EQ(dateInfo->Label1->Text(), "2460391.5 at 0h UT");
    EXPECT_EQ(w->SelectedDateTime().Day, 5); // the selection stays
}

// Equinox window ----------------------------------------------------------------------------

TEST_F(DatesTest, EquinoxesOf2024AtGreenwich) {
    Open(At(2024, 7, 4));
    equinox->ShowEquinox();
    ASSERT_TRUE(equinox->isVisible());
    const QStringList titles = {
        "Spring Equinox:", "Summer Solstice:", "Autumn Equinox:", "Winter Solstice:"};
    const QStringList events = {"03:06   20 Mar", "20:51   20 Jun", "12:43   22 Sep",
                                "09:20   21 Dec"};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(Row(equinox->Titles(), r), titles[r]);
        EXPECT_EQ(Row(equinox->Events(), r), events[r]);
        EXPECT_TRUE(Row(equinox->Lengths(), r).endsWith(" days")) << r;
    }
    EXPECT_EQ(equinox->lblSpringDur->Text(), "92.73 days");
    EXPECT_EQ(equinox->lblYear->Text(), "Seasons of 2024 in the northern hemisphere");
}

TEST_F(DatesTest, SouthernSeasonsStartWithTheSeptemberEquinox) {
    Open(At(2024, 7, 4));
    equinox->ShowEquinox();
    const QString marchLength = equinox->lblSpringDur->Text();
    const QString septemberLength = equinox->lblAutumnDur->Text();
    equinox->close();

    ChangeSettings([](TSettings& s) { s.LatDir = TNorthSouth::South; });
    equinox->ShowEquinox();
    EXPECT_EQ(equinox->Label8->Text(), "Spring Equinox:"); // titles keep their order
    EXPECT_EQ(equinox->lblSpring->Text(), "12:43   22 Sep");
    EXPECT_EQ(equinox->lblSummer->Text(), "09:20   21 Dec");
    EXPECT_EQ(equinox->lblAutumn->Text(), "03:06   20 Mar");
    EXPECT_EQ(equinox->lblWinter->Text(), "20:51   20 Jun");
    EXPECT_EQ(equinox->lblSpringDur->Text(), septemberLength);
    EXPECT_EQ(equinox->lblAutumnDur->Text(), marchLength);
    EXPECT_TRUE(equinox->lblYear->Text().contains("southern"));
}

TEST_F(DatesTest, EquinoxTimesFollowTheZoneOfTheSettings) {
    // GMT+1, with daylight saving one hour more.
    Open(At(2024, 7, 4), {{"TimeZone", "13"}, {"DaylightSavings", "True"}});
    equinox->EquinoxesAndSolstices(2024);
    EXPECT_EQ(equinox->lblSpring->Text(), "05:06   20 Mar");
    EXPECT_EQ(equinox->lblSummer->Text(), "22:51   20 Jun");
}

// Easter window -----------------------------------------------------------------------------

TEST_F(DatesTest, EasterFollowsTheSelectedYearEachTimeItIsShown) {
    Open(At(2024, 11, 2));
    easter->ShowEaster();
    ASSERT_TRUE(easter->isVisible());
    EXPECT_EQ(easter->lblEaster->Text(), "31 March 2024");
    easter->close();

    TDateTimeRecord d = w->SelectedDateTime();
    d.Year = 2025;
    w->Session().SetSelectedDateTime(d);
    easter->ShowEaster();
    EXPECT_EQ(easter->lblEaster->Text(), "20 April 2025");
    EXPECT_EQ(easter->lblExit->Hint(), "Exit Crescendar");
}

// All three ---------------------------------------------------------------------------------

TEST_F(DatesTest, WindowsCloseWhenAnotherWindowIsActivated) {
    Open(At(2024, 3, 14));
    const auto check = [this](SkinWindow* window, const std::function<void()>& show) {
        show();
        QApplication::processEvents();
        ASSERT_TRUE(window->isVisible()) << window->objectName().toStdString();
        ASSERT_TRUE(window->isActiveWindow()) << window->objectName().toStdString();
        ActivateMain();
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
        // Shown again, it is active again, so that it can close again.
        show();
        QApplication::processEvents();
        EXPECT_TRUE(window->isActiveWindow()) << window->objectName().toStdString();
        ActivateMain();
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    };
    check(dateInfo, [this] { ShowDay(2024, 3, 1); });
    check(equinox, [this] { equinox->ShowEquinox(); });
    check(easter, [this] { easter->ShowEaster(); });
}

TEST_F(DatesTest, ExitRegionClosesOnALeftClickOnly) {
    Open(At(2024, 3, 14));
    ShowDay(2024, 3, 1);
    equinox->ShowEquinox(); // the date window closes: it is no longer active
    QApplication::processEvents();
    EXPECT_FALSE(dateInfo->isVisible());
    Click(equinox->lblExit, Qt::RightButton);
    EXPECT_TRUE(equinox->isVisible());
    Click(equinox->lblExit);
    EXPECT_FALSE(equinox->isVisible());

    for (const auto& [window, exit, show] :
         {std::tuple<SkinWindow*, ClickRegion*, std::function<void()>>{
              dateInfo, dateInfo->lblExit, [this] { ShowDay(2024, 3, 1); }},
          {easter, easter->lblExit, [this] { easter->ShowEaster(); }}}) {
        show();
        Click(exit);
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

TEST_F(DatesTest, WindowsAreCentredOverTheMainWindowAndKeptOnTheScreen) {
    Open(At(2024, 3, 14));
    ShowDay(2024, 3, 1);
    EXPECT_EQ(dateInfo->geometry(), QRect(200 + (640 - 250) / 2, 100 + (480 - 165) / 2, 250, 165));
    easter->ShowEaster();
    EXPECT_EQ(easter->geometry(), QRect(200 + 220, 100 + 188, 200, 104));
    equinox->ShowEquinox();
    EXPECT_EQ(equinox->geometry(), QRect(200 + 145, 100 + 162, 350, 155));
    equinox->close();

    // A main window dragged mostly off the screen still opens them where they can be seen.
    const QSize screen = SkinWindow::ScreenSize();
    w->move(-600, screen.height() - 20);
    equinox->ShowEquinox();
    EXPECT_EQ(equinox->pos(), QPoint(0, screen.height() - 155));
}

TEST_F(DatesTest, EasterTitleDragsWithAnyButton) {
    Open(At(2024, 3, 14));
    easter->ShowEaster();
    const QPoint start = easter->pos();
    Mouse(easter->Label1, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {10, 5});
    Mouse(easter->Label1, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {40, 25});
    Mouse(easter->Label1, QEvent::MouseButtonRelease, Qt::RightButton, {}, {40, 25});
    EXPECT_EQ(easter->pos(), start + QPoint(30, 20));
}

// The skins are in place under the labels, and the three windows look as pinned.
TEST_F(DatesTest, SkinsFillTheWindows) {
    Open(At(2024, 3, 14));
    dateInfo->ShowDateInfo(MakeDate(2003, 2, 5));
    const QImage dateShot = dateInfo->grab().toImage();
    equinox->EquinoxesAndSolstices(2024);
    const QImage equinoxShot = equinox->grab().toImage();
    easter->ShowEaster();
    const QImage easterShot = easter->grab().toImage();

    for (SkinWindow* window : {static_cast<SkinWindow*>(dateInfo),
                               static_cast<SkinWindow*>(equinox), static_cast<SkinWindow*>(easter)})
        EXPECT_EQ(window->Background().size(), window->size())
            << window->objectName().toStdString();
    // The frame and title plate are painted, not the plain black of a missing skin.
    EXPECT_NE(QColor(dateShot.pixel(1, 1)), QColor(Qt::black));
    EXPECT_NE(QColor(equinoxShot.pixel(100, 20)), QColor(Qt::black));

    ExpectGoldenPicture(dateShot, "date_info.png");
    ExpectGoldenPicture(equinoxShot, "equinox.png");
    ExpectGoldenPicture(easterShot, "easter.png");
}

} // namespace
} // namespace crescendar
