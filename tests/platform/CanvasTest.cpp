#include "Canvas.h"
#include "MoonShadow.h"
#include "Picture.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

namespace crescendar {
namespace {

const QColor kInk(30, 30, 30);

bool Set(const QImage& img, int x, int y) {
    return img.pixelColor(x, y) != QColor(Qt::white);
}

int CountSet(const QImage& img, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += Set(img, x, y);
    return n;
}

// ----- lines and rectangles -------------------------------------------------------------

TEST(CanvasLines, LineToStopsOnePixelBeforeTheEndPoint) {
    Picture pic(20, 20, Qt::white);
    Canvas& c = pic.GetCanvas();
    c.SetPenColor(Qt::black);
    c.MoveTo(2, 2);
    c.LineTo(10, 2); // horizontal
    EXPECT_EQ(CountSet(pic.Image(), 0, 2, 19, 2), 8);
    EXPECT_TRUE(Set(pic.Image(), 9, 2));
    EXPECT_FALSE(Set(pic.Image(), 10, 2));
    EXPECT_EQ(c.PenPos(), QPoint(10, 2));

    c.LineTo(10, 12); // continues from the pen position: (10, 2) is drawn now
    EXPECT_TRUE(Set(pic.Image(), 10, 2));
    EXPECT_TRUE(Set(pic.Image(), 10, 11));
    EXPECT_FALSE(Set(pic.Image(), 10, 12));

    c.MoveTo(18, 18);
    c.LineTo(12, 12); // diagonal, drawn backwards
    EXPECT_TRUE(Set(pic.Image(), 18, 18));
    EXPECT_TRUE(Set(pic.Image(), 13, 13));
    EXPECT_FALSE(Set(pic.Image(), 12, 12));

    c.MoveTo(5, 15);
    c.LineTo(5, 15); // zero length draws nothing
    EXPECT_FALSE(Set(pic.Image(), 5, 15));
}

TEST(CanvasShapes, RectangleExcludesRightAndBottomEdges) {
    Picture pic(12, 12, Qt::white);
    Canvas& c = pic.GetCanvas();
    c.SetPenColor(Qt::red);
    c.SetBrushColor(Qt::blue);
    c.Rectangle(2, 3, 8, 9);
    const QImage& img = pic.Image();
    EXPECT_EQ(img.pixelColor(2, 3), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(7, 8), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(7, 5), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(3, 4), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(6, 7), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(8, 5), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(5, 9), QColor(Qt::white));

    c.SetBrushStyle(BrushStyle::Clear);
    c.SetPenColor(Qt::green);
    c.Rectangle(Rect(0, 0, 12, 12));
    EXPECT_EQ(img.pixelColor(11, 11), QColor(Qt::green));
    EXPECT_EQ(img.pixelColor(3, 4), QColor(Qt::blue)); // clear brush leaves the inside

    c.FillRect(Rect(0, 0, 3, 3)); // clear brush: FillRect paints nothing
    EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::white));
    c.FillRect(Rect(0, 0, 3, 3), Qt::black);
    EXPECT_EQ(img.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(3, 3), QColor(Qt::red));
}

// ----- arcs and ellipses ----------------------------------------------------------------

// Counts of set pixels per quadrant of the circle around (30, 30), axes excluded:
// upper-right, upper-left, lower-left, lower-right.
std::array<int, 4> Quadrants(const QImage& img) {
    return {CountSet(img, 31, 0, 60, 29), CountSet(img, 0, 0, 29, 29), CountSet(img, 0, 31, 29, 60),
            CountSet(img, 31, 31, 60, 60)};
}

