#include "Skin.h"

#include "Drawing.h"
#include "Icons.h"
#include "WindowSkin.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artgen {

namespace {

const QColor kFrameLight{150, 166, 204};
const QColor kFrameDark{6, 8, 20};
const QColor kPlateTop{200, 207, 220};
const QColor kPlateBottom{158, 166, 184};

// Small glyphs drawn before the box titles, 14 x 14 with the origin at their top-left.
enum class Glyph { RiseSet, Moon, Twilight, Sun };

void glyph(QPainter& p, QPointF at, Glyph kind) {
    p.save();
    p.translate(at);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(255, 214, 110);
    switch (kind) {
    case Glyph::RiseSet: {
        QPainterPath half;
        half.moveTo(2, 10);
        half.arcTo(QRectF(2.5, 4.5, 9, 9), 180, -180);
        half.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawPath(half);
        p.setPen(QPen(QColor(255, 236, 180), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 0.8), QPointF(7, 3.2));
        p.drawLine(QPointF(1.4, 5.0), QPointF(2.8, 6.2));
        p.drawLine(QPointF(12.6, 5.0), QPointF(11.2, 6.2));
        p.setPen(QPen(QColor(180, 210, 255), 1.2));
        p.drawLine(QPointF(0.5, 10.6), QPointF(13.5, 10.6));
        p.drawLine(QPointF(3.5, 13), QPointF(10.5, 13));
        break;
    }
    case Glyph::Moon: {
        QPainterPath disk;
        disk.addEllipse(QPointF(7, 7), 6, 6);
        QPainterPath bite;
        bite.addEllipse(QPointF(4.2, 5.6), 5.2, 5.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 236, 222));
        p.drawPath(disk.subtracted(bite));
        break;
    }
    case Glyph::Twilight: {
        QLinearGradient sky(0, 1, 0, 13);
        sky.setColorAt(0, QColor(70, 60, 160));
        sky.setColorAt(0.6, QColor(200, 90, 110));
        sky.setColorAt(1, QColor(255, 170, 90));
        p.setPen(Qt::NoPen);
        p.setBrush(sky);
        p.drawRoundedRect(QRectF(0.5, 1.5, 13, 11), 2, 2);
        p.setBrush(QColor(255, 214, 110));
        QPainterPath sun;
        sun.moveTo(3.5, 12.5);
        sun.arcTo(QRectF(3.5, 9.5, 7, 6), 180, -180);
        sun.closeSubpath();
        p.drawPath(sun);
        p.setBrush(QColor(255, 255, 230));
        p.drawEllipse(QPointF(10.5, 4), 0.8, 0.8);
        p.drawEllipse(QPointF(4, 5), 0.6, 0.6);
        break;
    }
    case Glyph::Sun: {
        p.setPen(QPen(gold, 1.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const double a = i * std::numbers::pi / 4;
            p.drawLine(QPointF(7 + std::cos(a) * 4.6, 7 + std::sin(a) * 4.6),
                       QPointF(7 + std::cos(a) * 6.6, 7 + std::sin(a) * 6.6));
        }
        QRadialGradient g(QPointF(6, 6), 4);
        g.setColorAt(0, QColor(255, 250, 210));
        g.setColorAt(1, QColor(255, 180, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(7, 7), 3.6, 3.6);
        break;
    }
    }
    p.restore();
}

// A grey box: steel frame, a navy header band with its glyph, and a body. The glyph and the
// title beside it (titleWidth pixels, written by the window) are centred together.
void boxFrame(QPainter& p, const QRect& rect, int titleWidth, Glyph kind, const QColor& bodyTop,
              const QColor& bodyBottom) {
    steelFrame(p, rect);
    const QRect header(rect.left() + 3, rect.top() + 3, rect.width() - 6, 19);
    fillVertical(p, header, colour::titleTop, colour::titleBottom);
    p.fillRect(QRect(header.left(), header.top(), header.width(), 1), QColor(96, 122, 190));
    p.fillRect(QRect(header.left(), header.bottom() + 1, header.width(), 1), kFrameDark);
    const QRect body(rect.left() + 3, header.bottom() + 2, rect.width() - 6,
                     rect.bottom() - 3 - header.bottom() - 1);
    fillVertical(p, body, bodyTop, bodyBottom);

    const int left = header.left() + (header.width() - (14 + 6 + titleWidth)) / 2;
    glyph(p, QPointF(left, header.top() + 2.5), kind);
}

// A recessed well for pale-yellow values inside a light box.
void well(QPainter& p, const QRect& rect) {
    fillVertical(p, rect, QColor(14, 20, 38), colour::well);
    bevel(p, rect.adjusted(-1, -1, 1, 1), 1, false, QColor(250, 252, 255), QColor(70, 78, 98));
}

void riseSetBox(QPainter& p) {
    const QRect box = layout::riseSetBox;
    boxFrame(p, box, 93, Glyph::RiseSet, colour::boxTop, colour::boxBottom);
    // Sunrise, transit and sunset at (32, 300...) with values at 94; the Moon's titles at
    // 150 with values at 212; the window writes the columns' captions at 279.
    well(p, QRect(90, 297, 52, 52));
    well(p, QRect(210, 297, 54, 52));
    p.fillRect(QRect(146, 280, 1, 70), QColor(130, 138, 156));
    p.fillRect(QRect(147, 280, 1, 70), QColor(236, 240, 248));
}

void twilightBox(QPainter& p) {
    const QRect box = layout::twilightBox;
    boxFrame(p, box, 49, Glyph::Twilight, colour::boxTop, colour::boxBottom);
    // "Start" and "End" at (130, 390) and (212, 390); values beneath from 406.
    well(p, QRect(126, 404, 56, 50));
    well(p, QRect(210, 404, 54, 50));
}

void skyBox(QPainter& p, const QRect& box, int titleWidth, Glyph kind, const QImage& texture,
            QPoint textureAt) {
    boxFrame(p, box, titleWidth, kind, QColor(54, 62, 86), QColor(30, 36, 54));
    // The captions at x 284 are white; the values sit on the textured plate.
    const QRect plate(textureAt, area(texture).size());
    bevel(p, plate.adjusted(-1, -1, 1, 1), 1, false, QColor(140, 154, 190), QColor(8, 10, 22));
    p.drawImage(textureAt, texture);
}

void calendarPanel(QPainter& p) {
    const QRect box = layout::calendar;
    steelFrame(p, box);
    // The month and year are engraved on a silver plate: dark grey letters with a light
    // shadow, 19 pixels high at top 260.
    const QRect plate(box.left() + 3, box.top() + 3, box.width() - 6, 32);
    fillVertical(p, plate, kPlateTop, kPlateBottom);
    p.fillRect(QRect(plate.left(), plate.top(), plate.width(), 1), QColor(236, 240, 248));
    p.fillRect(QRect(plate.left(), plate.bottom(), plate.width(), 1), QColor(90, 98, 120));
    // The grid of days on deep navy.
    const QRect grid(box.left() + 3, plate.bottom() + 1, box.width() - 6,
                     box.bottom() - 3 - plate.bottom());
    p.fillRect(grid, colour::gridNavy);
    // The weekday titles (aqua, top 291) on a lighter band.
    const QRect titles(grid.left(), grid.top(), grid.width(), 22);
    fillVertical(p, titles, QColor(34, 52, 104), QColor(18, 28, 64));
    p.fillRect(QRect(titles.left(), titles.bottom() + 1, titles.width(), 1), QColor(60, 110, 190));
    // A faint plate behind each of the 42 cells, where the selected-day marker can stand.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            const QRectF cell(419 + 29 * c + 0.5, 313 + 25 * r + 0.5, 24, 22);
            p.setBrush(QColor(20, 30, 62));
            p.drawRoundedRect(cell, 3.5, 3.5);
        }
    }
    p.restore();
}

