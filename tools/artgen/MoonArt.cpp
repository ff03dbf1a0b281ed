#include "MoonArt.h"

#include "Drawing.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace artgen {

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;

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

// Brightness of the full Moon's surface towards the limb: nearly flat, gently darker.
double limbDarkening(double u, double v) {
    const double mu = std::sqrt(std::max(0.0, 1 - u * u - v * v));
    return 0.74 + 0.26 * std::pow(mu, 0.45);
}

void softGlow(QImage& image, QPointF centre, double radius, const QColor& colour) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(centre, radius);
    QColor inner = colour;
    QColor outer = colour;
    outer.setAlpha(0);
    g.setColorAt(0, inner);
    g.setColorAt(0.55, inner);
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawEllipse(centre, radius, radius);
}

// The young craters that stand out on the full Moon, brighter than the map shows them:
// (longitude, latitude, brightness, radius in degrees).
struct BrightCrater {
    double lon, lat, gain, radius;
};
constexpr BrightCrater kBrightCraters[] = {
    {-11.4, -43.3, 0.20, 1.8}, // Tycho
    {-11.4, -43.3, 0.06, 7.0}, // and its halo
    {-20.1, 9.6, 0.09, 1.6},   // Copernicus
    {-38.0, 8.1, 0.06, 1.3},   // Kepler
    {-47.5, 23.7, 0.16, 1.1},  // Aristarchus
    {46.8, 16.1, 0.08, 1.0},   // Proclus, beside Mare Crisium
};

double brightCraters(double lon, double lat) {
    double sum = 0;
    for (const BrightCrater& c : kBrightCraters) {
        const double dlon = (lon - c.lon) * std::cos(c.lat / kDeg);
        const double dlat = lat - c.lat;
        sum += c.gain * std::exp(-(dlon * dlon + dlat * dlat) / (c.radius * c.radius));
    }
    return sum;
}

} // namespace

MoonRenderer::MoonRenderer(QImage albedoMap)
    : map_(albedoMap.convertToFormat(QImage::Format_Grayscale8)) {
    // The map carries some relief shading (shadowed crater walls) that the high Sun of a
    // full Moon does not show: keep the albedo and soften the relief, by pulling every
    // pixel towards the mean of its neighbourhood.
    const int w = map_.width();
    const int h = map_.height();
    const int r = 3;
    std::vector<double> mean(std::size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double sum = 0;
            int n = 0;
            for (int dy = -r; dy <= r; ++dy) {
                const int yy = std::clamp(y + dy, 0, h - 1);
                const uchar* line = map_.constScanLine(yy);
                for (int dx = -r; dx <= r; ++dx) {
                    sum += line[((x + dx) % w + w) % w];
                    ++n;
                }
            }
            mean[std::size_t(y) * w + x] = sum / n;
        }
    QImage soft(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        const uchar* in = map_.constScanLine(y);
        uchar* out = soft.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double m = mean[std::size_t(y) * w + x];
            out[x] = uchar(std::clamp(int(std::lround(m + (in[x] - m) * 0.6)), 0, 255));
        }
    }
    map_ = soft;
}

