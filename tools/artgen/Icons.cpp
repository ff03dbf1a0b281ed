#include "Icons.h"

#include "Caption.h"
#include "Drawing.h"
#include "WindowSkin.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artgen {

namespace {

using At = PaintAt;

const QColor kPaper{246, 248, 252};
const QColor kOutline{12, 18, 40};
const QColor kLine{120, 136, 170};

// A page with a dark outline; used by the list and the report.
void page(QPainter& p, const QRectF& r, double fold) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(roundPen(kOutline));
    p.setBrush(vertical(r.top(), r.bottom(), kPaper, QColor(206, 216, 236)));
    p.drawPath(path);
    if (fold > 0) {
        QPainterPath ear;
        ear.moveTo(r.right() - fold, r.top());
        ear.lineTo(r.right() - fold, r.top() + fold);
        ear.lineTo(r.right(), r.top() + fold);
        ear.closeSubpath();
        p.setBrush(QColor(170, 184, 214));
        p.drawPath(ear);
    }
}

void printer(QPainter& p) { // 21 x 21 at (18, 14)
    At at(p, 18, 14);
    // Paper going in at the top.
    p.setPen(roundPen(kOutline));
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 0.5, 10, 7));
    // The body.
    p.setBrush(vertical(6, 15, QColor(200, 210, 230), QColor(98, 112, 142)));
    p.drawRoundedRect(QRectF(0.5, 6.5, 20, 9), 2.5, 2.5);
    p.setPen(roundPen(QColor(255, 255, 255, 150)));
    p.drawLine(QPointF(2.5, 7.6), QPointF(18.5, 7.6));
    // The printed sheet coming out.
    p.setPen(roundPen(kOutline));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 12.5, 12, 8));
    p.setPen(roundPen(kLine));
    p.drawLine(QPointF(6.5, 15.5), QPointF(14.5, 15.5));
    p.drawLine(QPointF(6.5, 17.5), QPointF(12.5, 17.5));
    // The ready light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 240, 130));
    p.drawEllipse(QPointF(17.2, 10.2), 1.3, 1.3);
}

void list(QPainter& p) { // 17 x 19 at (76, 14)
    At at(p, 76, 14);
    page(p, QRectF(0.5, 0.5, 16, 18), 0);
    for (int i = 0; i < 4; ++i) {
        const double y = 4.5 + i * 3.5;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 120, 220));
        p.drawEllipse(QPointF(4.0, y), 1.3, 1.3);
        p.setPen(roundPen(QColor(70, 84, 116), 1.2));
        p.drawLine(QPointF(7, y), QPointF(i % 2 ? 11.5 : 13.5, y));
    }
}

void chainLink(QPainter& p) { // 21 x 19 at (100, 14)
    At at(p, 100, 14);
    p.translate(10.5, 9.5);
    p.rotate(-40);
    auto ring = [&](double cx, const QColor& c) {
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(kOutline, 4.2));
        p.drawRoundedRect(QRectF(cx - 6, -3.2, 12, 6.4), 3.2, 3.2);
        p.setPen(roundPen(c, 2.2));
        p.drawRoundedRect(QRectF(cx - 6, -3.2, 12, 6.4), 3.2, 3.2);
    };
    ring(-4.3, QColor(206, 218, 240));
    ring(4.3, QColor(140, 200, 255));
    // The first ring passes over the second on one side.
    p.setPen(roundPen(kOutline, 4.2));
    p.drawLine(QPointF(0.2, 3.2), QPointF(1.2, 3.2));
    p.setPen(roundPen(QColor(206, 218, 240), 2.2));
    p.drawLine(QPointF(-0.5, 3.2), QPointF(1.7, 3.2));
}

void clock(QPainter& p) { // 23 x 23 at (128, 12)
    At at(p, 128, 12);
    const QPointF c(11.5, 11.5);
    QRadialGradient face(QPointF(9, 8), 13);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(196, 208, 232));
    p.setPen(roundPen(kOutline, 1));
    p.setBrush(QColor(150, 200, 255));
    p.drawEllipse(c, 11, 11);
    p.setBrush(face);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 8.6, 8.6);
    p.setPen(roundPen(QColor(40, 52, 84), 1.0));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const double r0 = i % 3 == 0 ? 5.8 : 6.8;
        p.drawLine(c + QPointF(std::sin(a) * r0, -std::cos(a) * r0),
                   c + QPointF(std::sin(a) * 7.8, -std::cos(a) * 7.8));
    }
    p.setPen(roundPen(QColor(20, 26, 50), 1.8));
    p.drawLine(c, c + QPointF(-3.6, -2.2)); // hour hand at ten
    p.setPen(roundPen(QColor(20, 26, 50), 1.3));
    p.drawLine(c, c + QPointF(3.4, -5.6)); // minute hand at two
    p.setPen(roundPen(QColor(220, 40, 40), 0.9));
    p.drawLine(c, c + QPointF(0.8, 6.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 26, 50));
    p.drawEllipse(c, 1.3, 1.3);
}

