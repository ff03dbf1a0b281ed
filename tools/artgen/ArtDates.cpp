// Skins of the three small calendar windows: the date information window (250 x 165), the
// equinox window (350 x 155) and the Easter window (200 x 104). Each is a night sky in a
// bevelled frame with a title plate and a black panel where the labels stand.
#include "Drawing.h"
#include "WindowArt.h"
#include "WindowSkin.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

const QColor kOutline{12, 18, 40};
const QColor kRule{40, 58, 104};

// A faint line across a panel: one dark and one lit pixel row.
void rule(QPainter& p, int left, int right, int y) {
    p.fillRect(QRect(left, y, right - left + 1, 1), kRule);
}

// ----- glyphs, drawn with their top-left corner at the painter's origin ---------------------

// A page of a wall calendar with two rings, 18 x 18.
void calendarGlyph(QPainter& p) {
    p.setPen(roundPen(kOutline, 1));
    QLinearGradient paper(0, 3, 0, 17);
    paper.setColorAt(0, QColor(246, 248, 252));
    paper.setColorAt(1, QColor(200, 212, 236));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(1.5, 3.5, 15, 13.5), 1.8, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 72, 64));
    p.drawRect(QRectF(2, 4, 14, 3.5));
    p.setBrush(QColor(60, 76, 120));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) p.drawRect(QRectF(3.5 + 3 * c, 9.5 + 3 * r, 2, 2));
    p.setBrush(QColor(214, 72, 64));
    p.drawRect(QRectF(12.5, 12.5, 2, 2));
    p.setPen(roundPen(QColor(220, 226, 240), 1.4));
    p.drawLine(QPointF(5.5, 1.5), QPointF(5.5, 5.5));
    p.drawLine(QPointF(12.5, 1.5), QPointF(12.5, 5.5));
}

// The Earth half lit by the Sun, its axis tilted, 18 x 18.
void seasonsGlyph(QPainter& p) {
    const QPointF c(9, 9);
    const double r = 7;
    QRadialGradient sea(QPointF(11, 7), 9);
    sea.setColorAt(0, QColor(150, 210, 255));
    sea.setColorAt(1, QColor(40, 100, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawEllipse(c, r, r);
    // Two continents, then the night side on the left.
    p.setBrush(QColor(110, 190, 110));
    p.drawEllipse(QPointF(11.5, 6.5), 2.6, 1.8);
    p.drawEllipse(QPointF(8.5, 11.5), 1.8, 2.4);
    QPainterPath night;
    night.moveTo(c + QPointF(0, -r));
    night.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, 180);
    night.closeSubpath();
    p.setBrush(QColor(8, 20, 60, 150));
    p.drawPath(night);
    // A pale rim of air, so that the night side still shows against the plate.
    p.setPen(QPen(QColor(160, 206, 255, 210), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    const double tilt = 23.4 * std::numbers::pi / 180;
    const QPointF axis(std::sin(tilt) * (r + 1.8), -std::cos(tilt) * (r + 1.8));
    p.setPen(roundPen(QColor(236, 240, 250), 1.0));
    p.drawLine(c - axis, c + axis);
}

// A blossom of five petals, 12 x 12.
void springGlyph(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        p.setBrush(QColor(255, 170, 206));
        p.drawEllipse(QPointF(6 + 3.2 * std::cos(a), 6 + 3.2 * std::sin(a)), 2.5, 2.5);
    }
    p.setBrush(QColor(255, 226, 110));
    p.drawEllipse(QPointF(6, 6), 1.7, 1.7);
}

// A rayed Sun, 12 x 12.
void summerGlyph(QPainter& p) {
    p.setPen(roundPen(QColor(255, 206, 90), 1.1));
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(QPointF(6 + 3.9 * std::cos(a), 6 + 3.9 * std::sin(a)),
                   QPointF(6 + 5.6 * std::cos(a), 6 + 5.6 * std::sin(a)));
    }
    QRadialGradient g(QPointF(5.2, 5.2), 3.4);
    g.setColorAt(0, QColor(255, 250, 210));
    g.setColorAt(1, QColor(255, 170, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(6, 6), 3, 3);
}

// A falling leaf, 12 x 12.
void autumnGlyph(QPainter& p) {
    QPainterPath leaf;
    leaf.moveTo(1.5, 10.5);
    leaf.cubicTo(1.5, 4, 5, 1, 10.8, 1.2);
    leaf.cubicTo(11, 7, 7.5, 10.5, 1.5, 10.5);
    QLinearGradient g(1, 11, 11, 1);
    g.setColorAt(0, QColor(200, 70, 30));
    g.setColorAt(1, QColor(255, 176, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(leaf);
    p.setPen(roundPen(QColor(110, 40, 20), 0.8));
    p.drawLine(QPointF(1.2, 10.8), QPointF(8.5, 3.5));
}

// A snow crystal, 12 x 12.
void winterGlyph(QPainter& p) {
    p.setPen(roundPen(QColor(200, 232, 255), 1.0));
    const QPointF c(6, 6);
    for (int k = 0; k < 6; ++k) {
        const double a = k * std::numbers::pi / 3;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c, c + 5.4 * dir);
        const QPointF fork = c + 3.1 * dir;
        for (int t : {-1, 1}) {
            const double b = a + t * 0.8;
            p.drawLine(fork, fork + 2.0 * QPointF(std::cos(b), std::sin(b)));
        }
    }
}

// A painted egg with a band and dots, 12 x 16.
void eggGlyph(QPainter& p, const QColor& shell, const QColor& band) {
    QPainterPath egg;
    egg.moveTo(6, 0.5);
    egg.cubicTo(10, 0.5, 11.5, 8, 11.5, 10);
    egg.cubicTo(11.5, 13.5, 9, 15.5, 6, 15.5);
    egg.cubicTo(3, 15.5, 0.5, 13.5, 0.5, 10);
    egg.cubicTo(0.5, 8, 2, 0.5, 6, 0.5);
    QRadialGradient g(QPointF(4, 5), 11);
    g.setColorAt(0, shell.lighter(150));
    g.setColorAt(1, shell.darker(130));
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(g);
    p.drawPath(egg);
    p.save();
    p.setClipPath(egg);
    p.setPen(roundPen(band, 1.6));
    QPainterPath zigzag;
    zigzag.moveTo(0, 9);
    for (int i = 0; i < 6; ++i) zigzag.lineTo(1 + 2 * i + 1, (i % 2) ? 9 : 7);
    p.setBrush(Qt::NoBrush);
    p.drawPath(zigzag);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240));
    p.drawEllipse(QPointF(4, 12.3), 0.9, 0.9);
    p.drawEllipse(QPointF(8, 12.3), 0.9, 0.9);
    p.drawEllipse(QPointF(6, 4.2), 0.9, 0.9);
    p.restore();
}

template <class Glyph> void glyphAt(QPainter& p, QPointF at, Glyph draw) {
    p.save();
    p.translate(at);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.restore();
}

// ----- the three skins ----------------------------------------------------------------------

// Title region (34, 9, 182 x 21), exit (224, 12, 15 x 15); the date centred at top 43 and the
// four rows at 71, 89, 107 and 125 with values from x 118.
QImage dateInfoSkin() {
    QImage image = starrySky({250, 165}, 501, 1200);
    QPainter p(&image);
    titlePlate(p, QRect(6, 6, 238, 28));
    glyphAt(p, QPointF(13, 8.5), calendarGlyph);
    closeCross(p, 224, 12, 15, 15);

    blackPanel(p, QRect(10, 37, 230, 118));
    rule(p, 24, 225, 63);
    // Alternate rows lightly banded, so that a caption leads the eye to its value.
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 1) p.fillRect(QRect(15, 69 + 18 * i, 220, 17), QColor(12, 18, 36));
    }
    p.fillRect(QRect(111, 69, 1, 72), kRule);
    return image;
}

