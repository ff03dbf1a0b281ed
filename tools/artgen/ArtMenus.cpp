// The pictures of the title bar's popups: the report menu and web links menu (columns of
// 265 x 20 strips that the windows cut apart), their arrow, the month picker with its
// arrow, and the version window.
#include "Drawing.h"
#include "WindowArt.h"
#include "WindowSkin.h"

#include "WebLinks.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace artgen {

namespace {

using IconAt = PaintAt;

constexpr int kStripWidth = 265;
constexpr int kStripHeight = 20;
constexpr int kMonthWidth = 100;
constexpr int kMonthRow = 29;
// Where the arrows stand, and their size.
constexpr int kArrowLeft = 7;
constexpr int kMonthArrowLeft = 10;
constexpr int kArrowWidth = 12;

const QColor kRowTop{40, 56, 106};
const QColor kRowBottom{18, 27, 62};
const QColor kRowHighlight{86, 110, 172};
const QColor kRowShadow{4, 6, 16};
const QColor kEdgeLight{130, 150, 206};

double clamp01(double x) {
    return std::clamp(x, 0.0, 1.0);
}

double smoothstep(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

QColor rgb(double r, double g, double b) {
    auto c = [](double x) { return int(std::lround(clamp01(x) * 255)); };
    return QColor(c(r), c(g), c(b));
}

// One menu row: a highlight line, a navy gradient and a dark line, with a light left edge
// and a dark right edge. Every row of a menu is drawn alike, so one arrow fits them all.
void rowBackground(QPainter& p, const QRect& row) {
    fillVertical(p, row.adjusted(0, 1, 0, -1), kRowTop, kRowBottom);
    p.fillRect(QRect(row.left(), row.top(), row.width(), 1), kRowHighlight);
    p.fillRect(QRect(row.left(), row.bottom(), row.width(), 1), kRowShadow);
    p.fillRect(QRect(row.left(), row.top(), 1, row.height()), kEdgeLight);
    p.fillRect(QRect(row.right(), row.top(), 1, row.height()), kRowShadow);
}

// A heading row: a brighter band with a gold title between two thin rules.
// A heading row's background; the window writes its title between two rules.
void headingRow(QPainter& p, const QRect& row) {
    QLinearGradient g(row.topLeft(), row.bottomLeft());
    g.setColorAt(0, QColor(74, 98, 164));
    g.setColorAt(0.5, QColor(44, 62, 124));
    g.setColorAt(1, QColor(26, 38, 84));
    p.fillRect(row, g);
    p.fillRect(QRect(row.left(), row.top(), row.width(), 1), QColor(150, 172, 226));
    p.fillRect(QRect(row.left(), row.bottom(), row.width(), 1), kRowShadow);
    p.fillRect(QRect(row.left(), row.top(), 1, row.height()), kEdgeLight);
    p.fillRect(QRect(row.right(), row.top(), 1, row.height()), kRowShadow);
}

// A right-pointing arrow over a copy of a row's gutter.
QImage arrowPicture(const QImage& row, int left) {
    QImage image = copyArea(row, QRect(left, 0, kArrowWidth, area(row).height()));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = area(image).height();
    const double mid = h / 2.0;
    QPainterPath tri;
    tri.moveTo(2.0, mid - 5.5);
    tri.lineTo(10.5, mid);
    tri.lineTo(2.0, mid + 5.5);
    tri.closeSubpath();
    // A soft glow, then the arrow itself.
    p.setPen(roundPen(QColor(120, 200, 255, 90), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tri);
    QLinearGradient fill(0, mid - 5.5, 0, mid + 5.5);
    fill.setColorAt(0, QColor(255, 248, 210));
    fill.setColorAt(1, QColor(255, 196, 80));
    p.setPen(roundPen(QColor(60, 36, 6), 0.8));
    p.setBrush(fill);
    p.drawPath(tri);
    return image;
}

// ----- report menu icons, 16 x 16 with the origin at their top-left ---------------------

// The observing aid: night bands of blue with the Moon's yellow bar across them.
void visibilityIcon(QPainter& p, double x, double y) {
    IconAt at(p, x, y);
    QLinearGradient sky(0, 0, 16, 0);
    sky.setColorAt(0, QColor(120, 170, 240));
    sky.setColorAt(0.3, QColor(30, 60, 150));
    sky.setColorAt(0.5, QColor(6, 10, 40));
    sky.setColorAt(0.7, QColor(30, 60, 150));
    sky.setColorAt(1, QColor(120, 170, 240));
    p.setPen(roundPen(QColor(8, 12, 30)));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 150));
    p.drawRoundedRect(QRectF(3, 4, 9, 2.2), 1, 1);
    p.drawRoundedRect(QRectF(4.5, 7, 9, 2.6), 1, 1);
    p.drawRoundedRect(QRectF(6, 10.2, 8.5, 3.0), 1, 1);
}

// The eclipse finder: a copper Moon in the Earth's shadow with a magnifier.
void eclipseIcon(QPainter& p, double x, double y) {
    IconAt at(p, x, y);
    QRadialGradient moon(QPointF(5, 5), 8);
    moon.setColorAt(0, QColor(250, 150, 90));
    moon.setColorAt(1, QColor(120, 30, 12));
    p.setPen(roundPen(QColor(30, 8, 4), 0.8));
    p.setBrush(moon);
    p.drawEllipse(QPointF(6.5, 6.5), 5.8, 5.8);
    p.setPen(roundPen(QColor(220, 228, 244), 1.6));
    p.setBrush(QColor(200, 220, 255, 60));
    p.drawEllipse(QPointF(9.8, 9.8), 3.4, 3.4);
    p.setPen(roundPen(QColor(220, 228, 244), 2.4));
    p.drawLine(QPointF(12.3, 12.3), QPointF(15, 15));
}

// The monthly phases: a little calendar page with Moons on it.
void phasesIcon(QPainter& p, double x, double y) {
    IconAt at(p, x, y);
    p.setPen(roundPen(QColor(8, 12, 30)));
    p.setBrush(QColor(232, 238, 250));
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 14), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 60, 60));
    p.drawRect(QRectF(1, 2, 14, 3.5));
    const QPointF centres[] = {{4.3, 8.8}, {8.0, 8.8}, {11.7, 8.8}, {4.3, 12.4}, {8.0, 12.4}};
    for (int i = 0; i < 5; ++i) {
        p.setBrush(QColor(30, 40, 70));
        p.drawEllipse(centres[i], 1.5, 1.5);
        p.setBrush(QColor(250, 210, 90));
        QPainterPath lit;
        lit.addEllipse(centres[i], 1.5, 1.5);
        QPainterPath shade;
        shade.addEllipse(centres[i] + QPointF(-0.8 * (i + 1) + 2.4, 0), 1.5, 1.5);
        p.drawPath(i == 2 ? lit : lit.intersected(shade));
    }
}

