// Renders the canvas primitives into a picture in the build folder, for a look by eye.
#include "MoonShadow.h"
#include "Picture.h"

#include <QDir>

#include <gtest/gtest.h>

namespace crescendar {
namespace {

void Moon(Canvas& c, int b, bool waxing) {
    c.SetBrushColor(QColor(200, 200, 190));
    c.SetPenColor(QColor(200, 200, 190));
    c.Ellipse(3, 3, 153, 154);
    c.SetPenColor(QColor(30, 30, 30));
    DrawShadow(c, b, waxing);
}

TEST(CanvasDemo, RendersThePrimitives) {
    Picture page(660, 340, Qt::black);
    Canvas& c = page.GetCanvas();

    // Top row: a waxing gibbous, a waxing crescent, the crescent turned, a waning half.
    const struct {
        int b;
        bool waxing;
    } moons[] = {{40, true}, {-40, true}, {-40, true}, {0, false}};
    for (int i = 0; i < 4; ++i) {
        Picture moon(156, 156, Qt::black);
        Moon(moon.GetCanvas(), moons[i].b, moons[i].waxing);
        const int x = 8 + i * 162;
        if (i == 2)
            c.CopyRect(Rect(x, 8, x + 155, 163), moon.Image(), Rect(155, 155, 0, 0));
        else
            c.CopyRect(Rect(x, 8, x + 155, 163), moon.Image(), Rect(0, 0, 155, 155));
    }

    // Bottom row: shapes and text.
    c.SetPenColor(Qt::white);
    c.SetBrushColor(QColor(70, 70, 70));
    c.Rectangle(10, 180, 90, 240);
    c.SetPenColor(Qt::yellow);
    c.SetBrushStyle(BrushStyle::Clear);
    c.Ellipse(100, 180, 180, 240);
    c.SetPenColor(Qt::cyan);
    c.Arc(190, 180, 270, 260, 270, 220, 230, 180); // east to north, counter-clockwise
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(Qt::blue);
    c.SetPenColor(Qt::white);
    c.Pie(280, 180, 360, 260, 320, 260, 360, 220); // south to east
    c.SetPenColor(Qt::red);
    c.MoveTo(370, 180);
    c.LineTo(450, 260);
    c.LineTo(450, 180);
    c.LineTo(370, 180);
    c.SetPenWidth(3);
    c.SetPenColor(Qt::green);
    c.MoveTo(460, 260);
    c.LineTo(540, 190);
    c.SetPenWidth(1);

    c.SetFontName("Arial");
    c.SetFontHeight(12);
    c.SetFontColor(QColor(0, 255, 255));
    c.SetBrushColor(Qt::darkBlue);
    c.TextOut(10, 280, "Opaque: 100%     ");
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontColor(QColor(255, 255, 176));
    c.SetFontStyle(fsBold);
    c.TextOut(200, 280, "Clear: Full (Harvest) Moon");
    c.SetFontStyle(fsRegular);
    c.SetFontSize(8);
    c.TextOut(10, 310,
              QString("TextWidth %1, TextHeight %2")
                  .arg(c.TextWidth("Clear: Full (Harvest) Moon"))
                  .arg(c.TextHeight("Tg")));

    const QString path = QDir(CRESCENDAR_PLATFORM_DEMO_DIR).filePath("platform_canvas_demo.png");
    EXPECT_TRUE(page.Image().save(path, "PNG"));
}

} // namespace
} // namespace crescendar