void report(QPainter& p) { // 19 x 19 at (158, 14)
    At at(p, 158, 14);
    page(p, QRectF(1.5, 0.5, 15, 18), 4.5);
    p.setPen(roundPen(kLine, 1.1));
    p.drawLine(QPointF(4, 4), QPointF(10, 4));
    p.drawLine(QPointF(4, 6.5), QPointF(12, 6.5));
    // A small bar chart.
    const double heights[] = {4, 7, 5, 8};
    const QColor bars[] = {{40, 120, 220}, {236, 170, 40}, {40, 120, 220}, {220, 70, 70}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(4 + i * 2.6, 16.5 - heights[i], 2.0, heights[i]));
    }
}

void globe(QPainter& p) { // 21 x 21 at (446, 12)
    At at(p, 446, 12);
    const QPointF c(10.5, 10.5);
    QRadialGradient sea(QPointF(7.5, 7), 13);
    sea.setColorAt(0, QColor(120, 200, 255));
    sea.setColorAt(0.6, QColor(30, 110, 210));
    sea.setColorAt(1, QColor(10, 40, 110));
    p.setPen(roundPen(kOutline));
    p.setBrush(sea);
    p.drawEllipse(c, 10, 10);
    // Land masses, clipped to the sphere.
    QPainterPath sphere;
    sphere.addEllipse(c, 9.5, 9.5);
    p.save();
    p.setClipPath(sphere);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 190, 110));
    QPainterPath land;
    land.moveTo(4, 6);
    land.cubicTo(7, 3, 10, 5, 9, 8);
    land.cubicTo(8, 11, 11, 12, 9, 16);
    land.cubicTo(7, 17, 6, 12, 4, 11);
    land.closeSubpath();
    land.moveTo(13, 4);
    land.cubicTo(16, 4, 19, 7, 17, 10);
    land.cubicTo(15, 11, 14, 8, 12.5, 7);
    land.closeSubpath();
    land.moveTo(14, 13);
    land.cubicTo(16, 12.5, 17, 14, 15.5, 16);
    land.cubicTo(14.5, 16.5, 13.5, 15, 14, 13);
    land.closeSubpath();
    p.drawPath(land);
    // Meridians and parallels.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(255, 255, 255, 110), 0.8));
    p.drawEllipse(c, 4.5, 10);
    p.drawLine(QPointF(10.5, 0.5), QPointF(10.5, 20.5));
    p.drawLine(QPointF(0.5, 10.5), QPointF(20.5, 10.5));
    p.drawLine(QPointF(2, 6), QPointF(19, 6));
    p.drawLine(QPointF(2, 15), QPointF(19, 15));
    p.restore();
    // A highlight.
    QRadialGradient shine(QPointF(7, 6), 5);
    shine.setColorAt(0, QColor(255, 255, 255, 120));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QPointF(7, 6), 5, 5);
}

void tools(QPainter& p) { // 19 x 19 at (478, 14)
    At at(p, 478, 14);
    // A screwdriver from upper left to lower right.
    p.save();
    p.translate(9.5, 9.5);
    p.rotate(45);
    p.setPen(roundPen(kOutline, 3.2));
    p.drawLine(QPointF(-9, 0), QPointF(2, 0));
    p.setPen(roundPen(QColor(220, 226, 240), 1.6));
    p.drawLine(QPointF(-9, 0), QPointF(2, 0));
    p.setPen(roundPen(kOutline, 1));
    p.setBrush(vertical(-3, 3, QColor(255, 190, 80), QColor(200, 90, 20)));
    p.drawRoundedRect(QRectF(1.5, -2.6, 8, 5.2), 2, 2);
    p.restore();
    // A wrench from lower left to upper right, over the screwdriver.
    p.save();
    p.translate(9.5, 9.5);
    p.rotate(-45);
    QPainterPath wrench;
    wrench.addRoundedRect(QRectF(-9, -1.6, 13, 3.2), 1.4, 1.4);
    QPainterPath head;
    head.addEllipse(QPointF(5.5, 0), 4.4, 4.4);
    QPainterPath jaw;
    jaw.addRect(QRectF(6.5, -1.7, 5, 3.4));
    wrench = wrench.united(head).subtracted(jaw);
    p.setPen(roundPen(kOutline, 1));
    p.setBrush(vertical(-4, 4, QColor(236, 240, 250), QColor(140, 152, 178)));
    p.drawPath(wrench);
    p.restore();
}

