// The skins of the three month reports: the times list (640 x 481, with the column headings
// of its table), the observing aid (540 x 480, with a colour legend and its day/night and
// grid buttons) and the monthly phases window (490 x 480, with the Moon picture that each
// day's cell shows). A night sky with a navy title bar, as the other windows.
#include "Drawing.h"
#include "MoonArt.h"
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

using At = PaintAt;

const QColor kOutline{12, 18, 40};
const QColor kPaper{246, 248, 252};

// The navy title bar (the window writes its name on it).
void titleBar(QPainter& p, const QRect& bar) {
    titlePlate(p, bar);
}

// ----- title-bar icons, each drawn with its origin at the top-left of its region ---------

void printerIcon(QPainter& p, QPoint at) { // 19 x 19
    At a(p, at);
    p.setPen(roundPen(kOutline));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 0.5, 10, 6));
    p.setBrush(vertical(5, 14, QColor(200, 210, 230), QColor(98, 112, 142)));
    p.drawRoundedRect(QRectF(0.5, 5.5, 18, 8.5), 2.2, 2.2);
    p.setPen(roundPen(QColor(255, 255, 255, 150)));
    p.drawLine(QPointF(2.5, 6.6), QPointF(16.5, 6.6));
    p.setPen(roundPen(kOutline));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 11.5, 12, 7));
    p.setPen(roundPen(QColor(120, 136, 170)));
    p.drawLine(QPointF(5.5, 14.2), QPointF(13.5, 14.2));
    p.drawLine(QPointF(5.5, 16.2), QPointF(11.5, 16.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 240, 130));
    p.drawEllipse(QPointF(15.6, 9.0), 1.2, 1.2);
}

// A rounded blue key with a white arrow up or down: 19 x 17.
void arrowKey(QPainter& p, QPoint at, bool up) {
    At a(p, at);
    const QRectF r(0.5, 0.5, 18, 16);
    QLinearGradient blue(r.topLeft(), r.bottomLeft());
    blue.setColorAt(0, QColor(120, 190, 255));
    blue.setColorAt(0.5, QColor(40, 120, 230));
    blue.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(10, 24, 70), 1));
    p.setBrush(blue);
    p.drawRoundedRect(r, 3.5, 3.5);
    p.setPen(roundPen(QColor(255, 255, 255, 110)));
    p.drawLine(QPointF(3.5, 1.8), QPointF(15.5, 1.8));
    QPainterPath tri;
    if (up) {
        tri.moveTo(9.5, 3.8);
        tri.lineTo(15.0, 12.0);
        tri.lineTo(4.0, 12.0);
    } else {
        tri.moveTo(9.5, 13.2);
        tri.lineTo(15.0, 5.0);
        tri.lineTo(4.0, 5.0);
    }
    tri.closeSubpath();
    p.setPen(roundPen(QColor(10, 30, 90), 1.2));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(tri);
}

void minimiseIcon(QPainter& p, QPoint at) { // 15 x 15
    At a(p, at);
    QPainterPath tri;
    tri.moveTo(1.5, 3.5);
    tri.lineTo(13.5, 3.5);
    tri.lineTo(7.5, 11.5);
    tri.closeSubpath();
    p.setPen(roundPen(kOutline, 1.2));
    p.setBrush(vertical(3, 12, QColor(240, 246, 255), QColor(150, 176, 220)));
    p.drawPath(tri);
}

void exitIcon(QPainter& p, QPoint at) { // 13 x 15
    At a(p, at);
    const QPointF a1(2, 3.5), b1(11, 12.5), c1(11, 3.5), d1(2, 12.5);
    p.setPen(roundPen(kOutline, 4.4));
    p.drawLine(a1, b1);
    p.drawLine(c1, d1);
    p.setPen(roundPen(QColor(255, 150, 140), 2.4));
    p.drawLine(a1, b1);
    p.drawLine(c1, d1);
}

