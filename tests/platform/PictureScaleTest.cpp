// Pictures made for a screen of scale 2: loading the twice-size variant, sizes in window
// pixels, and the canvas drawing the same pixel-exact shapes as at scale 1, each canvas pixel
// a 2 x 2 block of device pixels.
#include "Canvas.h"
#include "MoonShadow.h"
#include "Picture.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace crescendar {
namespace {

// Whether every canvas pixel of the 2x picture is a flat block of the 1x picture's colour.
::testing::AssertionResult SameAtBothScales(const QImage& one, const QImage& two) {
    if (two.size() != one.size() * 2)
        return ::testing::AssertionFailure() << "2x picture is not twice the size";
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            const QRgb c = one.pixel(x, y);
            for (int d = 0; d < 4; ++d)
                if (two.pixel(2 * x + d % 2, 2 * y + d / 2) != c)
                    return ::testing::AssertionFailure()
                           << "canvas pixel " << x << "," << y << " differs";
        }
    return ::testing::AssertionSuccess();
}

TEST(PictureScale, PictureSizesAreInWindowPixels) {
    Picture pic(30, 20, Qt::white, 2);
    EXPECT_EQ(pic.Width(), 30);
    EXPECT_EQ(pic.Height(), 20);
    EXPECT_EQ(pic.Image().size(), QSize(60, 40));
    EXPECT_EQ(pic.Image().devicePixelRatio(), 2.0);
    pic.SetSize(40, 10); // keeps its scale
    EXPECT_EQ(pic.Image().size(), QSize(80, 20));
    EXPECT_EQ(pic.Width(), 40);
    EXPECT_EQ(LogicalSize(pic.Image()), QSize(40, 10));

    const QImage part = CopyPart(pic.Image(), QRect(10, 2, 5, 4));
    EXPECT_EQ(part.size(), QSize(10, 8));
    EXPECT_EQ(LogicalSize(part), QSize(5, 4));
}

TEST(PictureScale, LoadingTakesTheTwiceSizeVariantOnlyAtScaleTwo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage one(10, 8, QImage::Format_RGB32), two(20, 16, QImage::Format_RGB32);
    one.fill(Qt::red);
    two.fill(Qt::blue);
    const QString path = dir.filePath(QStringLiteral("art.v1.png"));
    ASSERT_TRUE(one.save(path));
    ASSERT_TRUE(two.save(dir.filePath(QStringLiteral("art.v1@2x.png"))));

    const QImage atTwo = LoadPicture(path, 2);
    EXPECT_EQ(atTwo.size(), QSize(20, 16));
    EXPECT_EQ(atTwo.devicePixelRatio(), 2.0);
    EXPECT_EQ(LogicalSize(atTwo), QSize(10, 8));
    EXPECT_EQ(QColor(atTwo.pixel(0, 0)), QColor(Qt::blue));

    const QImage atOne = LoadPicture(path, 1);
    EXPECT_EQ(atOne.size(), QSize(10, 8));
    EXPECT_EQ(atOne.devicePixelRatio(), 1.0);

    // Without a variant the 1x picture serves, marked as such.
    const QString single = dir.filePath(QStringLiteral("single.png"));
    ASSERT_TRUE(one.save(single));
    const QImage fallback = LoadPicture(single, 2);
    EXPECT_EQ(fallback.size(), QSize(10, 8));
    EXPECT_EQ(fallback.devicePixelRatio(), 1.0);
    EXPECT_TRUE(LoadPicture(dir.filePath(QStringLiteral("none.png")), 2).isNull());

    // A picture loaded at scale 2 keeps its size in window pixels.
    Picture pic;
    ASSERT_TRUE(pic.Load(path));
    EXPECT_EQ(pic.Width(), 10);
}