void book(QPainter& p) { // 23 x 19 at (510, 14)
    At at(p, 510, 14);
    // Cover, then two pages curving from the spine.
    p.setPen(roundPen(kOutline));
    p.setBrush(vertical(2, 19, QColor(70, 130, 230), QColor(30, 60, 150)));
    QPainterPath cover;
    cover.moveTo(0.5, 4.5);
    cover.lineTo(11.5, 6.5);
    cover.lineTo(22.5, 4.5);
    cover.lineTo(22.5, 18.5);
    cover.lineTo(11.5, 18.5);
    cover.lineTo(0.5, 18.5);
    cover.closeSubpath();
    p.drawPath(cover);
    auto leaf = [&](double side) {
        QPainterPath path;
        path.moveTo(11.5, 4.0);
        path.cubicTo(11.5 + side * 3, 1.0, 11.5 + side * 7, 1.0, 11.5 + side * 10, 2.0);
        path.lineTo(11.5 + side * 10, 16.0);
        path.cubicTo(11.5 + side * 7, 15.0, 11.5 + side * 3, 15.0, 11.5, 17.0);
        path.closeSubpath();
        p.setPen(roundPen(kOutline));
        p.setBrush(vertical(1, 17, kPaper, QColor(214, 222, 240)));
        p.drawPath(path);
        p.setPen(roundPen(kLine, 0.9));
        for (int i = 0; i < 4; ++i) {
            const double y = 5.0 + i * 2.6;
            p.drawLine(QPointF(11.5 + side * 2.5, y + 0.4), QPointF(11.5 + side * 8.2, y - 0.3));
        }
    };
    leaf(-1);
    leaf(1);
}

void question(QPainter& p) { // 17 x 21 at (544, 12)
    At at(p, 544, 12);
    QRadialGradient badge(QPointF(6.5, 7.5), 11);
    badge.setColorAt(0, QColor(120, 200, 255));
    badge.setColorAt(1, QColor(20, 80, 180));
    p.setPen(roundPen(kOutline));
    p.setBrush(badge);
    p.drawEllipse(QPointF(8.5, 10.5), 8, 8);
    p.setFont(sansFont(14, true));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(0, 2, 17, 17.5), Qt::AlignCenter, QStringLiteral("?"));
}

void minimise(QPainter& p) { // 15 x 15 at (592, 14)
    At at(p, 592, 14);
    QPainterPath tri;
    tri.moveTo(1.5, 3.5);
    tri.lineTo(13.5, 3.5);
    tri.lineTo(7.5, 11.5);
    tri.closeSubpath();
    p.setPen(roundPen(kOutline, 1.2));
    p.setBrush(vertical(3, 12, QColor(240, 246, 255), QColor(150, 176, 220)));
    p.drawPath(tri);
}

void cross(QPainter& p) { // 13 x 15 at (614, 14)
    At at(p, 614, 14);
    const QPointF a(2, 3.5), b(11, 12.5), c(11, 3.5), d(2, 12.5);
    p.setPen(roundPen(kOutline, 4.4));
    p.drawLine(a, b);
    p.drawLine(c, d);
    p.setPen(roundPen(QColor(255, 150, 140), 2.4));
    p.drawLine(a, b);
    p.drawLine(c, d);
}