double MoonRenderer::mapValue(double lonDeg, double latDeg) const {
    const int w = map_.width();
    const int h = map_.height();
    const double x = (lonDeg / 360.0 + 0.5) * w - 0.5;
    const double y = std::clamp((0.5 - latDeg / 180.0) * h - 0.5, 0.0, h - 1.0);
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    auto px = [&](int xi, int yi) {
        xi = ((xi % w) + w) % w;
        yi = std::clamp(yi, 0, h - 1);
        return map_.constScanLine(yi)[xi] / 255.0;
    };
    const double top = px(x0, y0) * (1 - fx) + px(x0 + 1, y0) * fx;
    const double bottom = px(x0, y0 + 1) * (1 - fx) + px(x0 + 1, y0 + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

double MoonRenderer::albedo(double u, double v) const {
    const double w = std::sqrt(std::max(0.0, 1 - u * u - v * v));
    const double lat = std::asin(std::clamp(v, -1.0, 1.0)) * kDeg;
    const double lon = std::atan2(u, w) * kDeg;
    // Stretch the map's range so that the maria are dark grey and the highlands bright,
    // as on a photograph of the full Moon.
    const double a = (mapValue(lon, lat) - 0.10) / (0.64 - 0.10);
    return std::pow(clamp01(a), 0.85) + brightCraters(lon, lat);
}

void MoonRenderer::paintDisk(QImage& image, QPointF centre, double radius, int supersample,
                             const DiskShader& shader) const {
    // Centre and radius come in 1x pixels; the disk is sampled on the device pixels, so a
    // scaled picture shows the map's finer detail rather than enlarged pixels.
    const double scale = std::max(1, int(std::lround(image.devicePixelRatio())));
    centre *= scale;
    radius *= scale;
    const int x0 = std::max(0, int(std::floor(centre.x() - radius)));
    const int x1 = std::min(image.width() - 1, int(std::ceil(centre.x() + radius)));
    const int y0 = std::max(0, int(std::floor(centre.y() - radius)));
    const int y1 = std::min(image.height() - 1, int(std::ceil(centre.y() + radius)));
    const int n = std::max(1, supersample);
    for (int y = y0; y <= y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = x0; x <= x1; ++x) {
            double r = 0, g = 0, b = 0;
            int inside = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const double u = (x + (sx + 0.5) / n - centre.x()) / radius;
                    const double v = -(y + (sy + 0.5) / n - centre.y()) / radius;
                    if (u * u + v * v >= 1) continue;
                    const QColor c = shader(u, v, albedo(u, v));
                    r += c.redF();
                    g += c.greenF();
                    b += c.blueF();
                    ++inside;
                }
            }
            if (inside == 0) continue;
            const double cover = double(inside) / (n * n);
            const QRgb old = line[x];
            auto blend = [&](double sum, int prior) {
                return int(std::lround((sum / inside) * 255 * cover + prior * (1 - cover)));
            };
            line[x] = qRgb(blend(r, qRed(old)), blend(g, qGreen(old)), blend(b, qBlue(old)));
        }
    }
}

QImage fullMoonPhoto(const MoonRenderer& moon) {
    QImage image = newImage({156, 156});
    // Columns 3-153 and rows 3-154 hold the disk; pixel centres lie at +0.5.
    moon.paintDisk(image, {78.5, 79.0}, 75.5, 5, [](double u, double v, double a) {
        const double level = (0.05 + 0.95 * a) * limbDarkening(u, v);
        return rgb(level * 0.99, level * 0.975, level * 0.94);
    });
    return image;
}

QImage phasePicture(const MoonRenderer& moon, Phase phase) {
    QImage image = newImage({30, 30});
    const QPointF centre{15.0, 15.0};
    const double radius = 13.5;
    if (phase == Phase::Full) softGlow(image, centre, 15.0, QColor(40, 40, 34));
    if (phase == Phase::Blue) softGlow(image, centre, 15.0, QColor(20, 46, 110));

    moon.paintDisk(image, centre, radius, 4, [phase](double u, double v, double a) {
        // Smooth the high-contrast detail a little at this small size.
        const double soft = 0.35 + 0.65 * a;
        const double lit = 0.10 + 0.90 * soft * limbDarkening(u, v);
        // The unlit part glows faintly (earthshine), with a rim so the disk stays visible.
        const double rim = smoothstep(0.80, 1.0, std::sqrt(u * u + v * v));
        const double dark = 0.10 + 0.08 * soft + 0.16 * rim;
        double light = 0;
        switch (phase) {
        case Phase::New:
            light = 0;
            break;
        case Phase::FirstQuarter:
            light = smoothstep(-0.07, 0.07, u);
            break;
        case Phase::LastQuarter:
            light = smoothstep(-0.07, 0.07, -u);
            break;
        case Phase::Full:
        case Phase::Blue:
            light = 1;
            break;
        }
        if (phase == Phase::Blue) return rgb(lit * 0.50, lit * 0.72, lit * 1.08 + 0.06);
        const double d = dark * (1 - light);
        return rgb(lit * light * 0.99 + d * 0.70, lit * light * 0.975 + d * 0.80,
                   lit * light * 0.94 + d * 1.05);
    });
    return image;
}

