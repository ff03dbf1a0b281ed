// The skins of the eclipse window (252 x 252) and of the eclipse finder (390 x 285): a night
// sky with a steel title bar, a silver plate for the title or the year boxes, and a black
// screen framed in steel where the texts and the list are drawn; the finder's radio glyphs and
// the marks of its lines' bodies.
#include "Drawing.h"
#include "MoonArt.h"
#include "WindowArt.h"
#include "WindowSkin.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace artgen {

namespace {

const QColor kPlateTop{214, 220, 232};
const QColor kPlateBottom{168, 176, 194};

// The navy title bar (the window writes its name on it) and the exit cross.
void titleBar(QPainter& p, const QRect& bar, QPoint exitAt) {
    titlePlate(p, bar);
    // The exit cross, 13 x 15, half a pixel lower than its region.
    closeCross(p, QPointF(exitAt) + QPointF(0, 0.5), 13, 15);
}

// A small eclipsed Moon at the left of a title bar.
void titleMoon(QImage& image, const MoonRenderer& moon, const QRect& place) {
    const QImage picture = eclipsePicture(moon, copyArea(image, place));
    QPainter p(&image);
    p.drawImage(place.topLeft(), picture);
}

// A silver plate with a bevel.
void plate(QPainter& p, const QRect& rect) {
    fillVertical(p, rect, kPlateTop, kPlateBottom);
    bevel(p, rect, 1, true, QColor(246, 248, 252), QColor(70, 78, 100));
}

// A recessed white box where a year edit field stands.
void editWell(QPainter& p, const QRect& field) {
    bevel(p, field.adjusted(-1, -1, 1, 1), 1, false, QColor(250, 252, 255), QColor(60, 70, 96));
    p.fillRect(field, Qt::white);
}

// The blue Calculate button (the window writes its caption).
void button(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient blue(r.topLeft(), r.bottomLeft());
    blue.setColorAt(0, QColor(120, 190, 255));
    blue.setColorAt(0.5, QColor(40, 120, 230));
    blue.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(10, 24, 70), 1));
    p.setBrush(blue);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(r.left() + 4, r.top() + 1.5), QPointF(r.right() - 4, r.top() + 1.5));
    p.restore();
}

// Eclipse window: title bar, the plate of the navy title at y 42, the screen below y 72.
QImage eclipseSkin(const MoonRenderer& moon) {
    QImage image = starrySky({252, 252}, 301, 700);
    {
        QPainter p(&image);
        titleBar(p, QRect(6, 6, 240, 30), QPoint(221, 14));
        plate(p, QRect(8, 39, 236, 24));
        blackScreen(p, QRect(20, 72, 212, 160));
    }
    titleMoon(image, moon, QRect(20, 10, 22, 22));
    return image;
}

// Eclipse finder: title bar, the plate of the year boxes and the button, the list screen.
QImage reportSkin(const MoonRenderer& moon) {
    QImage image = starrySky({390, 285}, 401, 700);
    {
        QPainter p(&image);
        titleBar(p, QRect(6, 6, 378, 30), QPoint(363, 14));
        plate(p, QRect(8, 39, 374, 28));
        editWell(p, QRect(52, 44, 31, 18));
        editWell(p, QRect(110, 44, 31, 18));
        button(p, QRect(288, 42, 83, 21));
        blackScreen(p, QRect(20, 73, 350, 191));
    }
    titleMoon(image, moon, QRect(20, 10, 22, 22));
    return image;
}

// The arrow of a scroll bar button, 8 x 6, pale steel on the button's navy (#22355f).
QImage scrollArrow(bool up) {
    QImage image = newImage({8, 6}, QColor(0x22, 0x35, 0x5f));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(0.5, up ? 5.5 : 0.5);
    tri.lineTo(7.5, up ? 5.5 : 0.5);
    tri.lineTo(4.0, up ? 0.5 : 5.5);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 214, 240));
    p.drawPath(tri);
    return image;
}

// The mark of a finder line's body, 9 x 9 on a transparent ground: a golden Sun, or a pale
// crescent Moon lit from the left.
QImage bodyMark(bool sun) {
    QImage image = newImage({9, 9}, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF c(4.5, 4.5);
    if (sun) {
        QRadialGradient glow(QPointF(3.8, 3.6), 5.0);
        glow.setColorAt(0, QColor(255, 236, 140));
        glow.setColorAt(1, QColor(240, 170, 20));
        p.setBrush(glow);
        p.drawEllipse(c, 4.2, 4.2);
        return image;
    }
    QPainterPath disc;
    disc.addEllipse(c, 4.2, 4.2);
    QPainterPath shade;
    shade.addEllipse(c + QPointF(2.4, -0.8), 3.8, 3.8);
    p.setBrush(QColor(214, 218, 230));
    p.drawPath(disc.subtracted(shade));
    return image;
}

} // namespace

QList<WindowPicture> DrawEclipseArt(const MoonRenderer& moon) {
    return {
        {QStringLiteral("eclipse_bgnd.jpg"), eclipseSkin(moon)},
        {QStringLiteral("report_bgnd.jpg"), reportSkin(moon)},
        {QStringLiteral("scroll_up.png"), scrollArrow(true)},
        {QStringLiteral("scroll_down.png"), scrollArrow(false)},
        // The finder's choice of lunar, solar or both: placed by the window after its
        // captions, so drawn on nothing.
        {QStringLiteral("rb_set.png"), radioGlyph(newImage({15, 15}, Qt::transparent), true), true},
        {QStringLiteral("rb_unset.png"), radioGlyph(newImage({15, 15}, Qt::transparent), false),
         true},
        // The marks of the finder's lines, drawn over the lines' bands.
        {QStringLiteral("mark_sun.png"), bodyMark(true), true},
        {QStringLiteral("mark_moon.png"), bodyMark(false), true}};
}

} // namespace artgen
