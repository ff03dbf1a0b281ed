// The shaded Moon, its orientation, the Moon's rise and set order, the signs of the
// coordinate texts and the texts of a tick.
#include "MainFixture.h"

#include "Calendar.h"

#include <QRegularExpression>

#include <algorithm>

namespace crescendar {
namespace {

using MoonViewTest = MainFixture;

const QColor kShadow(30, 30, 30);

// Disk pixels (within 72 pixels of the centre) of imgMoon that are shadow, by side.
struct Shade {
    int leftDark = 0, leftLit = 0, rightDark = 0, rightLit = 0;
};
Shade MeasureShade(const TMain& m) {
    Shade s;
    const QImage& moon = m.imgMoon.Image();
    const QImage& photo = m.imgMoonOriginal.Image();
    for (int y = 7; y <= 150; ++y) {
        for (int x = 6; x <= 150; ++x) {
            if ((x - 78) * (x - 78) + (y - 78) * (y - 78) > 72 * 72 || x == 77 || x == 78) continue;
            const bool dark = moon.pixelColor(x, y) == kShadow;
            const bool original = moon.pixel(x, y) == photo.pixel(x, y);
            EXPECT_TRUE(dark || original) << x << "," << y;
            (x < 78 ? (dark ? s.leftDark : s.leftLit) : (dark ? s.rightDark : s.rightLit))++;
        }
    }
    return s;
}

TEST_F(MoonViewTest, ShadowCoversNothingHalfOrAllOfTheDisk) {
    Start(At(2025, 3, 14));
    w->DrawMoonGraphic(0, 10);
    Shade s = MeasureShade(*w);
    EXPECT_EQ(s.leftLit + s.rightLit, 0);

    w->DrawMoonGraphic(50, 25); // waxing: lit on the right, terminator at 77 and 78
    s = MeasureShade(*w);
    EXPECT_EQ(s.leftLit, 0);
    EXPECT_EQ(s.rightDark, 0);
    EXPECT_EQ(w->imgMoon.Image().pixelColor(77, 78), kShadow);
    EXPECT_NE(w->imgMoon.Image().pixelColor(79, 78), kShadow);

    w->DrawMoonGraphic(50, 50); // exactly half a lunation counts as waning
    s = MeasureShade(*w);
    EXPECT_EQ(s.leftDark, 0);
    EXPECT_EQ(s.rightLit, 0);
    EXPECT_NE(w->imgMoon.Image().pixelColor(77, 78), kShadow);
    EXPECT_EQ(w->imgMoon.Image().pixelColor(78, 78), kShadow);

    w->DrawMoonGraphic(100, 49); // only the limb
    s = MeasureShade(*w);
    EXPECT_EQ(s.leftDark + s.rightDark, 0);
    EXPECT_EQ(w->imgMoon.Image().pixelColor(3, 78), kShadow);

    w->DrawMoonGraphic(25, 80); // waning crescent: a thin lit band on the left
    s = MeasureShade(*w);
    EXPECT_EQ(s.rightLit, 0);
    EXPECT_GT(s.leftLit, 0);
    EXPECT_GT(s.leftDark, s.leftLit);
}

// The shaded Moon is drawn again only when its picture would change: a percent or a side
// that differs gives another picture, the same ones give back the first picture, and the window
// shows the picture drawn last.
TEST_F(MoonViewTest, ShadedMoonFollowsEveryChangeOfPercentAndSide) {
    Start(At(2025, 3, 14));
    const auto rgb = [](const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); };
    const std::pair<int, double> shades[] = {{30, 20}, {31, 20}, {30, 80}, {0, 2}, {100, 49}};
    std::vector<QImage> first;
    for (const auto& [percent, lunation] : shades) {
        w->DrawMoonGraphic(percent, lunation);
        for (const QImage& other : first) EXPECT_NE(rgb(w->imgMoon.Image()), other) << percent;
        first.push_back(rgb(w->imgMoon.Image()));
    }
    for (std::size_t i = 0; i < std::size(shades); ++i) {
        w->DrawMoonGraphic(shades[i].first, shades[i].second);
        EXPECT_EQ(rgb(w->imgMoon.Image()), first[i]) << shades[i].first;
        EXPECT_EQ(rgb(CopyPart(w->CanvasImage(), QRect(26, 80, 155, 155))),
                  CopyPart(first[i], QRect(0, 0, 155, 155)))
            << shades[i].first;
    }
}

// A window that has ticked for a while shows what a window started at that instant shows,
// although its ticks draw again only the figures whose texts changed.
TEST_F(MoonViewTest, TickedPanelsMatchThoseOfAFreshWindow) {
    const QDateTime start = At(2025, 3, 29, 10, 58, 30); // the age's minutes and the boxes turn
    Start(start);
    for (int i = 0; i < 150; ++i) {
        clock.Advance(1000);
        Tick();
    }
    const QImage ticked = w->CanvasImage().copy();
    delete w;
    Start(start.addSecs(150));
    Tick();
    EXPECT_TRUE(w->CanvasImage() == ticked);
}

// A tick repaints the window only where it changed: the clock strip, not the Moon picture or
// the calendar.
TEST_F(MoonViewTest, TickRepaintsOnlyWhatChanged) {
    Start(At(2025, 3, 29, 11, 0, 0));
    QApplication::processEvents();
    QRegion painted;
    struct Recorder : QObject {
        QRegion* region;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) *region += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } recorder;
    recorder.region = &painted;
    w->installEventFilter(&recorder);
    clock.Advance(1000);
    Tick();
    QApplication::processEvents();
    EXPECT_TRUE(painted.contains(QRect(20, 44, 300, 15)));
    EXPECT_FALSE(painted.intersects(QRect(26, 80, 155, 155)));
    EXPECT_FALSE(painted.intersects(QRect(420, 291, 203, 160)));
}