void titleBarPlate(QPainter& p, QImage& image) {
    titlePlate(p, layout::titleBar);
    // A few faint stars where no icon stands.
    p.end();
    stars(image, QRect(214, 12, 46, 24), 7, 71, 170);
    stars(image, QRect(382, 12, 60, 24), 8, 72, 170);
    stars(image, QRect(566, 12, 22, 24), 3, 73, 150);
    p.begin(&image);
}

} // namespace

QImage skinBase() {
    QImage image = newImage(layout::window.size());
    {
        QPainter p(&image);
        fillVertical(p, layout::window, colour::skyTop, colour::skyBottom);
    }
    softNoise(image, layout::window, 5, 24, 11);
    stars(image, layout::window.adjusted(3, 3, -3, -3), 260, 12, 150);
    QPainter p(&image);
    bevel(p, layout::window, 3, true, kFrameLight, kFrameDark);
    titleBarPlate(p, image);
    return image;
}

QImage mainSkin(const QImage& base, const QImage& clock, const QImage& moonParams,
                const QImage& sunParams) {
    QImage image = base.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    paintTitleIcons(p);
    paintTitle(p);
    p.drawImage(layout::clockStrip.topLeft(), clock);
    blackPanel(p, layout::moonPanel);
    blackPanel(p, layout::phasePanel);
    riseSetBox(p);
    // The box titles' widths: "Moon" 35 and "Sun" 25 pixels.
    skyBox(p, layout::moonBox, 35, Glyph::Moon, moonParams, layout::moonParamsAt);
    twilightBox(p);
    skyBox(p, layout::sunBox, 25, Glyph::Sun, sunParams, layout::sunParamsAt);
    calendarPanel(p);
    return image;
}