// Equinoxes and solstices: the Sun's path over the horizon, the Sun at its height.
void equinoxIcon(QPainter& p, double x, double y) {
    IconAt at(p, x, y);
    QPen path = roundPen(QColor(150, 190, 255), 1.1);
    path.setDashPattern({1.5, 1.6});
    p.setPen(path);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1.5, 5.5, 13, 15), 0, 180 * 16);
    p.setPen(roundPen(QColor(206, 224, 255), 1.4));
    p.drawLine(QPointF(0.5, 13.5), QPointF(15.5, 13.5));
    QRadialGradient sun(QPointF(7.2, 4.6), 4.2);
    sun.setColorAt(0, QColor(255, 252, 224));
    sun.setColorAt(1, QColor(255, 164, 36));
    p.setPen(roundPen(QColor(90, 50, 6), 0.7));
    p.setBrush(sun);
    p.drawEllipse(QPointF(8, 5.5), 3.3, 3.3);
}

// Easter: a painted egg.
void easterIcon(QPainter& p, double x, double y) {
    IconAt at(p, x, y);
    QPainterPath egg;
    egg.moveTo(8, 0.8);
    egg.cubicTo(12.6, 0.8, 14.6, 9, 14.2, 11);
    egg.cubicTo(13.6, 14, 11, 15.4, 8, 15.4);
    egg.cubicTo(5, 15.4, 2.4, 14, 1.8, 11);
    egg.cubicTo(1.4, 9, 3.4, 0.8, 8, 0.8);
    QRadialGradient shell(QPointF(6, 5), 11);
    shell.setColorAt(0, QColor(255, 246, 220));
    shell.setColorAt(1, QColor(236, 190, 120));
    p.setPen(roundPen(QColor(60, 36, 12), 0.8));
    p.setBrush(shell);
    p.drawPath(egg);
    p.save();
    p.setClipPath(egg);
    p.setPen(roundPen(QColor(60, 140, 220), 1.6));
    p.drawLine(QPointF(0, 7), QPointF(16, 7));
    p.setPen(roundPen(QColor(220, 80, 110), 1.6));
    p.drawLine(QPointF(0, 10.5), QPointF(16, 10.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 180, 110));
    for (double cx : {4.0, 8.0, 12.0}) p.drawEllipse(QPointF(cx, 13.2), 0.9, 0.9);
    p.restore();
}

// The report menu's entries: each row with its icon (the window writes the titles).
QImage reportMenu() {
    void (*const icons[])(QPainter&, double, double) = {visibilityIcon, eclipseIcon, phasesIcon,
                                                        equinoxIcon, easterIcon};
    QImage image = newImage({kStripWidth, 5 * kStripHeight});
    QPainter p(&image);
    for (int i = 0; i < 5; ++i) {
        const QRect row(0, i * kStripHeight, kStripWidth, kStripHeight);
        rowBackground(p, row);
        icons[i](p, 24, row.top() + 2);
    }
    return image;
}

// The link strip's rows; the window writes the titles and sources.
QImage webMenu() {
    const int rows = static_cast<int>(crescendar::kWebLinks.size());
    QImage image = newImage({kStripWidth, rows * kStripHeight});
    QPainter p(&image);
    for (int i = 0; i < rows; ++i) {
        const QRect row(0, i * kStripHeight, kStripWidth, kStripHeight);
        if (crescendar::kWebLinks[static_cast<std::size_t>(i)].Url)
            rowBackground(p, row);
        else
            headingRow(p, row);
    }
    return image;
}