void drawBinoculars(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body1(176, 188, 212), body2(74, 86, 114);
    auto barrel = [&](double x) {
        // Eyecup, then the wider prism housing and objective barrel.
        p.setPen(roundPen(kOutline));
        p.setBrush(vertical(0, 8, QColor(60, 66, 84), QColor(24, 28, 40)));
        p.drawRoundedRect(QRectF(x + 2.5, 0.5, 7, 6), 1.5, 1.5);
        p.setBrush(vertical(5, 23, body1, body2));
        p.drawRoundedRect(QRectF(x + 0.5, 5.5, 11, 17.5), 2.5, 2.5);
        // The objective lens.
        QRadialGradient lens(QPointF(x + 4.8, 15.6), 5.5);
        lens.setColorAt(0, QColor(150, 220, 255));
        lens.setColorAt(0.5, QColor(30, 90, 190));
        lens.setColorAt(1, QColor(6, 16, 50));
        p.setBrush(lens);
        p.drawEllipse(QPointF(x + 6, 17), 4.2, 4.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawEllipse(QPointF(x + 4.6, 15.6), 1.1, 1.1);
        // A highlight down the housing.
        p.setPen(roundPen(QColor(255, 255, 255, 120)));
        p.drawLine(QPointF(x + 2.2, 7.5), QPointF(x + 2.2, 11.5));
    };
    barrel(1.5);
    barrel(18.5);
    // The hinge and the focus wheel between the barrels.
    p.setPen(roundPen(kOutline));
    p.setBrush(vertical(6, 13, body1, body2));
    p.drawRoundedRect(QRectF(12.5, 7.5, 7, 5), 1.5, 1.5);
    p.setBrush(vertical(2, 8, QColor(230, 236, 248), QColor(110, 124, 150)));
    p.drawRoundedRect(QRectF(13.5, 2.5, 5, 5), 1.2, 1.2);
}

void drawTelescope(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    // The tripod.
    p.setPen(roundPen(kOutline, 2.6));
    const QPointF mount(15.5, 13.5);
    p.drawLine(mount, QPointF(7.5, 23));
    p.drawLine(mount, QPointF(15.5, 23));
    p.drawLine(mount, QPointF(23.5, 23));
    p.setPen(roundPen(QColor(200, 170, 120), 1.2));
    p.drawLine(mount, QPointF(7.5, 23));
    p.drawLine(mount, QPointF(15.5, 23));
    p.drawLine(mount, QPointF(23.5, 23));
    // The tube, pointing up to the right.
    p.save();
    p.translate(16, 10);
    p.rotate(-27);
    p.setPen(roundPen(kOutline));
    // Eyepiece and focuser.
    p.setBrush(QColor(40, 44, 60));
    p.drawRect(QRectF(-16.5, -1.5, 4, 3));
    p.setBrush(vertical(-2.5, 2.5, QColor(170, 180, 200), QColor(70, 80, 100)));
    p.drawRect(QRectF(-13, -2.5, 4, 5));
    // Main tube.
    p.setBrush(vertical(-3.5, 3.5, QColor(252, 252, 255), QColor(150, 164, 196)));
    p.drawRoundedRect(QRectF(-9.5, -3.2, 19, 6.4), 1.2, 1.2);
    // Dew shield.
    p.setBrush(vertical(-4.2, 4.2, QColor(110, 180, 255), QColor(20, 70, 170)));
    p.drawRoundedRect(QRectF(9, -4.0, 7.5, 8.0), 1.2, 1.2);
    // Finder scope.
    p.setBrush(QColor(200, 208, 224));
    p.drawRect(QRectF(-4, -6.5, 7, 2.2));
    p.restore();
    // Mount head.
    p.setPen(roundPen(kOutline));
    p.setBrush(QColor(60, 66, 84));
    p.drawEllipse(mount, 2.2, 2.2);
}

} // namespace

void paintTitleIcons(QPainter& p) {
    printer(p);
    {
        At at(p, layout::opticsPlace.x(), layout::opticsPlace.y());
        drawBinoculars(p);
    }
    list(p);
    chainLink(p);
    clock(p);
    report(p);
    globe(p);
    tools(p);
    book(p);
    question(p);
    minimise(p);
    cross(p);
}

void paintTitle(QPainter& p) {
    const QRect region(264, 12, 113, 23);
    QFont font = serifFont(21, true, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    crescendar::PaintGildedText(p, QPointF(region.center()) + QPointF(0.5, 1.0),
                                QStringLiteral("Crescendar"), font, {1.2, 1.4}, region.top() + 3,
                                region.bottom());
}

QImage binocularsPicture(const QImage& background) {
    QImage image = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    drawBinoculars(p);
    return image;
}

QImage telescopePicture(const QImage& background) {
    QImage image = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    drawTelescope(p);
    return image;
}

} // namespace artgen