QImage eclipsePicture(const MoonRenderer& moon, const QImage& background) {
    QImage image = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect size = area(image);
    const QPointF centre{size.width() / 2.0, size.height() / 2.0};
    const double radius = std::min(size.width(), size.height()) / 2.0 - 1.5;
    softGlow(image, centre, radius + 2.5, QColor(70, 18, 8));
    moon.paintDisk(image, centre, radius, 4, [](double u, double v, double a) {
        // Deep in the umbra the Moon is a dim copper; the limb nearer the umbra's edge
        // (lower left) stays brighter and oranger.
        const double edge = smoothstep(-0.3, 1.1, (-u - v) * 0.7071);
        const double level = (0.30 + 0.70 * a) * (0.42 + 0.58 * edge);
        return rgb(level * 0.98, level * (0.30 + 0.22 * edge), level * (0.14 + 0.06 * edge));
    });
    return image;
}

QImage appIcon(const MoonRenderer& moon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const double s = size;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF tile(0.5, 0.5, s - 1, s - 1);
        const double corner = s * 0.2;
        QPainterPath path;
        path.addRoundedRect(tile, corner, corner);
        QLinearGradient sky(0, 0, 0, s);
        sky.setColorAt(0, QColor(38, 62, 128));
        sky.setColorAt(1, QColor(8, 12, 36));
        p.fillPath(path, sky);
        if (size >= 32) {
            QPen edge(QColor(120, 150, 220, 150), std::max(1.0, s / 48));
            p.setPen(edge);
            p.drawPath(path);
        }
        // A few stars on the dark side of the sky.
        if (size >= 24) {
            const QPointF stars[] = {{0.20, 0.22}, {0.14, 0.62}, {0.33, 0.84}, {0.80, 0.86}};
            const double radii[] = {0.045, 0.03, 0.025, 0.03};
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 4; ++i) {
                const QPointF c(stars[i].x() * s, stars[i].y() * s);
                const double r = std::max(0.6, radii[i] * s * (size >= 48 ? 1.0 : 0.7));
                QRadialGradient g(c, r * 2.2);
                g.setColorAt(0, QColor(255, 255, 240, 255));
                g.setColorAt(0.35, QColor(220, 230, 255, 180));
                g.setColorAt(1, QColor(200, 215, 255, 0));
                p.setBrush(g);
                p.drawEllipse(c, r * 2.2, r * 2.2);
            }
        }
    }
    // A waxing crescent, lit on the right, its dark part in faint bluish earthshine.
    const double detail = size >= 48 ? 1.0 : size >= 32 ? 0.6 : 0.25;
    const QPointF centre{s * 0.56, s * 0.50};
    const double radius = s * 0.37;
    moon.paintDisk(image, centre, radius, size >= 64 ? 3 : 6,
                   [detail](double u, double v, double a) {
                       const double k = 0.38;
                       const double terminator = k * std::sqrt(std::max(0.0, 1 - v * v));
                       const double light = smoothstep(terminator - 0.05, terminator + 0.05, u);
                       const double tone = 0.80 * (1 - detail) + a * detail;
                       const double lit = 0.62 + 0.38 * tone;
                       const double dark = 0.55 + 0.10 * tone;
                       return rgb(lit * light * 1.00 + dark * (1 - light) * 0.20,
                                  lit * light * 0.94 + dark * (1 - light) * 0.25,
                                  lit * light * 0.74 + dark * (1 - light) * 0.42);
                   });
    return image;
}

} // namespace artgen
