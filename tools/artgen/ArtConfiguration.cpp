// Pictures of the configuration window (284 x 400): the skin with its title plate, the
// light "Observer" and calendar boxes, a night-sky vignette, the dark time and printer box
// and the spin buttons; the radio and check glyphs; the face of the lists' drop-down button.
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

const QColor kFrameLight{150, 166, 204};
const QColor kFrameDark{6, 8, 20};
const QColor kOutline{12, 18, 40};
const QColor kDarkBodyTop{54, 62, 86};
const QColor kDarkBodyBottom{30, 36, 54};

// Where things sit (window coordinates).
constexpr QRect kWindow{0, 0, 284, 400};
constexpr QRect kTitlePlate{6, 6, 272, 29};
constexpr QRect kObserverBox{14, 38, 256, 108};
constexpr QRect kCalendarBox{14, 150, 256, 68};
constexpr QRect kVignette{14, 222, 256, 50};
constexpr QRect kTimeBox{14, 276, 256, 106};
constexpr QPoint kRadioAt{30, 350};
constexpr QPoint kCheckAt{240, 306};

double smooth(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Spanner and screwdriver crossed, as on the main window's configuration icon; 19 x 19.
void toolsIcon(QPainter& p, QPointF at) {
    p.save();
    p.translate(at);
    p.setRenderHint(QPainter::Antialiasing);
    // Screwdriver: handle lower right, blade to the upper left.
    p.setPen(roundPen(kOutline, 3.6));
    p.drawLine(QPointF(3, 3), QPointF(11, 11));
    p.setPen(roundPen(QColor(214, 222, 236), 1.6));
    p.drawLine(QPointF(3, 3), QPointF(11, 11));
    QLinearGradient handle(QPointF(11, 11), QPointF(17, 17));
    handle.setColorAt(0, QColor(255, 170, 90));
    handle.setColorAt(1, QColor(190, 70, 30));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(handle);
    QPainterPath grip;
    grip.moveTo(10, 12.5);
    grip.lineTo(12.5, 10);
    grip.lineTo(18, 15.5);
    grip.lineTo(15.5, 18);
    grip.closeSubpath();
    p.drawPath(grip);
    // Spanner: from lower left to upper right, open jaw at the top.
    p.setPen(roundPen(kOutline, 4.2));
    p.drawLine(QPointF(2.5, 16.5), QPointF(12.5, 6.5));
    p.setPen(roundPen(QColor(200, 212, 232), 2.2));
    p.drawLine(QPointF(2.5, 16.5), QPointF(12.5, 6.5));
    QPainterPath jaw;
    jaw.addEllipse(QPointF(14, 5), 4.2, 4.2);
    QPainterPath gap;
    gap.addRect(QRectF(13, -0.5, 3.2, 5.5));
    jaw = jaw.subtracted(gap.translated(0.5, 0));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(200, 212, 232));
    p.drawPath(jaw);
    p.restore();
}

// A small globe with its graticule, 14 x 14, for the "Observer" header.
void globeGlyph(QPainter& p, QPointF at) {
    p.save();
    p.translate(at);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sea(QPointF(5, 5), 9);
    sea.setColorAt(0, QColor(130, 200, 255));
    sea.setColorAt(1, QColor(30, 90, 190));
    p.setPen(QPen(QColor(200, 230, 255), 1));
    p.setBrush(sea);
    p.drawEllipse(QPointF(7, 7), 6, 6);
    p.setPen(QPen(QColor(220, 240, 255, 190), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(7, 7), 2.6, 6);
    p.drawLine(QPointF(7, 1), QPointF(7, 13));
    p.drawLine(QPointF(1, 7), QPointF(13, 7));
    p.drawLine(QPointF(2.2, 4), QPointF(11.8, 4));
    p.drawLine(QPointF(2.2, 10), QPointF(11.8, 10));
    p.restore();
}

// A clock face, 14 x 14, for the time header.
void clockGlyph(QPainter& p, QPointF at) {
    p.save();
    p.translate(at);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient face(QPointF(5.5, 5.5), 9);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(200, 212, 236));
    p.setPen(QPen(QColor(255, 214, 110), 1.3));
    p.setBrush(face);
    p.drawEllipse(QPointF(7, 7), 5.8, 5.8);
    p.setPen(roundPen(QColor(20, 30, 70), 1.2));
    p.drawLine(QPointF(7, 7), QPointF(7, 3.2));
    p.drawLine(QPointF(7, 7), QPointF(9.8, 8.4));
    p.restore();
}

