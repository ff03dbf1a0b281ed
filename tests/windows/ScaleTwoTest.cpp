// The windows on a screen with two device pixels to the pixel (QT_SCALE_FACTOR=2; the CTest
// entry windows_tests_scale2 runs these, the plain run skips them): the same layout in
// window pixels, twice the device pixels, and pictures and text drawn at that resolution
// rather than enlarged. With CRESCENDAR_SCREENSHOTS set to a folder, the grabs are written
// there as PNG files to look at.
#include "GoldenPictures.h"
#include "MainFixture.h"

#include "fEclipseReport.h"
#include "fEclipseWindow.h"
#include "fMonthlyPhases.h"
#include "fObservingAid.h"
#include "fTimesList.h"

#include <QDir>
#include <QPixmap>

namespace crescendar {
namespace {

// Share of the 2 x 2 device pixel blocks (aligned on window pixels) inside a window
// rectangle that are not one flat colour. An enlarged 1x picture has none.
double SharpBlocks(const QImage& grab, const QRect& rect) {
    int blocks = 0, sharp = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb a = grab.pixel(2 * x, 2 * y);
            const bool flat = grab.pixel(2 * x + 1, 2 * y) == a &&
                              grab.pixel(2 * x, 2 * y + 1) == a &&
                              grab.pixel(2 * x + 1, 2 * y + 1) == a;
            ++blocks;
            sharp += !flat;
        }
    return blocks ? double(sharp) / blocks : 0.0;
}

class ScaleTwo : public MainFixture {
  protected:
    void SetUp() override {
        if (qApp->devicePixelRatio() < 2.0)
            GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2 (CTest: windows_tests_scale2)";
        MainFixture::SetUp();
    }