// Mean brightness of the window's Moon on its left and right thirds, along the middle row.
std::pair<int, int> ShownSides(const TMain& m) {
    const QImage& c = m.CanvasImage();
    int left = 0, right = 0;
    for (int x = 0; x < 40; ++x) {
        left += qGray(c.pixel(26 + 20 + x, 158));
        right += qGray(c.pixel(26 + 95 + x, 158));
    }
    return {left / 40, right / 40};
}

TEST_F(MoonViewTest, PictureTurnsForHemisphereAndOptics) {
    Start(At(2025, 3, 14));
    struct Case {
        const char* hemisphere;
        bool telescope;
        bool litOnRight;
    };
    const Case cases[] = {{"North", false, true},
                          {"North", true, false},
                          {"South", false, false},
                          {"South", true, true}};
    for (const Case& c : cases) {
        ChangeSettings([&c](TSettings& s) { s.LatDir = *FromWord<TNorthSouth>(c.hemisphere); });
        if ((w->OpticsMode() == 1) != c.telescope) Click(w->imgOptics);
        EXPECT_EQ(w->imgOptics->Image(), c.telescope ? w->imgTelescope : w->imgBinoculars);
        w->DrawMoonGraphic(50, 25); // waxing half Moon, lit on the right seen from the north
        const auto [left, right] = ShownSides(*w);
        EXPECT_EQ(right > left + 40, c.litOnRight) << c.hemisphere << " " << c.telescope;
        EXPECT_EQ(left > right + 40, !c.litOnRight) << c.hemisphere << " " << c.telescope;
    }
}

TEST_F(MoonViewTest, SouthernStartTurnsThePhasePictures) {
    Start(At(2025, 3, 14), {{"LatDir", "South"}});
    const QImage upright(QStringLiteral(":/main/phase_first_quarter.png"));
    EXPECT_EQ(w->imgFirstQuarterPhase, upright.mirrored(true, true));
    EXPECT_EQ(w->imgPhase[0]->Image(), w->imgFirstQuarterPhase);
    w->InvertPhaseIcons();
    EXPECT_EQ(w->imgFirstQuarterPhase, upright);
}

TEST_F(MoonViewTest, MoonTimesAreListedInTimeOrder) {
    // Far north the Moon often misses a rise or a set: "*****" first, "None" last.
    Start(At(2025, 1, 1), {{"LatDeg", "68"}});
    int missing = 0;
    for (int day = 1; day <= 31; ++day) {
        Click(w->DateCells[static_cast<std::size_t>(w->FirstDayColumn() + day - 1)]);
        const QString v[3] = {w->lblMoonValue1->Text(), w->lblMoonValue2->Text(),
                              w->lblMoonValue3->Text()};
        EXPECT_LE(v[0].toStdString(), v[1].toStdString()) << day;
        EXPECT_LE(v[1].toStdString(), v[2].toStdString()) << day;
        QStringList titles = {w->lblMoonTitle1->Text(), w->lblMoonTitle2->Text(),
                              w->lblMoontitle3->Text()};
        titles.sort();
        EXPECT_EQ(titles.join(' '), "Moonrise: Moonset: Transit:");
        for (const QString& t : v) missing += t == "*****" || t == "None";
    }
    EXPECT_GT(missing, 0);
}