// A light box: steel frame, optionally a navy header band with a glyph, and a light body.
// The glyph and the title beside it (titleWidth, drawn by the window) are centred together.
void lightBox(QPainter& p, const QRect& rect, int titleWidth, void (*glyph)(QPainter&, QPointF)) {
    steelFrame(p, rect);
    int bodyTop = rect.top() + 3;
    if (glyph) {
        const QRect header(rect.left() + 3, rect.top() + 3, rect.width() - 6, 17);
        fillVertical(p, header, colour::titleTop, colour::titleBottom);
        p.fillRect(QRect(header.left(), header.top(), header.width(), 1), QColor(96, 122, 190));
        p.fillRect(QRect(header.left(), header.bottom() + 1, header.width(), 1), kFrameDark);
        const int left = header.left() + (header.width() - (14 + 6 + titleWidth)) / 2;
        glyph(p, QPointF(left, header.top() + 1.5));
        bodyTop = header.bottom() + 2;
    }
    fillVertical(p, QRect(rect.left() + 3, bodyTop, rect.width() - 6, rect.bottom() - 2 - bodyTop),
                 colour::boxTop, colour::boxBottom);
}

// Small engraved marks on a light surface (the degree, minute and second signs).
void engraved(QPainter& p, const QRect& rect, const QString& text, int pixelSize) {
    p.setFont(sansFont(pixelSize, true));
    shadowText(p, rect, Qt::AlignHCenter | Qt::AlignTop, text, QColor(40, 46, 66),
               QColor(236, 240, 248));
}

// A pair of small raised steel buttons, up over down, 15 x 19 at `at`.
void spinButtons(QPainter& p, QPoint at) {
    p.save();
    p.translate(at);
    for (int half = 0; half < 2; ++half) {
        const QRect r(0, half == 0 ? 0 : 10, 15, half == 0 ? 10 : 9);
        fillVertical(p, r, QColor(226, 232, 244), QColor(150, 162, 186));
        bevel(p, r, 1, true, QColor(255, 255, 255), QColor(40, 48, 72));
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath tri;
        const double cy = r.top() + r.height() / 2.0;
        if (half == 0) {
            tri.moveTo(4.0, cy + 2.0);
            tri.lineTo(11.0, cy + 2.0);
            tri.lineTo(7.5, cy - 1.8);
        } else {
            tri.moveTo(4.0, cy - 2.0);
            tri.lineTo(11.0, cy - 2.0);
            tri.lineTo(7.5, cy + 1.8);
        }
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 34, 70));
        p.drawPath(tri);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    p.restore();
}