// Title region (62, 12, 229 x 19), exit (323, 13, 15 x 15); rows at 66, 82, 98 and 114 with
// titles at x 31, events at 150 and lengths at 254; the year note centred at top 131.
QImage equinoxSkin() {
    QImage image = starrySky({350, 155}, 502, 1200);
    QPainter p(&image);
    titlePlate(p, QRect(6, 6, 338, 30));
    glyphAt(p, QPointF(24, 12), seasonsGlyph);
    closeCross(p, 323, 13, 15, 15);

    blackPanel(p, QRect(8, 39, 334, 110));
    rule(p, 16, 333, 60);
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 1) p.fillRect(QRect(13, 64 + 16 * i, 324, 16), QColor(12, 18, 36));
    }
    rule(p, 16, 333, 128);
    const int tops[4] = {66, 82, 98, 114};
    glyphAt(p, QPointF(15, tops[0] + 1), springGlyph);
    glyphAt(p, QPointF(15, tops[1] + 1), summerGlyph);
    glyphAt(p, QPointF(15, tops[2] + 1), autumnGlyph);
    glyphAt(p, QPointF(15, tops[3] + 1), winterGlyph);
    return image;
}

// Title region (30, 14, 139 x 17), exit (175, 14, 13 x 15); the date centred in (24, 65,
// 153 x 13) under a note on how the day is found.
QImage easterSkin(const MoonRenderer& moon) {
    QImage image = starrySky({200, 104}, 503, 1200);
    {
        QPainter p(&image);
        titlePlate(p, QRect(6, 7, 188, 30));
        glyphAt(p, QPointF(13, 14),
                [](QPainter& q) { eggGlyph(q, QColor(236, 120, 150), QColor(255, 230, 120)); });
        closeCross(p, 175, 14, 13, 15);
        blackPanel(p, QRect(10, 40, 180, 55));
        // The recessed well of the date.
        const QRect well(20, 61, 160, 21);
        fillVertical(p, well, QColor(10, 16, 38), QColor(20, 28, 56));
        bevel(p, well.adjusted(-1, -1, 1, 1), 1, false, QColor(90, 110, 160), QColor(4, 6, 14));
    }
    // A small full Moon before the note.
    moon.paintDisk(image, QPointF(25, 51.5), 5.2, 4, [](double, double, double albedo) {
        const int v = int(std::lround(90 + 165 * albedo));
        return QColor(v, v, std::min(255, v + 6));
    });
    return image;
}

} // namespace

QList<WindowPicture> DrawDatesArt(const MoonRenderer& moon) {
    return {{QStringLiteral("date_info.jpg"), dateInfoSkin()},
            {QStringLiteral("equinox.jpg"), equinoxSkin()},
            {QStringLiteral("easter.jpg"), easterSkin(moon)}};
}

} // namespace artgen