TEST(CanvasArcs, ArcRunsCounterClockwiseFromStartToEnd) {
    Picture pic(61, 61, Qt::white);
    pic.GetCanvas().Arc(10, 10, 50, 50, 60, 30, 30, 0); // east to north
    const QImage& img = pic.Image();
    const auto q = Quadrants(img);
    EXPECT_GT(q[0], 20);
    EXPECT_EQ(q[1], 0);
    EXPECT_EQ(q[2], 0);
    EXPECT_EQ(q[3], 0);
    EXPECT_TRUE(Set(img, 50, 30)); // the curve passes through the rectangle's edges
    EXPECT_TRUE(Set(img, 30, 10));

    Picture rev(61, 61, Qt::white);
    rev.GetCanvas().Arc(10, 10, 50, 50, 30, 0, 60, 30); // north to east: the other three quarters
    const auto r = Quadrants(rev.Image());
    EXPECT_EQ(r[0], 0);
    EXPECT_GT(r[1], 20);
    EXPECT_GT(r[2], 20);
    EXPECT_GT(r[3], 20);
}

TEST(CanvasArcs, EqualStartAndEndRaysDrawTheWholeEllipse) {
    Picture pic(61, 61, Qt::white);
    pic.GetCanvas().Arc(10, 10, 50, 50, 60, 30, 55, 30);
    for (int n : Quadrants(pic.Image())) EXPECT_GT(n, 20);
}

