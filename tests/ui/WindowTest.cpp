// The window itself: dragging, hints, the regions of the title bar, the help page and the
// icon, the screenshot, start-up without a display, regional names.
#include "MainFixture.h"

#include "Regional.h"
#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace crescendar {
namespace {

using WindowTest = MainFixture;

void WriteFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html></html>");
}

// Runs a function with another working folder.
template <class F> void InFolder(const QString& folder, F f) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    f();
    QDir::setCurrent(previous);
}

TEST_F(WindowTest, AnyButtonDragsTheWindowByItsTitle) {
    Start(At(2025, 3, 14));
    for (Qt::MouseButton b : {Qt::RightButton, Qt::LeftButton, Qt::MiddleButton}) {
        w->move(100, 100);
        Mouse(w->lblTitle, QEvent::MouseButtonPress, b, b, {10, 10});
        Mouse(w->lblTitle, QEvent::MouseMove, Qt::NoButton, b, {-190, 25});
        Mouse(w->lblTitle, QEvent::MouseButtonRelease, b, {}, {-190, 25});
        EXPECT_EQ(w->pos(), QPoint(-100, 115)) << b; // no bounds
        Mouse(w->lblTitle, QEvent::MouseMove, Qt::NoButton, {}, {50, 50});
        EXPECT_EQ(w->pos(), QPoint(-100, 115));
    }
}

TEST_F(WindowTest, RegionsWithoutTheirWindowDoNothingAndHooksAreCalled) {
    Start(At(2025, 3, 14));
    for (ClickRegion* r :
         {w->lblPrint, w->lblTimesList, w->lblLinks, w->lblReports, w->lblConfig, w->lblAbout})
        Click(r);
    EXPECT_TRUE(w->isVisible());
    delete w;

    std::vector<TDateTimeRecord> lists;
    options.Hooks.ShowTimesList = [&lists](const TDateTimeRecord& d) { lists.push_back(d); };
    options.Hooks.ShowConfiguration = [this] {
        ChangeSettings([](TSettings& s) { s.DayOrder = 1; });
    };
    Start(At(2025, 3, 14));
    Click(w->lblTimesList);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].Day, 14);
    Click(w->lblConfig);
    EXPECT_EQ(w->WeekdayTitles[0]->Text(), "Mon");
    EXPECT_EQ(w->FirstDayColumn(), 5); // 1 March 2025 is a Saturday
    EXPECT_EQ(w->SelectedDateTime().Day, 14);
}

// The settings the configuration window saves reach the main window once, through the
// session: a change that moves the month lays it out once, any other change not at all.
TEST_F(WindowTest, ClosingTheConfigurationLaysTheMonthOutOnceAtMost) {
    const struct {
        const char* change;
        void (*apply)(TSettings&);
        int layouts;
    } cases[] = {
        {"first weekday", [](TSettings& s) { s.DayOrder = 1; }, 1},
        {"latitude", [](TSettings& s) { s.LatDeg = "12"; }, 1},
        {"printing only", [](TSettings& s) { s.PrintSunTimes = !s.PrintSunTimes; }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        options.Hooks.ShowConfiguration = [this, &c] { ChangeSettings(c.apply); };
        Start(At(2025, 3, 14));
        const int before = w->MonthLayouts();
        Click(w->lblConfig);
        EXPECT_EQ(w->MonthLayouts() - before, c.layouts);
        delete w;
        w = nullptr;
    }
}

TEST_F(WindowTest, HelpPageIsLookedUpBesideTheProgramNeverInTheWorkingFolder) {
    QTemporaryDir program, work;
    options.ProgramFolder = program.path();
    Start(At(2025, 3, 14));
    InFolder(work.path(), [&] {
        Click(w->lblHelp); // neither: a message, nothing opened
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].contains("docs/crescendar.htm"));
        EXPECT_TRUE(shell.files.empty());

        // A page planted in the working folder is never opened.
        WriteFile(work.filePath("docs/crescendar.htm"));
        Click(w->lblHelp);
        EXPECT_EQ(dialogs.messages.size(), 2u);
        EXPECT_TRUE(shell.files.empty());

        WriteFile(program.filePath("docs/crescendar.htm"));
        Click(w->lblHelp);
        ASSERT_EQ(shell.files.size(), 1u);
        EXPECT_EQ(shell.files[0],
                  QFileInfo(program.filePath("docs/crescendar.htm")).absoluteFilePath());
    });
    // The globe opens the home page shipped beside the help page, never an address on the web.
    WriteFile(program.filePath("docs/crescendar-home.htm"));
    Click(w->Label1);
    EXPECT_TRUE(shell.urls.empty());
    ASSERT_EQ(shell.files.size(), 2u);
    EXPECT_EQ(shell.files[1],
              QFileInfo(program.filePath("docs/crescendar-home.htm")).absoluteFilePath());
}

TEST_F(WindowTest, IconIsOptional) {
    QTemporaryDir program, work;
    options.ProgramFolder = program.path();
    QFile::copy(QStringLiteral(CRESCENDAR_ICON_FILE), program.filePath(kIconFile));
    InFolder(work.path(), [&] { Start(At(2025, 3, 14)); });
    EXPECT_FALSE(w->windowIcon().isNull());
    delete w;

    QFile::remove(program.filePath(kIconFile));
    WriteFile(work.filePath(kIconFile)); // not a picture
    InFolder(work.path(), [&] { Start(At(2025, 3, 14)); });
    EXPECT_EQ(w->lblSelectedYear->Text(), "2025");
    Tick();
    EXPECT_FALSE(w->StripText().empty());
}

TEST_F(WindowTest, ScreenshotRendersTheWholeWindow) {
    const QString file = dir.filePath(QStringLiteral("main.png"));
    ASSERT_TRUE(RenderMainWindow(file, At(2025, 3, 14, 6, 30)));
    const QImage shot(file);
    ASSERT_EQ(shot.size(), QSize(640, 480));
    // The Moon is drawn (bright centre) and the clock strip is written (navy text).
    EXPECT_GT(qGray(shot.pixel(104, 158)), 60);
    int navy = 0;
    for (int x = 20; x < 400; ++x)
        for (int y = 44; y < 60; ++y)
            navy += shot.pixelColor(x, y).blue() > 100 && shot.pixelColor(x, y).red() < 80;
    EXPECT_GT(navy, 200);
}

TEST(Startup, WithoutADisplayTheProgramSaysHowToRunIt) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Without these the program has no display to try, whatever desktop runs the tests.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM",
                             "XDG_SESSION_TYPE", "XDG_RUNTIME_DIR"})
        env.remove(name);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(CRESCENDAR_BINARY), {});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 1);
    // The command it names is the one that started it (an installed copy has no build folder).
    EXPECT_TRUE(p.readAllStandardError().contains("xvfb-run -a " CRESCENDAR_BINARY));
}

TEST(Startup, RegionalNamesComeFromTheLocale) {
    const TRegionalNames de = RegionalNamesFromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.LongMonthNames[2], "März");
    EXPECT_EQ(de.ShortDayNames[0].substr(0, 2), "So");
    EXPECT_EQ(de.DateSeparator, ".");
    EXPECT_EQ(de.DecimalSeparator, ",");
    const TRegionalNames us =
        RegionalNamesFromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.LongMonthNames[0], "January");
    EXPECT_EQ(us.ShortDayNames[6], "Sat");
    EXPECT_EQ(us.DateSeparator, "/");
    EXPECT_EQ(us.DecimalSeparator, ".");
}

} // namespace
} // namespace crescendar