// Whether column x of an image holds ink (a pixel unlike the black background).
bool InkAt(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) != qRgb(0, 0, 0)) return true;
    return false;
}

int FirstInk(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        if (InkAt(image, x)) return x;
    return -1;
}

TEST_F(MoonViewTest, MinusSignStandsAgainstItsDigits) {
    Start(At(2025, 3, 14));
    // As in the Moon and Sun boxes: transparent text, the value's column at 10.
    auto render = [this](double value, bool opaque = false) {
        Picture box;
        box.SetSize(100, 16, Qt::black);
        Canvas& c = box.GetCanvas();
        c.SetFontName(QStringLiteral("Arial"));
        c.SetFontSize(ScaledFontSize(9));
        c.SetFontColor(Qt::white);
        c.SetBrushStyle(opaque ? BrushStyle::Solid : BrushStyle::Clear);
        c.SetBrushColor(Qt::black);
        w->DisplayCoord(c, 20, 44, 72, 2, DegreesToDMS(value), 0);
        return box.Image();
    };
    for (double value : {26.5, 5.25, 0.01}) {
        // The digits of the positive value start where the negative one's do.
        const int digits = FirstInk(render(value));
        ASSERT_GE(digits, 20) << value;
        const QImage negative = render(-value);
        const int sign = FirstInk(negative);
        EXPECT_LE(digits - sign, 9) << value;
        EXPECT_GE(digits - sign, 3) << value; // a dash, not a dot
        // No blank column wider than 2 pixels between the sign and the first digit.
        int blank = 0, widest = 0;
        for (int x = sign; x < digits; ++x) {
            blank = InkAt(negative, x) ? 0 : blank + 1;
            widest = std::max(widest, blank);
        }
        EXPECT_LE(widest, 2) << value;
        // The same on an opaque panel.
        EXPECT_EQ(FirstInk(render(-value, true)), sign) << value;
    }
}

TEST_F(MoonViewTest, SignOnTheOpaquePanelIsClearedWhenTheValueTurnsPositive) {
    Start(At(2025, 3, 14));
    Picture panel;
    panel.SetSize(100, 16, Qt::black);
    Canvas& c = panel.GetCanvas();
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontSize(ScaledFontSize(9));
    c.SetFontColor(Qt::cyan);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(Qt::black);
    w->DisplayCoord(c, 20, 44, 72, 2, DegreesToDMS(-12.5), 0);
    ASSERT_LT(FirstInk(panel.Image()), 20);
    w->DisplayCoord(c, 20, 44, 72, 2, DegreesToDMS(12.5), 0);
    EXPECT_GE(FirstInk(panel.Image()), 20);
}

TEST_F(MoonViewTest, TicksNeverShowImpossibleTexts) {
    // Ticks across two lunations at awkward offsets: the age is never negative, the clock
    // and the sidereal time never read 60 or 24.
    Start(At(2025, 3, 1, 0, 0, 1), {{"TimeZone", "24"}, {"DaylightSavings", "True"}});
    const QRegularExpression strip(QStringLiteral(
        R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d  \d\d [A-Z][a-z]+ \d{4} - [A-Za-z' ()]+$)"));
    const QRegularExpression lst(QStringLiteral(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$)"));
    for (int i = 0; i < 240; ++i) {
        clock.Advance(qint64(6) * 3600 * 1000 + 59999);
        Tick();
        EXPECT_TRUE(strip.match(QString::fromStdString(w->StripText())).hasMatch())
            << w->StripText();
        const std::string l = w->LocalSiderealTime(JulianDayToDate(w->ShownJD().JD), 1);
        EXPECT_TRUE(lst.match(QString::fromStdString(l)).hasMatch()) << l;
        EXPECT_LE(w->LunationBounds().PreviousNewMoon.JD, w->ShownUT().JD);
        EXPECT_GT(w->LunationBounds().NextNewMoon.JD, w->ShownUT().JD);
    }
}

} // namespace
} // namespace crescendar