// Pixels reachable from (x, y) through unset pixels by 4-neighbour steps.
bool LeaksToBorder(const QImage& img, int x, int y) {
    std::vector<bool> seen(img.width() * img.height());
    std::vector<QPoint> todo{{x, y}};
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!img.valid(p) || seen[p.y() * img.width() + p.x()] || Set(img, p.x(), p.y())) continue;
        if (p.x() == 0 || p.y() == 0 || p.x() == img.width() - 1 || p.y() == img.height() - 1)
            return true;
        seen[p.y() * img.width() + p.x()] = true;
        todo.insert(
            todo.end(),
            {{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
    return false;
}

TEST(CanvasArcs, EllipseOutlinesAreClosed) {
    // Round, tall, wide, tiny, odd and even sizes.
    const int boxes[][4] = {{5, 5, 95, 95},   {40, 2, 60, 98},  {2, 40, 98, 58},
                            {47, 47, 52, 53}, {10, 20, 91, 81}, {3, 3, 96, 97}};
    for (const auto& b : boxes) {
        Picture pic(101, 101, Qt::white);
        pic.GetCanvas().SetBrushStyle(BrushStyle::Clear);
        pic.GetCanvas().Ellipse(b[0], b[1], b[2], b[3]);
        EXPECT_FALSE(LeaksToBorder(pic.Image(), 50, 50)) << b[0] << "," << b[1];
        EXPECT_TRUE(Set(pic.Image(), b[0], (b[1] + b[3]) / 2));
        EXPECT_FALSE(Set(pic.Image(), 50, 50));
    }
}

TEST(CanvasArcs, PieFillsItsSectorOnly) {
    Picture pic(61, 61, Qt::white);
    Canvas& c = pic.GetCanvas();
    c.SetBrushColor(Qt::blue);
    c.Pie(10, 10, 50, 50, 30, 60, 60, 30); // south to east: the lower-right quarter
    const QImage& img = pic.Image();
    EXPECT_EQ(img.pixelColor(40, 40), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(20, 20), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(40, 20), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(45, 30), QColor(Qt::black)); // radial edge in the pen colour
}

class MoonShadow : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(MoonShadow, LeavesNoLitPixelInsideTheDarkPart) {
    const auto [b, waxing] = GetParam();
    Picture pic(156, 156, Qt::white);
    pic.GetCanvas().SetPenColor(kInk);
    DrawShadow(pic.GetCanvas(), b, waxing);
    const QImage& img = pic.Image();

    // Limb: x = 78 +- 75 s; terminator: x = 78 -+ b s, s = sqrt(1 - dy^2 / 75.5^2).
    for (int y = 3; y <= 154; ++y) {
        int first = -1, last = -1, holes = 0;
        for (int x = 0; x < 156; ++x)
            if (Set(img, x, y)) {
                if (first >= 0) holes += x - last - 1;
                if (first < 0) first = x;
                last = x;
            }
        ASSERT_GE(first, 0) << "row " << y;
        EXPECT_EQ(holes, 0) << "row " << y << " b " << b;
        if (y < 6 || y > 151) continue; // near the poles the ends are a pixel or two
        // Each end may lie anywhere the curve passes within the row's height, give or take
        // a pixel.
        auto near = [&](int found, double half) {
            double lo = 1e9, hi = -1e9;
            for (double yy : {y - 0.5, double(y), y + 0.5}) {
                const double dy = yy - 78.5, s = std::sqrt(std::max(0.0, 1 - dy * dy / 5700.25));
                lo = std::min(lo, 78 + half * s);
                hi = std::max(hi, 78 + half * s);
            }
            return found >= lo - 1.01 && found <= hi + 1.01;
        };
        // Limb at 78 -+ 75 s, terminator at 78 -+ b s (s from the row's height).
        EXPECT_TRUE(near(first, waxing ? -75 : b)) << "row " << y << " first " << first;
        EXPECT_TRUE(near(last, waxing ? -b : 75)) << "row " << y << " last " << last;
    }
}

TEST(MoonShadowHalf, HalfIlluminationHasAStraightTerminator) {
    for (const bool waxing : {true, false}) {
        Picture pic(156, 156, Qt::white);
        DrawShadow(pic.GetCanvas(), 0, waxing);
        // Waxing: dark up to column 77; waning: dark from column 78.
        for (int y = 10; y <= 147; ++y) {
            EXPECT_EQ(Set(pic.Image(), 77, y), waxing) << y;
            EXPECT_EQ(Set(pic.Image(), 78, y), !waxing) << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Illuminations, MoonShadow,
                         ::testing::Combine(::testing::Values(-75, -74, -40, -1, 0, 1, 40, 75),
                                            ::testing::Bool()));

// ----- copying --------------------------------------------------------------------------

// 4 x 3 picture whose pixel (x, y) has red x and green y.
QImage Coded() {
    QImage img(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) img.setPixelColor(x, y, QColor(x, y, 0));
    return img;
}

QPoint SourceOf(const QImage& img, int x, int y) {
    const QColor c = img.pixelColor(x, y);
    return QPoint(c.red(), c.green());
}

TEST(CanvasCopy, CopiesAndMirrorsByTheSourceRectangle) {
    const QImage src = Coded();
    struct Case {
        TRect from;
        bool flipX, flipY;
    };
    // Reversed rectangles hold Left, Left-1, ..., Right+1.
    const Case cases[] = {{Rect(0, 0, 4, 3), false, false},
                          {Rect(3, 0, -1, 3), true, false},
                          {Rect(0, 2, 4, -1), false, true},
                          {Rect(3, 2, -1, -1), true, true}};
    for (const Case& k : cases) {
        Picture dst(4, 3, Qt::white);
        dst.GetCanvas().CopyRect(Rect(0, 0, 4, 3), src, k.from);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(SourceOf(dst.Image(), x, y),
                          QPoint(k.flipX ? 3 - x : x, k.flipY ? 2 - y : y))
                    << k.from.Left << "," << k.from.Top << " at " << x << "," << y;
    }
}

TEST(CanvasCopy, TurningAPictureOntoItselfReadsTheOriginal) {
    Picture pic(Coded());
    // As the phase pictures are turned: (W-1, H-1)-(0, 0) onto (0, 0)-(W-1, H-1).
    pic.GetCanvas().CopyRect(Rect(0, 0, 3, 2), pic.GetCanvas(), Rect(3, 2, 0, 0));
    EXPECT_EQ(SourceOf(pic.Image(), 0, 0), QPoint(3, 2));
    EXPECT_EQ(SourceOf(pic.Image(), 2, 1), QPoint(1, 1));
    EXPECT_EQ(SourceOf(pic.Image(), 3, 2), QPoint(3, 2)); // outside the destination
}

TEST(CanvasCopy, StretchesByNearestPixelAndPlacesAtTheDestination) {
    Picture pic(10, 10, Qt::white);
    pic.GetCanvas().CopyRect(Rect(2, 2, 10, 8), Coded(), Rect(0, 0, 4, 3));
    EXPECT_EQ(pic.Image().pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(SourceOf(pic.Image(), 2, 2), QPoint(0, 0));
    EXPECT_EQ(SourceOf(pic.Image(), 3, 3), QPoint(0, 0));
    EXPECT_EQ(SourceOf(pic.Image(), 9, 7), QPoint(3, 2));
    EXPECT_EQ(SourceOf(pic.Image(), 4, 4), QPoint(1, 1));
}

// ----- text and fonts -------------------------------------------------------------------

TEST(CanvasText, SolidBrushGivesTextAnOpaqueBackground) {
    Picture pic(120, 40, Qt::white);
    Canvas& c = pic.GetCanvas();
    c.SetFontHeight(12);
    c.SetFontColor(QColor(0, 255, 255));
    c.SetBrushColor(Qt::black);
    c.TextOut(5, 5, "12%");
    const int w = c.TextWidth("12%"), h = c.TextHeight("12%");
    ASSERT_GT(w, 10);
    ASSERT_GT(h, 8);
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 5; x < 5 + w; ++x)
            ASSERT_NE(pic.Image().pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    EXPECT_EQ(pic.Image().pixelColor(5 + w, 5), QColor(Qt::white));
    EXPECT_EQ(pic.Image().pixelColor(5, 5 + h), QColor(Qt::white));
    EXPECT_EQ(c.PenPos(), QPoint(5 + w, 5));

    Picture clear(120, 40, Qt::white);
    clear.GetCanvas().SetBrushStyle(BrushStyle::Clear);
    clear.GetCanvas().SetFontColor(Qt::black);
    clear.GetCanvas().TextOut(5, 5, "12%");
    EXPECT_EQ(clear.Image().pixelColor(5, 5), QColor(Qt::white));
    EXPECT_GT(CountSet(clear.Image(), 0, 0, 119, 39), 10);
}

TEST(CanvasText, PointSizesFollowTheDeviceResolution) {
    Picture screen(10, 10);
    screen.GetCanvas().SetFontSize(9);
    const int dpi = screen.Image().logicalDpiY();
    EXPECT_EQ(screen.GetCanvas().FontHeight(), std::lround(9 * dpi / 72.0));

    QImage page(10, 10, QImage::Format_RGB32);
    page.setDotsPerMeterX(23622); // 600 pixels per inch, as a printer
    page.setDotsPerMeterY(23622);
    Canvas printer(&page);
    printer.SetFontSize(10);
    EXPECT_EQ(printer.FontHeight(), 83);
    printer.SetFontSize(printer.FontSize() - 2); // the "2 points smaller" round trip
    printer.SetFontSize(printer.FontSize() + 2);
    EXPECT_EQ(printer.FontHeight(), 83);
}

// ----- pictures -------------------------------------------------------------------------

TEST(PictureFiles, SavesABitmapThatReadsBack) {
    Picture pic(7, 5, Qt::white);
    pic.GetCanvas().SetPixel(3, 2, QColor(10, 20, 30));
    const QString path = QDir::temp().filePath("crescendar_platform_test.bmp");
    ASSERT_TRUE(pic.SaveBmp(path));
    Picture back;
    ASSERT_TRUE(back.Load(path));
    EXPECT_EQ(back.Width(), 7);
    EXPECT_EQ(back.GetCanvas().Pixel(3, 2), QColor(10, 20, 30));
    QFile::remove(path);
    EXPECT_FALSE(back.Load(path)); // unreadable: false, picture unchanged
    EXPECT_EQ(back.Width(), 7);
    EXPECT_FALSE(pic.SaveBmp("/nonexistent-folder/x.bmp"));
}

TEST(PictureFiles, AssignCopiesPixelsAndSetSizeKeepsThem) {
    Picture a(4, 4, Qt::white);
    Picture b;
    b.Assign(a);
    b.GetCanvas().SetPixel(1, 1, Qt::red);
    EXPECT_EQ(a.GetCanvas().Pixel(1, 1), QColor(Qt::white)); // a fresh copy
    b.SetSize(6, 3);
    EXPECT_EQ(b.Width(), 6);
    EXPECT_EQ(b.GetCanvas().Pixel(1, 1), QColor(Qt::red));
    EXPECT_EQ(b.GetCanvas().Pixel(5, 0), QColor(Qt::black));
    EXPECT_FALSE(b.GetCanvas().Pixel(6, 0).isValid());
}

// Windows repaint only the area a drawing reports: every pixel it changes must lie in it, for
// each kind of drawing, pen width and picture scale.
TEST(CanvasChanges, ReportedAreaHoldsEveryChangedPixel) {
    QImage stamp(7, 5, QImage::Format_RGB32);
    stamp.fill(Qt::red);
    const std::pair<const char*, std::function<void(Canvas&)>> drawings[] = {
        {"text", [](Canvas& c) { c.TextOut(20, 20, QStringLiteral("Wj\u00b0 -12\u2032")); }},
        {"rectangle", [](Canvas& c) { c.Rectangle(10, 12, 40, 30); }},
        {"fill", [](Canvas& c) { c.FillRect(Rect(40, 30, 10, 12), Qt::blue); }},
        {"ellipse", [](Canvas& c) { c.Ellipse(5, 8, 60, 40); }},
        {"arc", [](Canvas& c) { c.Arc(30, 3, 50, 54, 40, 3, 40, 54); }},
        {"pie", [](Canvas& c) { c.Pie(10, 10, 50, 50, 50, 30, 30, 10); }},
        {"line", [](Canvas& c) { c.MoveTo(55, 2); c.LineTo(3, 50); }},
        {"draw", [&stamp](Canvas& c) { c.Draw(30, 40, stamp); }},
        {"copy", [&stamp](Canvas& c) { c.CopyRect(Rect(20, 30, 6, 10), stamp, Rect(0, 0, 7, 5)); }},
        {"pixel", [](Canvas& c) { c.SetPixel(44, 7, Qt::green); }},
    };
    for (const int scale : {1, 2})
        for (const int pen : {1, 3})
            for (const auto& [name, draw] : drawings) {
                Picture picture(64, 60, Qt::white, scale);
                Canvas& c = picture.GetCanvas();
                c.SetPenWidth(pen);
                c.SetBrushStyle(BrushStyle::Clear);
                QRect reported;
                c.SetChangedHandler([&reported](const QRect& area) { reported |= area; });
                const QImage before = picture.Image().copy();
                draw(c);
                const QImage& after = picture.Image();
                int changed = 0;
                for (int y = 0; y < after.height(); ++y)
                    for (int x = 0; x < after.width(); ++x)
                        if (after.pixel(x, y) != before.pixel(x, y)) {
                            ++changed;
                            EXPECT_TRUE(reported.contains(x / scale, y / scale))
                                << name << " scale " << scale << " pen " << pen << " at " << x
                                << "," << y;
                        }
                EXPECT_GT(changed, 0) << name;
            }
}

TEST(CanvasPrinter, DrawsThroughAnActivePainter) {
    QImage page(50, 50, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    Canvas c(&painter);
    c.SetPenColor(Qt::black);
    c.SetBrushColor(Qt::red);
    c.Rectangle(10, 10, 20, 20);
    c.MoveTo(0, 40);
    c.LineTo(40, 40);
    painter.end();
    EXPECT_EQ(page.pixelColor(15, 15), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(39, 40), QColor(Qt::black));
}

} // namespace
} // namespace crescendar