TEST(PictureScale, MoonShadowAtScaleTwoHasNoHolesAndAFinerEdge) {
    // Crescents, quarters and gibbous phases, waxing and waning. The arcs are drawn at the
    // device's resolution: inside the 1x shadow (a canvas pixel whose neighbours are all
    // inked) every device pixel is inked, where the 1x picture is clear all around nothing
    // is, and along the edge some canvas pixels are only partly inked.
    for (int b : {-75, -40, -1, 0, 1, 37, 75}) {
        for (bool waxing : {true, false}) {
            SCOPED_TRACE(testing::Message() << "b " << b << (waxing ? " waxing" : " waning"));
            Picture one(156, 156, Qt::white, 1), two(156, 156, Qt::white, 2);
            for (Picture* pic : {&one, &two}) {
                pic->GetCanvas().SetPenColor(QColor(30, 30, 30));
                DrawShadow(pic->GetCanvas(), b, waxing);
            }
            const QImage& a = one.Image();
            const QImage& d = two.Image();
            auto inked = [](QRgb c) { return c != qRgb(255, 255, 255); };
            int partial = 0;
            for (int y = 1; y < 155; ++y)
                for (int x = 1; x < 155; ++x) {
                    int around = 0;
                    for (int j = -1; j <= 1; ++j)
                        for (int i = -1; i <= 1; ++i) around += inked(a.pixel(x + i, y + j));
                    int block = 0;
                    for (int k = 0; k < 4; ++k)
                        block += inked(d.pixel(2 * x + k % 2, 2 * y + k / 2));
                    if (around == 9) {
                        ASSERT_EQ(block, 4) << "hole at " << x << "," << y;
                    }
                    if (around == 0) {
                        ASSERT_EQ(block, 0) << "spill at " << x << "," << y;
                    }
                    partial += block == 1 || block == 2 || block == 3;
                }
            EXPECT_GT(partial, 20);
        }
    }
}

TEST(PictureScale, PixelsShapesAndMirroredCopiesAreInCanvasPixels) {
    Picture one(40, 30, Qt::white, 1), two(40, 30, Qt::white, 2);
    for (Picture* pic : {&one, &two}) {
        Canvas& c = pic->GetCanvas();
        c.SetPenColor(Qt::red);
        c.SetBrushColor(Qt::yellow);
        c.Rectangle(2, 2, 12, 9);
        c.Ellipse(14, 3, 27, 14);
        c.Pie(2, 12, 16, 26, 16, 19, 9, 12);
        c.SetPixel(30, 4, Qt::blue);
        c.MoveTo(20, 20);
        c.LineTo(38, 27);
        // The left half turned by 180 degrees onto the right, and a copy onto itself.
        c.CopyRect(Rect(20, 0, 40, 30), pic->Image(), Rect(19, 29, -1, -1));
        c.CopyRect(Rect(0, 0, 10, 10), c, Rect(30, 20, 40, 30));
    }
    EXPECT_TRUE(SameAtBothScales(one.Image(), two.Image()));
    EXPECT_EQ(two.GetCanvas().Pixel(3, 3), one.GetCanvas().Pixel(3, 3));
    EXPECT_EQ(two.GetCanvas().Pixel(11, 2), QColor(Qt::red)); // the rectangle's top edge
    EXPECT_FALSE(two.GetCanvas().Pixel(40, 0).isValid());     // outside, in canvas pixels
}

TEST(PictureScale, TextIsDrawnAtTheDeviceResolution) {
    Picture one(80, 20, Qt::black, 1), two(80, 20, Qt::black, 2);
    for (Picture* pic : {&one, &two}) {
        Canvas& c = pic->GetCanvas();
        c.SetFontName(QStringLiteral("Liberation Sans"));
        c.SetFontHeight(12);
        c.SetFontColor(Qt::white);
        c.SetBrushStyle(BrushStyle::Clear);
        c.TextOut(2, 2, QStringLiteral("Moon 12"));
    }
    // Same metrics in canvas pixels at both scales.
    EXPECT_EQ(two.GetCanvas().TextWidth(QStringLiteral("Moon 12")),
              one.GetCanvas().TextWidth(QStringLiteral("Moon 12")));
    // Not an enlargement of the 1x text: many 2 x 2 blocks under the text are not flat.
    const QImage& image = two.Image();
    int inked = 0, mixed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const QRgb a = image.pixel(2 * x, 2 * y);
            const QRgb b = image.pixel(2 * x + 1, 2 * y), c = image.pixel(2 * x, 2 * y + 1),
                       d = image.pixel(2 * x + 1, 2 * y + 1);
            if (qGray(a) + qGray(b) + qGray(c) + qGray(d) == 0) continue;
            ++inked;
            mixed += !(a == b && a == c && a == d);
        }
    ASSERT_GT(inked, 30);
    EXPECT_GT(double(mixed) / inked, 0.3);
}

} // namespace
} // namespace crescendar
