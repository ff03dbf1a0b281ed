// An off-screen picture (a bitmap) with a canvas that draws on it.
//
// Sizes and coordinates are in the window's pixels. On a screen with two device pixels to the
// pixel a new picture holds twice as many device pixels in each direction (device pixel
// ratio 2), so that text and shapes drawn on it are as sharp as the screen.
#pragma once

#include "Canvas.h"

#include <QImage>
#include <QString>

class QPainter;
class QPointF;
class QWidget;

namespace crescendar {

// The scale pictures are drawn and loaded at for a window: 2 where its screen has more than
// one device pixel to the pixel, else 1. Without a window: 2 when any screen has.
int PictureScale(const QWidget* window = nullptr);

// Loads a picture file or resource (":/...") for a window. At a picture scale of 2 it takes
// the twice-size variant "name@2x.ext" beside "name.ext" when there is one, with device pixel
// ratio 2, so that it paints at the 1x picture's size, with twice the detail. A null image
// when neither can be read.
QImage LoadPicture(const QString& path, const QWidget* window = nullptr);
// The same at a given picture scale (1 or 2).
QImage LoadPicture(const QString& path, int scale);

// The size of a picture in the window's pixels (its device pixels over its device pixel ratio).
QSize LogicalSize(const QImage& image);
// A copy of a rectangle given in the window's pixels, at the picture's device pixel ratio.
QImage CopyPart(const QImage& image, const QRect& rect);
// The emblem of a solar eclipse: a glowing Sun with the Moon's dark disc over it, drawn
// antialiased around centre, radius being the glow's outer edge.
void DrawEclipsedSun(QPainter& painter, const QPointF& centre, double radius);

class Picture {
  public:
    Picture(); // empty, 0 x 0
    // A blank picture at the given picture scale (0: PictureScale()).
    Picture(int width, int height, const QColor& fill = Qt::black, int scale = 0);
    explicit Picture(const QImage& image);

    // Not copyable (its canvas draws on its own image); use Assign to copy the pixels.
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Loads a file or a Qt resource (":/...") through LoadPicture; false and unchanged when
    // it cannot be read.
    bool Load(const QString& path, const QWidget* window = nullptr);
    // Writes the picture (its device pixels) as a Windows bitmap file, all or nothing: on failure
    // (false, with the reason in plain words in error) a file already at the path is left
    // unchanged.
    [[nodiscard]] bool SaveBmp(const QString& path, QString* error = nullptr) const;

    // Takes a fresh copy of another picture's pixels (size included); canvas state is kept.
    void Assign(const Picture& other) { Assign(other.image_); }
    void Assign(const QImage& image);
    // New size at the same scale; the old content stays at the top-left, new area is filled
    // with fill.
    void SetSize(int width, int height, const QColor& fill = Qt::black);

    int Width() const { return LogicalSize(image_).width(); }
    int Height() const { return LogicalSize(image_).height(); }
    const QImage& Image() const { return image_; }

    Canvas& GetCanvas() { return canvas_; }
    const Canvas& GetCanvas() const { return canvas_; }

  private:
    QImage image_;
    Canvas canvas_;
};

} // namespace crescendar