QImage plainRow(QSize size) {
    QImage image = newImage(size);
    QPainter p(&image);
    rowBackground(p, area(image));
    return image;
}

// The month picker's twelve rows (the window writes the names).
QImage months() {
    QImage image = newImage({kMonthWidth, 12 * kMonthRow});
    QPainter p(&image);
    for (int i = 0; i < 12; ++i) rowBackground(p, QRect(0, i * kMonthRow, kMonthWidth, kMonthRow));
    return image;
}

QImage about(const MoonRenderer& moon) {
    const QSize size(210, 185);
    QImage image = newImage(size);
    {
        QPainter p(&image);
        fillVertical(p, area(image), colour::skyTop, colour::skyBottom);
    }
    softNoise(image, area(image), 5, 20, 41);
    stars(image, area(image).adjusted(4, 4, -4, -4), 70, 42, 240, 50);

    // A waxing crescent with its dark side in earthshine, and a faint glow around it.
    const QPointF centre(105, 58);
    const double radius = 37;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient glow(centre, radius + 14);
        glow.setColorAt(0, QColor(40, 60, 110, 150));
        glow.setColorAt(0.72, QColor(40, 60, 110, 90));
        glow.setColorAt(1, QColor(40, 60, 110, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius + 14, radius + 14);
    }
    moon.paintDisk(image, centre, radius, 3, [](double u, double v, double a) {
        const double k = 0.45;
        const double terminator = k * std::sqrt(std::max(0.0, 1 - v * v));
        const double light = smoothstep(terminator - 0.05, terminator + 0.05, u);
        const double mu = std::sqrt(std::max(0.0, 1 - u * u - v * v));
        const double lit = (0.25 + 0.75 * a) * (0.74 + 0.26 * std::pow(mu, 0.45));
        // Faint earthshine on the dark side, with a rim so that the whole disk shows.
        const double rim = smoothstep(0.86, 1.0, std::sqrt(u * u + v * v));
        const double shade = (0.05 + 0.06 * a + 0.10 * rim) * (1 - light);
        return rgb(lit * light * 1.00 + shade * 0.70, lit * light * 0.97 + shade * 0.82,
                   lit * light * 0.88 + shade * 1.15);
    });

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The name, in the title's gold serif.
    QFont font = serifFont(28, true, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("Crescendar"));
    const QRectF box = name.boundingRect();
    name.translate(105 - box.center().x(), 122 - box.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 180));
    p.drawPath(name.translated(1.4, 1.6));
    QLinearGradient gold(0, 108, 0, 136);
    gold.setColorAt(0, QColor(255, 252, 232));
    gold.setColorAt(0.55, QColor(236, 224, 170));
    gold.setColorAt(1, QColor(190, 160, 90));
    p.setBrush(gold);
    p.drawPath(name);

    // A thin rule over the version and the line beneath (written by the window).
    QLinearGradient rule(40, 0, 170, 0);
    rule.setColorAt(0, QColor(255, 232, 170, 0));
    rule.setColorAt(0.5, QColor(255, 232, 170, 170));
    rule.setColorAt(1, QColor(255, 232, 170, 0));
    p.fillRect(QRectF(40, 139, 130, 1), rule);

    // The close button in the top right corner (the window's exit region: 186, 6, 18, 18).
    const QRectF button(186.5, 6.5, 17, 17);
    QLinearGradient face(button.topLeft(), button.bottomLeft());
    face.setColorAt(0, QColor(70, 92, 150));
    face.setColorAt(1, QColor(24, 34, 72));
    p.setPen(roundPen(QColor(130, 154, 214), 1));
    p.setBrush(face);
    p.drawRoundedRect(button, 4, 4);
    const QPointF a(191, 11), b(199, 19), c(199, 11), d(191, 19);
    p.setPen(roundPen(QColor(6, 8, 20), 3.6));
    p.drawLine(a, b);
    p.drawLine(c, d);
    p.setPen(roundPen(QColor(255, 150, 140), 2.0));
    p.drawLine(a, b);
    p.drawLine(c, d);

    // The raised frame.
    bevel(p, area(image), 3, true, QColor(150, 166, 204), QColor(6, 8, 20));
    return image;
}

} // namespace

QList<WindowPicture> DrawMenusArt(const MoonRenderer& moon) {
    return {
        {QStringLiteral("report_menu.png"), reportMenu()},
        {QStringLiteral("web_menu.png"), webMenu()},
        {QStringLiteral("arrow.png"),
         arrowPicture(plainRow({kStripWidth, kStripHeight}), kArrowLeft)},
        {QStringLiteral("months.png"), months()},
        {QStringLiteral("month_arrow.png"),
         arrowPicture(plainRow({kMonthWidth, kMonthRow}), kMonthArrowLeft)},
        {QStringLiteral("about.jpg"), about(moon)},
    };
}

} // namespace artgen