QImage clockStrip() {
    QImage image = newImage({640, 24});
    {
        QPainter p(&image);
        fillVertical(p, area(image), QColor(150, 162, 190), QColor(84, 96, 126));
        p.fillRect(QRect(0, 0, 640, 1), QColor(200, 210, 232));
        p.fillRect(QRect(0, 23, 640, 1), kFrameDark);
        // The window's frame runs down both ends.
        bevel(p, QRect(-3, -3, 646, 30), 3, true, kFrameLight, kFrameDark);
        // Two recessed displays: the date, time and phase on 20-402, the sidereal time on
        // 420-620; navy text at y 4.
        for (const QRect& r : {QRect(14, 2, 396, 20), QRect(416, 2, 210, 20)}) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, QColor(214, 224, 242));
            g.setColorAt(0.5, QColor(238, 244, 252));
            g.setColorAt(1, QColor(206, 216, 236));
            p.fillRect(r, g);
            bevel(p, r.adjusted(-1, -1, 1, 1), 1, false, QColor(236, 242, 252), QColor(40, 50, 80));
        }
    }
    grain(image, QRect(14, 2, 396, 20), 1.5, 21);
    grain(image, QRect(416, 2, 210, 20), 1.5, 22);
    return image;
}

QImage moonParamsTexture() {
    QImage image = newImage(layout::moonParamsSize, QColor(40, 47, 68));
    softNoise(image, area(image), 7, 9, 31);
    softNoise(image, area(image), 3, 3, 32);
    // Faint craters, a hint of the lunar surface behind the values.
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        Rng rng(33);
        for (int i = 0; i < 9; ++i) {
            const QPointF c(rng.uniform() * 85, rng.uniform() * 67);
            const double r = 3 + rng.uniform() * 9;
            p.setPen(QPen(QColor(255, 255, 255, 16), 1.2));
            p.setBrush(QColor(0, 0, 0, 22));
            p.drawEllipse(c, r, r);
            p.setPen(QPen(QColor(0, 0, 0, 30), 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(c.x() - r + 0.8, c.y() - r + 0.8, 2 * r, 2 * r), 200 * 16, 140 * 16);
        }
    }
    grain(image, area(image), 2.0, 34);
    return image;
}

QImage sunParamsTexture() {
    // Dark bronze, mottled like the Sun's granulation, warmer towards the upper left.
    QImage image = newImage(layout::sunParamsSize, QColor(58, 44, 40));
    softNoise(image, area(image), 5, 12, 41);
    softNoise(image, area(image), 6, 2, 42);
    {
        QPainter p(&image);
        QRadialGradient warm(QPointF(0, 0), 90);
        warm.setColorAt(0, QColor(170, 90, 30, 70));
        warm.setColorAt(1, QColor(170, 90, 30, 0));
        p.fillRect(area(image), warm);
    }
    grain(image, area(image), 1.5, 43);
    return image;
}

QImage yearButton() {
    QImage image = newImage({60, 29}, mix(kPlateTop, kPlateBottom, 0.4));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 59, 28);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.5, QColor(236, 240, 248));
    g.setColorAt(1, QColor(190, 200, 220));
    p.setPen(QPen(QColor(50, 62, 96), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(QColor(100, 170, 255), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
    return image;
}

QImage timeButton() {
    QImage image = newImage({146, 31}, QColor(84, 96, 126));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The panel.
    const QRectF panel(0.5, 0.5, 145, 30);
    QLinearGradient g(panel.topLeft(), panel.bottomLeft());
    g.setColorAt(0, colour::steelLight);
    g.setColorAt(1, colour::steelMid);
    p.setPen(QPen(kFrameDark, 1));
    p.setBrush(g);
    p.drawRoundedRect(panel, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 130), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(1, 1, -1, -1), 4, 4);
    // The well of the hour, minute and second fields (black digits at x 10, 35 and 60).
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect field(5, 3, 79, 25);
    fillVertical(p, field, QColor(232, 238, 250), QColor(255, 255, 255));
    bevel(p, field.adjusted(-1, -1, 1, 1), 1, false, QColor(250, 252, 255), QColor(40, 50, 80));
    // The Now button: x 87-126, y 4-19.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF now(87.5, 4.5, 39, 15);
    QLinearGradient blue(now.topLeft(), now.bottomLeft());
    blue.setColorAt(0, QColor(120, 190, 255));
    blue.setColorAt(0.5, QColor(40, 120, 230));
    blue.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(10, 24, 70), 1));
    p.setBrush(blue);
    p.drawRoundedRect(now, 3.5, 3.5);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(90, 5.8), QPointF(124, 5.8));
    // (The window writes the button's caption.)
    // A hint that the button returns to the present: a small circular arrow beneath it.
    p.setPen(QPen(QColor(30, 40, 70), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(132, 10, 9, 9), 60 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(139.4, 9.0);
    head.lineTo(142.4, 11.6);
    head.lineTo(138.4, 12.8);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 40, 70));
    p.drawPath(head);
    return image;
}

QImage dateMarker() {
    QImage image = newImage({25, 23}, colour::gridNavy);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 24, 22);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(140, 148, 168));
    g.setColorAt(1, QColor(84, 92, 112));
    p.setPen(QPen(QColor(200, 210, 232), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3.5, 3.5);
    return image;
}

} // namespace artgen
