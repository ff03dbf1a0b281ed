#include "WindowSkin.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace artgen {

namespace {

const QColor kFrameLight{150, 166, 204};
const QColor kFrameDark{6, 8, 20};
const QColor kOutline{12, 18, 40};

} // namespace

QPen roundPen(const QColor& c, double width) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QLinearGradient vertical(double top, double bottom, const QColor& a, const QColor& b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

PaintAt::PaintAt(QPainter& p, QPointF at) : p_(p) {
    p_.save();
    p_.translate(at);
    p_.setRenderHint(QPainter::Antialiasing);
}

PaintAt::~PaintAt() {
    p_.restore();
}

void stars(QImage& image, const QRect& area, int count, std::uint32_t seed, int maxLevel,
           int minLevel) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = area.left() + int(rng.uniform() * area.width());
        const int y = area.top() + int(rng.uniform() * area.height());
        const double m = rng.uniform();
        const int level = int(minLevel + m * m * (maxLevel - minLevel));
        // A star is one 1x pixel: a block of device pixels on a scaled picture.
        const QRect block = devicePixels(image, QRect(x, y, 1, 1));
        for (int dy = block.top(); dy <= block.bottom(); ++dy)
            for (int dx = block.left(); dx <= block.right(); ++dx) {
                const QRgb old = image.pixel(dx, dy);
                image.setPixel(dx, dy,
                               qRgb(std::max(qRed(old), level), std::max(qGreen(old), level),
                                    std::max(qBlue(old), std::min(255, level + 20))));
            }
    }
}

QImage starrySky(QSize size, std::uint32_t seed, int pixelsPerStar) {
    QImage image = newImage(size);
    {
        QPainter p(&image);
        fillVertical(p, area(image), colour::skyTop, colour::skyBottom);
    }
    softNoise(image, area(image), 5, 24, seed);
    stars(image, area(image).adjusted(3, 3, -3, -3), size.width() * size.height() / pixelsPerStar,
          seed + 1);
    QPainter p(&image);
    bevel(p, area(image), 3, true, kFrameLight, kFrameDark);
    return image;
}

void titlePlate(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour::titleTop);
    g.setColorAt(0.48, QColor(26, 40, 84));
    g.setColorAt(0.52, QColor(18, 28, 64));
    g.setColorAt(1, colour::titleBottom);
    p.setPen(QPen(kFrameDark, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(QPen(QColor(120, 150, 220, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
    p.restore();
}

void closeCross(QPainter& p, QPointF at, int width, int height) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(at);
    const double m = 2, cx = width / 2.0, cy = height / 2.0, h = std::min(cx, cy) - m;
    const QPointF a(cx - h, cy - h), b(cx + h, cy + h), c(cx + h, cy - h), d(cx - h, cy + h);
    p.setPen(roundPen(kOutline, 4.4));
    p.drawLine(a, b);
    p.drawLine(c, d);
    p.setPen(roundPen(QColor(255, 150, 140), 2.4));
    p.drawLine(a, b);
    p.drawLine(c, d);
    p.restore();
}

void steelFrame(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kFrameDark, 1));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour::steelLight);
    g.setColorAt(1, colour::steelMid);
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
    p.restore();
}

void blackPanel(QPainter& p, const QRect& rect) {
    steelFrame(p, rect);
    const QRect inner = rect.adjusted(3, 3, -3, -3);
    bevel(p, inner, 1, false, QColor(230, 236, 250), QColor(30, 36, 56));
    const QRect glow = inner.adjusted(1, 1, -1, -1);
    p.fillRect(glow, QColor(36, 70, 130));
    p.fillRect(glow.adjusted(1, 1, -1, -1), Qt::black);
}

void blackScreen(QPainter& p, const QRect& inner) {
    const QRect outer = inner.adjusted(-3, -3, 3, 3);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(outer).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour::steelLight);
    g.setColorAt(1, colour::steelMid);
    p.setPen(QPen(kFrameDark, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    p.restore();
    bevel(p, inner.adjusted(-1, -1, 1, 1), 1, false, QColor(230, 236, 250), QColor(30, 36, 56));
    p.fillRect(inner, Qt::black);
}

// A radio glyph over the background it stands on, 15 x 15.
QImage radioGlyph(const QImage& background, bool set) {
    QImage image = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(7.5, 7.5);
    QRadialGradient well(QPointF(6, 6), 8);
    well.setColorAt(0, QColor(255, 255, 220));
    well.setColorAt(1, QColor(220, 220, 160));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(well);
    p.drawEllipse(c, 6.3, 6.3);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.2, 2.2, 10.6, 10.6), 60 * 16, 120 * 16);
    if (set) {
        QRadialGradient dot(QPointF(6.4, 6.2), 4.2);
        dot.setColorAt(0, QColor(140, 210, 255));
        dot.setColorAt(1, QColor(20, 70, 170));
        p.setPen(QPen(QColor(10, 30, 90), 0.8));
        p.setBrush(dot);
        p.drawEllipse(c, 3.4, 3.4);
    }
    return image;
}
} // namespace artgen