// A floppy disk: 13 x 13.
void diskIcon(QPainter& p, QPoint at) {
    At a(p, at);
    QPainterPath body;
    body.moveTo(0.5, 0.5);
    body.lineTo(10.5, 0.5);
    body.lineTo(12.5, 2.5);
    body.lineTo(12.5, 12.5);
    body.lineTo(0.5, 12.5);
    body.closeSubpath();
    p.setPen(roundPen(kOutline));
    p.setBrush(vertical(0, 13, QColor(90, 150, 240), QColor(30, 70, 170)));
    p.drawPath(body);
    p.setBrush(QColor(214, 222, 236));
    p.drawRect(QRectF(3.0, 0.5, 6.5, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 60, 110));
    p.drawRect(QRectF(7.0, 1.2, 1.5, 2.6));
    p.setPen(roundPen(kOutline, 0.8));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 7.0, 8, 5.5));
    p.setPen(roundPen(QColor(120, 136, 170), 0.8));
    p.drawLine(QPointF(3.8, 9.0), QPointF(9.2, 9.0));
    p.drawLine(QPointF(3.8, 10.8), QPointF(9.2, 10.8));
}

// ----- times list ------------------------------------------------------------------------

QImage timesSkin() {
    QImage image = starrySky({640, 481}, 511, 700);
    QPainter p(&image);
    titleBar(p, QRect(6, 6, 628, 34));
    printerIcon(p, {20, 16});
    arrowKey(p, {54, 14}, true);
    arrowKey(p, {74, 14}, false);
    minimiseIcon(p, {592, 14});
    exitIcon(p, {614, 14});

    // The headings plate over the opening, then the opening itself at (20, 80)-(620, 460).
    blackScreen(p, QRect(20, 44, 600, 416));
    const QRect plate(20, 44, 600, 35);
    fillVertical(p, plate, QColor(34, 52, 104), QColor(14, 22, 54));
    p.fillRect(QRect(20, 78, 600, 1), QColor(60, 110, 190));
    p.fillRect(QRect(20, 79, 600, 1), Qt::black);

    // The window writes the group captions with their rules and the column headings.
    return image;
}

// ----- observing aid ---------------------------------------------------------------------

// The chart's colours on screen, for the grid button.
const QColor kDaylight{170, 170, 233};
const QColor kCivil{100, 100, 150};

QImage aidSkin() {
    QImage image = starrySky({540, 480}, 611, 700);
    QPainter p(&image);
    // The month shown follows the name at run time (302 on).
    titleBar(p, QRect(6, 6, 528, 34));
    printerIcon(p, {20, 16});
    minimiseIcon(p, {492, 14});
    exitIcon(p, {514, 14});

    // The hour labels' strip (60-75) and the chart (75-459), one black screen.
    blackScreen(p, QRect(20, 60, 500, 399));
    // The legend between the title bar and the screen is drawn at run time.
    return image;
}

// A title-bar button: a small rounded plate, 26 x 24, over the skin at its place.
QImage buttonBase(const QImage& skin, const QRect& place) {
    QImage image = copyArea(skin, place).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 1.5, place.width() - 3, place.height() - 3);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(70, 96, 160));
    g.setColorAt(1, QColor(20, 30, 70));
    p.setPen(QPen(QColor(150, 176, 230), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    return image;
}

QImage dayButton(const QImage& skin, const QRect& place) {
    QImage image = buttonBase(skin, place);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(place.width() / 2.0, place.height() / 2.0);
    p.setPen(roundPen(QColor(255, 214, 110), 1.3));
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(c + QPointF(std::cos(a) * 5.6, std::sin(a) * 5.6),
                   c + QPointF(std::cos(a) * 8.0, std::sin(a) * 8.0));
    }
    QRadialGradient g(c - QPointF(1, 1), 4.5);
    g.setColorAt(0, QColor(255, 250, 210));
    g.setColorAt(1, QColor(255, 180, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, 4.2, 4.2);
    return image;
}

QImage nightButton(const QImage& skin, const QRect& place) {
    QImage image = buttonBase(skin, place);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(place.width() / 2.0 - 1, place.height() / 2.0);
    QPainterPath disk;
    disk.addEllipse(c, 7, 7);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(3.6, -2.2), 6.2, 6.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 236, 200));
    p.drawPath(disk.subtracted(bite));
    p.setBrush(QColor(255, 255, 230));
    p.drawEllipse(c + QPointF(7.5, 3.5), 0.9, 0.9);
    p.drawEllipse(c + QPointF(4.5, -5.5), 0.7, 0.7);
    return image;
}