// The night-sky vignette between the light and the dark boxes: a graticule across the sky,
// stars, a waxing crescent and a line of hills.
void vignette(QPainter& p, QImage& image, const QRect& rect, const MoonRenderer& moon) {
    steelFrame(p, rect);
    const QRect inner = rect.adjusted(3, 3, -3, -3);
    bevel(p, inner, 1, false, QColor(230, 236, 250), QColor(30, 36, 56));
    const QRect sky = inner.adjusted(1, 1, -1, -1);
    QLinearGradient g(sky.topLeft(), sky.bottomLeft());
    g.setColorAt(0, QColor(4, 8, 26));
    g.setColorAt(0.7, QColor(16, 34, 78));
    g.setColorAt(1, QColor(40, 70, 120));
    p.fillRect(sky, g);
    p.end();
    stars(image, sky.adjusted(0, 0, 0, -12), 46, 301, 220);
    p.begin(&image);
    p.setClipRect(sky);
    p.setRenderHint(QPainter::Antialiasing);
    // Faint graticule: meridians converging above the window, and parallels.
    p.setPen(QPen(QColor(120, 170, 255, 46), 0.8));
    p.setBrush(Qt::NoBrush);
    const QPointF pole(sky.center().x() - 30, sky.top() - 120);
    for (int i = -6; i <= 6; ++i) {
        const double a = i * 9.0 * std::numbers::pi / 180.0;
        p.drawLine(pole, pole + QPointF(std::sin(a) * 260, std::cos(a) * 260));
    }
    for (double r : {150.0, 166.0, 182.0}) p.drawEllipse(pole, r, r);
    // The crescent, lit from the lower right as in the evening sky.
    {
        const QPointF centre(sky.right() - 46.5, sky.top() + 16.5);
        const double radius = 10.5;
        QRadialGradient glow(centre, radius * 2.2);
        glow.setColorAt(0, QColor(140, 170, 220, 70));
        glow.setColorAt(1, QColor(140, 170, 220, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius * 2.2, radius * 2.2);
        p.end();
        const double tilt = 0.5; // radians: the lit limb faces lower right
        moon.paintDisk(image, centre, radius, 4, [tilt](double u, double v, double a) {
            const double x = u * std::cos(tilt) - v * std::sin(tilt);
            const double y = u * std::sin(tilt) + v * std::cos(tilt);
            const double t = 0.5 * std::sqrt(std::max(0.0, 1 - y * y));
            const double light = smooth(t - 0.08, t + 0.08, x);
            const double mu = std::sqrt(std::max(0.0, 1 - u * u - v * v));
            const double lit = (0.30 + 0.70 * a) * (0.55 + 0.45 * mu);
            const double rim = smooth(0.85, 1.0, std::sqrt(u * u + v * v));
            const double earth = 0.035 + 0.03 * a + 0.08 * rim;
            auto c = [](double x) { return std::clamp(int(std::lround(x * 255)), 0, 255); };
            return QColor(c(lit * light * 1.00 + earth * (1 - light) * 0.75),
                          c(lit * light * 0.97 + earth * (1 - light) * 0.85),
                          c(lit * light * 0.90 + earth * (1 - light) * 1.15));
        });
        p.begin(&image);
        p.setClipRect(sky);
        p.setRenderHint(QPainter::Antialiasing);
    }
    // Hills along the bottom, two layers.
    auto hills = [&](double base, double amp, double phase, const QColor& top,
                     const QColor& bottom) {
        QPainterPath path;
        path.moveTo(sky.left(), sky.bottom() + 1);
        for (int x = sky.left(); x <= sky.right() + 1; x += 2) {
            const double s = (x - sky.left()) / double(sky.width());
            const double y = base - amp * (0.55 * std::sin(s * 7.0 + phase) +
                                           0.30 * std::sin(s * 17.0 + 2 * phase) +
                                           0.15 * std::sin(s * 31.0 + phase * 3));
            path.lineTo(x, y);
        }
        path.lineTo(sky.right() + 1, sky.bottom() + 1);
        path.closeSubpath();
        QLinearGradient fill(0, base - amp, 0, sky.bottom());
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPath(path);
    };
    hills(sky.bottom() - 8.0, 4.0, 0.6, QColor(22, 36, 66), QColor(12, 20, 40));
    hills(sky.bottom() - 3.0, 3.0, 2.1, QColor(6, 10, 22), QColor(2, 4, 10));
    // An observer's small telescope on the near hill.
    const QPointF foot(sky.left() + 40.5, sky.bottom() - 7.5);
    p.setPen(roundPen(QColor(2, 4, 10), 1.4));
    p.drawLine(foot, foot + QPointF(-5, 8));
    p.drawLine(foot, foot + QPointF(5, 8));
    p.drawLine(foot, foot + QPointF(0, 8));
    p.setPen(roundPen(QColor(2, 4, 10), 3.0));
    p.drawLine(foot + QPointF(-6, 3), foot + QPointF(9, -7));
    p.setPen(roundPen(QColor(90, 120, 180, 120), 0.8));
    p.drawLine(foot + QPointF(-5, 1.2), foot + QPointF(8.6, -8.2));
    p.setClipping(false);
}

// The dark box of the time zone, daylight saving and printer rows.
void timeBox(QPainter& p, const QRect& rect) {
    steelFrame(p, rect);
    const QRect header(rect.left() + 3, rect.top() + 3, rect.width() - 6, 17);
    fillVertical(p, header, colour::titleTop, colour::titleBottom);
    p.fillRect(QRect(header.left(), header.top(), header.width(), 1), QColor(96, 122, 190));
    p.fillRect(QRect(header.left(), header.bottom() + 1, header.width(), 1), kFrameDark);
    // The clock and the title beside it (94 pixels, drawn by the window) centred together.
    const int left = header.left() + (header.width() - (14 + 6 + 94)) / 2;
    clockGlyph(p, QPointF(left, header.top() + 1.5));
    // The body: a flat vertical gradient, so that the radio glyphs' backgrounds match at
    // every column of their row.
    const QRect body(rect.left() + 3, header.bottom() + 2, rect.width() - 6,
                     rect.bottom() - 2 - (header.bottom() + 2));
    fillVertical(p, body, kDarkBodyTop, kDarkBodyBottom);
    // An engraved rule between the time zone row and the printer row (under which the window
    // writes a small heading).
    p.fillRect(QRect(body.left() + 10, 333, body.width() - 20, 1), QColor(14, 18, 30));
    p.fillRect(QRect(body.left() + 10, 334, body.width() - 20, 1), QColor(92, 104, 136));
}

QImage skin(const MoonRenderer& moon) {
    QImage image = newImage(kWindow.size());
    {
        QPainter p(&image);
        fillVertical(p, kWindow, colour::skyTop, colour::skyBottom);
    }
    softNoise(image, kWindow, 5, 24, 401);
    stars(image, kWindow.adjusted(3, 3, -3, -3), 110, 402, 150);
    QPainter p(&image);
    bevel(p, kWindow, 3, true, kFrameLight, kFrameDark);

    titlePlate(p, kTitlePlate);
    toolsIcon(p, QPointF(14, 11));
    closeCross(p, 255, 14, 14, 15);

    // The globe beside the title (54 pixels wide, drawn by the window).
    lightBox(p, kObserverBox, 54, globeGlyph);
    // Degree, minute and second marks after the coordinate fields.
    for (int y : {64, 92}) {
        engraved(p, QRect(118, y, 11, 14), QStringLiteral("\u00B0"), 14);
        engraved(p, QRect(148, y, 11, 14), QStringLiteral("'"), 14);
        engraved(p, QRect(178, y, 11, 14), QStringLiteral("\""), 14);
    }
    spinButtons(p, {240, 64});
    spinButtons(p, {240, 92});
    lightBox(p, kCalendarBox, 0, nullptr);

    vignette(p, image, kVignette, moon);
    timeBox(p, kTimeBox);
    return image;
}

// The daylight-saving check box, 13 x 13.
QImage checkGlyph(const QImage& background, bool checked) {
    QImage image = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    const QRect box(0, 0, 13, 13);
    fillVertical(p, box.adjusted(1, 1, -1, -1), QColor(240, 240, 170), colour::paleYellow);
    bevel(p, box, 1, false, QColor(236, 242, 252), QColor(20, 26, 44));
    if (checked) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath tick;
        tick.moveTo(2.8, 6.4);
        tick.lineTo(5.3, 9.2);
        tick.lineTo(10.2, 3.2);
        p.setPen(roundPen(QColor(20, 60, 160), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return image;
}

// The face of a list's drop-down button, 15 x 19: steel with a dark down arrow.
QImage dropButton() {
    QImage image = newImage({15, 19});
    QPainter p(&image);
    const QRect r = area(image);
    fillVertical(p, r, QColor(226, 232, 244), QColor(150, 162, 186));
    bevel(p, r, 1, true, QColor(255, 255, 255), QColor(40, 48, 72));
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(3.5, 7.5);
    tri.lineTo(11.5, 7.5);
    tri.lineTo(7.5, 12.0);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 34, 70));
    p.drawPath(tri);
    return image;
}

} // namespace

QList<WindowPicture> DrawConfigurationArt(const MoonRenderer& moon) {
    const QImage background = skin(moon);
    const QImage radioBack = copyArea(background, QRect(kRadioAt, QSize(15, 15)));
    const QImage checkBack = copyArea(background, QRect(kCheckAt, QSize(13, 13)));
    return {
        {QStringLiteral("bgnd.jpg"), background},
        {QStringLiteral("rb_set.png"), radioGlyph(radioBack, true)},
        {QStringLiteral("rb_unset.png"), radioGlyph(radioBack, false)},
        {QStringLiteral("check_on.png"), checkGlyph(checkBack, true)},
        {QStringLiteral("check_off.png"), checkGlyph(checkBack, false)},
        {QStringLiteral("drop.png"), dropButton()},
    };
}

} // namespace artgen