    // The window's picture in device pixels, also written for looking at when asked.
    static QImage Grab(QWidget* window, const char* name) {
        const QImage image = window->grab().toImage();
        SavePicture(image, QString::fromLatin1(name) + QStringLiteral(".png"));
        return image;
    }
};

TEST_F(ScaleTwo, MainWindowKeepsItsLayoutWithTwiceThePixels) {
    Start(At(2025, 3, 10, 21, 30), {{"LatDir", "North"}});
    Tick();
    EXPECT_EQ(w->size(), QSize(640, 480));
    const QImage grab = Grab(w, "main-window@2x");
    ASSERT_EQ(grab.size(), QSize(1280, 960));
    // The skin's picture, drawn for this scale: the title bar's icons and lettering.
    EXPECT_GT(SharpBlocks(grab, QRect(14, 12, 180, 26)), 0.15);
    EXPECT_GT(SharpBlocks(grab, QRect(440, 12, 160, 26)), 0.15);
    // The Moon photograph (26, 80)-(181, 235), taken from its 2x picture, and the texts the
    // window draws on its canvas beside it (visible, age, distance).
    EXPECT_GT(SharpBlocks(grab, QRect(40, 100, 120, 110)), 0.5);
    EXPECT_GT(SharpBlocks(grab, QRect(249, 80, 150, 40)), 0.05);
    // The clock strip's text, drawn on the window's canvas.
    EXPECT_GT(SharpBlocks(grab, QRect(20, 44, 380, 14)), 0.05);
}

TEST_F(ScaleTwo, ReportWindowsKeepTheirLayoutWithTwiceThePixels) {
    Start(At(2025, 3, 10), {{"LatDeg", "51"}, {"LatDir", "North"}});
    auto* times = SkinWindow::Create<TTimesList>(w->Session(), *w);
    times->SetupDataBitmap(w->SelectedDateTime());
    times->show();
    times->FormActivate();
    const QImage timesGrab = Grab(times, "times-list@2x");
    ASSERT_EQ(timesGrab.size(), times->size() * 2);
    // The table's texts on its back buffer, and the skin's gilded title.
    EXPECT_GT(SharpBlocks(timesGrab, QRect(20, 70, 600, 300)), 0.05);
    EXPECT_GT(SharpBlocks(timesGrab, QRect(200, 8, 240, 28)), 0.1);

    auto* aid = SkinWindow::Create<TObservingAid>(w->Session(), *w);
    aid->show();
    aid->FormActivate();
    const QImage aidGrab = Grab(aid, "observing-aid@2x");
    ASSERT_EQ(aidGrab.size(), aid->size() * 2);
    EXPECT_GT(SharpBlocks(aidGrab, QRect(0, 0, aid->width(), 44)), 0.1);

    // The phases calendar: its Moon pictures, their shadows hatched over them, and the dates.
    auto* phases = SkinWindow::Create<TMonthlyPhases>(w->Session(), *w);
    phases->show();
    phases->FormActivate();
    const QImage phasesGrab = Grab(phases, "monthly-phases@2x");
    ASSERT_EQ(phasesGrab.size(), phases->size() * 2);
    EXPECT_GT(SharpBlocks(phasesGrab, QRect(20, 60, 450, 400)), 0.1);
    delete phases;
    delete aid;
    delete times;
}

TEST_F(ScaleTwo, EclipseWindowLengthensItsTwiceSizeSkin) {
    Start(At(2025, 3, 10));
    auto* eclipse = SkinWindow::Create<TEclipse>(w->Session(), w, w->imgEclipse);
    eclipse->ShowEclipses(w->Eclipses());
    eclipse->show();
    const QImage grab = Grab(eclipse, "eclipse@2x");
    ASSERT_EQ(grab.size(), eclipse->size() * 2);
    EXPECT_GT(SharpBlocks(grab, QRect(0, 0, eclipse->width(), 40)), 0.1);
    // The skin is lengthened by repeating one row: its bottom band, device row for device
    // row, still ends the window.
    const QImage skin(QStringLiteral(":/eclipse/eclipse_bgnd@2x.jpg"));
    ASSERT_EQ(skin.width(), grab.width());
    double difference = 0;
    for (int y = 1; y <= 8; ++y)
        for (int x = 0; x < grab.width(); ++x)
            difference += std::abs(qGray(grab.pixel(x, grab.height() - y)) -
                                   qGray(skin.pixel(x, skin.height() - y)));
    EXPECT_LT(difference / (8.0 * grab.width()), 4.0);
    delete eclipse;
}

// The finder listing lunar, solar and both kinds of eclipse: its list drawn at this
// resolution, the choice on the bottom band clear of the list's commands and of the frame.
TEST_F(ScaleTwo, EclipseFinderKeepsItsChoiceApartInEachChoice) {
    Start(At(2025, 3, 10));
    auto* finder = SkinWindow::Create<TEclipseReport>(w->Session(), w, w->lblReports);
    finder->ShowEclipseReport();
    finder->FormActivate();
    finder->txtFromYear->setText(QStringLiteral("2024"));
    finder->txtToYear->setText(QStringLiteral("2027"));
    finder->lblCalculateClick();
    const std::pair<Qt::Key, const char*> choices[] = {{Qt::Key_L, "eclipse_report_lunar@2x"},
                                                       {Qt::Key_S, "eclipse_report_solar@2x"},
                                                       {Qt::Key_B, "eclipse_report_both@2x"}};
    for (const auto& [key, name] : choices) {
        QTest::keyClick(finder, key, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!finder->Searching(), 60000);
        ASSERT_GE(finder->Rows().size(), 8u) << name;
        const QImage grab = Grab(finder, name);
        ASSERT_EQ(grab.size(), finder->size() * 2);
        EXPECT_GT(SharpBlocks(grab, QRect(22, 75, 320, 185)), 0.05) << name;
        EXPECT_LT(finder->lblBoth->geometry().right(), finder->lblCopy->x()) << name;
        EXPECT_LE(finder->imgBoth->geometry().bottom(), finder->height() - 3) << name;
    }
    delete finder;
}

} // namespace
} // namespace crescendar