// Rows of a tiny chart, with or without the hour grid over them.
QImage gridButton(const QImage& skin, const QRect& place, bool grid) {
    QImage image = buttonBase(skin, place);
    QPainter p(&image);
    const QRect chart(5, 5, place.width() - 10, place.height() - 10);
    p.fillRect(chart, Qt::black);
    for (int r = 0; r < 3; ++r) {
        const int y = chart.top() + 1 + r * 5;
        p.fillRect(QRect(chart.left() + 4 + r, y, 8, 3), kDaylight);
        p.fillRect(QRect(chart.left() + 2 + r, y, 2, 3), kCivil);
        p.fillRect(QRect(chart.left() + 12 + r, y, 2, 3), kCivil);
    }
    // Lines as one-pixel rows and columns, whole pixels of the picture at every scale.
    for (int r = 1; r < 3; ++r)
        p.fillRect(QRect(chart.left(), chart.top() + r * 5 - 1, chart.width(), 1),
                   QColor(150, 150, 150));
    if (grid) {
        for (int c = 0; c <= 4; ++c) {
            const int x = chart.left() + c * (chart.width() - 1) / 4;
            p.fillRect(QRect(x, chart.top(), 1, chart.height()), QColor(255, 255, 176));
        }
    }
    const QColor frame(150, 176, 230);
    p.fillRect(QRect(chart.left(), chart.top(), chart.width(), 1), frame);
    p.fillRect(QRect(chart.left(), chart.bottom(), chart.width(), 1), frame);
    p.fillRect(QRect(chart.left(), chart.top(), 1, chart.height()), frame);
    p.fillRect(QRect(chart.right(), chart.top(), 1, chart.height()), frame);
    return image;
}

// ----- monthly phases --------------------------------------------------------------------

QImage phasesSkin() {
    QImage image = starrySky({490, 480}, 711, 700);
    QPainter p(&image);
    titleBar(p, QRect(6, 6, 478, 34));
    diskIcon(p, {20, 14});
    exitIcon(p, {461, 12});
    // The calendar is copied to (18, 55)-(474, 464): a steel frame around it.
    blackScreen(p, QRect(18, 55, 456, 409));
    return image;
}

double smoothstep(double a, double b, double x) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The Moon picture of each day's cell: 50 x 49, a full Moon of radius 24.5 centred on
// pixel (25, 24), where the calendar hatches the day's shadow over it.
QImage miniMoon(const MoonRenderer& moon) {
    QImage image = newImage({50, 49});
    moon.paintDisk(image, {25.5, 24.5}, 24.5, 4, [](double u, double v, double a) {
        const double r2 = std::min(1.0, u * u + v * v);
        const double limb = 0.72 + 0.28 * std::sqrt(1 - r2);
        const double level = std::clamp((0.22 + 0.78 * a) * limb, 0.0, 1.0);
        const double rim = smoothstep(0.90, 1.0, std::sqrt(r2));
        const double l = level * (1 - 0.15 * rim);
        return QColor::fromRgbF(float(std::min(1.0, l * 0.99)), float(std::min(1.0, l * 0.975)),
                                float(std::min(1.0, l * 0.93)));
    });
    return image;
}

} // namespace

QList<WindowPicture> DrawMonthlyArt(const MoonRenderer& moon) {
    const QImage aid = aidSkin();
    // The day/night and grid buttons stand at (50, 12) and (82, 12) on the title bar.
    const QRect dayNight(50, 12, 26, 24), linesGrid(82, 12, 26, 24);
    return {{QStringLiteral("times_bgnd.jpg"), timesSkin()},
            {QStringLiteral("aid_bgnd.jpg"), aid},
            {QStringLiteral("aid_day.png"), dayButton(aid, dayNight)},
            {QStringLiteral("aid_night.png"), nightButton(aid, dayNight)},
            {QStringLiteral("aid_lines.png"), gridButton(aid, linesGrid, false)},
            {QStringLiteral("aid_grid.png"), gridButton(aid, linesGrid, true)},
            {QStringLiteral("phases_bgnd.jpg"), phasesSkin()},
            {QStringLiteral("phases_moon.png"), miniMoon(moon)}};
}

} // namespace artgen
