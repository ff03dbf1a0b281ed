// Pictures of the Moon rendered from the lunar albedo map.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

#include <functional>

namespace artgen {

// Colour of one point of the disk: u to the right (lunar east), v up (north), both in
// [-1, 1] with u*u + v*v <= 1; albedo is the tone-mapped brightness 0..1 of that point.
using DiskShader = std::function<QColor(double u, double v, double albedo)>;

class MoonRenderer {
  public:
    // The map is equirectangular: longitude 0 at the centre column, east to the right,
    // north at the top.
    explicit MoonRenderer(QImage albedoMap);

    // Tone-mapped brightness of the near side in orthographic projection, seen from Earth
    // with the north up: (u, v) as for DiskShader.
    double albedo(double u, double v) const;

    // Paints a disk of the given centre and radius (pixel units, pixel centres at +0.5) onto
    // image, blending by coverage at the limb; subsamples per pixel = supersample^2.
    void paintDisk(QImage& image, QPointF centre, double radius, int supersample,
                   const DiskShader& shader) const;

  private:
    double mapValue(double lonDeg, double latDeg) const;

    QImage map_;
};

// The photograph of the full Moon: 156 x 156, disk within columns 3-153 and rows 3-154,
// centred on column 78, radius 75, on pure black.
QImage fullMoonPhoto(const MoonRenderer& moon);

enum class Phase { New, FirstQuarter, Full, LastQuarter, Blue };
// A 30 x 30 phase picture on black, as seen from the northern hemisphere.
QImage phasePicture(const MoonRenderer& moon, Phase phase);

// A reddish, eclipsed Moon over the given background (its size is the picture's size).
QImage eclipsePicture(const MoonRenderer& moon, const QImage& background);

// The program's icon at one size: a crescent Moon over a night sky.
QImage appIcon(const MoonRenderer& moon, int size);

} // namespace artgen
