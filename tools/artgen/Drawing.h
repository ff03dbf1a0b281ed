// Shared palette, layout and painting helpers of the artwork generator.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdint>

namespace artgen {

// The night-sky palette.
namespace colour {
inline const QColor skyTop{22, 34, 70};
inline const QColor skyBottom{8, 12, 30};
inline const QColor titleTop{44, 64, 120};
inline const QColor titleBottom{14, 22, 52};
inline const QColor steelLight{176, 186, 204};
inline const QColor steelMid{112, 124, 148};
inline const QColor steelDark{40, 48, 68};
inline const QColor boxTop{206, 211, 220};
inline const QColor boxBottom{170, 177, 190};
inline const QColor well{22, 28, 46};
inline const QColor slate{38, 44, 60};
inline const QColor gridNavy{10, 16, 38};
inline const QColor iconInk{226, 234, 248};
inline const QColor iconShade{150, 168, 204};
inline const QColor accent{120, 200, 255};
inline const QColor paleYellow{255, 255, 176};
} // namespace colour

// Where things sit on the 640 x 480 main window.
namespace layout {
inline constexpr QRect window{0, 0, 640, 480};
inline constexpr QRect titleBar{6, 6, 628, 34};
inline constexpr QRect clockStrip{0, 40, 640, 24};
inline constexpr QRect moonPanel{14, 68, 396, 178};
inline constexpr QRect phasePanel{414, 68, 214, 178};
inline constexpr QRect riseSetBox{14, 252, 258, 104};
inline constexpr QRect moonBox{276, 252, 134, 104};
inline constexpr QRect twilightBox{14, 362, 258, 108};
inline constexpr QRect sunBox{276, 362, 134, 108};
inline constexpr QRect calendar{414, 252, 214, 218};
inline constexpr QPoint moonParamsAt{315, 280};
inline constexpr QPoint sunParamsAt{315, 387};
inline constexpr QSize moonParamsSize{85, 67};
inline constexpr QSize sunParamsSize{84, 67};
inline constexpr QPoint moonPhotoAt{26, 80};
inline constexpr QRect opticsPlace{44, 13, 33, 24};
inline constexpr QRect eclipsePlace{182, 12, 29, 25};
} // namespace layout

// A small deterministic generator so that every build draws the same pictures.
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double uniform() { return (next() & 0xffffff) / double(0x1000000); }

  private:
    std::uint32_t state_;
};

// The scale the pictures are drawn at: 1, or 2 for screens with two device pixels to the
// pixel. newImage makes its images scale times larger with that device pixel ratio, so a
// painter on them works in the coordinates of the 1x picture; the per-pixel helpers below
// and MoonRenderer::paintDisk take 1x coordinates too and work on the device pixels.
int drawingScale();

// Draws at the given scale while it lives (not nested across threads).
class ScaledDrawing {
  public:
    explicit ScaledDrawing(int scale);
    ~ScaledDrawing();
    ScaledDrawing(const ScaledDrawing&) = delete;
    ScaledDrawing& operator=(const ScaledDrawing&) = delete;

  private:
    int previous_;
};

// An image's rectangle in 1x pixels (its device pixels divided by its device pixel ratio).
QRect area(const QImage& image);
// The device pixels under a 1x rectangle of the image.
QRect devicePixels(const QImage& image, const QRect& rect);
// A copy of a 1x rectangle of the image, at the image's device pixel ratio.
QImage copyArea(const QImage& image, const QRect& rect);

QFont sansFont(double pixelSize, bool bold = false);
QFont serifFont(double pixelSize, bool bold = false, bool italic = false);

QColor mix(const QColor& a, const QColor& b, double t);
QImage newImage(QSize size, const QColor& fill = Qt::black);

// A vertical gradient filling rect.
void fillVertical(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom);

// A raised (or sunken) bevel of the given width drawn inside rect.
void bevel(QPainter& p, const QRect& rect, int width, bool raised, const QColor& light,
           const QColor& dark);

// Brightness noise of the given amplitude over rect (1x), fine (per device pixel) and soft
// (blurred over cells of `cell` 1x pixels).
void grain(QImage& image, const QRect& rect, double amplitude, std::uint32_t seed);
void softNoise(QImage& image, const QRect& rect, double amplitude, int cell, std::uint32_t seed);

// Text with a one-pixel shadow, aligned in rect.
void shadowText(QPainter& p, const QRect& rect, int flags, const QString& text, const QColor& ink,
                const QColor& shadow, QPoint shadowOffset = {1, 1});

} // namespace artgen
